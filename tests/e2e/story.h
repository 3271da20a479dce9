// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "xsession.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <functional>

// The page panels stand at this place of the client area, just below the top bar.
inline constexpr QPoint pageOrigin(1, 40);

inline QRect onPage(const QRect &place)
{
    return place.translated(pageOrigin);
}

inline QPoint onPage(QPoint place)
{
    return place + pageOrigin;
}

enum class Tab { Odometer = 0, Calculate = 1, Table = 2 };

// One user story: the program as installed, started the way a user starts it, in an X
// session of its own with the trace channel switched on, and a folder of its own in the
// build tree for the screenshots. The folder is emptied when the story starts, so after
// a run it holds the pictures of that run, those of a failing story included.
//
// The program shows at the scale QUORVEL_STORY_SCALE gives (1 when unset): that many device
// pixels to a layout pixel each way, as on a HiDPI screen. Places are given in layout pixels;
// the screenshots are in device pixels and carry the scale as their device pixel ratio. At a
// scale other than 1 the folder's name ends in "-scale-" and the scale.
class Story
{
public:
    explicit Story(const QString &name);

    // Starts the program, in the language given as LANGUAGE names it or else in English, and
    // waits until its window shows the three tab captions. Empty when all went well;
    // otherwise what went wrong.
    QString start(const QString &language = {});

    XSession &session() { return m_session; }
    QString folder() const { return m_folder; }
    qulonglong window() const { return m_window; }
    QSize outerSize() { return m_session.outerSize(m_window); }

    // The client area as it shows now.
    QImage screen();
    // The client area as it shows now, kept under the name.
    QImage shot(const QString &name);
    // Takes screenshots until one meets the condition (true) or the time is up (false); the
    // last one is kept under the name and left in shot.
    bool waitForScreen(const QString &name, const std::function<bool(const QImage &)> &condition,
                       QImage &shot, int timeoutMs = 5000);

    // Clicks the caption of a tab of the top bar and waits until the tab shows selected.
    bool openPage(Tab tab);
    void click(QPoint position) { m_session.click(m_window, position * m_scale); }
    void moveMouse(QPoint position) { m_session.moveMouse(m_window, position * m_scale); }
    void pressKey(const QString &keysym) { m_session.pressKey(m_window, keysym); }
    void typeText(const QString &text) { m_session.typeText(m_window, text); }

    // The lines of the trace channel so far.
    QStringList trace();
    // Waits until the trace has at least this many lines that match.
    bool waitForTrace(const std::function<bool(const QString &)> &matches, int count,
                      int timeoutMs = 5000);

private:
    int m_scale;
    XSession m_session;
    QString m_folder;
    qulonglong m_window = 0;
    QList<QRect> m_tabCaptions;
    QStringList m_trace;
    QString m_unfinishedLine;
};
