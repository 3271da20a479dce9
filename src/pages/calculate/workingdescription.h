// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ColumnBoard;

// A finished working as one sentence to be read aloud, digit by digit: the two operands,
// the operation, the result and the columns that carried or borrowed, such as
// "F F F F plus 1 equals 1 0 0 0 0; carried into columns 2, 3, 4 and 5". A difference
// whose numbers changed places says so and reads its result as negative. Empty while the
// board holds no working.
QString describeWorking(const ColumnBoard &board);

// The digits written in an operand row, spaced so that each is read alone, as they stand
// while the row is typed: "1 0 0". Empty while the row is blank.
QString spokenDigits(const ColumnBoard &board, unsigned row);
