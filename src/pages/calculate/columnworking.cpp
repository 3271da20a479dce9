// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/columnworking.h"

#include "pages/calculate/columnboard.h"

#include <cstdint>

namespace {

constexpr unsigned operandColumns = 4;
constexpr unsigned resultRow = 3;

// The units column always keeps its digit, so a zero result reads "0".
void blankLeadingZeros(ColumnBoard &board)
{
    for (unsigned column = 5; column >= 2 && board.GetBoardDigit(resultRow, column) == 0; --column)
        board.SetBoardDigit(resultRow, column, 0, 0);
}

std::uint16_t operandValue(const ColumnBoard &board, unsigned row, unsigned radix)
{
    std::uint16_t value = 0;
    std::uint16_t weight = 1;
    for (unsigned column = 1; column <= operandColumns; ++column) {
        value = std::uint16_t(value + board.GetBoardDigit(row, column) * weight);
        weight = std::uint16_t(weight * radix);
    }
    return value;
}

void exchangeOperands(ColumnBoard &board, unsigned radix)
{
    for (unsigned column = 1; column <= operandColumns; ++column) {
        const unsigned top = board.GetBoardDigit(1, column);
        board.SetBoardDigit(1, column, board.GetBoardDigit(2, column), radix);
        board.SetBoardDigit(2, column, top, radix);
    }
}

// Borrows for column j from the nearest non-zero column on its left, marking every column
// on the way. Returns whether a lending column was found.
bool borrow(ColumnBoard &board, unsigned j, unsigned radix)
{
    unsigned k = j + 1;
    while (k <= operandColumns && board.EffectiveTopDigit(k) == 0) {
        board.MarkBorrow(k, radix - 1, radix, k == j + 1);
        ++k;
    }
    if (k > operandColumns)
        return false;
    board.MarkBorrow(k, board.EffectiveTopDigit(k) - 1, radix, k == j + 1);
    return true;
}

} // namespace

void alignRow(ColumnBoard &board, unsigned row, unsigned entryColumn, unsigned radix)
{
    if (entryColumn == operandColumns) {
        board.SetBoardDigit(row, 1, 0, radix);
        return;
    }
    for (unsigned source = entryColumn + 1, target = 1; source <= operandColumns;
         ++source, ++target) {
        board.SetBoardDigit(row, target, board.GetBoardDigit(row, source), radix);
        board.SetBoardDigit(row, source, 0, 0);
    }
}

void workSum(ColumnBoard &board, unsigned radix)
{
    unsigned carry = 0;
    for (unsigned column = 1; column <= operandColumns; ++column) {
        unsigned sum = board.GetBoardDigit(1, column) + board.GetBoardDigit(2, column) + carry;
        if (sum >= radix) {
            sum -= radix;
            carry = 1;
            board.SetTopMark(column + 1, 1, radix);
        } else {
            carry = 0;
        }
        board.SetBoardDigit(resultRow, column, sum, radix);
    }
    if (carry == 1)
        board.SetBoardDigit(resultRow, 5, 1, radix);
    blankLeadingZeros(board);
}

void workDifference(ColumnBoard &board, unsigned radix)
{
    if (operandValue(board, 1, radix) < operandValue(board, 2, radix)) {
        exchangeOperands(board, radix);
        board.setMinusShown(true);
    }
    for (unsigned j = 1; j <= operandColumns; ++j) {
        unsigned top = board.EffectiveTopDigit(j);
        const unsigned bottom = board.GetBoardDigit(2, j);
        if (bottom > top && borrow(board, j, radix))
            top += radix;
        board.SetBoardDigit(resultRow, j, top - bottom, radix);
    }
    blankLeadingZeros(board);
}
