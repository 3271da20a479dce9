#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Each routine draws one picture of the program's artwork.
QImage DrawBevelledSlab(QSize size, QColor face);
// The green slab behind a page's push buttons, the same on every page.
QImage DrawGreenButtonBacking(QSize size);
QImage DrawLogo();
QImage DrawTabFace(bool selected);
QImage DrawAppIcon(int size);
QImage DrawDigitStrip();
QImage DrawCalculateBackground();
QImage DrawCalculateButtonPanel();
QImage DrawNegativeBracket();
QImage DrawOdometerBackground();
QImage DrawButtonBacking();
// The board behind the odometers: 234 wide for one byte, 312 for two.
QImage DrawOdometerBoard(int width);
