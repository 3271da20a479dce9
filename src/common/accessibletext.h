// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Tells assistive technology of a change of the name that the widget's accessible
// interface reads, where the name does not come from the widget's own setter (which tells
// of its changes itself). A name may change several times while one event is handled; the
// change is told once, when that event is over.
void announceNameChangeOnce(QWidget *widget);
