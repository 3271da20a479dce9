// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>

// A named list of pictures that a form keeps at hand and hands out by item number. Each is
// read from its file, drawn for the screens' resolution, the first time it is asked for.
class PictureContainer : public QObject
{
    Q_OBJECT

public:
    explicit PictureContainer(QObject *parent = nullptr);

    // Adds the picture in the file as the next item; returns its item number.
    int add(const QString &name, const QString &file);
    int count() const { return int(m_items.size()); }
    Q_INVOKABLE QString name(int item) const { return m_items.at(item).name; }
    Q_INVOKABLE QPixmap picture(int item) const;

private:
    struct Item
    {
        QString name;
        QString file;
        mutable QPixmap picture; // once read
    };
    QList<Item> m_items;
};
