// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelpictures.h"

#include <QTest>

#include <set>

using namespace WheelPictures;

// The digit strip as the program ships it: its geometry, its palette and the grey levels that
// keep the green highlight on the glyphs alone.
class TestDigitStrip : public QObject
{
    Q_OBJECT

private slots:
    void isAPaletteImageOfSeventeenCells();
    void onlyGlyphsReachGreyLevel128();
    void everyCellIsFramed();
    void glyphsAreDistinctAndTheLastCellBlank();

private:
    static bool onFrame(int x, int y)
    {
        return x == 0 || x == CellWidth - 1 || y % CellHeight == 0 ||
               y % CellHeight == CellHeight - 1;
    }
    const QImage file{QStringLiteral(":/DIGITS")};
};

void TestDigitStrip::isAPaletteImageOfSeventeenCells()
{
    QCOMPARE(file.size(), QSize(15, 340));
    QCOMPARE(file.format(), QImage::Format_Indexed8);
    QCOMPARE(file.colorCount(), 256);
    QCOMPARE(file.height() / 17, CellHeight);
}

void TestDigitStrip::onlyGlyphsReachGreyLevel128()
{
    for (int y = 0; y < file.height(); ++y) {
        for (int x = 0; x < file.width(); ++x) {
            const QRgb colour = file.pixel(x, y);
            QVERIFY2(qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour),
                     qPrintable(QStringLiteral("pixel %1,%2 is not grey").arg(x).arg(y)));
            if (onFrame(x, y))
                QVERIFY2(qGray(colour) < 128,
                         qPrintable(QStringLiteral("frame pixel %1,%2 too light").arg(x).arg(y)));
        }
    }
}

void TestDigitStrip::everyCellIsFramed()
{
    for (int cell = 0; cell < 17; ++cell) {
        const int top = cell * CellHeight;
        const int background = qGray(file.pixel(CellWidth / 2, top + 1));
        const int frame = qGray(file.pixel(0, top));
        QVERIFY(frame > background);
        for (int y = top; y < top + CellHeight; ++y)
            for (int x = 0; x < CellWidth; ++x)
                if (onFrame(x, y))
                    QCOMPARE(qGray(file.pixel(x, y)), frame);
    }
}

void TestDigitStrip::glyphsAreDistinctAndTheLastCellBlank()
{
    std::set<QByteArray> glyphs;
    for (int cell = 0; cell < 17; ++cell) {
        QByteArray lightPixels;
        for (int y = cell * CellHeight; y < (cell + 1) * CellHeight; ++y)
            for (int x = 0; x < CellWidth; ++x)
                lightPixels.append(qGray(file.pixel(x, y)) >= 128 ? '#' : '.');
        const bool hasGlyph = lightPixels.contains('#');
        QCOMPARE(hasGlyph, cell < 16);
        glyphs.insert(lightPixels);
    }
    QCOMPARE(glyphs.size(), std::size_t(17));
}

QTEST_GUILESS_MAIN(TestDigitStrip)
#include "tst_digitstrip.moc"
