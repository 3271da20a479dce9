// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>

// A named list of pictures that a form keeps at hand and hands out by item number.
class PictureContainer : public QObject
{
    Q_OBJECT

public:
    explicit PictureContainer(QObject *parent = nullptr);

    // Adds the picture as the next item; returns its item number.
    int add(const QString &name, const QPixmap &picture);
    int count() const { return int(m_items.size()); }
    Q_INVOKABLE QString name(int item) const { return m_items.at(item).name; }
    Q_INVOKABLE QPixmap picture(int item) const { return m_items.at(item).picture; }

private:
    struct Item
    {
        QString name;
        QPixmap picture;
    };
    QList<Item> m_items;
};
