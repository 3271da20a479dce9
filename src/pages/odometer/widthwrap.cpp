// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/odometer/widthwrap.h"

namespace {

struct WrapRule
{
    quint32 wrappedBelowZeroAbove; // values above this came from a step down from 0
    quint32 wheelRange;            // the odometer's own limit + 1
};

} // namespace

quint32 wrapIntoWidth(quint8 Bytes, TBaseType baseType, quint32 value)
{
    const bool oneByte = Bytes == 1;
    WrapRule rule;
    switch (baseType) {
    case btOctal:
        rule = oneByte ? WrapRule{350, 512} : WrapRule{80000, 262144};
        break;
    case btDecimal:
        rule = oneByte ? WrapRule{500, 1000} : WrapRule{80000, 100000};
        break;
    default:
        return value;
    }
    const quint32 widthRange = oneByte ? 256 : 65536;
    if (value > rule.wrappedBelowZeroAbove)
        return value - rule.wheelRange + widthRange;
    if (value > widthRange - 1)
        return value - widthRange;
    return value;
}
