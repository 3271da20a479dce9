// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>

// Opens the widget's context menu as the menu key does and chooses the entry of this
// caption ("&Paste", "&Undo", ...; a shortcut shown beside it does not count); true once
// the menu has closed.
[[nodiscard]] inline bool chooseFromContextMenu(QWidget *widget, const QString &entry)
{
    QTimer::singleShot(0, widget, [entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) == entry && action->isEnabled())
                action->trigger();
        }
        menu->close();
    });
    const QPoint middle = widget->rect().center();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, middle, widget->mapToGlobal(middle));
    QApplication::sendEvent(widget, &menuKey);
    // A menu that only pops up is chosen from once the events have been handled.
    return QTest::qWaitFor([] { return !QApplication::activePopupWidget(); });
}
