// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The start of the window system, made to fail in one line. Between the two calls what the
// toolkit and the X or Wayland libraries write to standard error is held back; if no
// display can be opened the program ends with one line naming the display it tried and
// exit status 2, where the toolkit would abort. Once the start has succeeded, what was held
// back is written out as usual. Where Qt's Wayland plugin is missing, the line says which
// package brings it.
void beginDisplayStart();
void endDisplayStart();
