// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// What the column-arithmetic board shows, as characters, without any widget: the thirteen
// digit cells (row 1 and 2 the operands, row 3 the result; column 1 the units, column 5
// the carry out of column 4), the marks above the top digits (r2-r5), the small borrow
// ones (b1-b3), the strikes (x2-x4), the operator and the minus sign of a negative result.
//
// Cells are addressed by row and column; a pair that names no cell or mark is ignored.
class ColumnBoard
{
public:
    static constexpr unsigned noTopMark = 255;

    ColumnBoard();

    void SetBoardDigit(unsigned row, unsigned column, unsigned value, unsigned radix);
    unsigned GetBoardDigit(unsigned row, unsigned column) const;
    // The character in the cell; a blank for a pair that names no cell.
    char cell(unsigned row, unsigned column) const;

    // Columns 2-5. A mark shows exactly while its character is not blank.
    void SetTopMark(unsigned column, unsigned value, unsigned radix);
    char topMark(unsigned column) const;
    bool topMarkShown(unsigned column) const { return topMark(column) != ' '; }
    // The shown mark read as a hexadecimal digit, or noTopMark.
    unsigned GetTopMark(unsigned column) const;
    // The top digit of the column after the borrows made so far.
    unsigned EffectiveTopDigit(unsigned column) const;

    // Columns 2-4, a column lending to its right-hand neighbour: writes digit above it,
    // strikes it and, when first, puts the small "1" before the neighbour's top digit.
    // Radix 0 takes the strike and the small "1" away again and leaves the mark above.
    void MarkBorrow(unsigned column, unsigned digit, unsigned radix, bool first);
    // The small mark before the top digit of column 1-3: '1' or a blank.
    char borrowMark(unsigned column) const;
    bool struck(unsigned column) const;

    char operatorSign() const { return m_operator; }
    void setOperatorSign(char sign) { m_operator = sign; }
    bool minusShown() const { return m_minusShown; }
    void setMinusShown(bool shown) { m_minusShown = shown; }

    // Blanks the result, every mark, the operator and the minus sign; the operand rows too
    // unless keepOperands.
    void clear(bool keepOperands);

private:
    std::array<char, 15> m_cells; // row-major, five columns a row
    std::array<char, 6> m_topMarks;
    std::array<char, 4> m_borrowMarks;
    std::array<bool, 5> m_struck{};
    char m_operator = ' ';
    bool m_minusShown = false;
};
