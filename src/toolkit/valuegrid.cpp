// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/valuegrid.h"

#include "toolkit/valuegridaccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <utility>

namespace {

constexpr int wheelNotch = 120; // angle delta of one notch of an ordinary wheel

} // namespace

ValueGrid::ValueGrid(const Look &look, QWidget *parent) : QAbstractScrollArea(parent), m_look(look)
{
    m_headerTexts.resize(m_look.columnWidths.size());
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ValueGrid::SetTopRow);
    updateScrollBar();
    announceGridChanges(this);
}

void ValueGrid::setCellTextSource(CellTextSource source)
{
    m_cellText = std::move(source);
    viewport()->update();
}

void ValueGrid::setHeaderText(int column, const QString &text)
{
    if (column < 0 || column >= m_headerTexts.size() || m_headerTexts[column] == text)
        return;
    m_headerTexts[column] = text;
    viewport()->update(0, 0, viewport()->width(), m_look.rowHeight);
}

void ValueGrid::SetRowCount(int count)
{
    count = std::max(1, count);
    if (count == m_rowCount)
        return;
    m_rowCount = count;
    emit rowCountChanged();
    const bool selectionCut = m_row > lastDataRow() || m_anchor > lastDataRow();
    m_row = std::min(m_row, lastDataRow());
    m_anchor = std::min(m_anchor, lastDataRow());
    updateScrollBar();
    viewport()->update();
    if (m_topRow > lastDataRow()) {
        m_topRow = std::min(m_topRow, lastFilledTopRow(viewport()->height()));
        updateScrollBar();
        emit topRowChanged();
    }
    if (selectionCut)
        emit selectionChanged();
}

void ValueGrid::SetTopRow(int row)
{
    if (row < 1 || row > m_rowCount - 1 || row == m_topRow)
        return;
    m_topRow = row;
    updateScrollBar();
    viewport()->update();
    emit topRowChanged();
}

void ValueGrid::SetRow(int row)
{
    if (row < 1 || row > m_rowCount - 1 || (row == m_row && row == m_anchor))
        return;
    m_row = row;
    m_anchor = row;
    viewport()->update();
    emit selectionChanged();
}

QString ValueGrid::Cells(int column, int row) const
{
    if (column < 0 || column >= m_headerTexts.size() || row < 0 || row >= m_rowCount)
        return {};
    QString text = row == 0 ? m_headerTexts[column] : QString();
    if (m_cellText)
        m_cellText(column, row, text);
    return text;
}

QRect ValueGrid::cellRect(int column, int row) const
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= m_rowCount ||
        (row != 0 && row < m_topRow))
        return {};
    const int y = row == 0 ? 0 : (row - m_topRow + 1) * m_look.rowHeight;
    if (y >= viewport()->height())
        return {};
    int x = 0;
    for (int before = 0; before < column; ++before)
        x += m_look.columnWidths[before];
    return {x, y, m_look.columnWidths[column], m_look.rowHeight};
}

bool ValueGrid::isRowSelected(int row) const
{
    return row >= 1 && row < m_rowCount && row >= std::min(m_row, m_anchor) &&
           row <= std::max(m_row, m_anchor);
}

int ValueGrid::fullyVisibleRowCount() const
{
    return std::max(0, (viewport()->height() - m_look.rowHeight) / m_look.rowHeight);
}

int ValueGrid::lastFilledTopRow(int viewHeight) const
{
    const int wholeRows = std::max(1, (viewHeight - m_look.rowHeight) / m_look.rowHeight);
    return std::max(1, m_rowCount - wholeRows);
}

int ValueGrid::rowAt(int y) const
{
    return y < m_look.rowHeight ? 0 : m_topRow + (y - m_look.rowHeight) / m_look.rowHeight;
}

void ValueGrid::moveCurrent(int row, bool extendSelection, bool reveal)
{
    row = std::clamp(row, 1, lastDataRow());
    if (row != m_row || (!extendSelection && row != m_anchor)) {
        m_row = row;
        if (!extendSelection)
            m_anchor = row;
        viewport()->update();
        emit selectionChanged();
    }
    if (reveal)
        scrollIntoView(row);
}

void ValueGrid::scrollIntoView(int row)
{
    const int wholeRows = std::max(1, fullyVisibleRowCount());
    if (row < m_topRow)
        SetTopRow(row);
    else if (row >= m_topRow + wholeRows)
        SetTopRow(row - wholeRows + 1);
}

