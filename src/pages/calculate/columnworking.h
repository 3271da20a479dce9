// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ColumnBoard;

// The written working of the board in radix 8, 10 or 16, done on paper's rules.

// Right-aligns the digits typed into row, which stand in columns 4 down to
// entryColumn + 1; with nothing typed (entryColumn 4) the row becomes "0".
void alignRow(ColumnBoard &board, unsigned row, unsigned entryColumn, unsigned radix);

// Writes the sum of the operand rows into the result row, a "1" above every column that
// receives a carry, and the final carry into column 5.
void workSum(ColumnBoard &board, unsigned radix);

// Writes the difference of the operand rows into the result row. A smaller first number
// changes places with the second and the minus sign shows. Each borrow strikes the lending
// digit with its reduced value above it (passing zero columns, which show the radix's top
// digit) and puts the small "1" before the borrowing column.
void workDifference(ColumnBoard &board, unsigned radix);
