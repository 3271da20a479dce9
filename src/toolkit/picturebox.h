// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// Shows a picture at its top-left corner, its transparent pixels letting the parent show
// through. With auto-size on, the box takes the picture's size whenever the picture changes.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    void setAutoSize(bool on);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_autoSize = false;
    bool m_pressed = false;
};

// A picture box of the layout: named, placed at its top-left corner and sized to its
// picture, which is read from file unless file is empty.
PictureBox *addPictureBox(QWidget *parent, const char *name, QPoint place,
                          const QString &file = {});
