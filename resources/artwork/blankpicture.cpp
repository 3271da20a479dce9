// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

QImage blankPicture(QSize size, QImage::Format format, int scale)
{
    QImage picture(size * scale, format);
    picture.setDevicePixelRatio(scale);
    return picture;
}
