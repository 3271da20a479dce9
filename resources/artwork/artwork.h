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
