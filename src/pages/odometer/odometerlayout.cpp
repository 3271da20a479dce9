// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/odometer/odometerlayout.h"

OdometerLayout layoutForWidth(quint8 Bytes)
{
    if (Bytes == 1)
        return {0, 180, 255, 254, 252, 48, 269, {8, 3, 3, 2}, 255, 3};
    return {1, 180, 330, 344, 344, 75, 359, {16, 6, 5, 4}, 65535, 5};
}
