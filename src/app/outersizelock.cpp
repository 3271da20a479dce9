// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/outersizelock.h"

#include "app/announcedframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

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
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Move:
            windowMoved();
            break;
        case QEvent::Show:
            windowShown(event->spontaneous());
            break;
        case QEvent::WindowStateChange:
            windowStateChanged();
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
        m_announcedFrame = announcedFrame(m_window);
        emit holdDue();
    }
    // Where the toolkit draws the frame itself (Wayland), the frame is known once the
    // window is shown and before its first frame is drawn, and no move follows to hold
    // the size: hold it then, so that the first frame already has the outer size.
    QMetaObject::invokeMethod(this, &OuterSizeLock::holdDue, Qt::QueuedConnection);
}

void OuterSizeLock::windowStateChanged()
{
    // The window system tells the new state before it has moved and sized the window; once
    // it has, the window goes back to where it stood, at the size it had.
    if (!m_window->isMaximized())
        return;
    const QPoint place = m_window->pos();
    const QSize client = m_window->size();
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMaximized);
    QTimer::singleShot(maximiseSettleTime, m_window, [window = m_window, place, client] {
        window->resize(client);
        window->move(place);
    });
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
