// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// A picture of the resources as drawn for the program's screens: where they have more than
// one device pixel to a layout pixel, its "@2x" or "@3x" copy, so that it shows sharp rather
// than enlarged. Its size in layout pixels is the same at every scale.
QImage deviceImage(const QString &path);
QPixmap devicePicture(const QString &path);
// Its size in layout pixels, read from the file's header without decoding the picture.
QSize devicePictureSize(const QString &path);
