// SPDX-License-Identifier: GPL-3.0-or-later
// The Odometer page's rules that need no window: the two layouts, the wrap of the octal and
// decimal odometers into the width, and the digit groups the hover link lights.
#include "odometer/radixtypes.h"
#include "pages/odometer/digitgroups.h"
#include "pages/odometer/odometerlayout.h"
#include "pages/odometer/widthwrap.h"

#include <QTest>

namespace {

constexpr int wheelWidth = 15;

// What an odometer of this radix and digit count does on its own at a step: wrap at 0 and
// at its limit, the largest value its digits show.
quint32 ownLimit(TBaseType baseType, quint8 digits)
{
    const quint64 radix[] = {2, 8, 10, 16};
    quint64 range = 1;
    for (int digit = 0; digit < digits; ++digit)
        range *= radix[baseType];
    return quint32(range - 1);
}

quint32 ownStep(quint32 value, quint32 limit, bool up)
{
    if (up)
        return value == limit ? 0 : value + 1;
    return value == 0 ? limit : value - 1;
}

} // namespace

class TestOdometerRules : public QObject
{
    Q_OBJECT

private slots:
    void layoutsLineUpTheRightEnds_data();
    void layoutsLineUpTheRightEnds();
    void digitCountsSpanTheWidth_data();
    void digitCountsSpanTheWidth();
    void everyStepOfOctalAndDecimalWrapsWithinTheWidth_data();
    void everyStepOfOctalAndDecimalWrapsWithinTheWidth();
    void valuesWithinTheWidthStayAsTheyAre();
    void pointerPositionsTruncateTowardZero();
    void hexDigitLightsFourBinaryDigits_data();
    void hexDigitLightsFourBinaryDigits();
    void octalDigitLightsItsGroupCutAtTheLeft_data();
    void octalDigitLightsItsGroupCutAtTheLeft();
    void octalGroupsCoverEveryBinaryDigitOnce_data();
    void octalGroupsCoverEveryBinaryDigitOnce();
    void positionsBeyondTheLastDigitLightNothing();
};

void TestOdometerRules::layoutsLineUpTheRightEnds_data()
{
    QTest::addColumn<quint8>("bytes");
    QTest::addColumn<int>("binaryAndOctalEnd");
    QTest::addColumn<int>("decimalAndHexEnd");
    QTest::addColumn<int>("boxEnd");
    QTest::newRow("one byte") << quint8(1) << 300 << 299 << 300;
    QTest::newRow("two bytes") << quint8(2) << 420 << 419 << 419;
    QTest::newRow("any other value is two bytes") << quint8(4) << 420 << 419 << 419;
}

void TestOdometerRules::layoutsLineUpTheRightEnds()
{
    QFETCH(quint8, bytes);
    const OdometerLayout layout = layoutForWidth(bytes);
    const auto end = [&](int left, int digits) { return left + wheelWidth * digits; };
    QTEST(end(layout.od1Left, layout.digitCounts[0]), "binaryAndOctalEnd");
    QTEST(end(layout.od2Left, layout.digitCounts[1]), "binaryAndOctalEnd");
    QTEST(end(layout.od3Left, layout.digitCounts[2]), "decimalAndHexEnd");
    QTEST(end(layout.od4Left, layout.digitCounts[3]), "decimalAndHexEnd");
    QTEST(layout.decenterLeft + layout.decenterWidth, "boxEnd");
    // The box lies over the decimal odometer, wide enough for its digits.
    QVERIFY(layout.decenterLeft <= layout.od3Left);
    QVERIFY(layout.decenterWidth >= wheelWidth * layout.digitCounts[2]);
    QCOMPARE(layout.boardPicture, bytes == 1 ? 0 : 1);
}

void TestOdometerRules::digitCountsSpanTheWidth_data()
{
    QTest::addColumn<quint8>("bytes");
    QTest::newRow("one byte") << quint8(1);
    QTest::newRow("two bytes") << quint8(2);
}

