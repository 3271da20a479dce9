// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>

#include <optional>

class QWidget;

// Holds a top-level window at an outer size, frame included, under X11 and Wayland alike.
// Outer sizes include the window frame wherever the window system reports one; until it
// does, the frame the window manager announced before the window was mapped. The lock asks
// for the size to be held again (holdDue) whenever the frame may have become known: when
// the window is about to be shown and each time it moves. A window manager may report no
// frame at all, or count an invisible shadow in it: whatever it reports, the client is never
// made smaller than its minimum. The window refuses a maximise: it goes back to its place
// and size when the window system maximises it.
class OuterSizeLock : public QObject
{
    Q_OBJECT

public:
    explicit OuterSizeLock(QWidget *window);

    QSize outerSize() const;
    // One resize for both sides: a window not yet mapped would otherwise be shown with the
    // size between the two.
    void setOuterSize(QSize outer);
    void setOuterWidth(int outerWidth);
    void setOuterHeight(int outerHeight);
    // The smallest client the window's content needs: also the least the window manager
    // lets the user drag the window to.
    void setMinimumClientSize(QSize minimum);

signals:
    // The window may no longer have the outer size it holds: set it again.
    void holdDue();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMargins frame() const;
    void windowMoved();
    void windowShown(bool spontaneous);
    struct RefusedMaximise
    {
        QPoint place;
        QSize client;
        bool leaveAsked = false;
    };
    void windowStateChanged(bool spontaneous);
    void refuseCompositorsMaximise(RefusedMaximise refused);
    void frameDue();
    void leaveMaximise();
    void windowSystemStateChanged();
    void goBack(RefusedMaximise refused);

    QWidget *m_window;
    QMargins m_announcedFrame;
    std::optional<RefusedMaximise> m_refusedMaximise;
};
