// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QList>

class QPainter;
class QRect;
class QString;

// The fonts, colours and sizes of a value grid.
struct ValueGridLook
{
    int rowHeight = 30;
    QList<int> columnWidths;
    QFont dataFont;
    QFont headerFont;
    QColor headerFill;
    QColor headerLines;
    QColor gridLines;
    QColor selectionFill;
    QColor selectionText;
};

// Draws one cell of the grid in the painter's font: the fill (when valid), the text centred
// and the cell's own right and bottom line, so that neighbouring cells share no line.
void paintGridCell(QPainter &painter, const QRect &cell, const QColor &fill,
                   const QColor &textColour, const QString &text, const QColor &lines);
