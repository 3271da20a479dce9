// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/columnboard.h"

#include "pages/calculate/digitrules.h"

#include <optional>

namespace {

std::optional<unsigned> cellIndex(unsigned row, unsigned column)
{
    const unsigned lastColumn = row == 3 ? 5 : 4;
    if (row < 1 || row > 3 || column < 1 || column > lastColumn)
        return std::nullopt;
    return (row - 1) * 5 + (column - 1);
}

bool isTopMarkColumn(unsigned column)
{
    return column >= 2 && column <= 5;
}

bool isLendingColumn(unsigned column)
{
    return column >= 2 && column <= 4;
}

} // namespace

ColumnBoard::ColumnBoard()
{
    m_cells.fill(' ');
    m_topMarks.fill(' ');
    m_borrowMarks.fill(' ');
}

void ColumnBoard::SetBoardDigit(unsigned row, unsigned column, unsigned value, unsigned radix)
{
    if (const auto index = cellIndex(row, column))
        m_cells[*index] = digitCharacter(value, radix);
}

unsigned ColumnBoard::GetBoardDigit(unsigned row, unsigned column) const
{
    return digitValue(cell(row, column));
}

char ColumnBoard::cell(unsigned row, unsigned column) const
{
    const auto index = cellIndex(row, column);
    return index ? m_cells[*index] : ' ';
}

void ColumnBoard::SetTopMark(unsigned column, unsigned value, unsigned radix)
{
    if (isTopMarkColumn(column))
        m_topMarks[column] = digitCharacter(value, radix);
}

char ColumnBoard::topMark(unsigned column) const
{
    return isTopMarkColumn(column) ? m_topMarks[column] : ' ';
}

unsigned ColumnBoard::GetTopMark(unsigned column) const
{
    return topMarkShown(column) ? digitValue(topMark(column)) : noTopMark;
}

unsigned ColumnBoard::EffectiveTopDigit(unsigned column) const
{
    const unsigned mark = GetTopMark(column);
    return mark != noTopMark ? mark : GetBoardDigit(1, column);
}

void ColumnBoard::MarkBorrow(unsigned column, unsigned digit, unsigned radix, bool first)
{
    if (!isLendingColumn(column))
        return;
    if (radix == 0) {
        m_borrowMarks[column - 1] = ' ';
        m_struck[column] = false;
        return;
    }
    SetTopMark(column, digit, radix);
    if (first)
        m_borrowMarks[column - 1] = '1';
    m_struck[column] = true;
}

char ColumnBoard::borrowMark(unsigned column) const
{
    return column >= 1 && column <= 3 ? m_borrowMarks[column] : ' ';
}

bool ColumnBoard::struck(unsigned column) const
{
    return isLendingColumn(column) && m_struck[column];
}

void ColumnBoard::clear(bool keepOperands)
{
    m_minusShown = false;
    for (unsigned column = 2; column <= 4; ++column)
        MarkBorrow(column, 0, 0, false);
    for (unsigned column = 2; column <= 5; ++column)
        SetTopMark(column, 0, 0);
    if (!keepOperands) {
        for (unsigned row = 1; row <= 2; ++row) {
            for (unsigned column = 1; column <= 4; ++column)
                SetBoardDigit(row, column, 0, 0);
        }
    }
    for (unsigned column = 1; column <= 5; ++column)
        SetBoardDigit(3, column, 0, 0);
    m_operator = ' ';
}
