#include "artwork.h"

#include "toolkit/look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// Squared exercise paper under the board: pale blue lines, a stronger line every fifth,
// and a soft pastel wash that fades towards the bottom.
QImage drawCalculateBackground()
{
    QImage paper(433, 298, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);

    QLinearGradient wash(0, 0, 0, paper.height());
    wash.setColorAt(0, QColor(236, 246, 255));
    wash.setColorAt(0.6, QColor(250, 252, 255));
    wash.setColorAt(1, QColor(255, 248, 236));
    painter.fillRect(paper.rect(), wash);

    constexpr int square = 14;
    for (int line = 0; line * square < paper.width(); ++line) {
        painter.setPen(line % 5 == 0 ? QColor(196, 218, 240) : QColor(222, 234, 246));
        painter.drawLine(line * square, 0, line * square, paper.height());
    }
    for (int line = 0; line * square < paper.height(); ++line) {
        painter.setPen(line % 5 == 0 ? QColor(196, 218, 240) : QColor(222, 234, 246));
        painter.drawLine(0, line * square, paper.width(), line * square);
    }
    return paper;
}

QImage drawCalculateButtonPanel()
{
    return drawGreenButtonBacking(QSize(121, 182));
}

// The red closing bracket that marks the operands as exchanged, on white.
QImage drawNegativeBracket()
{
    QImage bracket(20, 100, QImage::Format_RGB32);
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
