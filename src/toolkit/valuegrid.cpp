// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/valuegrid.h"

#include "toolkit/valuegriddelegate.h"
#include "toolkit/valuegridheader.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>

#include <utility>

namespace {

constexpr int wheelNotch = 120; // angle delta of one notch of an ordinary wheel

} // namespace

ValueGrid::ValueGrid(const Look &look, QWidget *parent)
    : QTableView(parent), m_cells(new ValueGridModel(int(look.columnWidths.size()), this)),
      m_rowHeight(look.rowHeight)
{
    setHorizontalHeader(new ValueGridHeader(look, this));
    setItemDelegate(new ValueGridDelegate(look, this));
    setModel(m_cells);
    for (int column = 0; column < look.columnWidths.size(); ++column)
        horizontalHeader()->resizeSection(column, look.columnWidths[column]);
    // Every row has the one height, so nothing is measured row by row.
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(m_rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    setShowGrid(false);
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(false);
    setAutoScroll(false); // the view moves only as the rules below say
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_placingTopRow)
            SetTopRow(value + 1);
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ValueGrid::rowChanged);
    // Cells come into view and leave it: a reader refreshes what it holds of them.
    connect(this, &ValueGrid::topRowChanged, this, [this] {
        QAccessibleEvent scrolled(this, QAccessible::VisibleDataChanged);
        QAccessible::updateAccessibility(&scrolled);
    });
}

void ValueGrid::setCellTextSource(CellTextSource source)
{
    m_cells->setCellTextSource(std::move(source));
}

void ValueGrid::setHeaderText(int column, const QString &text)
{
    m_cells->setHeaderText(column, text);
}

void ValueGrid::SetRowCount(int count)
{
    count = std::max(1, count);
    if (count == RowCount())
        return;
    const int row = Row();
    m_cells->setDataRowCount(count - 1); // a reset: the selection is made anew below
    m_anchor = std::min(m_anchor, lastDataRow());
    if (count > 1)
        selectRun(std::clamp(row, 1, lastDataRow()));
    if (m_topRow > lastDataRow()) {
        m_topRow = std::min(m_topRow, lastFilledTopRow(viewport()->height()));
        showTopRow();
        emit topRowChanged();
    } else {
        showTopRow();
    }
}

void ValueGrid::SetTopRow(int row)
{
    if (row < 1 || row > RowCount() - 1 || row == m_topRow)
        return;
    m_topRow = row;
    showTopRow();
    emit topRowChanged();
}

void ValueGrid::SetRow(int row)
{
    if (row < 1 || row > RowCount() - 1)
        return;
    m_anchor = row;
    selectRun(row);
}

QString ValueGrid::Cells(int column, int row) const
{
    if (column < 0 || column >= m_cells->columnCount() || row < 0 || row >= RowCount())
        return {};
    if (row == 0)
        return m_cells->headerData(column, Qt::Horizontal).toString();
    return m_cells->index(row - 1, column).data().toString();
}

bool ValueGrid::isRowSelected(int row) const
{
    return row >= 1 && row < RowCount() && selectionModel()->isRowSelected(row - 1);
}

int ValueGrid::fullyVisibleRowCount() const
{
    return std::max(0, viewport()->height() / m_rowHeight);
}

int ValueGrid::lastFilledTopRow(int viewHeight) const
{
    const int wholeRows = std::max(1, viewHeight / m_rowHeight);
    return std::max(1, RowCount() - wholeRows);
}

int ValueGrid::rowAtY(int y) const
{
    return m_topRow + y / m_rowHeight;
}

void ValueGrid::moveCurrent(int row, bool extendSelection, bool reveal)
{
    row = std::clamp(row, 1, lastDataRow());
    if (!extendSelection)
        m_anchor = row;
    selectRun(row);
    if (reveal)
        scrollIntoView(row);
}

void ValueGrid::selectRun(int row)
{
    const int lastColumn = m_cells->columnCount() - 1;
    const QItemSelection run(m_cells->index(std::min(row, m_anchor) - 1, 0),
                             m_cells->index(std::max(row, m_anchor) - 1, lastColumn));
    selectionModel()->setCurrentIndex(m_cells->index(row - 1, 0), QItemSelectionModel::NoUpdate);
    selectionModel()->select(run, QItemSelectionModel::ClearAndSelect);
}

void ValueGrid::scrollIntoView(int row)
{
    const int wholeRows = std::max(1, fullyVisibleRowCount());
    if (row < m_topRow)
        SetTopRow(row);
    else if (row >= m_topRow + wholeRows)
        SetTopRow(row - wholeRows + 1);
}

void ValueGrid::showTopRow()
{
    // A top row set past the last filled view widens the range rather than being undone.
    const QScopedValueRollback placing(m_placingTopRow, true);
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(lastFilledTopRow(viewport()->height()), m_topRow) - 1);
    bar->setPageStep(std::max(1, fullyVisibleRowCount()));
    bar->setValue(m_topRow - 1);
    // At the end of its range the view would align the last row with the bottom instead.
    QHeaderView *rows = verticalHeader();
    const int offset = rows->offset();
    rows->setOffsetToSectionPosition(m_topRow - 1);
    if (rows->offset() != offset)
        viewport()->update();
}

void ValueGrid::updateGeometries()
{
    {
        // The view's own range would pull a top row set past the last filled view back.
        const QScopedValueRollback placing(m_placingTopRow, true);
        QTableView::updateGeometries();
    }
    showTopRow();
}

void ValueGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The table view tells a reader the current cell has the focus; only true while it has.
    if (hasFocus()) {
        QTableView::currentChanged(current, previous);
        return;
    }
    // Without the focus, the table view's part is left out on purpose.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QAbstractItemView::currentChanged(current, previous);
}

void ValueGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    // A view that showed the last row at its bottom keeps doing so when it grows.
    const int oldLastTop = lastFilledTopRow(event->oldSize().height());
    const int lastTop = lastFilledTopRow(event->size().height());
    if (event->oldSize().isValid() && m_topRow > lastTop && m_topRow <= oldLastTop)
        SetTopRow(lastTop);
}

void ValueGrid::keyPressEvent(QKeyEvent *event)
{
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    const int page = std::max(1, fullyVisibleRowCount());
    switch (event->key()) {
    case Qt::Key_Up:
        moveCurrent(Row() - 1, extend, true);
        break;
    case Qt::Key_Down:
        moveCurrent(Row() + 1, extend, true);
        break;
    case Qt::Key_PageUp:
        moveCurrent(Row() - page, extend, true);
        break;
    case Qt::Key_PageDown:
        moveCurrent(Row() + page, extend, true);
        break;
    case Qt::Key_Home:
        moveCurrent(1, extend, true);
        break;
    case Qt::Key_End:
        moveCurrent(lastDataRow(), extend, true);
        break;
    default:
        // Not the view's own keys: no type-ahead search, column moves or select-all.
        event->ignore();
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
        moveCurrent(Row() - 1, false, true);
    }
    while (m_wheelRemainder <= -wheelNotch) {
        m_wheelRemainder += wheelNotch;
        moveCurrent(Row() + 1, false, true);
    }
    event->accept();
}

void ValueGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const int row = rowAtY(event->position().toPoint().y());
    if (row < 1 || row >= RowCount())
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
    if (y < 0)
        moveCurrent(m_topRow - 1, true, true);
    else if (y >= viewport()->height())
        moveCurrent(rowAtY(viewport()->height() - 1) + 1, true, true);
    else
        moveCurrent(rowAtY(y), true, false);
}

void ValueGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    event->accept();
}