void ValueGrid::updateScrollBar()
{
    // A top row set past the last filled view widens the range rather than being undone.
    QScrollBar *bar = verticalScrollBar();
    const QSignalBlocker blocker(bar);
    bar->setRange(1, std::max(lastFilledTopRow(viewport()->height()), m_topRow));
    bar->setPageStep(std::max(1, fullyVisibleRowCount()));
    bar->setValue(m_topRow);
}

void ValueGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Base));
    const int rowHeight = m_look.rowHeight;
    paintRow(painter, 0, 0);
    for (int row = m_topRow, y = rowHeight; row < m_rowCount && y < viewport()->height();
         ++row, y += rowHeight) {
        if (event->rect().intersects(QRect(0, y, viewport()->width(), rowHeight)))
            paintRow(painter, row, y);
    }
}

void ValueGrid::paintRow(QPainter &painter, int row, int y) const
{
    const bool header = row == 0;
    const bool selected = isRowSelected(row);
    painter.setFont(header ? m_look.headerFont : m_look.dataFont);
    int x = 0;
    for (int column = 0; column < m_look.columnWidths.size(); ++column) {
        const QRect cell(x, y, m_look.columnWidths[column], m_look.rowHeight);
        if (header)
            painter.fillRect(cell, m_look.headerFill);
        else if (selected)
            painter.fillRect(cell, m_look.selectionFill);
        painter.setPen(selected ? m_look.selectionText : palette().color(QPalette::WindowText));
        painter.drawText(cell.adjusted(0, 0, -1, -1), Qt::AlignCenter, Cells(column, row));
        // Each cell draws its own right and bottom line.
        painter.setPen(header ? m_look.headerLines : m_look.gridLines);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
        x += cell.width();
    }
}

void ValueGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    // A view that showed the last row at its bottom keeps doing so when it grows.
    const int oldLastTop = lastFilledTopRow(event->oldSize().height());
    const int lastTop = lastFilledTopRow(event->size().height());
    updateScrollBar();
    if (event->oldSize().isValid() && m_topRow > lastTop && m_topRow <= oldLastTop)
        SetTopRow(lastTop);
}

void ValueGrid::keyPressEvent(QKeyEvent *event)
{
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    const int page = std::max(1, fullyVisibleRowCount());
    switch (event->key()) {
    case Qt::Key_Up:
        moveCurrent(m_row - 1, extend, true);
        break;
    case Qt::Key_Down:
        moveCurrent(m_row + 1, extend, true);
        break;
    case Qt::Key_PageUp:
        moveCurrent(m_row - page, extend, true);
        break;
    case Qt::Key_PageDown:
        moveCurrent(m_row + page, extend, true);
        break;
    case Qt::Key_Home:
        moveCurrent(1, extend, true);
        break;
    case Qt::Key_End:
        moveCurrent(lastDataRow(), extend, true);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ValueGrid::wheelEvent(QWheelEvent *event)
{
    // The wheel moves the current row, one row per notch, as the arrow keys do.
    m_wheelRemainder += event->angleDelta().y();
    while (m_wheelRemainder >= wheelNotch) {
        m_wheelRemainder -= wheelNotch;
        moveCurrent(m_row - 1, false, true);
    }
    while (m_wheelRemainder <= -wheelNotch) {
        m_wheelRemainder += wheelNotch;
        moveCurrent(m_row + 1, false, true);
    }
    event->accept();
}

void ValueGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const int row = rowAt(event->position().toPoint().y());
    if (row < 1 || row >= m_rowCount)
        return;
    m_dragging = true;
    moveCurrent(row, event->modifiers().testFlag(Qt::ShiftModifier), false);
}

void ValueGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !event->buttons().testFlag(Qt::LeftButton))
        return;
    // Dragging past the header or the bottom edge scrolls by one row per move.
    const int y = event->position().toPoint().y();
    if (y < m_look.rowHeight)
        moveCurrent(m_topRow - 1, true, true);
    else if (y >= viewport()->height())
        moveCurrent(rowAt(viewport()->height() - 1) + 1, true, true);
    else
        moveCurrent(rowAt(y), true, false);
}

void ValueGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QAbstractScrollArea::mouseReleaseEvent(event);
}
