// SPDX-License-Identifier: GPL-3.0-or-later
// An odometer in a real window: what the X server shows of it before and after a step is
// exactly the strip cells of its digits.
#include "wheelpictures.h"
#include "xsession.h"

#include <QTest>

using namespace WheelPictures;

class TestOdometerOnScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheStripCellsOfItsDigits();
    void aClickRollsToTheNextValue();

private:
    QImage odometerOnScreen(const QString &shotName);

    XSession session;
    qulonglong window = 0;
    const QImage strip = loadDigitStrip();
    static constexpr QPoint OdometerAt{10, 10};
};

void TestOdometerOnScreen::initTestCase()
{
    QVERIFY2(session.failure().isEmpty(), qPrintable(session.failure()));
    QVERIFY(session.startProgram(QStringLiteral(ODOMETER_WINDOW)));
    window = session.waitForWindow(QStringLiteral("Odometer Window"));
    QVERIFY2(window != 0, qPrintable(session.programErrorOutput()));
}

QImage TestOdometerOnScreen::odometerOnScreen(const QString &shotName)
{
    const QImage shot =
        session.screenshot(window, screenshotFolder() + QLatin1Char('/') + shotName);
    return shot.copy(QRect(OdometerAt, QSize(8 * CellWidth, CellHeight)));
}

void TestOdometerOnScreen::showsTheStripCellsOfItsDigits()
{
    const QImage expected = rowPicture(strip, QStringLiteral("00000009"));
    QVERIFY(waitUntil(
        [&] { return samePixels(odometerOnScreen(QStringLiteral("odometer-9.png")), expected); },
        5000));
}

void TestOdometerOnScreen::aClickRollsToTheNextValue()
{
    session.click(window, OdometerAt + QPoint(7 * CellWidth + 7, 10));
    // The roll takes 21 frames of 30 ms; the screen then keeps the new digits.
    const QImage expected = rowPicture(strip, QStringLiteral("00000010"));
    QVERIFY(waitUntil(
        [&] { return samePixels(odometerOnScreen(QStringLiteral("odometer-10.png")), expected); },
        5000));
    QTest::qWait(300);
    QVERIFY(samePixels(odometerOnScreen(QStringLiteral("odometer-10.png")), expected));
}

QTEST_MAIN(TestOdometerOnScreen)
#include "tst_e2e_odometer.moc"
