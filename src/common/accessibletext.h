// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// Tells assistive technology of a change of the name that the widget's accessible
// interface reads, where the name does not come from the widget's own setter (which tells
// of its changes itself). A name may change several times while one event is handled; the
// change is told once, when that event is over.
void announceNameChangeOnce(QWidget *widget);

// Says a message to the user of a screen reader, wherever the focus stands: the window shows
// assistive technology a notification, which readers speak as it appears. The messages
// given while one event is handled are said together, in order, once it is over. The
// latest message stays readable as the name of the window's child "announcement". A
// widget out of sight says nothing.
void announce(QWidget *within, const QString &message);
