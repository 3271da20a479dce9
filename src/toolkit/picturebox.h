// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// Shows a picture at its top-left corner, its transparent pixels letting the parent show
// through. With auto-size on, the box takes the picture's size whenever the picture changes.
// A picture given by its file is read when the box is first painted, so that the pictures
// of pages not yet shown cost neither time nor memory.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    // The picture drawn for the screens' resolution from the file and its larger copies.
    void setPictureFile(const QString &file);
    void setAutoSize(bool on);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QSize pictureSize() const;

    QPixmap m_picture;
    QString m_file; // read at the first paint
    bool m_autoSize = false;
    bool m_pressed = false;
};

// A picture box of the layout: named, placed at its top-left corner and sized to its
// picture, which is read from file unless file is empty.
PictureBox *addPictureBox(QWidget *parent, const char *name, QPoint place,
                          const QString &file = {});
