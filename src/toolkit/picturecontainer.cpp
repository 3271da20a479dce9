// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/picturecontainer.h"

PictureContainer::PictureContainer(QObject *parent) : QObject(parent) {}

int PictureContainer::add(const QString &name, const QString &file)
{
    m_items.append({name, file});
    return count() - 1;
}
