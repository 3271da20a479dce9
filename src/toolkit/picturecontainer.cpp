// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/picturecontainer.h"

#include "common/devicepicture.h"

PictureContainer::PictureContainer(QObject *parent) : QObject(parent) {}

int PictureContainer::add(const QString &name, const QString &file)
{
    m_items.append({name, file, {}});
    return count() - 1;
}

QPixmap PictureContainer::picture(int item) const
{
    const Item &entry = m_items.at(item);
    if (entry.picture.isNull())
        entry.picture = devicePicture(entry.file);
    return entry.picture;
}
