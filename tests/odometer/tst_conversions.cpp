// SPDX-License-Identifier: GPL-3.0-or-later
#include "odometer/conversions.h"

#include <QTest>

#include <cstdio>
#include <string>

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void binaryDigitsKeepExactlyTheCount();
    void octalHasNoLeadingZeros();
    void octalReadsBack();
    void radixReadingTakesAnyCaseAndWraps();
    void valueToDigitsPadsButNeverCuts();
    void roundTripsOverASweep();
};

void TestConversions::binaryDigitsKeepExactlyTheCount()
{
    QCOMPARE(IntToBin(5, 8), "00000101");
    QCOMPARE(IntToBin(511, 8), "11111111");
    QCOMPARE(IntToBin(9, 3), "001");
    QCOMPARE(IntToBin(0xFFFFFFFFu, 40), std::string(32, '1'));
    QCOMPARE(IntToBin(7, 0), "");
    QCOMPARE(IntToBin(7, -3), "");
    QCOMPARE(IntToBin(0x80000000u, 32), "1" + std::string(31, '0'));
}

void TestConversions::octalHasNoLeadingZeros()
{
    QCOMPARE(IntToOct(0), "0");
    QCOMPARE(IntToOct(8), "10");
    QCOMPARE(IntToOct(4294967295u), "37777777777");
}

void TestConversions::octalReadsBack()
{
    QCOMPARE(OctToInt("777"), 511u);
    QCOMPARE(OctToInt(std::string(10, '7')), 1073741823u);
    QCOMPARE(OctToInt("0"), 0u);
    // Eleven sevens overflow and wrap modulo 2^32.
    QCOMPARE(OctToInt(std::string(11, '7')), 4294967295u);
}

void TestConversions::radixReadingTakesAnyCaseAndWraps()
{
    QCOMPARE(RadixToInt("11111111", 2), 255u);
    QCOMPARE(RadixToInt("ff", 16), 255u);
    QCOMPARE(RadixToInt("FF", 16), 255u);
    QCOMPARE(RadixToInt("", 10), 0u);
    QCOMPARE(RadixToInt(std::string(32, '1'), 2), 4294967295u);
    QCOMPARE(RadixToInt("99999999", 10), 99999999u);
    // Digits too large for the radix are not refused: "9" in radix 8 adds 9.
    QCOMPARE(RadixToInt("19", 8), 17u);
    QCOMPARE(RadixToInt("100000000", 16), 0u);
}

void TestConversions::valueToDigitsPadsButNeverCuts()
{
    QCOMPARE(ValueToDigits(btHexadecimal, 255, 4), "00FF");
    QCOMPARE(ValueToDigits(btOctal, 8, 6), "000010");
    QCOMPARE(ValueToDigits(btDecimal, 0, 5), "00000");
    QCOMPARE(ValueToDigits(btDecimal, 4294967295u, 5), "4294967295");
    QCOMPARE(ValueToDigits(btBinary, 300, 8), "00101100");
    QCOMPARE(ValueToDigits(btHexadecimal, 99999999, 8), "05F5E0FF");
    QCOMPARE(ValueToDigits(btOctal, 4294967295u, 11), "37777777777");
    QCOMPARE(ValueToDigits(btHexadecimal, 0xABCDEF, 1), "ABCDEF");
}

void TestConversions::roundTripsOverASweep()
{
    char expected[40];
    for (std::uint64_t step = 0; step <= 0xFFFFFFFFull; step += 65521) {
        const auto value = static_cast<std::uint32_t>(step * 2654435761ull);
        QCOMPARE(RadixToInt(IntToBin(value, 32), 2), value);
        QCOMPARE(OctToInt(IntToOct(value)), value);

        std::snprintf(expected, sizeof expected, "%o", value);
        QCOMPARE(IntToOct(value), std::string(expected));
        std::snprintf(expected, sizeof expected, "%010u", value);
        QCOMPARE(ValueToDigits(btDecimal, value, 10), std::string(expected));
        std::snprintf(expected, sizeof expected, "%08X", value);
        QCOMPARE(ValueToDigits(btHexadecimal, value, 8), std::string(expected));
        QCOMPARE(RadixToInt(expected, 16), value);
        QCOMPARE(ValueToDigits(btOctal, value, 11).size(), std::size_t(11));
        QCOMPARE(ValueToDigits(btBinary, value, 17).size(), std::size_t(17));
    }
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
