// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ValueGrid;

// Makes the grid a table for assistive technology, its cells reading the texts the grid
// shows, and tells it of every change of the selection, the view and the row count.
void announceGridChanges(ValueGrid *grid);
