#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage drawOdometerBackground()
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

QImage drawButtonBacking()
{
    return drawGreenButtonBacking(QSize(81, 182));
}

QImage drawOdometerBoard(int width)
{
    return drawBevelledSlab(QSize(width, 180), QColor(178, 218, 246));
}
