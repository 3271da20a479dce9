// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/table/tablepage.h"

#include "common/accessibletext.h"

#include "pages/table/tablecells.h"
#include "toolkit/look.h"
#include "toolkit/valuegrid.h"
#include "toolkit/wholenumberedit.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr const char *headerTexts[] = {
    QT_TRANSLATE_NOOP("TablePage", "Binary"), QT_TRANSLATE_NOOP("TablePage", "Octal"),
    QT_TRANSLATE_NOOP("TablePage", "Hex"),    QT_TRANSLATE_NOOP("TablePage", "Unsigned"),
    QT_TRANSLATE_NOOP("TablePage", "Signed"), QT_TRANSLATE_NOOP("TablePage", "Char")};
constexpr int charColumn = 5;
constexpr int oneByteRowCount = 257;

ValueGrid::Look gridLook()
{
    ValueGrid::Look look;
    look.rowHeight = 30;
    look.columnWidths = {293, 118, 89, 112, 125, 91};
    look.dataFont = roleFont(FontRole::GridData);
    look.headerFont = roleFont(FontRole::GridHeader);
    look.headerFill = QColor(palette::gridHeaderFill);
    look.headerLines = QColor(palette::gridHeaderLines);
    look.gridLines = QColor(palette::gridLines);
    look.selectionFill = QColor(palette::gridSelectionFill);
    look.selectionText = QColor(palette::gridSelectionText);
    return look;
}

} // namespace

TablePage::TablePage(WholeNumberEdit *jumpBox, QWidget *parent) : QWidget(parent), center(jumpBox)
{
    setObjectName(QStringLiteral("pan3"));
    resize(850, 267);

    grid = new ValueGrid(gridLook(), this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setAccessibleName(tr("Value table"));
    for (int column = 0; column < int(std::size(headerTexts)); ++column)
        grid->setHeaderText(column, tr(headerTexts[column]));
    grid->SetRowCount(oneByteRowCount);
    grid->setCellTextSource(
        [this](int column, int row, QString &text) { gridGetDisplText(column, row, text); });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);

    connect(grid, &ValueGrid::topRowChanged, this, &TablePage::gridTopLeftChanged);
    connect(center, &QLineEdit::textChanged, this, &TablePage::centerChange);
    connect(center, &WholeNumberEdit::exited, this, &TablePage::centerExit);
    connect(center, &WholeNumberEdit::keyReleased, this, &TablePage::centerKeyUp);
}

void TablePage::SetTableWidth(quint8 Width, qint32 Value)
{
    if (Width != 1 && Width != 2)
        return;
    TableWidth = Width;
    // The box keeps to the table's values, also before a width button has set its limits.
    center->setLimits(-halfValueCount(Width), halfValueCount(Width) - 1);
    center->setValue(Value);
    grid->SetRowCount((1 << (8 * Width)) + 1);
    HalfRowCount = grid->RowCount() / 2;
    JumpToValue(Value);
    grid->repaint();
    grid->setHeaderText(charColumn, Width == 1 ? tr(headerTexts[charColumn]) : QString());
}

void TablePage::JumpToValue(qint32 v)
{
    // The grid ignores a top row outside its data rows, so the clamp keeps those outside.
    const qint64 topRow = qint64(v) + HalfRowCount - 2;
    grid->SetTopRow(int(std::clamp<qint64>(topRow, 0, grid->RowCount())));
    selectRowOfCenter();
}

int TablePage::minimumViewHeight() const
{
    return grid->horizontalHeader()->height() + 4 * grid->verticalHeader()->defaultSectionSize();
}

void TablePage::centerChange()
{
    if (m_suppressCenterChange)
        return;
    if (center->hasFocus())
        return;
    JumpToValue(qint32(center->bounded(center->value())));
}

void TablePage::centerExit()
{
    centerChange();
}

void TablePage::centerKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(modifiers);
    // The grid cannot take the focus while another page shows; the box then keeps it.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && grid->isVisible()) {
        grid->setFocus(Qt::OtherFocusReason);
        saySelectedRow();
    }
}

// The row jumped to, each cell with its column's name: "Decimal: 65, Binary: 01000001, ...".
void TablePage::saySelectedRow()
{
    QStringList cells;
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        cells << tr("%1: %2").arg(grid->model()->headerData(column, Qt::Horizontal).toString(),
                                  grid->Cells(column, grid->Row()));
    }
    announce(this, cells.join(QStringLiteral(", ")));
}

void TablePage::gridTopLeftChanged()
{
    m_suppressCenterChange = true;
    // Near the end of a short view the fourth row may not exist; the last row stands in.
    const int fourthRow = std::min(grid->TopRow() + 3, grid->RowCount() - 1);
    center->setValue(center->bounded(rowToValue(fourthRow, HalfRowCount)));
    selectRowOfCenter();
    m_suppressCenterChange = false;
}

void TablePage::gridGetDisplText(int column, int row, QString &text) const
{
    if (row == 0 || column < 0 || column >= int(std::size(headerTexts)))
        return;
    text = QString::fromStdString(tableCellText(column, rowToValue(row, HalfRowCount), TableWidth));
}

void TablePage::selectRowOfCenter()
{
    const qint64 row = valueToRow(center->value(), HalfRowCount);
    grid->SetRow(int(std::clamp<qint64>(row, 1, grid->RowCount() - 1)));
}
