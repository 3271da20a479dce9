// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/valuegridheader.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

ValueGridHeader::ValueGridHeader(const ValueGridLook &look, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_look(look)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setSectionResizeMode(QHeaderView::Fixed);
    setFixedHeight(m_look.rowHeight);
}

void ValueGridHeader::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    painter.setFont(m_look.headerFont);
    for (int column = 0; column < count(); ++column) {
        const QRect cell(sectionViewportPosition(column), 0, sectionSize(column), m_look.rowHeight);
        if (!cell.intersects(event->rect()))
            continue;
        paintGridCell(painter, cell, m_look.headerFill, palette().color(QPalette::WindowText),
                      model()->headerData(column, orientation()).toString(), m_look.headerLines);
    }
}

void ValueGridHeader::wheelEvent(QWheelEvent *event)
{
    if (auto *grid = qobject_cast<QAbstractScrollArea *>(parentWidget()))
        QApplication::sendEvent(grid->viewport(), event);
}
