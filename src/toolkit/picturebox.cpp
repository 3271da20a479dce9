// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/picturebox.h"

#include "common/devicepicture.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_file.clear();
    if (m_autoSize)
        resize(pictureSize());
    update();
}

void PictureBox::setPictureFile(const QString &file)
{
    m_picture = QPixmap();
    m_file = file;
    if (m_autoSize)
        resize(pictureSize());
    update();
}

QSize PictureBox::pictureSize() const
{
    return m_file.isEmpty() ? m_picture.deviceIndependentSize().toSize()
                            : devicePictureSize(m_file);
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
    if (on && (!m_picture.isNull() || !m_file.isEmpty()))
        resize(pictureSize());
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (!m_file.isEmpty()) {
        m_picture = devicePicture(m_file);
        m_file.clear();
    }
    QPainter painter(this);
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
