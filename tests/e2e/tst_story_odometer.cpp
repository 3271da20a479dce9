// The Odometer page as a user meets it: the buttons clicked with the pointer, a value typed
// into the decimal entry box, automatic counting left to run, the pointer held over
// digits. How the screen is read:
// - the four odometers by cutting their wheels out of the screenshot and matching them,
//   pixel by pixel, against the cells of the digit strip DIGITS, plain and green
//   (ReadWheelRow); a wheel caught mid-roll matches no cell and reads '?';
// - the running direction of the automatic counting by the red ink of its arrow's caption,
//   and the buttons switched off meanwhile by the grey, not dark blue, of their captions;
// - the entry box's being open by the decimal odometer it covers.
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

WheelRow Read(const QImage &shot, const OdometerPlace &place)
{
    return ReadWheelRow(shot, OnPage(place.topLeft), place.wheels);
}

// The four odometers as they read, binary, octal, decimal and hexadecimal.
QStringList Odometers(const QImage &shot)
{
    return {Read(shot, binary).digits, Read(shot, octal).digits, Read(shot, decimal).digits,
            Read(shot, hexadecimal).digits};
}

int InkIn(const QImage &shot, const QRect &button, bool (*isInk)(QRgb))
{
    int count = 0;
    const QRect area = OnPage(button);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isInk(shot.pixel(x, y)) ? 1 : 0;
    return count;
}

bool CaptionIsRed(const QImage &shot, const QRect &button)
{
    return InkIn(shot, button, [](QRgb pixel) {
               return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
           }) > 10;
}

// An enabled button writes its caption in dark blue; a disabled one in grey.
bool CaptionIsDarkBlue(const QImage &shot, const QRect &button)
{
    return InkIn(shot, button, [](QRgb pixel) {
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
        shotName, [&](const QImage &s) { return Odometers(s) == digits; }, shot);
}

void OdometerStory::threeClicksOnPlusShowThreeOnAllFourOdometers()
{
    const QStringList one{"00000001", "001", "001", "01"};
    const QStringList two{"00000010", "002", "002", "02"};
    const QStringList three{"00000011", "003", "003", "03"};
    for (const QStringList &digits : {one, two, three}) {
        story.click(OnPage(plusButton.center()));
        QVERIFY2(waitForOdometers(digits, QStringLiteral("plus.png")),
                 qPrintable(Odometers(shot).join(u' ')));
    }
    QCOMPARE(Odometers(shot), three);
}

void OdometerStory::aValueTypedAfterTheEntryButtonShowsOnAllFour()
{
    story.click(OnPage(entryButton.center()));
    // The box opens over the decimal odometer with its value selected, ready to be typed
    // over.
    QVERIFY(story.waitForScreen(
        QStringLiteral("entry-open.png"),
        [](const QImage &s) { return Read(s, decimal).digits == QLatin1String("???"); }, shot));

    story.typeText(QStringLiteral("255"));
    story.pressKey(QStringLiteral("Return"));
    QVERIFY2(waitForOdometers({"11111111", "377", "255", "FF"}, QStringLiteral("entry-255.png")),
             qPrintable(Odometers(shot).join(u' ')));
}

void OdometerStory::stepsWrapRoundTheByte()
{
    story.click(OnPage(plusButton.center()));
    QVERIFY2(waitForOdometers({"00000000", "000", "000", "00"}, QStringLiteral("wrap-up.png")),
             qPrintable(Odometers(shot).join(u' ')));
    story.click(OnPage(minusButton.center()));
    QVERIFY2(waitForOdometers({"11111111", "377", "255", "FF"}, QStringLiteral("wrap-down.png")),
             qPrintable(Odometers(shot).join(u' ')));
}

void OdometerStory::countsUpByItselfOnceASecond()
{
    story.click(OnPage(upButton.center()));
    story.moveMouse(awayFromControls);
    QVERIFY(story.waitForScreen(
        QStringLiteral("counting.png"), [](const QImage &s) { return CaptionIsRed(s, upButton); },
        shot));
    QVERIFY(!CaptionIsRed(shot, downButton));
    for (const QRect &button : {plusButton, minusButton, entryButton})
        QVERIFY(!CaptionIsDarkBlue(shot, button));

    // Three seconds of counting: the first step comes a second after the press. Every
    // value the odometers stand at on the way is noted.
    QStringList values{Read(shot, hexadecimal).digits};
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3300) {
        const QStringList now = Odometers(story.session().screenshot(story.window()));
        if (!now.join(QString()).contains(u'?') && now.last() != values.last()) {
            values << now.last();
            QCOMPARE(now, Odometers(story.shot(QStringLiteral("counted.png"))));
        }
    }
    story.click(OnPage(upButton.center()));
    story.moveMouse(awayFromControls);
    QVERIFY(story.waitForScreen(
        QStringLiteral("stopped.png"),
        [](const QImage &s) {
            return !CaptionIsRed(s, upButton) && CaptionIsDarkBlue(s, plusButton) &&
                   CaptionIsDarkBlue(s, minusButton) && CaptionIsDarkBlue(s, entryButton) &&
                   !Odometers(s).join(QString()).contains(u'?');
        },
        shot));
    QVERIFY2(values.size() >= 3 && values.size() <= 4, qPrintable(values.join(u' ')));
    QCOMPARE(values, QStringList({"FF", "00", "01", "02"}).mid(0, values.size()));

    // Stopped, and the last roll over: a second and a half later the value stands still.
    const QStringList stopped = Odometers(shot);
    QTest::qWait(1500);
    QCOMPARE(Odometers(story.shot(QStringLiteral("still-stopped.png"))), stopped);
}

void OdometerStory::pointingAtTheFirstOctalDigitLightsTwoBinaryDigits()
{
    story.moveMouse(OnPage(octal.topLeft + QPoint(7, 10)));
    QVERIFY(story.waitForScreen(
        QStringLiteral("hover-octal.png"),
        [](const QImage &s) { return Read(s, binary).lit.value(0); }, shot));
    const WheelRow binaryRow = Read(shot, binary);
    QCOMPARE(binaryRow.lit, (QList<bool>{true, true, false, false, false, false, false, false}));
    QCOMPARE(Read(shot, octal).lit, (QList<bool>{true, false, false}));
    QCOMPARE(Read(shot, hexadecimal).lit, (QList<bool>{false, false}));
}

void OdometerStory::pointingAtTheSecondHexDigitLightsTheLowFourBinaryDigits()
{
    story.moveMouse(OnPage(hexadecimal.topLeft + QPoint(15 + 7, 10)));
    QVERIFY(story.waitForScreen(
        QStringLiteral("hover-hex.png"),
        [](const QImage &s) { return Read(s, binary).lit.value(7); }, shot));
    QCOMPARE(Read(shot, binary).lit,
             (QList<bool>{false, false, false, false, true, true, true, true}));
    QCOMPARE(Read(shot, hexadecimal).lit, (QList<bool>{false, true}));
    // Leaving the octal odometer put out its light.
    QCOMPARE(Read(shot, octal).lit, (QList<bool>{false, false, false}));
}

QTEST_MAIN(OdometerStory)
#include "tst_story_odometer.moc"
