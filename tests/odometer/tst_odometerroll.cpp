// SPDX-License-Identifier: GPL-3.0-or-later
#include "odometer/odometer.h"
#include "wheelpictures.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTestEventLoop>
#include <QTimer>

using namespace WheelPictures;

namespace {

QTimer *frameTimerOf(TOdometer &od)
{
    return od.findChild<QTimer *>(QStringLiteral("FrameTimer"));
}

// Runs an asynchronous step and the event loop until the roll stops. The loop runs at the
// timer's pace: QTRY's polling would sleep between looks and hold a quick roll back.
void stepAndWaitForTheRoll(TOdometer &od, bool up)
{
    QTimer *timer = frameTimerOf(od);
    QTestEventLoop loop;
    QObject::connect(timer, &QTimer::timeout, &loop, [timer, &loop] {
        if (!timer->isActive())
            loop.exitLoop();
    });
    up ? od.Increment() : od.Decrement();
    loop.enterLoop(5);
    [timer] { QVERIFY2(!timer->isActive(), "the roll did not end"); }();
}

// Runs an asynchronous step and keeps the picture of every frame it draws.
QList<QImage> framesOfAsyncStep(TOdometer &od, bool up)
{
    QList<QImage> frames;
    const auto keep = QObject::connect(frameTimerOf(od), &QTimer::timeout, &od,
                                       [&frames, &od] { frames << od.picture(); });
    stepAndWaitForTheRoll(od, up);
    QObject::disconnect(keep);
    return frames;
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// Steps of one and the rolls that show them.
class TestOdometerRoll : public QObject
{
    Q_OBJECT

private slots:
    void stepWithoutAnimationShowsTheNewDigitsAtOnce();
    void asynchronousRollStopsItselfAfterTwentyOneTicks();
    void rollFramesComeAtTheFrameInterval();
    void onlyTheCarryingWheelsAndTheirNeighbourMove();
    void topToBottomTurnsTheRollAround();
    void wrapRollsEveryWheel();
    void secondStepAbandonsTheFirstRoll();
    void synchronousRollPaintsEveryFrameAndWaits();

private:
    const QImage strip = loadDigitStrip();
};

void TestOdometerRoll::stepWithoutAnimationShowsTheNewDigitsAtOnce()
{
    TOdometer od;
    od.SetAnimationType(atNone);
    od.SetValue(99999999);
    od.Increment();
    QCOMPARE(od.Value(), 0u);
    QVERIFY(!frameTimerOf(od)->isActive());
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("00000000"))));
    od.Decrement();
    QCOMPARE(od.Value(), 99999999u);
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("99999999"))));
}

void TestOdometerRoll::asynchronousRollStopsItselfAfterTwentyOneTicks()
{
    TOdometer od;
    od.SetAnimationType(atAsynchronous);
    od.SetFrameInterval(1);
    od.SetValue(9);
    const QList<QImage> frames = framesOfAsyncStep(od, true);
    QCOMPARE(frames.size(), 21);
    QCOMPARE(od.Value(), 10u);
    QVERIFY(samePixels(frames.first(), rowPicture(strip, QStringLiteral("00000009"))));
    QVERIFY(samePixels(frames.last(), rowPicture(strip, QStringLiteral("00000010"))));
    QVERIFY(samePixels(od.picture(), frames.last()));
}

// The one roll at the real pace of the frames; the other tests quicken them.
void TestOdometerRoll::rollFramesComeAtTheFrameInterval()
{
    TOdometer od;
    od.SetAnimationType(atAsynchronous);
    od.SetFrameInterval(30);
    QElapsedTimer clock;
    QList<qint64> frames;
    connect(frameTimerOf(od), &QTimer::timeout, &od, [&] { frames << clock.nsecsElapsed(); });
    clock.start();
    stepAndWaitForTheRoll(od, true);
    QCOMPARE(frames.size(), 21);
    // Never early, and late only by what a busy machine adds.
    const double meanMs = double(frames.last()) / 21 / 1e6;
    QVERIFY2(meanMs >= 30 && meanMs <= 33, qPrintable(QString::number(meanMs)));
}

void TestOdometerRoll::onlyTheCarryingWheelsAndTheirNeighbourMove()
{
    const int offsets[21] = {0,  0,  1,  2,  4,  4,  5,  6,  8,  8, 9,
                             10, 12, 12, 13, 14, 16, 16, 17, 18, 20};
    TOdometer od;
    od.SetAnimationType(atAsynchronous);
    od.SetFrameInterval(1);
    od.SetValue(9);
    QList<QImage> frames = framesOfAsyncStep(od, true);
    QCOMPARE(frames.size(), 21);
    for (int frame = 0; frame < 21; ++frame) {
        for (int wheel = 0; wheel < 6; ++wheel)
            QVERIFY(samePixels(wheelOf(frames[frame], wheel),
                               wheelPicture(strip, 0, 0, Travel::Stand, 0)));
        QVERIFY(samePixels(wheelOf(frames[frame], 6),
                           wheelPicture(strip, 0, 1, Travel::Up, offsets[frame])));
        QVERIFY(samePixels(wheelOf(frames[frame], 7),
                           wheelPicture(strip, 9, 0, Travel::Up, offsets[frame])));
    }

    frames = framesOfAsyncStep(od, false);
    QCOMPARE(od.Value(), 9u);
    for (int frame = 0; frame < 21; ++frame) {
        QVERIFY(samePixels(wheelOf(frames[frame], 6),
                           wheelPicture(strip, 1, 0, Travel::Down, offsets[frame])));
        QVERIFY(samePixels(wheelOf(frames[frame], 7),
                           wheelPicture(strip, 0, 9, Travel::Down, offsets[frame])));
    }
}