void TestOdometerRules::digitCountsSpanTheWidth()
{
    QFETCH(quint8, bytes);
    const OdometerLayout layout = layoutForWidth(bytes);
    // Binary and hexadecimal show exactly the width; octal and decimal at least all of it.
    QCOMPARE(ownLimit(btBinary, layout.digitCounts[0]), layout.largestValue);
    QCOMPARE(ownLimit(btHexadecimal, layout.digitCounts[3]), layout.largestValue);
    QVERIFY(ownLimit(btOctal, layout.digitCounts[1]) >= layout.largestValue);
    QVERIFY(ownLimit(btOctal, layout.digitCounts[1] - 1) < layout.largestValue);
    QVERIFY(ownLimit(btDecimal, layout.digitCounts[2]) >= layout.largestValue);
    QVERIFY(ownLimit(btDecimal, layout.digitCounts[2] - 1) < layout.largestValue);
    QCOMPARE(layout.decenterMaxLength, QString::number(layout.largestValue).size());
    QCOMPARE(layout.digitCounts[0], 4 * layout.digitCounts[3]);
}

void TestOdometerRules::everyStepOfOctalAndDecimalWrapsWithinTheWidth_data()
{
    QTest::addColumn<quint8>("bytes");
    QTest::addColumn<TBaseType>("baseType");
    QTest::newRow("octal, one byte") << quint8(1) << btOctal;
    QTest::newRow("decimal, one byte") << quint8(1) << btDecimal;
    QTest::newRow("octal, two bytes") << quint8(2) << btOctal;
    QTest::newRow("decimal, two bytes") << quint8(2) << btDecimal;
    QTest::newRow("binary, two bytes") << quint8(2) << btBinary;
    QTest::newRow("hexadecimal, one byte") << quint8(1) << btHexadecimal;
}

void TestOdometerRules::everyStepOfOctalAndDecimalWrapsWithinTheWidth()
{
    QFETCH(quint8, bytes);
    QFETCH(TBaseType, baseType);
    const OdometerLayout layout = layoutForWidth(bytes);
    const quint8 digits = layout.digitCounts[baseType];
    const quint32 limit = ownLimit(baseType, digits);
    const quint64 widthRange = quint64(layout.largestValue) + 1;
    for (quint32 value = 0; value <= layout.largestValue; ++value) {
        for (bool up : {true, false}) {
            const quint32 expected = quint32((value + widthRange + (up ? 1 : -1)) % widthRange);
            const quint32 wrapped = wrapIntoWidth(bytes, baseType, ownStep(value, limit, up));
            if (wrapped != expected)
                QFAIL(qPrintable(QStringLiteral("%1 %2 gives %3, not %4")
                                     .arg(value)
                                     .arg(up ? "+ 1" : "- 1")
                                     .arg(wrapped)
                                     .arg(expected)));
        }
    }
}

void TestOdometerRules::valuesWithinTheWidthStayAsTheyAre()
{
    for (quint8 bytes : {quint8(1), quint8(2)}) {
        const quint32 top = layoutForWidth(bytes).largestValue;
        for (TBaseType baseType : {btBinary, btOctal, btDecimal, btHexadecimal}) {
            for (quint32 value : {0u, 1u, top / 2, top - 1, top})
                QCOMPARE(wrapIntoWidth(bytes, baseType, value), value);
        }
    }
}

void TestOdometerRules::pointerPositionsTruncateTowardZero()
{
    QCOMPARE(digitUnderPointer(0), 1);
    QCOMPARE(digitUnderPointer(14), 1);
    QCOMPARE(digitUnderPointer(15), 2);
    QCOMPARE(digitUnderPointer(29), 2);
    QCOMPARE(digitUnderPointer(30), 3);
    // Less than one cell left of the first digit still counts as the first digit.
    QCOMPARE(digitUnderPointer(-14), 1);
    QCOMPARE(digitUnderPointer(-15), 0);
    QCOMPARE(singleDigit(3).start, quint8(3));
    QCOMPARE(singleDigit(3).end, quint8(3));
}

void TestOdometerRules::hexDigitLightsFourBinaryDigits_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("first") << 1 << 1 << 4;
    QTest::newRow("second") << 2 << 5 << 8;
    QTest::newRow("third") << 3 << 9 << 12;
    QTest::newRow("fourth") << 4 << 13 << 16;
}

