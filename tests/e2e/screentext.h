// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

// Reads text off a screenshot without knowing what it should say: the ink in an area is cut
// into glyphs at the ink-free columns between them, and each glyph is named after the
// character of an alphabet whose picture, drawn here in the font the program uses, covers
// it best. Two characters whose ink touches in the face are read as one glyph. The fonts are
// the program's own stand-in faces, given by their pixel size. A screenshot whose device
// pixel ratio is 2 or 3 shows the text that many times as large: the alphabet is drawn for
// it at that many times the font's pixel size.
class ScreenText
{
public:
    using InkTest = std::function<bool(QRgb)>;

    ScreenText(const QFont &font, const QString &alphabet, InkTest isInk = darkInk);

    // The characters in the area, given in layout pixels, left to right; an empty text where
    // the area has no ink.
    QString read(const QImage &shot, const QRect &area) const;

    // Black and the dark greys of its smoothed edges; no colour.
    static bool darkInk(QRgb pixel)
    {
        return qMax(qMax(qRed(pixel), qGreen(pixel)), qBlue(pixel)) < 128;
    }

private:
    struct Glyph
    {
        QString text;
        QImage mask; // ink only, cut to its bounds; white is ink
    };

    // The alphabet's glyphs as drawn at the scale, drawn when first asked for.
    const QList<Glyph> &glyphsAt(int scale) const;
    QList<Glyph> drawGlyphs(int scale) const;
    QList<QRect> glyphBounds(const QImage &ink) const;
    QString closestText(const QImage &mask, const QList<Glyph> &glyphs) const;

    QFont m_font;
    QString m_alphabet;
    InkTest m_isInk;
    mutable QHash<int, QList<Glyph>> m_glyphsByScale;
};

// The ink of the area, in the shot's own pixels, as a mask, white where isInk holds.
QImage inkMask(const QImage &shot, const QRect &area, const ScreenText::InkTest &isInk);

// The font the program asks for, by its layout name, at a pixel height.
QFont programFont(const char *family, int pixelSize, bool bold);
