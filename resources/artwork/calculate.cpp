#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

// Squared exercise paper under the board: pale blue lines, a stronger line every fifth,
// and a soft pastel wash that fades towards the bottom.
QImage DrawCalculateBackground()
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

// The green backing of the page's five buttons: a rounded slab with a bevelled edge, lit
// from the upper left.
QImage DrawCalculateButtonPanel()
{
    QImage panel(121, 182, QImage::Format_ARGB32_Premultiplied);
    panel.fill(Qt::transparent);
    QPainter painter(&panel);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF outer = QRectF(panel.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient body(0, 0, 0, panel.height());
    body.setColorAt(0, QColor(150, 214, 140));
    body.setColorAt(1, QColor(76, 160, 80));
    painter.setPen(QPen(QColor(46, 108, 52), 1));
    painter.setBrush(body);
    painter.drawRoundedRect(outer, 9, 9);

    const QRectF bevel = outer.adjusted(3, 3, -3, -3);
    QLinearGradient edge(bevel.topLeft(), bevel.bottomRight());
    edge.setColorAt(0, QColor(230, 255, 224, 220));
    edge.setColorAt(1, QColor(30, 80, 34, 160));
    painter.setPen(QPen(QBrush(edge), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(bevel, 7, 7);

    QRadialGradient sheen(30, 20, 90);
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRoundedRect(bevel.adjusted(2, 2, -2, -2), 6, 6);
    return panel;
}

// The red closing bracket that marks the operands as exchanged, on white.
QImage DrawNegativeBracket()
{
    QImage bracket(20, 100, QImage::Format_RGB32);
    bracket.fill(Qt::white);
    QPainter painter(&bracket);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath arc;
    arc.moveTo(5, 4);
    arc.cubicTo(19, 28, 19, 72, 5, 96);
    painter.drawPath(arc);
    return bracket;
}
