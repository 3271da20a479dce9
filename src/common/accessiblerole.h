// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QStringList>

#include <functional>

class QWidget;

// How assistive technology reads a widget, for widgets that Qt would read as a plain pane.
// Call these before anything has asked for the widget's accessible interface.

// Reads the widget as the role given and, with a press, offers the press as its action;
// with a name, reads the name it gives rather than the widget's accessible name.
void setAccessibleRole(QWidget *widget, QAccessible::Role role, std::function<void()> press = {},
                       std::function<QString()> name = {});

// Reads a panel's children named first (by object name) in that order, the others after
// them in their own order, and leaves out the hidden ones and those wholly beyond the
// window's edge, whatever order the panel stacks them in.
void setAccessibleReadingOrder(QWidget *panel, QAccessible::Role role, const QStringList &first);
