// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What the program's start leaves until the window's first frame is drawn, so that the
// frame comes sooner: the icon theme's drawing of the window icon takes the place of the
// built-in one, and the memory the start freed goes back to the system. The window must
// have been shown.
void finishStartAfterFirstFrame(QWidget *window);
