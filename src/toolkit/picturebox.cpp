// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/picturebox.h"

#include "common/devicepicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setPictureFile(const QString &file)
{
    // The same file again (the page's layout set anew) keeps the picture already read.
    if (file == m_file)
        return;
    m_file = file;
    m_picture = QPixmap();
    if (m_autoSize)
        resize(pictureSize());
    update();
}

QSize PictureBox::pictureSize() const
{
    return m_picture.isNull() ? devicePictureSize(m_file)
                              : m_picture.deviceIndependentSize().toSize();
}

PictureBox *addPictureBox(QWidget *parent, const char *name, QPoint place, const QString &file)
{
    auto *picture = new PictureBox(parent);
    picture->setObjectName(QLatin1String(name));
    picture->move(place);
    picture->setAutoSize(true);
    if (!file.isEmpty())
        picture->setPictureFile(file);
    return picture;
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !m_file.isEmpty())
        resize(pictureSize());
}

void PictureBox::readPictureFile()
{
    if (m_picture.isNull() && !m_file.isEmpty())
        m_picture = devicePicture(m_file);
}

void PictureBox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Read after the show has gone to the window system: while it maps the window and
    // asks for the first frame, the picture is made ready for it.
    if (m_picture.isNull() && !m_file.isEmpty())
        QTimer::singleShot(0, this, &PictureBox::readPictureFile);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    readPictureFile();
    QPainter painter(this);
    smoothWhereRatiosDiffer(painter, m_picture.devicePixelRatio());
    painter.drawPixmap(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
