// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>

// A rounded slab whose rim catches the light at the top left and falls into shade at the
// bottom right, filled with a soft vertical shading of its colour.
QImage drawBevelledSlab(QSize size, QColor face, int scale)
{
    QImage slab = blankPicture(size, QImage::Format_ARGB32_Premultiplied, scale);
    slab.fill(Qt::transparent);
    QPainter painter(&slab);
    painter.setRenderHint(QPainter::Antialiasing);

    constexpr qreal bevel = 5;
    constexpr qreal corner = 9;
    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient rim(outer.topLeft(), outer.bottomRight());
    rim.setColorAt(0, face.lighter(135));
    rim.setColorAt(0.5, face);
    rim.setColorAt(1, face.darker(150));
    painter.setPen(QPen(face.darker(190), 1));
    painter.setBrush(rim);
    painter.drawRoundedRect(outer, corner, corner);

    const QRectF inner = outer.adjusted(bevel, bevel, -bevel, -bevel);
    QLinearGradient fill(inner.topLeft(), inner.bottomLeft());
    fill.setColorAt(0, face.lighter(112));
    fill.setColorAt(1, face.darker(104));
    painter.setPen(QPen(face.darker(125), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(inner, corner - bevel / 2, corner - bevel / 2);
    return slab;
}

QImage drawGreenButtonBacking(QSize size, int scale)
{
    return drawBevelledSlab(size, QColor(120, 196, 120), scale);
}
