// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/accessibletext.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

namespace {

constexpr const char *namePending = "quorvelAccessibleNamePending";

} // namespace

void announceNameChangeOnce(QWidget *widget)
{
    if (widget->property(namePending).toBool())
        return;
    widget->setProperty(namePending, true);
    QTimer::singleShot(0, widget, [widget] {
        widget->setProperty(namePending, false);
        QAccessibleEvent changed(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    });
}
