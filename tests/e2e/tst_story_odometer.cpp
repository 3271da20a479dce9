// SPDX-License-Identifier: GPL-3.0-or-later
// The Odometer page as a user meets it: the buttons clicked with the pointer, a value typed
// into the decimal entry box, automatic counting left to run, the pointer held over
// digits. How the screen is read:
// - the four odometers by cutting their wheels out of the screenshot and matching them,
//   pixel by pixel, against the cells of the digit strip DIGITS drawn for the screen's
//   scale, plain and green (ReadWheelRow); a wheel caught mid-roll matches no cell and
//   reads '?';
// - the running direction of the automatic counting by the red ink of its arrow's caption,
//   and the buttons switched off meanwhile by the grey, not dark blue, of their captions;
// - the entry box's being open by the decimal odometer it covers.
#include "devicepixels.h"
#include "story.h"
#include "wheelreader.h"

#include <QTest>

namespace {

struct OdometerPlace
{
    QPoint topLeft; // in the page
    int wheels;
};

// The one-byte layout.
constexpr OdometerPlace binary{{180, 69}, 8};
constexpr OdometerPlace octal{{255, 105}, 3};
constexpr OdometerPlace decimal{{254, 142}, 3};
constexpr OdometerPlace hexadecimal{{269, 180}, 2};

const QRect plusButton(40, 67, 34, 27);
const QRect minusButton(40, 100, 34, 27);
const QRect upButton(30, 147, 25, 27);
const QRect downButton(61, 147, 25, 27);
const QRect entryButton(40, 180, 34, 27);
constexpr QPoint awayFromControls(5, 300);

WheelRow read(const QImage &shot, const OdometerPlace &place)
{
    return readWheelRow(shot, onPage(place.topLeft), place.wheels);
}

// The four odometers as they read, binary, octal, decimal and hexadecimal.
QStringList odometers(const QImage &shot)
{
    return {read(shot, binary).digits, read(shot, octal).digits, read(shot, decimal).digits,
            read(shot, hexadecimal).digits};
}

int inkIn(const QImage &shot, const QRect &button, bool (*isInk)(QRgb))
{
    int count = 0;
    const QRect area = inDevicePixels(shot, onPage(button));
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isInk(shot.pixel(x, y)) ? 1 : 0;
    return count;
}

bool captionIsRed(const QImage &shot, const QRect &button)
{
    return inkIn(shot, button, [](QRgb pixel) {
               return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
           }) > 10;
}

// An enabled button writes its caption in dark blue; a disabled one in grey.
bool captionIsDarkBlue(const QImage &shot, const QRect &button)
{
    return inkIn(shot, button, [](QRgb pixel) {
               return qAbs(qRed(pixel) - 30) < 12 && qAbs(qGreen(pixel) - 57) < 12 &&
                      qAbs(qBlue(pixel) - 91) < 12;
           }) > 2;
}

} // namespace

class OdometerStory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void threeClicksOnPlusShowThreeOnAllFourOdometers();
    void aValueTypedAfterTheEntryButtonShowsOnAllFour();
    void stepsWrapRoundTheByte();
    void countsUpByItselfOnceASecond();
    void pointingAtTheFirstOctalDigitLightsTwoBinaryDigits();
    void pointingAtTheSecondHexDigitLightsTheLowFourBinaryDigits();

private:
    // Waits until the odometers stand at these digits, and keeps the screenshot.
    bool waitForOdometers(const QStringList &digits, const QString &shotName);

    Story story{QStringLiteral("odometer")};
    QImage shot;
};

void OdometerStory::initTestCase()
{
    const QString failure = story.start();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(waitForOdometers({"00000000", "000", "000", "00"}, QStringLiteral("opening.png")));
}

bool OdometerStory::waitForOdometers(const QStringList &digits, const QString &shotName)
{
    return story.waitForScreen(
        shotName, [&](const QImage &s) { return odometers(s) == digits; }, shot);
}

void OdometerStory::threeClicksOnPlusShowThreeOnAllFourOdometers()
{
    const QStringList one{"00000001", "001", "001", "01"};
    const QStringList two{"00000010", "002", "002", "02"};
    const QStringList three{"00000011", "003", "003", "03"};
    for (const QStringList &digits : {one, two, three}) {
        story.click(onPage(plusButton.center()));
        QVERIFY2(waitForOdometers(digits, QStringLiteral("plus.png")),
                 qPrintable(odometers(shot).join(u' ')));
    }
    QCOMPARE(odometers(shot), three);
}

