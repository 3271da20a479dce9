// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/valuegridaccessible.h"

#include "toolkit/valuegrid.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace {

class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    // row is the grid's own row number: 0 is the header.
    GridCell(ValueGrid *grid, int row, int column) : m_grid(grid), m_row(row), m_column(column) {}

    bool isValid() const override
    {
        return m_grid && m_row < m_grid->RowCount() && m_column < m_grid->columnCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_grid);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? m_grid->Cells(m_column, m_row) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QRect cell = isValid() ? m_grid->cellRect(m_column, m_row) : QRect();
        if (cell.isEmpty())
            return {};
        return cell.translated(m_grid->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override
    {
        return m_row == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = m_row != 0;
        state.selected = isSelected();
        state.invisible = rect().isEmpty();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface *>(this)
                   : nullptr;
    }

    bool isSelected() const override { return isValid() && m_grid->isRowSelected(m_row); }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<ValueGrid> m_grid;
    int m_row;
    int m_column;
};

class GridTable : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridTable(ValueGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTable() override
    {
        for (QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    ValueGrid *grid() const { return static_cast<ValueGrid *>(widget()); }

    // The header row comes first among the children, then the data rows.
    int childCount() const override { return grid()->RowCount() * grid()->columnCount(); }
    QAccessibleInterface *child(int index) const override
    {
        const int columns = grid()->columnCount();
        if (index < 0 || index >= childCount())
            return nullptr;
        return cell(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (const QAccessibleTableCellInterface *cell =
                const_cast<QAccessibleInterface *>(child)->tableCellInterface())
            return (cell->rowIndex() + 1) * grid()->columnCount() + cell->columnIndex();
        return -1;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount()
                   ? cell(row + 1, column)
                   : nullptr;
    }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (int row : selectedRows()) {
            for (int column = 0; column < columnCount(); ++column)
                cells << cellAt(row, column);
        }
        return cells;
    }
    QString columnDescription(int column) const override { return grid()->Cells(column, 0); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return grid()->columnCount(); }
    int rowCount() const override { return grid()->RowCount() - 1; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        for (int row = 1; row < grid()->RowCount(); ++row) {
            if (grid()->isRowSelected(row))
                rows << row - 1;
        }
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return grid()->isRowSelected(row + 1); }
    bool selectRow(int row) override
    {
        grid()->SetRow(row + 1);
        return grid()->Row() == row + 1;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    QAccessibleInterface *cell(int row, int column) const
    {
        const int index = row * grid()->columnCount() + column;
        auto found = m_cells.constFind(index);
        if (found != m_cells.cend())
            return QAccessible::accessibleInterface(*found);
        auto *made = new GridCell(grid(), row, column);
        m_cells.insert(index, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    mutable QHash<int, QAccessible::Id> m_cells;
};

QList<QAccessibleInterface *> GridCell::columnHeaderCells() const
{
    auto *grid = static_cast<GridTable *>(parent());
    return {grid->child(m_column)};
}

QAccessibleInterface *makeGridTable(const QString &, QObject *object)
{
    if (auto *grid = qobject_cast<ValueGrid *>(object))
        return new GridTable(grid);
    return nullptr;
}

} // namespace

void announceGridChanges(ValueGrid *grid)
{
    static bool factoryInstalled = false;
    if (!factoryInstalled) {
        QAccessible::installFactory(makeGridTable);
        factoryInstalled = true;
    }

    // The current row's first cell stands for the row: a reader speaks it as the row moves.
    QObject::connect(grid, &ValueGrid::selectionChanged, grid, [grid] {
        const int firstCell = grid->Row() * grid->columnCount();
        QAccessibleEvent selected(grid, QAccessible::SelectionAdd);
        selected.setChild(firstCell);
        QAccessible::updateAccessibility(&selected);
        if (!grid->hasFocus())
            return;
        QAccessibleEvent focused(grid, QAccessible::Focus);
        focused.setChild(firstCell);
        QAccessible::updateAccessibility(&focused);
    });
    QObject::connect(grid, &ValueGrid::rowCountChanged, grid, [grid] {
        QAccessibleTableModelChangeEvent reset(grid, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    });
    QObject::connect(grid, &ValueGrid::topRowChanged, grid, [grid] {
        QAccessibleEvent scrolled(grid, QAccessible::VisibleDataChanged);
        QAccessible::updateAccessibility(&scrolled);
    });
}
