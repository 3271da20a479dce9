// SPDX-License-Identifier: GPL-3.0-or-later
#include "screentext.h"

#include "devicepixels.h"

#include "toolkit/look.h"

#include <QFontMetrics>
#include <QPainter>

#include <limits>

namespace {

constexpr QRgb inkWhite = 0xFFFFFFFF;

// Pixels of the two masks that differ when b is laid over a with its corner at (dx, dy).
int mismatches(const QImage &a, const QImage &b, int dx, int dy)
{
    const QRect canvas = QRect(QPoint(0, 0), a.size()).united(QRect(QPoint(dx, dy), b.size()));
    int count = 0;
    for (int y = canvas.top(); y <= canvas.bottom(); ++y) {
        for (int x = canvas.left(); x <= canvas.right(); ++x) {
            const bool inA = a.valid(x, y) && a.pixel(x, y) == inkWhite;
            const bool inB = b.valid(x - dx, y - dy) && b.pixel(x - dx, y - dy) == inkWhite;
            count += inA != inB ? 1 : 0;
        }
    }
    return count;
}

int inkCount(const QImage &mask)
{
    int count = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            count += mask.pixel(x, y) == inkWhite ? 1 : 0;
    return count;
}

QRect inkBounds(const QImage &mask, int left, int right)
{
    QRect bounds;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = left; x <= right; ++x)
            if (mask.pixel(x, y) == inkWhite)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QImage drawnText(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    QImage picture(metrics.horizontalAdvance(text) + 8, metrics.height() + 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(4, 4 + metrics.ascent(), text);
    return picture;
}

} // namespace

QImage inkMask(const QImage &shot, const QRect &area, const ScreenText::InkTest &isInk)
{
    QImage mask(area.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (shot.valid(area.left() + x, area.top() + y) &&
                isInk(shot.pixel(area.left() + x, area.top() + y)))
                mask.setPixel(x, y, inkWhite);
    return mask;
}

QFont programFont(const char *family, int pixelSize, bool bold)
{
    registerStandInFonts();
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

ScreenText::ScreenText(const QFont &font, const QString &alphabet, InkTest isInk)
    : m_font(font), m_alphabet(alphabet), m_isInk(std::move(isInk))
{
}

const QList<ScreenText::Glyph> &ScreenText::glyphsAt(int scale) const
{
    auto found = m_glyphsByScale.find(scale);
    if (found == m_glyphsByScale.end())
        found = m_glyphsByScale.insert(scale, drawGlyphs(scale));
    return *found;
}

QList<ScreenText::Glyph> ScreenText::drawGlyphs(int scale) const
{
    QFont font = m_font;
    font.setPixelSize(m_font.pixelSize() * scale);
    QStringList texts;
    for (QChar first : m_alphabet) {
        texts << QString(first);
        for (QChar second : m_alphabet)
            texts << QString(first) + second;
    }
    QList<Glyph> glyphs;
    for (const QString &text : texts) {
        const QImage picture = drawnText(font, text);
        const QImage mask = inkMask(picture, picture.rect(), darkInk);
        // A pair is kept where its glyphs touch or nearly do: rasterised on the screen they
        // may run into one.
        const QList<QRect> bounds = glyphBounds(mask);
        const bool touching =
            bounds.size() == 1 ||
            (bounds.size() == 2 && bounds[1].left() - bounds[0].right() <= 4 * scale);
        if (text.size() == 1 ? bounds.size() == 1 : touching)
            glyphs.append({text, mask.copy(bounds.first().united(bounds.last()))});
    }
    return glyphs;
}

QString ScreenText::read(const QImage &shot, const QRect &area) const
{
    const int scale = devicePixelsPerLayoutPixel(shot);
    const QImage ink = inkMask(shot, inDevicePixels(shot, area), m_isInk);
    const QList<Glyph> &glyphs = glyphsAt(scale);
    QString text;
    for (const QRect &bounds : glyphBounds(ink)) {
        // Drawn finer than the layout, a neighbour's stroke may reach into the area by less
        // than a layout pixel; that is no glyph.
        const QImage glyph = ink.copy(bounds);
        if (inkCount(glyph) >= scale * scale)
            text += closestText(glyph, glyphs);
    }
    return text;
}

QList<QRect> ScreenText::glyphBounds(const QImage &ink) const
{
    QList<QRect> glyphs;
    int start = -1;
    for (int x = 0; x <= ink.width(); ++x) {
        const bool inked = x < ink.width() && !inkBounds(ink, x, x).isEmpty();
        if (inked && start < 0)
            start = x;
        if (!inked && start >= 0) {
            glyphs << inkBounds(ink, start, x - 1);
            start = -1;
        }
    }
    return glyphs;
}

QString ScreenText::closestText(const QImage &mask, const QList<Glyph> &glyphs) const
{
    // Rasterising may differ by a pixel between the program's window and this picture, so
    // each candidate is tried at the offsets around the glyph's corner.
    QString closest = QChar(QChar::ReplacementCharacter);
    double bestScore = std::numeric_limits<double>::max();
    const int ink = inkCount(mask);
    for (const Glyph &glyph : glyphs) {
        const int total = ink + inkCount(glyph.mask);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const double score = double(mismatches(mask, glyph.mask, dx, dy)) / total;
                if (score < bestScore) {
                    bestScore = score;
                    closest = glyph.text;
                }
            }
        }
    }
    return closest;
}
