// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/table/tablecells.h"

#include "odometer/conversions.h"

std::int32_t rowToValue(std::int32_t row, std::int32_t halfRowCount)
{
    return row - halfRowCount - 1;
}

std::int64_t valueToRow(std::int64_t value, std::int32_t halfRowCount)
{
    return value + halfRowCount + 1;
}

std::int32_t halfValueCount(std::uint8_t tableWidth)
{
    return std::int32_t{1} << (8 * tableWidth - 1);
}

std::string characterForm(std::uint8_t code)
{
    constexpr char controlEscapes[] = "abtnvfr"; // codes 7 to 13
    std::string text = "'";
    if (code >= 7 && code <= 13) {
        text += '\\';
        text += controlEscapes[code - 7];
    } else if (code == '\'' || code == '\\') {
        text += '\\';
        text += static_cast<char>(code);
    } else if (code >= 32 && code <= 126) {
        text += static_cast<char>(code);
    } else {
        text += '\\';
        text += ValueToDigits(btOctal, code, 3);
    }
    return text + "'";
}

std::string tableCellText(int column, std::int32_t value, std::uint8_t tableWidth)
{
    const std::uint32_t mask = tableWidth == 1 ? 0xFFu : 0xFFFFu;
    const std::uint32_t pattern = static_cast<std::uint32_t>(value) & mask;
    switch (column) {
    case 0:
        return IntToBin(pattern, 8 * tableWidth);
    case 1:
        return IntToOct(pattern);
    case 2:
        return ValueToDigits(btHexadecimal, pattern, static_cast<std::uint8_t>(2 * tableWidth));
    case 3:
        return std::to_string(pattern);
    case 4:
        return std::to_string(value);
    case 5:
        return tableWidth == 1 ? characterForm(static_cast<std::uint8_t>(pattern)) : std::string();
    default:
        return {};
    }
}