void OdometerStory::aValueTypedAfterTheEntryButtonShowsOnAllFour()
{
    story.click(onPage(entryButton.center()));
    // The box opens over the decimal odometer with its value selected, ready to be typed
    // over.
    QVERIFY(story.waitForScreen(
        QStringLiteral("entry-open.png"),
        [](const QImage &s) { return read(s, decimal).digits == QLatin1String("???"); }, shot));

    story.typeText(QStringLiteral("255"));
    story.pressKey(QStringLiteral("Return"));
    QVERIFY2(waitForOdometers({"11111111", "377", "255", "FF"}, QStringLiteral("entry-255.png")),
             qPrintable(odometers(shot).join(u' ')));
}

void OdometerStory::stepsWrapRoundTheByte()
{
    story.click(onPage(plusButton.center()));
    QVERIFY2(waitForOdometers({"00000000", "000", "000", "00"}, QStringLiteral("wrap-up.png")),
             qPrintable(odometers(shot).join(u' ')));
    story.click(onPage(minusButton.center()));
    QVERIFY2(waitForOdometers({"11111111", "377", "255", "FF"}, QStringLiteral("wrap-down.png")),
             qPrintable(odometers(shot).join(u' ')));
}

void OdometerStory::countsUpByItselfOnceASecond()
{
    story.click(onPage(upButton.center()));
    story.moveMouse(awayFromControls);
    QVERIFY(story.waitForScreen(
        QStringLiteral("counting.png"), [](const QImage &s) { return captionIsRed(s, upButton); },
        shot));
    QVERIFY(!captionIsRed(shot, downButton));
    for (const QRect &button : {plusButton, minusButton, entryButton})
        QVERIFY(!captionIsDarkBlue(shot, button));

    // Three seconds of counting: the first step comes a second after the press. Every
    // value the odometers stand at on the way is noted.
    QStringList values{read(shot, hexadecimal).digits};
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3300) {
        const QStringList now = odometers(story.screen());
        if (!now.join(QString()).contains(u'?') && now.last() != values.last()) {
            values << now.last();
            QCOMPARE(now, odometers(story.shot(QStringLiteral("counted.png"))));
        }
    }
    story.click(onPage(upButton.center()));
    story.moveMouse(awayFromControls);
    QVERIFY(story.waitForScreen(
        QStringLiteral("stopped.png"),
        [](const QImage &s) {
            return !captionIsRed(s, upButton) && captionIsDarkBlue(s, plusButton) &&
                   captionIsDarkBlue(s, minusButton) && captionIsDarkBlue(s, entryButton) &&
                   !odometers(s).join(QString()).contains(u'?');
        },
        shot));
    QVERIFY2(values.size() >= 3 && values.size() <= 4, qPrintable(values.join(u' ')));
    QCOMPARE(values, QStringList({"FF", "00", "01", "02"}).mid(0, values.size()));

    // Stopped, and the last roll over: a second and a half later the value stands still.
    const QStringList stopped = odometers(shot);
    QTest::qWait(1500);
    QCOMPARE(odometers(story.shot(QStringLiteral("still-stopped.png"))), stopped);
}

void OdometerStory::pointingAtTheFirstOctalDigitLightsTwoBinaryDigits()
{
    story.moveMouse(onPage(octal.topLeft + QPoint(7, 10)));
    QVERIFY(story.waitForScreen(
        QStringLiteral("hover-octal.png"),
        [](const QImage &s) { return read(s, binary).lit.value(0); }, shot));
    const WheelRow binaryRow = read(shot, binary);
    QCOMPARE(binaryRow.lit, (QList<bool>{true, true, false, false, false, false, false, false}));
    QCOMPARE(read(shot, octal).lit, (QList<bool>{true, false, false}));
    QCOMPARE(read(shot, hexadecimal).lit, (QList<bool>{false, false}));
}

void OdometerStory::pointingAtTheSecondHexDigitLightsTheLowFourBinaryDigits()
{
    story.moveMouse(onPage(hexadecimal.topLeft + QPoint(15 + 7, 10)));
    QVERIFY(story.waitForScreen(
        QStringLiteral("hover-hex.png"),
        [](const QImage &s) { return read(s, binary).lit.value(7); }, shot));
    QCOMPARE(read(shot, binary).lit,
             (QList<bool>{false, false, false, false, true, true, true, true}));
    QCOMPARE(read(shot, hexadecimal).lit, (QList<bool>{false, true}));
    // Leaving the octal odometer put out its light.
    QCOMPARE(read(shot, octal).lit, (QList<bool>{false, false, false}));
}

QTEST_MAIN(OdometerStory)
#include "tst_story_odometer.moc"
