// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage drawOdometerBackground(int scale)
{
    const QSize area(433, 298);
    QImage background = blankPicture(area, QImage::Format_RGB32, scale);
    background.fill(Qt::white);
    QPainter painter(&background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    // Slanting pastel bars that fade out towards the middle of the page.
    const QColor pastels[] = {QColor(255, 214, 224), QColor(255, 242, 204), QColor(214, 245, 222),
                              QColor(220, 226, 255)};
    constexpr int barWidth = 34;
    constexpr int barStep = 62;
    for (int bar = 0; bar * barStep < area.width() + area.height(); ++bar) {
        const qreal left = bar * barStep - area.height() * 0.4;
        QPainterPath slant;
        slant.moveTo(left, area.height());
        slant.lineTo(left + area.height() * 0.4, 0);
        slant.lineTo(left + area.height() * 0.4 + barWidth, 0);
        slant.lineTo(left + barWidth, area.height());
        slant.closeSubpath();
        QColor colour = pastels[bar % 4];
        QLinearGradient fade(0, 0, 0, area.height());
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

QImage drawButtonBacking(int scale)
{
    return drawGreenButtonBacking(QSize(81, 182), scale);
}

QImage drawOdometerBoard(int width, int scale)
{
    return drawBevelledSlab(QSize(width, 180), QColor(178, 218, 246), scale);
}