void TestOdometerRules::hexDigitLightsFourBinaryDigits()
{
    QFETCH(int, k);
    const DigitRange lit = hexDigitOnBinary(k);
    QTEST(int(lit.start), "first");
    QTEST(int(lit.end), "last");
}

void TestOdometerRules::octalDigitLightsItsGroupCutAtTheLeft_data()
{
    QTest::addColumn<int>("octalDigits");
    QTest::addColumn<int>("binaryDigits");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("one byte, 1") << 3 << 8 << 1 << 1 << 2;
    QTest::newRow("one byte, 2") << 3 << 8 << 2 << 3 << 5;
    QTest::newRow("one byte, 3") << 3 << 8 << 3 << 6 << 8;
    QTest::newRow("two bytes, 1") << 6 << 16 << 1 << 1 << 1;
    QTest::newRow("two bytes, 2") << 6 << 16 << 2 << 2 << 4;
    QTest::newRow("two bytes, 3") << 6 << 16 << 3 << 5 << 7;
    QTest::newRow("two bytes, 4") << 6 << 16 << 4 << 8 << 10;
    QTest::newRow("two bytes, 5") << 6 << 16 << 5 << 11 << 13;
    QTest::newRow("two bytes, 6") << 6 << 16 << 6 << 14 << 16;
}

void TestOdometerRules::octalDigitLightsItsGroupCutAtTheLeft()
{
    QFETCH(int, octalDigits);
    QFETCH(int, binaryDigits);
    QFETCH(int, k);
    const DigitRange lit = octalDigitOnBinary(k, octalDigits, binaryDigits);
    QTEST(int(lit.start), "first");
    QTEST(int(lit.end), "last");
}

void TestOdometerRules::octalGroupsCoverEveryBinaryDigitOnce_data()
{
    QTest::addColumn<int>("octalDigits");
    QTest::addColumn<int>("binaryDigits");
    for (int octal = 1; octal <= 11; ++octal) {
        for (int binary = 3 * octal - 2; binary <= 3 * octal; ++binary)
            QTest::addRow("%d octal, %d binary", octal, binary) << octal << binary;
    }
}

void TestOdometerRules::octalGroupsCoverEveryBinaryDigitOnce()
{
    QFETCH(int, octalDigits);
    QFETCH(int, binaryDigits);
    // From the left, the groups follow each other without gap or overlap, the rightmost
    // three wide, and together they cover exactly the binary digits.
    int nextBinaryDigit = 1;
    for (int k = 1; k <= octalDigits; ++k) {
        const DigitRange lit = octalDigitOnBinary(k, octalDigits, binaryDigits);
        QCOMPARE(int(lit.start), nextBinaryDigit);
        QVERIFY(lit.end >= lit.start && lit.end - lit.start < 3);
        if (k > 1)
            QCOMPARE(lit.end - lit.start, 2);
        nextBinaryDigit = lit.end + 1;
    }
    QCOMPARE(nextBinaryDigit, binaryDigits + 1);
}

void TestOdometerRules::positionsBeyondTheLastDigitLightNothing()
{
    for (quint8 bytes : {quint8(1), quint8(2)}) {
        const OdometerLayout layout = layoutForWidth(bytes);
        const int binaryDigits = layout.digitCounts[0];
        const int octalDigits = layout.digitCounts[1];
        const int hexDigits = layout.digitCounts[3];
        const int pastOctal = digitUnderPointer(wheelWidth * octalDigits);
        const int pastHex = digitUnderPointer(wheelWidth * hexDigits);
        QVERIFY(singleDigit(pastOctal).start > octalDigits);
        QVERIFY(singleDigit(pastHex).start > hexDigits);
        QVERIFY(octalDigitOnBinary(pastOctal, octalDigits, binaryDigits).start > binaryDigits);
        QVERIFY(hexDigitOnBinary(pastHex).start > binaryDigits);
    }
}

QTEST_MAIN(TestOdometerRules)
#include "tst_odometerrules.moc"
