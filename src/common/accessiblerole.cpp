// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/accessiblerole.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace {

struct Reading
{
    QAccessible::Role role;
    std::function<void()> press;
    std::function<QString()> name;
    bool ordered = false;
    QStringList first;
};

QHash<const QObject *, Reading> &readings()
{
    static QHash<const QObject *, Reading> byWidget;
    return byWidget;
}

class DeclaredReading : public QAccessibleWidget
{
public:
    DeclaredReading(QWidget *widget, const Reading &reading)
        : QAccessibleWidget(widget, reading.role), m_reading(reading)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && m_reading.name)
            return m_reading.name();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (m_reading.press)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &actionName) override
    {
        if (m_reading.press && actionName == pressAction())
            m_reading.press();
        else
            QAccessibleWidget::doAction(actionName);
    }

    int childCount() const override
    {
        return m_reading.ordered ? int(readable().size()) : QAccessibleWidget::childCount();
    }
    QAccessibleInterface *child(int index) const override
    {
        if (!m_reading.ordered)
            return QAccessibleWidget::child(index);
        const QList<QWidget *> children = readable();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!m_reading.ordered)
            return QAccessibleWidget::indexOfChild(child);
        return int(readable().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> readable() const
    {
        QList<QWidget *> children;
        for (const QString &name : m_reading.first) {
            auto *named = widget()->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
            if (named && inSight(named))
                children << named;
        }
        for (QObject *object : widget()->children()) {
            auto *other = qobject_cast<QWidget *>(object);
            if (other && !other->isWindow() && inSight(other) && !children.contains(other))
                children << other;
        }
        return children;
    }

    // Shown, and not wholly beyond the edge of its window.
    static bool inSight(const QWidget *child)
    {
        const QWidget *window = child->window();
        const QRect place(child->mapTo(window, QPoint(0, 0)), child->size());
        return !child->isHidden() && window->rect().intersects(place);
    }

    Reading m_reading;
};

QAccessibleInterface *makeDeclaredReading(const QString &, QObject *object)
{
    const auto found = readings().constFind(object);
    if (found == readings().cend())
        return nullptr;
    return new DeclaredReading(static_cast<QWidget *>(object), *found);
}

void declareReading(QWidget *widget, const Reading &reading)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(makeDeclaredReading);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    readings().insert(widget, reading);
    QObject::connect(widget, &QObject::destroyed, [widget] { readings().remove(widget); });
}

} // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role, std::function<void()> press,
                       std::function<QString()> name)
{
    declareReading(widget, {role, std::move(press), std::move(name), false, {}});
}

void setAccessibleReadingOrder(QWidget *panel, QAccessible::Role role, const QStringList &first)
{
    declareReading(panel, {role, {}, {}, true, first});
}
