#include "pages/odometer/digitgroups.h"

namespace {

constexpr int wheelWidth = 15;

DigitRange AsBytes(int start, int end)
{
    return {quint8(start), quint8(end)};
}

} // namespace

int DigitUnderPointer(int x)
{
    return x / wheelWidth + 1;
}

DigitRange SingleDigit(int position)
{
    return AsBytes(position, position);
}

DigitRange HexDigitOnBinary(int k)
{
    return AsBytes(4 * (k - 1) + 1, 4 * (k - 1) + 4);
}

DigitRange OctalDigitOnBinary(int k, int octalDigits, int binaryDigits)
{
    const int n = binaryDigits;
    const int m = 3 * (octalDigits - k); // binary digits right of the group
    if (m + 1 >= n)
        return AsBytes(n - m, n - m);
    if (m + 2 >= n)
        return AsBytes(n - m - 1, n - m);
    return AsBytes(n - m - 2, n - m);
}
