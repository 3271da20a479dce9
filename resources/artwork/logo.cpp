// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "toolkit/look.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

QImage drawLogo(int scale)
{
    QImage logo = blankPicture(QSize(100, 36), QImage::Format_RGB32, scale);
    logo.fill(QColor(palette::topBar));
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);

    // A small rolling wheel: two digits half out of their window.
    QLinearGradient wheel(0, 4, 0, 32);
    wheel.setColorAt(0, QColor(40, 40, 40));
    wheel.setColorAt(0.5, QColor(10, 10, 10));
    wheel.setColorAt(1, QColor(40, 40, 40));
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(wheel);
    painter.drawRoundedRect(QRectF(3.5, 4.5, 18, 27), 3, 3);
    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(15);
    digits.setBold(true);
    painter.setFont(digits);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(4, -3, 18, 20), Qt::AlignCenter, QStringLiteral("0"));
    painter.drawText(QRectF(4, 16, 18, 20), Qt::AlignCenter, QStringLiteral("1"));

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(17);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(QColor(palette::buttonCaption));
    painter.drawText(QRectF(25, 2, 75, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Quorvel"));
    QFont motto(QStringLiteral("DejaVu Sans"));
    motto.setPixelSize(8);
    painter.setFont(motto);
    painter.setPen(QColor(60, 90, 130));
    painter.drawText(QRectF(26, 22, 74, 12), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("2 \u00b7 8 \u00b7 10 \u00b7 16"));
    return logo;
}
