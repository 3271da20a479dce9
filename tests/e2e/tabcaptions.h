// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>

// Finds the tab captions of the top bar on a screenshot of the window: the runs of dark
// caption ink along the tab strip, separated by the wider gaps between tabs. Returns one
// rectangle per caption, left to right, in the client area's layout pixels.
QList<QRect> findTabCaptions(const QImage &shot);

// The index of the tab drawn selected, by the grey face behind its caption, or -1.
int selectedTabOnScreen(const QImage &shot, const QList<QRect> &captions);
