// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/accessibletext.h"

#include "common/accessiblerole.h"

#include <QAccessible>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace {

constexpr const char *namePending = "quorvelAccessibleNamePending";

// Shows nothing and takes neither the pointer nor the focus: readers learn of it only
// through the notification it is read as, which they speak each time it is shown.
class Announcement : public QWidget
{
public:
    explicit Announcement(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("announcement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
        setAccessibleRole(this, QAccessible::Notification);
        hide();
    }

    void add(const QString &message)
    {
        if (m_pending.isEmpty())
            QTimer::singleShot(0, this, &Announcement::say);
        else if (m_pending.constLast() == message)
            return;
        m_pending << message;
    }

private:
    void say()
    {
        hide();
        setAccessibleName(m_pending.join(QStringLiteral(". ")));
        m_pending.clear();
        show();
    }

    QStringList m_pending;
};

} // namespace

void announce(QWidget *within, const QString &message)
{
    if (!within->isVisible()) // a page out of sight says nothing
        return;
    QWidget *window = within->window();
    for (QObject *child : window->children()) {
        if (auto *announcement = dynamic_cast<Announcement *>(child)) {
            announcement->add(message);
            return;
        }
    }
    (new Announcement(window))->add(message);
}

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
