#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A rounded slab whose rim catches the light at the top left and falls into shade at the
// bottom right, filled with a soft vertical shading of its colour.
QImage DrawBevelledSlab(QSize size, QColor face)
{
    QImage slab(size, QImage::Format_ARGB32_Premultiplied);
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

} // namespace

QImage DrawOdometerBackground()
{
    QImage background(433, 298, QImage::Format_RGB32);
    background.fill(Qt::white);
    QPainter painter(&background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    // Slanting pastel bars that fade out towards the middle of the page.
    const QColor pastels[] = {QColor(255, 214, 224), QColor(255, 242, 204), QColor(214, 245, 222),
                              QColor(220, 226, 255)};
    constexpr int barWidth = 34;
    constexpr int barStep = 62;
    for (int bar = 0; bar * barStep < background.width() + background.height(); ++bar) {
        const qreal left = bar * barStep - background.height() * 0.4;
        QPainterPath slant;
        slant.moveTo(left, background.height());
        slant.lineTo(left + background.height() * 0.4, 0);
        slant.lineTo(left + background.height() * 0.4 + barWidth, 0);
        slant.lineTo(left + barWidth, background.height());
        slant.closeSubpath();
        QColor colour = pastels[bar % 4];
        QLinearGradient fade(0, 0, 0, background.height());
        colour.setAlpha(230);
        fade.setColorAt(0, colour);
        colour.setAlpha(90);
        fade.setColorAt(0.5, colour);
        colour.setAlpha(230);
        fade.setColorAt(1, colour);
        painter.setBrush(fade);
        painter.drawPath(slant);
    }
    return background;
}

QImage DrawButtonBacking()
{
    return DrawBevelledSlab(QSize(81, 182), QColor(120, 196, 120));
}

QImage DrawOdometerBoard(int width)
{
    return DrawBevelledSlab(QSize(width, 180), QColor(178, 218, 246));
}
