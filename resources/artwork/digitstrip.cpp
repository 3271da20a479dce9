// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "odometer/digitcell.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int CellWidth = 15;
constexpr int CellHeight = 20;
constexpr int CellCount = 17; // "0" to "9", "A" to "F", then the blank wheel
constexpr int Background = 22;
constexpr int FrameLine = 70;
// Antialiased glyph edges may not brighten the frame or the background to the highlight
// threshold; glyphs keep a margin of two pixels from every edge of the cell.
constexpr int GlyphMargin = 2;

void drawGlyph(QPainter &painter, int cell, QChar character)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(16);
    font.setBold(true);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(character));
    const QRectF bounds = glyph.boundingRect();
    const QRectF room(GlyphMargin, cell * CellHeight + GlyphMargin, CellWidth - 2 * GlyphMargin,
                      CellHeight - 2 * GlyphMargin);
    // Centre on whole pixels so that every wheel's glyph sits the same way in its cell.
    const QPointF shift(qRound(room.center().x() - bounds.center().x()),
                        qRound(room.center().y() - bounds.center().y()));
    painter.fillPath(glyph.translated(shift), Qt::white);
}

void drawFrame(QPainter &painter, int cell)
{
    painter.setPen(QColor(FrameLine, FrameLine, FrameLine));
    painter.drawRect(0, cell * CellHeight, CellWidth - 1, CellHeight - 1);
}

} // namespace

// The wheels of the odometer: white glyphs on near-black cells with a dim frame line, as an
// 8-bit image with a grey palette. A palette entry of the highlight green is kept spare so
// that the file stays a palette image rather than being stored as plain grey.
QImage drawDigitStrip(int scale)
{
    QImage colour =
        blankPicture(QSize(CellWidth, CellHeight * CellCount), QImage::Format_RGB32, scale);
    colour.fill(QColor(Background, Background, Background));
    QPainter painter(&colour);
    const QString alphabet = QStringLiteral("0123456789ABCDEF");
    for (int cell = 0; cell < CellCount; ++cell) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (cell < alphabet.size())
            drawGlyph(painter, cell, alphabet.at(cell));
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawFrame(painter, cell);
    }
    painter.end();

    // Entry 0 is the spare; the background is far brighter than black, so no pixel needs it.
    QList<QRgb> palette{highlightGreen};
    for (int level = 1; level < 256; ++level)
        palette.append(qRgb(level, level, level));
    QImage strip(colour.size(), QImage::Format_Indexed8);
    strip.setColorTable(palette);
    for (int y = 0; y < colour.height(); ++y)
        for (int x = 0; x < colour.width(); ++x)
            strip.setPixel(x, y, qMax(qGray(colour.pixel(x, y)), 1));
    return strip;
}
