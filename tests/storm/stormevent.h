// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <random>

// One thing a restless student does to the window. Events are plain values so that a
// failing run can be replayed, and shortened, from its list alone.
struct StormEvent
{
    enum Kind {
        ClickButton,   // a = index among the visible push buttons and radio buttons
        ClickTab,      // a = tab index
        ClickOdometer, // a = odometer 1..4, b = x
        HoverOdometer, // a = odometer 1..4, b = x
        LeaveOdometer, // a = odometer 1..4
        PressKey,      // a = Qt key, b = keyboard modifiers, text = the character typed
        Paste,         // a = 0 center, 1 decenter; text = the clipboard
        Focus,         // a = index among center, decenter, grid, the window
        Wheel,         // a = notches (> 0: towards the user)
        ScrollBar,     // a = value in per-mille of the scroll bar's range
        Resize,        // a = width, b = height
        TimerTick,     // a = index among the active timers
        Wait,          // a = milliseconds of the event loop running freely
        ClickGrid,     // a = y inside the grid's view, b = keyboard modifiers
        InputMethod,   // a = 0 center, 1 decenter; b = 1 composes first; text = committed
        MiddleClick,   // a = 0 center, 1 decenter; text = the primary selection
        Drop,          // a = 0 center, 1 decenter; b = x inside the box; text = dropped
        UndoRedo,      // a = 0 center, 1 decenter; b = 0 undo, 1 redo
        ClickLogo,     // starts the browser link, so only runs that ask for it click it
    };

    Kind kind = ClickButton;
    int a = 0;
    int b = 0;
    QString text;

    QString describe() const;
    static StormEvent random(std::mt19937 &generator, bool clickLogo);
};
