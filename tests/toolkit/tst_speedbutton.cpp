// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/speedbutton.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// The face colour just above the lower edge, clear of the caption and the bevel.
static QColor facePixel(SpeedButton &button)
{
    const QImage face = button.grab().toImage();
    return face.pixelColor(face.width() / 2, face.height() - 4);
}

static QColor captionPixel(SpeedButton &button)
{
    // The darkest pixel of the face is a caption pixel.
    const QImage face = button.grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 3; y < face.height() - 3; ++y) {
        for (int x = 3; x < face.width() - 3; ++x) {
            const QColor pixel = face.pixelColor(x, y);
            if (pixel.lightness() < darkest.lightness())
                darkest = pixel;
        }
    }
    return darkest;
}

// A button as the pages make them: a bold caption large enough to have solid pixels.
static void dress(SpeedButton &button, int width)
{
    QFont caption(QStringLiteral("Tahoma"));
    caption.setPixelSize(19);
    caption.setBold(true);
    button.setFont(caption);
    button.resize(width, 27);
}

static void enter(SpeedButton &button)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&button, &enter);
}

static void leave(SpeedButton &button)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
}

class TestSpeedButton : public QObject
{
    Q_OBJECT

private slots:
    void clickingNeverTakesTheFocus();
    void lightAndCaptionColourShowOnTheFace();
    void pointerLightFadesInAndOut();
    void disabledButtonIgnoresClicksAndGreysItsCaption();
    void checkedStateIsTheOwnersAndFollowsTheLight();
};

void TestSpeedButton::clickingNeverTakesTheFocus()
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    auto *button = new SpeedButton(QStringLiteral("+"), &window);
    button->setGeometry(0, 40, 34, 27);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());

    QSignalSpy clicks(button, &SpeedButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(edit->hasFocus());
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
}

void TestSpeedButton::lightAndCaptionColourShowOnTheFace()
{
    SpeedButton button(QStringLiteral("Hex #"));
    dress(button, 90);
    QVERIFY(!button.property("Light").toBool());
    const QColor restingFace = facePixel(button);

    QVERIFY(button.setProperty("Light", true));
    QVERIFY(button.Light());
    const QColor litFace = facePixel(button);
    QVERIFY2(litFace != restingFace, "the lit face looks like the resting one");
    button.SetLight(false);
    QCOMPARE(facePixel(button), restingFace);

    button.setCaptionColor(QColor(30, 57, 91));
    QCOMPARE(captionPixel(button), QColor(30, 57, 91));
    button.setCaptionColor(QColor(255, 0, 0));
    QCOMPARE(captionPixel(button), QColor(255, 0, 0));
}

void TestSpeedButton::pointerLightFadesInAndOut()
{
    SpeedButton button(QStringLiteral("-"));
    dress(button, 34);
    QCOMPARE(button.fadeInInterval(), 15);
    QCOMPARE(button.fadeOutInterval(), 15);
    const QColor restingFace = facePixel(button);

    enter(button);
    QCOMPARE(button.hoverLevel(), 0.0); // a fade, not a jump
    QTRY_COMPARE_WITH_TIMEOUT(button.hoverLevel(), 1.0, 2000);
    QVERIFY(facePixel(button) != restingFace);

    leave(button);
    QCOMPARE(button.hoverLevel(), 1.0);
    QTRY_COMPARE_WITH_TIMEOUT(button.hoverLevel(), 0.0, 2000);
    QCOMPARE(facePixel(button), restingFace);
}

void TestSpeedButton::disabledButtonIgnoresClicksAndGreysItsCaption()
{
    SpeedButton button(QStringLiteral("#"));
    dress(button, 34);
    button.setCaptionColor(QColor(30, 57, 91));
    QSignalSpy clicks(&button, &SpeedButton::clicked);

    enter(button);
    QTRY_COMPARE_WITH_TIMEOUT(button.hoverLevel(), 1.0, 2000);
    button.setEnabled(false);
    QTRY_COMPARE_WITH_TIMEOUT(button.hoverLevel(), 0.0, 2000);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(captionPixel(button) != QColor(30, 57, 91));

    button.setEnabled(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(captionPixel(button), QColor(30, 57, 91));
}

void TestSpeedButton::checkedStateIsTheOwnersAndFollowsTheLight()
{
    QWidget window;
    auto *button = new SpeedButton(QStringLiteral("Hex #"), &window);
    button->setCheckable(true);
    QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(button);
    QVERIFY(reading->state().checkable);
    QVERIFY(!reading->state().checked);

    button->SetLight(true);
    QVERIFY(reading->state().checked);
    QCOMPARE(reading->text(QAccessible::Description), QString());
    QSignalSpy clicks(button, &SpeedButton::clicked);
    for (int click = 0; click < 2; ++click) {
        button->click();
        QVERIFY(button->isChecked());
        QVERIFY(button->Light());
    }
    QCOMPARE(clicks.count(), 2);
    button->SetLight(false);
    QVERIFY(!reading->state().checked);
    button->click();
    QVERIFY(!reading->state().checked);

    // A button that only lights is no check button.
    SpeedButton plain(QStringLiteral("+"));
    plain.SetLight(true);
    QVERIFY(!QAccessible::queryAccessibleInterface(&plain)->state().checkable);
    QVERIFY(!plain.isChecked());
}

QTEST_MAIN(TestSpeedButton)
#include "tst_speedbutton.moc"
