// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

// Hands a window every key press on it before the widget with the focus gets it, once per
// press: the key goes to the focused widget only when the window's reader leaves it (returns
// false). The keys of another window, such as a dialog the window owns, are not read.
//
// A key press goes straight to the focused widget, and on to its parents only where that
// widget ignores it; so the preview watches the window and every widget in it, each as it
// joins. Keys taken by a shortcut never reach it.
class KeyPreview : public QObject
{
public:
    using Reader = std::function<bool(const QKeyEvent &event)>;

    KeyPreview(QWidget *window, Reader reader);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);

    QWidget *m_window;
    Reader m_reader;
};
