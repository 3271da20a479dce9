#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Each routine draws one picture of the program's artwork.
QImage drawBevelledSlab(QSize size, QColor face);
// The green slab behind a page's push buttons, the same on every page.
QImage drawGreenButtonBacking(QSize size);
QImage drawLogo();
QImage drawTabFace(bool selected);
QImage drawAppIcon(int size);
QImage drawDigitStrip();
QImage drawCalculateBackground();
QImage drawCalculateButtonPanel();
QImage drawNegativeBracket();
QImage drawOdometerBackground();
QImage drawButtonBacking();
// The board behind the odometers: 234 wide for one byte, 312 for two.
QImage drawOdometerBoard(int width);
