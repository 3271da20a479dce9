// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// Shows a picture at its top-left corner, its transparent pixels letting the parent show
// through. With auto-size on, the box takes the picture's size whenever the picture changes.
// A picture given by its file is read once the box is shown, so that the pictures of pages
// not yet shown cost neither time nor memory.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The picture drawn for the screens' resolution from the file and its larger copies.
    void setPictureFile(const QString &file);
    void setAutoSize(bool on);

signals:
    void clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QSize pictureSize() const;
    void readPictureFile();

    QString m_file;
    QPixmap m_picture; // null until read
    bool m_autoSize = false;
    bool m_pressed = false;
};

// A picture box of the layout: named, placed at its top-left corner and sized to its
// picture, which is read from file unless file is empty.
PictureBox *addPictureBox(QWidget *parent, const char *name, QPoint place,
                          const QString &file = {});
