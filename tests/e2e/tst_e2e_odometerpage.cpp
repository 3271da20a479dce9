// The Odometer page as a user meets it: the real program in a real X session, "+" clicked
// with the pointer, the four odometers read off a screenshot by cutting their wheels out
// and matching them against the cells of the digit strip, and the hover link seen in green.
#include "wheelreader.h"
#include "xsession.h"

#include <QTest>

namespace {

// The page lies at (1, 40) in the window's client area.
constexpr QPoint pageOrigin(1, 40);

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
constexpr QPoint plusButtonCentre(40 + 17, 67 + 13);

} // namespace

class TestOdometerInARealSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void threeClicksOnPlusShowThreeOnAllFourOdometers();
    void pointingAtTheFirstOctalDigitLightsTwoBinaryDigits();

private:
    WheelRow read(const QImage &shot, const OdometerPlace &place) const
    {
        return ReadWheelRow(shot, pageOrigin + place.topLeft, place.wheels);
    }

    XSession session;
    qulonglong window = 0;
};

void TestOdometerInARealSession::initTestCase()
{
    QVERIFY2(session.failure().isEmpty(), qPrintable(session.failure()));
    QVERIFY(session.startProgram(QStringLiteral(QUORVEL_PROGRAM)));
    window = session.waitForWindow(QStringLiteral("Numeric Formats"));
    QVERIFY2(window != 0, "the window Numeric Formats did not appear");
    // Ready once the odometers show their zeros.
    QVERIFY(WaitUntil(
        [this] { return read(session.screenshot(window), binary).digits == "00000000"; }, 5000));
}

void TestOdometerInARealSession::threeClicksOnPlusShowThreeOnAllFourOdometers()
{
    for (int click = 0; click < 3; ++click) {
        session.click(window, pageOrigin + plusButtonCentre);
        QTest::qWait(150);
    }
    // The last roll takes 21 frames of 30 ms; read once the wheels stand still.
    QImage shot;
    WaitUntil(
        [&] {
            shot = session.screenshot(window);
            return read(shot, binary).digits == "00000011";
        },
        3000);
    session.screenshot(window, ScreenshotFolder() + QStringLiteral("/odometer-three.png"));
    QCOMPARE(read(shot, binary).digits, QStringLiteral("00000011"));
    QCOMPARE(read(shot, octal).digits, QStringLiteral("003"));
    QCOMPARE(read(shot, decimal).digits, QStringLiteral("003"));
    QCOMPARE(read(shot, hexadecimal).digits, QStringLiteral("03"));
}

void TestOdometerInARealSession::pointingAtTheFirstOctalDigitLightsTwoBinaryDigits()
{
    session.moveMouse(window, pageOrigin + octal.topLeft + QPoint(7, 10));
    WheelRow binaryRow;
    WaitUntil(
        [&] {
            binaryRow = read(session.screenshot(window), binary);
            return binaryRow.lit.value(0);
        },
        3000);
    const QImage shot =
        session.screenshot(window, ScreenshotFolder() + QStringLiteral("/odometer-hover.png"));
    binaryRow = read(shot, binary);
    QCOMPARE(binaryRow.digits, QStringLiteral("00000011"));
    QCOMPARE(binaryRow.lit, (QList<bool>{true, true, false, false, false, false, false, false}));
    const WheelRow octalRow = read(shot, octal);
    QCOMPARE(octalRow.digits, QStringLiteral("003"));
    QCOMPARE(octalRow.lit, (QList<bool>{true, false, false}));
    QCOMPARE(read(shot, hexadecimal).lit, (QList<bool>{false, false}));
}

QTEST_GUILESS_MAIN(TestOdometerInARealSession)
#include "tst_e2e_odometerpage.moc"
