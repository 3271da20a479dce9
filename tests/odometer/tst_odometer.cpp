// SPDX-License-Identifier: GPL-3.0-or-later
#include "odometer/conversions.h"
#include "odometer/odometer.h"
#include "wheelpictures.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace WheelPictures;

namespace {

int shortestLength(quint64 value, quint64 radix)
{
    int length = 1;
    for (; value >= radix; value /= radix)
        ++length;
    return length;
}

} // namespace

// The control at rest: its properties, its limits, what its picture shows and what it tells
// assistive technology and its owner.
class TestOdometer : public QObject
{
    Q_OBJECT

private slots:
    void newOdometerShowsEightDecimalZeros();
    void propertiesAreDeclaredInTheirStoredOrder();
    void limitIsTheLargestValueTheDigitsShow();
    void digitCountOutsideOneToThirtyTwoIsIgnored();
    void valueAboveLimitIsReducedModuloLimit();
    void assignmentsOfOneStepRollAndOthersJump();
    void radixAndWidthChangesKeepTheValueInRange();
    void highlightLightsTheChosenWheelsGreen();
    void frameIntervalOfZeroReadsAsOne();
    void assistiveTechnologyReadsRadixAndDigits();
    void pointerEventsArriveInControlCoordinates();

private:
    const QImage strip = loadDigitStrip();
};

void TestOdometer::newOdometerShowsEightDecimalZeros()
{
    TOdometer od;
    QCOMPARE(od.property("DigitCount").toInt(), 8);
    QCOMPARE(od.property("BaseType").value<TBaseType>(), btDecimal);
    QCOMPARE(od.property("Limit").toUInt(), 99999999u);
    QCOMPARE(od.property("Value").toUInt(), 0u);
    QCOMPARE(od.property("AnimationType").value<TAnimationType>(), atSynchronous);
    QCOMPARE(od.property("FrameInterval").toInt(), 30);
    QCOMPARE(od.property("HighlightStart").toInt(), 0);
    QCOMPARE(od.property("Highlightend").toInt(), 0);
    QCOMPARE(od.property("IncTopToBottom").toBool(), false);
    QCOMPARE(od.size(), QSize(120, 20));
    QCOMPARE(od.minimumSize(), od.maximumSize());
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("00000000"))));
    QVERIFY(!od.findChild<QTimer *>(QStringLiteral("FrameTimer"))->isActive());
}

void TestOdometer::propertiesAreDeclaredInTheirStoredOrder()
{
    const QMetaObject &meta = TOdometer::staticMetaObject;
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        names << QString::fromLatin1(meta.property(i).name());
    QCOMPARE(names,
             QStringList({"AnimationType", "FrameInterval", "BaseType", "DigitCount", "Limit",
                          "IncTopToBottom", "HighlightStart", "Highlightend", "Value"}));
    QVERIFY(!meta.property(meta.indexOfProperty("Limit")).isWritable());
}

void TestOdometer::limitIsTheLargestValueTheDigitsShow()
{
    TOdometer od;
    for (TBaseType baseType : {btBinary, btOctal, btDecimal, btHexadecimal}) {
        od.SetBaseType(baseType);
        const quint64 radix = radixOf(baseType);
        for (int count = 1; count <= 32; ++count) {
            od.setProperty("DigitCount", count);
            const quint64 limit = od.Limit();
            QCOMPARE(shortestLength(limit, radix) <= count, true);
            if (limit < 0xFFFFFFFFu)
                QCOMPARE(shortestLength(limit + 1, radix), count + 1);
            QCOMPARE(od.width(), 15 * count);
        }
    }
    od.SetBaseType(btBinary);
    od.SetDigitCount(16);
    QCOMPARE(od.Limit(), 65535u);
    QCOMPARE(od.width(), 240);
    od.SetBaseType(btOctal);
    od.SetDigitCount(10);
    QCOMPARE(od.Limit(), 1073741823u);
    od.SetDigitCount(11);
    QCOMPARE(od.Limit(), 4294967295u);
    od.SetValue(4294967295u);
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("37777777777"))));
}

void TestOdometer::digitCountOutsideOneToThirtyTwoIsIgnored()
{
    TOdometer od;
    od.SetValue(1234);
    const QImage before = od.picture();
    for (int count : {0, 33, 255}) {
        od.setProperty("DigitCount", count);
        QCOMPARE(od.DigitCount(), 8);
        QCOMPARE(od.width(), 120);
        QCOMPARE(od.Value(), 1234u);
        QVERIFY(samePixels(od.picture(), before));
    }
}

void TestOdometer::valueAboveLimitIsReducedModuloLimit()
{
    TOdometer od;
    od.SetBaseType(btBinary);
    od.SetValue(300);
    QCOMPARE(od.Value(), 45u);
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("00101101"))));
    od.SetValue(255);
    QCOMPARE(od.Value(), 255u);
    od.SetValue(510);
    QCOMPARE(od.Value(), 0u);
    od.SetValue(256);
    QCOMPARE(od.Value(), 1u);
}

