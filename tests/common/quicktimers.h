// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/calculate/calculatepage.h"
#include "pages/odometer/odometerpage.h"

#include <QWidget>
#include <QtGlobal>

// The window's timers quickened, for a test that needs their steps, rolls and blinks rather
// than their pace; the real intervals are checked on their own.
namespace quickTimers {

constexpr int countingInterval = 200;   // milliseconds between automatic counting steps
constexpr quint8 rollFrameInterval = 1; // milliseconds between the frames of a roll
constexpr int blinkInterval = 50;       // milliseconds between the cursor's changes of colour

} // namespace quickTimers

inline void quickenTimers(const QWidget *window)
{
    auto *odometerPage = window->findChild<OdometerPage *>(QStringLiteral("pan1"));
    auto *calculatePage = window->findChild<CalculatePage *>(QStringLiteral("pan2"));
    if (!odometerPage || !calculatePage)
        qFatal("no pages to quicken");
    odometerPage->setCountingInterval(quickTimers::countingInterval);
    odometerPage->setRollFrameInterval(quickTimers::rollFrameInterval);
    calculatePage->setBlinkInterval(quickTimers::blinkInterval);
}
