// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

// A blank picture of a size in layout pixels, with scale device pixels to each of them: a
// painter on it draws in layout pixels at the picture's resolution.
QImage blankPicture(QSize size, QImage::Format format, int scale);

// Each routine draws one picture of the program's artwork; those with a scale draw it for
// screens of that many device pixels to a layout pixel.
QImage drawBevelledSlab(QSize size, QColor face, int scale);
// The green slab behind a page's push buttons, the same on every page.
QImage drawGreenButtonBacking(QSize size, int scale);
QImage drawLogo(int scale);
QImage drawTabFace(bool selected, int scale);
QImage drawAppIcon(int size);
// The same icon as a scalable picture, its digits drawn as outlines.
QByteArray appIconSvg();
QImage drawDigitStrip(int scale);
QImage drawCalculateBackground(int scale);
QImage drawCalculateButtonPanel(int scale);
QImage drawNegativeBracket(int scale);
QImage drawOdometerBackground(int scale);
QImage drawButtonBacking(int scale);
// The board behind the odometers: 234 wide for one byte, 312 for two.
QImage drawOdometerBoard(int width, int scale);
