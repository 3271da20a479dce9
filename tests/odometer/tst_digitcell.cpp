// SPDX-License-Identifier: GPL-3.0-or-later
#include "odometer/digitcell.h"
#include "wheelpictures.h"

#include <QTest>

using namespace WheelPictures;

Q_DECLARE_METATYPE(TBaseType)
Q_DECLARE_METATYPE(WheelPictures::Travel)

namespace {

// The fraction of each of the 21 frames of a roll and the offset in pixels it gives a wheel.
constexpr int Fractions[21] = {0,   12,  25,  38,  51,  63,  76,  89,  102, 114, 127,
                               140, 153, 165, 178, 191, 204, 216, 229, 242, 255};
constexpr int Offsets[21] = {0,  0,  1,  2,  4,  4,  5,  6,  8,  8, 9,
                             10, 12, 12, 13, 14, 16, 16, 17, 18, 20};

// Every pixel of this strip is different, so a row taken from the wrong place shows.
QImage distinctRowsStrip()
{
    QImage strip(CellWidth, CellHeight * 17, QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            strip.setPixel(x, y, qRgb(y & 0xFF, y >> 8, x));
    return strip;
}

} // namespace

class TestDigitCell : public QObject
{
    Q_OBJECT

private slots:
    void cellsFollowTheAlphabet();
    void wheelShowsTheNamedStripRows_data();
    void wheelShowsTheNamedStripRows();
    void restingWheelFromBlankIsTheWholeCell();
};

void TestDigitCell::cellsFollowTheAlphabet()
{
    QCOMPARE(digitCell('0'), 0);
    QCOMPARE(digitCell('9'), 9);
    QCOMPARE(digitCell('A'), 10);
    QCOMPARE(digitCell('F'), 15);
    QCOMPARE(digitCell('a'), 16);
    QCOMPARE(digitCell(' '), 16);
    QCOMPARE(topDigit(btBinary), 1);
    QCOMPARE(topDigit(btOctal), 7);
    QCOMPARE(topDigit(btDecimal), 9);
    QCOMPARE(topDigit(btHexadecimal), 15);
}

void TestDigitCell::wheelShowsTheNamedStripRows_data()
{
    QTest::addColumn<char>("from");
    QTest::addColumn<char>("to");
    QTest::addColumn<uint>("value");
    QTest::addColumn<uint>("limit");
    QTest::addColumn<bool>("incrementing");
    QTest::addColumn<TBaseType>("baseType");
    QTest::addColumn<bool>("topToBottom");
    QTest::addColumn<Travel>("travel");

    const uint decimal8 = 99999999;
    // Carry rolls: a top digit turning 0 on a step up, or any 0 after a wrap to 0.
    QTest::newRow("carry 9-0") << '9' << '0' << 10u << decimal8 << true << btDecimal << false
                               << Travel::Up;
    QTest::newRow("carry 9-0 top to bottom")
        << '9' << '0' << 10u << decimal8 << true << btDecimal << true << Travel::Down;
    QTest::newRow("carry 1-0 binary")
        << '1' << '0' << 0u << 255u << true << btBinary << false << Travel::Up;
    QTest::newRow("carry 7-0 octal")
        << '7' << '0' << 8u << 16777215u << true << btOctal << false << Travel::Up;
    QTest::newRow("carry F-0 hex")
        << 'F' << '0' << 16u << 0xFFFFFFFFu << true << btHexadecimal << false << Travel::Up;
    QTest::newRow("carry of a leading zero at wrap")
        << '0' << '0' << 0u << 0xFFFFFFFFu << true << btDecimal << false << Travel::Up;
    QTest::newRow("carry before neighbour: 1-0 at wrap")
        << '1' << '0' << 0u << 0xFFFFFFFFu << true << btDecimal << false << Travel::Up;
    QTest::newRow("carry from blank at 0")
        << ' ' << '0' << 0u << decimal8 << true << btDecimal << true << Travel::Down;

    // Borrow rolls: 0 turning the top digit on a step down, or any 0 after a wrap to Limit.
    QTest::newRow("borrow 0-9") << '0' << '9' << 9u << decimal8 << false << btDecimal << false
                                << Travel::Down;
    QTest::newRow("borrow 0-9 top to bottom")
        << '0' << '9' << 9u << decimal8 << false << btDecimal << true << Travel::Up;
    QTest::newRow("borrow 0-1 binary")
        << '0' << '1' << 255u << 255u << false << btBinary << false << Travel::Down;
    QTest::newRow("borrow of a leading zero at wrap")
        << '0' << '0' << 0xFFFFFFFFu << 0xFFFFFFFFu << false << btDecimal << false << Travel::Down;
    QTest::newRow("borrow before neighbour: 0-1 at wrap")
        << '0' << '1' << 0xFFFFFFFFu << 0xFFFFFFFFu << false << btDecimal << false << Travel::Down;

    // Neighbour rolls: a higher digit travels like a carry, a lower one like a borrow.
    QTest::newRow("neighbour 0-1")
        << '0' << '1' << 10u << decimal8 << true << btDecimal << false << Travel::Up;
    QTest::newRow("neighbour 0-1 top to bottom")
        << '0' << '1' << 10u << decimal8 << true << btDecimal << true << Travel::Down;
    QTest::newRow("neighbour 1-0")
        << '1' << '0' << 9u << decimal8 << false << btDecimal << false << Travel::Down;
    QTest::newRow("neighbour 1-0 top to bottom")
        << '1' << '0' << 9u << decimal8 << false << btDecimal << true << Travel::Up;
    QTest::newRow("neighbour 9-A hex")
        << '9' << 'A' << 10u << 0xFFFFFFFFu << true << btHexadecimal << false << Travel::Up;
    QTest::newRow("neighbour A-9 hex")
        << 'A' << '9' << 9u << 0xFFFFFFFFu << false << btHexadecimal << false << Travel::Down;
    QTest::newRow("neighbour from blank to F")
        << ' ' << 'F' << 15u << 0xFFFFFFFFu << true << btHexadecimal << false << Travel::Down;

    // Standing wheels show the new digit whole.
    QTest::newRow("standing 0-0") << '0' << '0' << 10u << decimal8 << true << btDecimal << false
                                  << Travel::Stand;
    QTest::newRow("standing jump 3-7")
        << '3' << '7' << 7u << decimal8 << true << btDecimal << false << Travel::Stand;
    QTest::newRow("standing 9-0 hex step up")
        << '9' << '0' << 5u << 0xFFFFFFFFu << true << btHexadecimal << false << Travel::Stand;
    QTest::newRow("standing 0-9 step up")
        << '0' << '9' << 5u << decimal8 << true << btDecimal << false << Travel::Stand;
    QTest::newRow("standing from blank")
        << ' ' << '5' << 5u << decimal8 << true << btDecimal << false << Travel::Stand;
}

void TestDigitCell::wheelShowsTheNamedStripRows()
{
    QFETCH(char, from);
    QFETCH(char, to);
    QFETCH(uint, value);
    QFETCH(uint, limit);
    QFETCH(bool, incrementing);
    QFETCH(TBaseType, baseType);
    QFETCH(bool, topToBottom);
    QFETCH(Travel, travel);

    const QImage strip = distinctRowsStrip();
    const int f = cellOf(QChar::fromLatin1(from));
    const int t = cellOf(QChar::fromLatin1(to));
    QImage target(CellWidth, CellHeight, QImage::Format_RGB32);
    for (int frame = 0; frame < 21; ++frame) {
        target.fill(Qt::magenta);
        ComposeDigitCell(from, to, target, strip, Fractions[frame], value, limit, incrementing,
                         baseType, topToBottom);
        const QImage expected = wheelPicture(strip, f, t, travel, Offsets[frame]);
        QVERIFY2(samePixels(target, expected), qPrintable(QStringLiteral("frame %1").arg(frame)));
    }
}

void TestDigitCell::restingWheelFromBlankIsTheWholeCell()
{
    const QImage strip = distinctRowsStrip();
    QImage target(CellWidth, CellHeight, QImage::Format_RGB32);
    for (TBaseType baseType : {btBinary, btOctal, btDecimal, btHexadecimal}) {
        for (char digit : std::string_view("0123456789ABCDEF")) {
            for (uint value : {0u, 1u, 255u}) {
                target.fill(Qt::magenta);
                ComposeDigitCell(' ', digit, target, strip, 255, value, 255, true, baseType,
                                 value == 1);
                QVERIFY(samePixels(target, wheelPicture(strip, digitCell(digit), digitCell(digit),
                                                        Travel::Stand, 0)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestDigitCell)
#include "tst_digitcell.moc"
