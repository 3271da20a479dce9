// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

// An active window holding a number box above a second control that the focus can move to.
template <typename Box> class NumberBoxWindow
{
public:
    // Builds and shows a new window; false when it did not become active.
    [[nodiscard]] bool show()
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_box = new Box;
        m_other = new QLineEdit;
        layout->addWidget(m_box);
        layout->addWidget(m_other);
        m_window->show();
        m_window->activateWindow();
        QApplication::setActiveWindow(m_window.get());
        return QTest::qWaitForWindowActive(m_window.get());
    }
    void close() { m_window.reset(); }

    Box *box() const { return m_box; }
    QLineEdit *other() const { return m_other; }

private:
    std::unique_ptr<QWidget> m_window;
    Box *m_box = nullptr;
    QLineEdit *m_other = nullptr;
};

// What an input method sends: a text being composed, or a text committed.
inline void sendComposition(QWidget *widget, const QString &preedit)
{
    QInputMethodEvent event(preedit, {});
    QApplication::sendEvent(widget, &event);
}

inline void sendCommit(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

// Drags data over the widget near its right end and drops it there; true when the widget
// took the drag in.
inline bool dropOnto(QWidget *widget, const QMimeData &data)
{
    const QPoint end(widget->width() - 3, widget->height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &enter);
    QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &drop);
    return enter.isAccepted();
}
