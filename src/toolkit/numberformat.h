// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The character that groups the digits of a whole number in thousands.
inline constexpr QChar thousandsSeparator = QLatin1Char(',');

// Writes a whole number by a display format of one or two sections, "positive;negative".
// In a section the run of '0', '#' and ',' stands for the number: a ',' in it groups the
// digits in thousands and every '0' is a digit that is always written; what stands before
// and after the run is written as it is. A negative number takes the second section with
// its magnitude, or, without one, the first section with a leading '-'.
QString formatWholeNumber(qint64 value, const QString &format);

// Reads what FormatWholeNumber and typing give: optional thousands separators, digits, one
// sign at the start or parentheses around a negative number. Empty when there is no digit
// or the text has another shape. Numbers beyond the 64-bit range are held at its ends.
std::optional<qint64> readWholeNumber(const QString &text);
