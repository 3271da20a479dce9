// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stormevent.h"

#include <QString>

#include <memory>

class QLineEdit;
class QWidget;
class Tfbases;

// One window under a storm: applies events to a fresh Tfbases and, after every event,
// checks what the pages promise. Only posted events are delivered between storm events,
// so a run depends on its events alone; timers tick when the storm brings them forward.
class StormRun
{
public:
    StormRun();
    ~StormRun();

    void apply(const StormEvent &event);
    // Empty while every promise holds; otherwise the broken one.
    QString brokenPromise() const;

private:
    QWidget *child(const char *name) const;
    // The entry box, 0 center or 1 decenter, when it shows.
    QLineEdit *visibleBox(int which) const;

    std::unique_ptr<Tfbases> m_window;
};
