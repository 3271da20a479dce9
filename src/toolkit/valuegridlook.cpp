// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/valuegridlook.h"

#include <QPainter>

void paintGridCell(QPainter &painter, const QRect &cell, const QColor &fill,
                   const QColor &textColour, const QString &text, const QColor &lines)
{
    if (fill.isValid())
        painter.fillRect(cell, fill);
    painter.setPen(textColour);
    painter.drawText(cell.adjusted(0, 0, -1, -1), Qt::AlignCenter, text);
    painter.setPen(lines);
    painter.drawLine(cell.topRight(), cell.bottomRight());
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
}