void TestOdometerRoll::topToBottomTurnsTheRollAround()
{
    TOdometer od;
    od.SetAnimationType(atAsynchronous);
    od.SetFrameInterval(1);
    od.SetIncTopToBottom(true);
    od.SetBaseType(btHexadecimal);
    od.SetValue(0x9F);
    QList<QImage> frames = framesOfAsyncStep(od, true);
    QVERIFY(samePixels(wheelOf(frames[10], 6), wheelPicture(strip, 9, 10, Travel::Down, 9)));
    QVERIFY(samePixels(wheelOf(frames[10], 7), wheelPicture(strip, 15, 0, Travel::Down, 9)));
    frames = framesOfAsyncStep(od, false);
    QVERIFY(samePixels(wheelOf(frames[10], 6), wheelPicture(strip, 10, 9, Travel::Up, 9)));
    QVERIFY(samePixels(wheelOf(frames[10], 7), wheelPicture(strip, 0, 15, Travel::Up, 9)));
}

void TestOdometerRoll::wrapRollsEveryWheel()
{
    TOdometer binary;
    binary.SetAnimationType(atAsynchronous);
    binary.SetFrameInterval(1);
    binary.SetBaseType(btBinary);
    binary.SetValue(255);
    QList<QImage> frames = framesOfAsyncStep(binary, true);
    QCOMPARE(binary.Value(), 0u);
    for (int wheel = 0; wheel < 8; ++wheel)
        QVERIFY(samePixels(wheelOf(frames[10], wheel), wheelPicture(strip, 1, 0, Travel::Up, 9)));
    frames = framesOfAsyncStep(binary, false);
    QCOMPARE(binary.Value(), 255u);
    for (int wheel = 0; wheel < 8; ++wheel)
        QVERIFY(samePixels(wheelOf(frames[10], wheel), wheelPicture(strip, 0, 1, Travel::Down, 9)));

    // A cap that is no row of top digits wraps too, leading zeros rolling from 0 to 0.
    TOdometer decimal;
    decimal.SetAnimationType(atAsynchronous);
    decimal.SetFrameInterval(1);
    decimal.SetDigitCount(12);
    decimal.SetValue(4294967295u);
    frames = framesOfAsyncStep(decimal, true);
    QCOMPARE(decimal.Value(), 0u);
    const QString from = QStringLiteral("004294967295");
    for (int wheel = 0; wheel < 12; ++wheel)
        QVERIFY(samePixels(wheelOf(frames[10], wheel),
                           wheelPicture(strip, cellOf(from.at(wheel)), 0, Travel::Up, 9)));
}

void TestOdometerRoll::secondStepAbandonsTheFirstRoll()
{
    TOdometer od;
    od.SetAnimationType(atAsynchronous);
    od.SetFrameInterval(1);
    od.SetValue(9);
    QSignalSpy ticks(frameTimerOf(od), &QTimer::timeout);
    od.Increment();
    QVERIFY(ticks.wait()); // returns on the first tick, the roll under way
    const int firstRollTicks = ticks.count();
    QVERIFY(firstRollTicks > 0 && firstRollTicks < 21);

    const QList<QImage> frames = framesOfAsyncStep(od, true);
    QCOMPARE(frames.size(), 21);
    QCOMPARE(od.Value(), 11u);
    QVERIFY2(samePixels(frames.first(), rowPicture(strip, QStringLiteral("00000010"))),
             "the second roll starts where the first was going");
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("00000011"))));
}

void TestOdometerRoll::synchronousRollPaintsEveryFrameAndWaits()
{
    // Short frames, yet a roll that did not wait would end in a fraction of their sum.
    TOdometer od;
    od.SetFrameInterval(4);
    od.SetValue(9);
    od.show();
    QVERIFY(QTest::qWaitForWindowExposed(&od));
    PaintCounter counter;
    od.installEventFilter(&counter);
    QElapsedTimer clock;
    clock.start();
    od.Increment();
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(counter.paints, 21);
    QVERIFY2(elapsed >= 21 * od.FrameInterval(), qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    QVERIFY(!frameTimerOf(od)->isActive());
    QCOMPARE(od.Value(), 10u);
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("00000010"))));
}

QTEST_MAIN(TestOdometerRoll)
#include "tst_odometerroll.moc"
