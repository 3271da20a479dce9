#pragma once

#include <QImage>

// Each routine draws one picture of the program's artwork.
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
