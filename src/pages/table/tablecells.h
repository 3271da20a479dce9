// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The value table lists every value of one or two bytes in signed order, one per data
// row; row 0 is the header. halfRowCount is the row count halved: 128 or 32768.

std::int32_t rowToValue(std::int32_t row, std::int32_t halfRowCount);
std::int64_t valueToRow(std::int64_t value, std::int32_t halfRowCount);

// Half the number of values of the width: the table's values run from -half to half - 1.
std::int32_t halfValueCount(std::uint8_t tableWidth);

// The character form of a byte: C escapes, the character itself or an octal escape,
// between apostrophes.
std::string characterForm(std::uint8_t code);

// The text of a data cell in columns 0 to 5 (binary, octal, hexadecimal, unsigned, signed,
// character) for the value in a table of the width; empty for any other column.
std::string tableCellText(int column, std::int32_t value, std::uint8_t tableWidth);
