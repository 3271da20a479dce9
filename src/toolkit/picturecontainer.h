// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

// A named list of pictures that a form keeps at hand and hands out by item number, each as
// the file a picture box reads when it shows it.
class PictureContainer : public QObject
{
    Q_OBJECT

public:
    explicit PictureContainer(QObject *parent = nullptr);

    // Adds the picture in the file as the next item; returns its item number.
    int add(const QString &name, const QString &file);
    int count() const { return int(m_items.size()); }
    Q_INVOKABLE QString name(int item) const { return m_items.at(item).name; }
    Q_INVOKABLE QString file(int item) const { return m_items.at(item).file; }

private:
    struct Item
    {
        QString name;
        QString file;
    };
    QList<Item> m_items;
};
