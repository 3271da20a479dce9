// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

// A picture of the resources as drawn for the program's screens: where they have more than
// one device pixel to a layout pixel, its "@2x" or "@3x" copy, so that it shows sharp rather
// than enlarged. Its size in layout pixels is the same at every scale.
QImage deviceImage(const QString &path);
QPixmap devicePicture(const QString &path);
// Lets the painter draw a picture of this many device pixels to a layout pixel smoothly
// where its device has another ratio (the 2x copy on a screen at 1.5), so that it is made
// smaller evenly rather than by dropping rows and columns of pixels; where the ratios are
// the same, the picture's pixels are copied as they are.
void smoothWhereRatiosDiffer(QPainter &painter, qreal pictureRatio);
// Its size in layout pixels, read from the file's header without decoding the picture.
QSize devicePictureSize(const QString &path);
