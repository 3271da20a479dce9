// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/odometer/digitgroups.h"

namespace {

constexpr int wheelWidth = 15;

DigitRange asBytes(int start, int end)
{
    return {quint8(start), quint8(end)};
}

} // namespace

int digitUnderPointer(int x)
{
    return x / wheelWidth + 1;
}

DigitRange singleDigit(int position)
{
    return asBytes(position, position);
}

DigitRange hexDigitOnBinary(int k)
{
    return asBytes(4 * (k - 1) + 1, 4 * (k - 1) + 4);
}

DigitRange octalDigitOnBinary(int k, int octalDigits, int binaryDigits)
{
    const int n = binaryDigits;
    const int m = 3 * (octalDigits - k); // binary digits right of the group
    if (m + 1 >= n)
        return asBytes(n - m, n - m);
    if (m + 2 >= n)
        return asBytes(n - m - 1, n - m);
    return asBytes(n - m - 2, n - m);
}
