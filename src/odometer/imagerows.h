// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

// Copies rowCount whole rows of source, from sourceRow on, into target with their left edge
// at column targetX, from targetRow on. Both images have the same 32-bit format and the rows
// fit; this is the plain byte copy that every wheel of every frame goes through.
void copyImageRows(const QImage &source, int sourceRow, int rowCount, QImage &target, int targetX,
                   int targetRow);
