// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/firstframe.h"

#include "app/windowicon.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <malloc.h>

namespace {

void finishStart(QWidget *window)
{
    const QIcon themed = themeWindowIcon();
    if (!themed.isNull())
        window->setWindowIcon(themed);
    // Decoding and font set-up leave freed memory in the heap.
    malloc_trim(0);
}

// The frame is drawn once the exposure has been handled.
void finishSoon(QWidget *window)
{
    QTimer::singleShot(0, window, [window] { finishStart(window); });
}

// Waits on the window system's window for its first exposure, then goes.
class FirstFrameWatch : public QObject
{
public:
    explicit FirstFrameWatch(QWidget *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            finishSoon(m_window);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
};

} // namespace

void finishStartAfterFirstFrame(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    if (handle->isExposed())
        finishSoon(window);
    else
        handle->installEventFilter(new FirstFrameWatch(window));
}
