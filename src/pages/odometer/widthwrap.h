// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "odometer/radixtypes.h"

#include <QtGlobal>

// The octal and the decimal odometer have more room than the width (one byte: up to 511
// and 999; two bytes: up to 262143 and 99999). A step up from the top of the width leaves
// them one past it; a step down from 0 wraps them to their own limit. This brings such a
// value back into the width; a value within it, and any value of the binary and the
// hexadecimal odometer, whose own limit is the top of the width, comes back unchanged.
quint32 wrapIntoWidth(quint8 Bytes, TBaseType baseType, quint32 value);
