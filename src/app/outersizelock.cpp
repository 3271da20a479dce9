// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/outersizelock.h"

#include "app/announcedframe.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int maximiseSettleTime = 100; // milliseconds

} // namespace

OuterSizeLock::OuterSizeLock(QWidget *window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("outerSizeLock"));
    window->installEventFilter(this);
}

// The window's own handlers run after the filter: none of them reads the frame or the
// size held here.
bool OuterSizeLock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window->windowHandle()) {
        if (event->type() == QEvent::WindowStateChange && event->spontaneous())
            windowSystemStateChanged();
        else if (event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest)
            frameDue();
    }
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Move:
            windowMoved();
            break;
        case QEvent::Show:
            windowShown(event->spontaneous());
            break;
        case QEvent::WindowStateChange:
            windowStateChanged(event->spontaneous());
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void OuterSizeLock::windowMoved()
{
    // The window system may report the frame only after the window is placed; from then on
    // its report holds, also where the window later loses its frame.
    if (m_window->frameGeometry() != m_window->geometry())
        m_announcedFrame = QMargins();
    emit holdDue();
}

void OuterSizeLock::windowShown(bool spontaneous)
{
    // Shown, not yet mapped: an X11 window manager says now what frame it will give the
    // window, so that the window is mapped at its outer size.
    if (!spontaneous && !m_window->testAttribute(Qt::WA_Mapped)) {
        m_window->windowHandle()->installEventFilter(this);
        m_announcedFrame = announcedFrame(m_window);
        emit holdDue();
    }
    // Where the toolkit draws the frame itself (Wayland), the frame is known once the
    // window is shown and before its first frame is drawn, and no move follows to hold
    // the size: hold it then, so that the first frame already has the outer size.
    QMetaObject::invokeMethod(this, &OuterSizeLock::holdDue, Qt::QueuedConnection);
}

// The window refuses a maximise: it goes back to where it stood, at the size it had.
void OuterSizeLock::windowStateChanged(bool spontaneous)
{
    if (!m_window->isMaximized() || m_refusedMaximise)
        return;
    const RefusedMaximise refused{m_window->pos(), m_window->size()};
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (spontaneous)
            refuseCompositorsMaximise(refused);
        else // asked for by code: the compositor has not acted on it yet
            leaveMaximise();
        return;
    }
    // An X11 window manager says the window is maximised before it has moved and sized it.
    leaveMaximise();
    QTimer::singleShot(maximiseSettleTime, m_window, [this, refused] { goBack(refused); });
}

// A Wayland compositor holds a maximised window at the maximised size until it has taken
// the maximise back, and ends the connection if the window shows another size before then;
// weston does not even hear a window that asks to leave the maximise before it has shown a
// frame at it. So the window shows one frame maximised, then asks to leave, and goes back
// once the compositor has let go; until then the lock holds no size.
void OuterSizeLock::refuseCompositorsMaximise(RefusedMaximise refused)
{
    m_refusedMaximise = refused;
    m_window->update();
}

void OuterSizeLock::frameDue()
{
    if (!m_refusedMaximise || m_refusedMaximise->leaveAsked)
        return;
    m_refusedMaximise->leaveAsked = true;
    // After this frame has reached the compositor.
    QMetaObject::invokeMethod(this, &OuterSizeLock::leaveMaximise, Qt::QueuedConnection);
}

void OuterSizeLock::leaveMaximise()
{
    if (m_window->isMaximized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMaximized);
}

void OuterSizeLock::windowSystemStateChanged()
{
    if (!m_refusedMaximise || !m_refusedMaximise->leaveAsked ||
        (m_window->windowHandle()->windowStates() & Qt::WindowMaximized))
        return;
    const RefusedMaximise refused = *m_refusedMaximise;
    m_refusedMaximise.reset();
    // After the compositor's own resize, which follows its state.
    QMetaObject::invokeMethod(
        this, [this, refused] { goBack(refused); }, Qt::QueuedConnection);
}

void OuterSizeLock::goBack(RefusedMaximise refused)
{
    m_window->resize(refused.client);
    m_window->move(refused.place);
}

QMargins OuterSizeLock::frame() const
{
    const QRect outer = m_window->frameGeometry();
    const QRect client = m_window->geometry();
    const QMargins reported(client.left() - outer.left(), client.top() - outer.top(),
                            outer.right() - client.right(), outer.bottom() - client.bottom());
    return reported.isNull() ? m_announcedFrame : reported;
}

QSize OuterSizeLock::outerSize() const
{
    return m_window->size().grownBy(frame());
}

// The window's minimum size bounds every resize, the lock's included.
void OuterSizeLock::setMinimumClientSize(QSize minimum)
{
    m_window->setMinimumSize(minimum);
}

void OuterSizeLock::setOuterSize(QSize outer)
{
    if (m_refusedMaximise)
        return;
    const QSize client = outer.shrunkBy(frame());
    if (client != m_window->size())
        m_window->resize(client);
}

void OuterSizeLock::setOuterWidth(int outerWidth)
{
    setOuterSize({outerWidth, outerSize().height()});
}

void OuterSizeLock::setOuterHeight(int outerHeight)
{
    setOuterSize({outerSize().width(), outerHeight});
}
