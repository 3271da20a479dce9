// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon as the window hands it to task bars and window switchers.
QIcon builtInWindowIcon();
// The icon theme's drawing of it, where the program is installed or a theme draws its own;
// else a null icon. Looking through the themes takes longer than the first frame.
QIcon themeWindowIcon();