void TestOdometer::assignmentsOfOneStepRollAndOthersJump()
{
    TOdometer od;
    od.SetAnimationType(atAsynchronous);
    auto *timer = od.findChild<QTimer *>(QStringLiteral("FrameTimer"));
    od.SetValue(41);
    QVERIFY(!timer->isActive());
    od.setProperty("Value", 42);
    QCOMPARE(od.Value(), 42u);
    QVERIFY(timer->isActive());
    od.SetValue(41);
    QCOMPARE(od.Value(), 41u);
    QVERIFY(timer->isActive());
    od.SetValue(41);
    QVERIFY(!timer->isActive());
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("00000041"))));

    od.SetValue(99999999);
    od.SetValue(0);
    QVERIFY(!timer->isActive());
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("00000000"))));
}

void TestOdometer::radixAndWidthChangesKeepTheValueInRange()
{
    TOdometer od;
    od.SetValue(99999999);
    od.SetBaseType(btHexadecimal);
    QCOMPARE(od.Limit(), 4294967295u);
    QCOMPARE(od.Value(), 99999999u);
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("05F5E0FF"))));

    TOdometer binary;
    binary.SetBaseType(btBinary);
    binary.SetDigitCount(16);
    binary.SetValue(1000);
    binary.SetDigitCount(8);
    QCOMPARE(binary.Value(), 235u);
    QCOMPARE(binary.picture().width(), 120);
    QVERIFY(samePixels(binary.picture(), rowPicture(strip, QStringLiteral("11101011"))));

    od.SetAnimationType(atAsynchronous);
    od.Increment();
    auto *timer = od.findChild<QTimer *>(QStringLiteral("FrameTimer"));
    QVERIFY(timer->isActive());
    od.SetDigitCount(9);
    QVERIFY(!timer->isActive());
    QVERIFY(samePixels(od.picture(), rowPicture(strip, QStringLiteral("005F5E100"))));
}

void TestOdometer::highlightLightsTheChosenWheelsGreen()
{
    const QImage green = greenGlyphs(strip);
    const QString digits = QStringLiteral("00012345");
    TOdometer od;
    od.SetValue(12345);
    const QImage plain = rowPicture(strip, digits);

    od.SetHighlightStart(5);
    QVERIFY2(samePixels(od.picture(), plain), "the start alone does not redraw");
    od.SetHighlightend(8);
    QVERIFY(samePixels(od.picture(), rowPicture(strip, digits, green, 4, 7)));

    od.SetHighlightStart(1);
    od.SetHighlightend(8);
    QVERIFY2(samePixels(od.picture(), rowPicture(strip, digits, green, 4, 7)),
             "an unchanged end does not redraw");

    od.SetHighlightStart(0);
    od.SetHighlightend(7);
    QVERIFY(samePixels(od.picture(), plain));
    od.SetHighlightStart(3);
    od.SetHighlightend(2);
    QVERIFY(samePixels(od.picture(), plain));
    od.SetHighlightStart(7);
    od.SetHighlightend(40);
    QVERIFY(samePixels(od.picture(), rowPicture(strip, digits, green, 6, 7)));
}

void TestOdometer::frameIntervalOfZeroReadsAsOne()
{
    TOdometer od;
    od.setProperty("FrameInterval", 0);
    QCOMPARE(od.FrameInterval(), 1);
    od.SetFrameInterval(255);
    QCOMPARE(od.property("FrameInterval").toInt(), 255);
    QCOMPARE(od.findChild<QTimer *>(QStringLiteral("FrameTimer"))->interval(), 255);
}

// The change events themselves reach only an active accessibility bridge, which the offscreen
// platform does not have; what a screen reader reads is checked here.
void TestOdometer::assistiveTechnologyReadsRadixAndDigits()
{
    TOdometer od;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&od);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Decimal, 0 0 0 0 0 0 0 0"));
    QCOMPARE(face->role(), QAccessible::StaticText);

    od.SetValue(42);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Decimal, 0 0 0 0 0 0 4 2"));
    od.SetAnimationType(atAsynchronous);
    od.Increment();
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Decimal, 0 0 0 0 0 0 4 3"));
    od.SetBaseType(btHexadecimal);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Hexadecimal, 0 0 0 0 0 0 2 B"));
    od.SetBaseType(btBinary);
    od.SetAnimationType(atSynchronous);
    od.SetFrameInterval(1);
    od.Decrement();
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Binary, 0 0 1 0 1 0 1 0"));
    // The digits are read once, in the name, not a second time in the description.
    QVERIFY(face->text(QAccessible::Description).isEmpty());
}

void TestOdometer::pointerEventsArriveInControlCoordinates()
{
    QWidget window;
    window.resize(200, 60);
    TOdometer od(&window);
    od.move(30, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy moves(&od, &TOdometer::OnMouseMove);
    QSignalSpy presses(&od, &TOdometer::OnMouseDown);
    QTest::mouseMove(&window, QPoint(30 + 47, 20 + 6));
    QTRY_VERIFY(!moves.isEmpty());
    QCOMPARE(moves.last().at(1).toInt(), 47);
    QCOMPARE(moves.last().at(2).toInt(), 6);

    QTest::mousePress(&od, Qt::LeftButton, Qt::ShiftModifier, QPoint(95, 12));
    QCOMPARE(presses.count(), 1);
    QCOMPARE(presses.first().at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(presses.first().at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    QCOMPARE(presses.first().at(2).toInt(), 95);
    QCOMPARE(presses.first().at(3).toInt(), 12);
}

QTEST_MAIN(TestOdometer)
#include "tst_odometer.moc"
