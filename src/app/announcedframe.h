// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>

class QWidget;

// The frame an X11 window manager will put round a top-level window, asked for before the
// window is first mapped (_NET_REQUEST_FRAME_EXTENTS), in the window's layout pixels. Until
// the window is mapped the toolkit knows no frame, so a window sized by its outer size would
// otherwise be mapped too large and shrink in sight. Empty margins where the window system
// is not X11 or no window manager offers the request or answers it in time.
QMargins announcedFrame(QWidget *window);
