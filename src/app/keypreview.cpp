// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keypreview.h"

#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, Reader reader)
    : QObject(window), m_window(window), m_reader(std::move(reader))
{
    setObjectName(QStringLiteral("keyPreview"));
    watch(window);
}

void KeyPreview::watch(QObject *object)
{
    if (!object->isWidgetType())
        return;
    object->installEventFilter(this);
    for (QObject *child : object->children())
        watch(child);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        watch(static_cast<QChildEvent *>(event)->child());
    } else if (event->type() == QEvent::KeyPress) {
        // The first receiver only: a key a widget ignores travels on to its parents.
        const auto *receiver = static_cast<QWidget *>(watched);
        const QWidget *focus = QApplication::focusWidget();
        const bool firstReceiver = receiver == focus || (!focus && receiver == m_window);
        if (firstReceiver && receiver->window() == m_window)
            return m_reader(*static_cast<QKeyEvent *>(event));
    }
    return QObject::eventFilter(watched, event);
}
