// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A component of the window found by its layout name; a missing one ends the test run,
// since every later check would be about nothing.
template <typename T = QWidget> T *windowPart(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no component %s", name);
    return found;
}
