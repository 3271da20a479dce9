// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// A tab face is a shading over the tab's own fill: a rounded top edge, a soft light from
// above and a thin border. Transparent corners let the strip's colour show.
QImage drawTabFace(bool selected, int scale)
{
    QImage face = blankPicture(QSize(58, 33), QImage::Format_ARGB32_Premultiplied, scale);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath outline;
    outline.moveTo(0.5, 33);
    outline.lineTo(0.5, 5);
    outline.quadTo(0.5, 0.5, 5, 0.5);
    outline.lineTo(53, 0.5);
    outline.quadTo(57.5, 0.5, 57.5, 5);
    outline.lineTo(57.5, 33);

    QLinearGradient light(0, 0, 0, 33);
    light.setColorAt(0, QColor(255, 255, 255, selected ? 150 : 90));
    light.setColorAt(0.45, QColor(255, 255, 255, selected ? 40 : 0));
    light.setColorAt(1, QColor(0, 0, 0, selected ? 0 : 25));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(outline);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(selected ? QColor(90, 110, 140) : QColor(150, 165, 185), 1));
    painter.drawPath(outline);
    return face;
}
