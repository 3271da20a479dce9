// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "toolkit/look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// Squared exercise paper under the board: pale blue lines, a stronger line every fifth,
// and a soft pastel wash that fades towards the bottom.
QImage drawCalculateBackground(int scale)
{
    const QSize area(433, 298);
    QImage paper = blankPicture(area, QImage::Format_RGB32, scale);
    paper.fill(Qt::white);
    QPainter painter(&paper);

    QLinearGradient wash(0, 0, 0, area.height());
    wash.setColorAt(0, QColor(236, 246, 255));
    wash.setColorAt(0.6, QColor(250, 252, 255));
    wash.setColorAt(1, QColor(255, 248, 236));
    painter.fillRect(QRect(QPoint(0, 0), area), wash);

    constexpr int square = 14;
    for (int line = 0; line * square < area.width(); ++line) {
        painter.setPen(line % 5 == 0 ? QColor(196, 218, 240) : QColor(222, 234, 246));
        painter.drawLine(line * square, 0, line * square, area.height());
    }
    for (int line = 0; line * square < area.height(); ++line) {
        painter.setPen(line % 5 == 0 ? QColor(196, 218, 240) : QColor(222, 234, 246));
        painter.drawLine(0, line * square, area.width(), line * square);
    }
    return paper;
}

QImage drawCalculateButtonPanel(int scale)
{
    return drawGreenButtonBacking(QSize(121, 182), scale);
}

// The red closing bracket that marks the operands as exchanged, on white.
QImage drawNegativeBracket(int scale)
{
    QImage bracket = blankPicture(QSize(20, 100), QImage::Format_RGB32, scale);
    bracket.fill(Qt::white);
    QPainter painter(&bracket);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(palette::negativeMark), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath arc;
    arc.moveTo(5, 4);
    arc.cubicTo(19, 28, 19, 72, 5, 96);
    painter.drawPath(arc);
    return bracket;
}
