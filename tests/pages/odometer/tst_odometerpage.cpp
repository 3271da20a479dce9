// SPDX-License-Identifier: GPL-3.0-or-later
// The Odometer page inside the whole window, driven through its buttons, its entry box and
// the pointer; the four odometers are read by their properties and by their pixels.
#include "app/basesu.h"
#include "odometer/odometer.h"
#include "quicktimers.h"
#include "wheelreader.h"
#include "windowpart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

constexpr int wheelWidth = 15;
const QColor captionColor(30, 57, 91);
const QColor runningColor(255, 0, 0);

enum Tab { OdometerTab = 0, CalculateTab = 1, TableTab = 2 };
enum Counting { Stopped, CountingUp, CountingDown };

} // namespace

class TestOdometerPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsLieInTheirPlacesAndOrder();
    void eachWidthPlacesTheOdometersAndTheBoard_data();
    void eachWidthPlacesTheOdometersAndTheBoard();
    void stepsWrapAtBothEndsOfEachWidth_data();
    void stepsWrapAtBothEndsOfEachWidth();
    void aFullRoundOfPlusComesBackToZero();
    void countButtonsFollowTheDirectionTable_data();
    void countButtonsFollowTheDirectionTable();
    void countingStepsOnceAnIntervalAndGoesOnBehindOtherPages();
    void turningRoundKeepsTheRunningInterval();
    void hashOpensTheBoxWithTheDecimalValue();
    void committingLimitsTheTypedValueToTheWidth_data();
    void committingLimitsTheTypedValueToTheWidth();
    void hashAgainOrLeavingTheBoxCommitsToo();
    void lettersTypedOrPastedAreRefused();
    void decimalOdometerOpensTheBoxEvenWhileCounting();
    void aCommitOneAboveShowsAtOnce();
    void octalDigitLightsItsBinaryGroup_data();
    void octalDigitLightsItsBinaryGroup();
    void hexDigitLightsItsFourBinaryDigits_data();
    void hexDigitLightsItsFourBinaryDigits();
    void leavingClearsBothHighlights();
    void enteringThePageStartsAgainAtOneByteAndZero();

private:
    template <typename T> T *child(const char *name) { return windowPart<T>(window, name); }
    TOdometer *od(int number) { return odometers[number - 1]; }
    QAbstractButton *button(const char *name) { return child<QAbstractButton>(name); }
    void press(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void chooseWidth(int bytes);
    void selectTab(int index) { child<QTabBar>("tabs")->setCurrentIndex(index); }
    void typeAndEnter(const QString &typed);
    void pointAt(QWidget *widget, QPoint position);
    QString whyNotAllAt(quint32 value);
    WheelRow shown(TOdometer *odometer);
    void checkLit(TOdometer *odometer, int first, int last);
    bool rollsEnd();

    Tfbases *window = nullptr;
    std::array<TOdometer *, 4> odometers{};
    QLineEdit *decenter = nullptr;
    QTimer *Timer1 = nullptr;
};

void TestOdometerPage::init()
{
    window = new Tfbases;
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (int number = 1; number <= 4; ++number)
        odometers[number - 1] = child<TOdometer>(qPrintable(QStringLiteral("Od%1").arg(number)));
    decenter = child<QLineEdit>("decenter");
    Timer1 = child<QTimer>("Timer1");
}

void TestOdometerPage::cleanup()
{
    delete window;
    window = nullptr;
}

// True once no odometer rolls any more.
bool TestOdometerPage::rollsEnd()
{
    return QTest::qWaitFor(
        [this] {
            return std::none_of(odometers.begin(), odometers.end(), [](TOdometer *odometer) {
                return odometer->findChild<QTimer *>()->isActive();
            });
        },
        5000);
}

void TestOdometerPage::chooseWidth(int bytes)
{
    QTest::mouseClick(child<QRadioButton>(bytes == 1 ? "RadioButton1" : "RadioButton2"),
                      Qt::LeftButton, {}, QPoint(6, 8));
}

void TestOdometerPage::typeAndEnter(const QString &typed)
{
    decenter->selectAll();
    QTest::keyClick(decenter, Qt::Key_Delete);
    QTest::keyClicks(decenter, typed);
    QTest::keyClick(decenter, Qt::Key_Return);
}

// The pointer moves as the window system reports it, so that the widget under it gets
// its enter, move and leave events.
void TestOdometerPage::pointAt(QWidget *widget, QPoint position)
{
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, position));
}

// Empty while all four odometers hold the value and it lies within the width.
QString TestOdometerPage::whyNotAllAt(quint32 value)
{
    const quint32 top = od(1)->DigitCount() == 8 ? 255 : 65535;
    QString why;
    for (int number = 1; number <= 4; ++number) {
        if (od(number)->Value() != value)
            why += QStringLiteral(" Od%1 holds %2;").arg(number).arg(od(number)->Value());
    }
    if (value > top)
        why += QStringLiteral(" %1 is beyond the width;").arg(value);
    return why.isEmpty() ? why : QStringLiteral("expected %1:").arg(value) + why;
}

#define QVERIFY_ALL_AT(value)                                                                      \
    do {                                                                                           \
        const QString why = whyNotAllAt(value);                                                    \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                  \
    } while (false)

WheelRow TestOdometerPage::shown(TOdometer *odometer)
{
    return readWheelRow(odometer->grab().toImage(), {0, 0}, odometer->DigitCount());
}

// The wheels from first to last (counted from 1) are green, all others plain.
void TestOdometerPage::checkLit(TOdometer *odometer, int first, int last)
{
    const WheelRow row = shown(odometer);
    QVERIFY2(!row.digits.contains(QLatin1Char('?')), qPrintable(row.digits));
    for (int wheel = 1; wheel <= odometer->DigitCount(); ++wheel) {
        const bool shouldBeLit = wheel >= first && wheel <= last;
        QVERIFY2(row.lit[wheel - 1] == shouldBeLit,
                 qPrintable(QStringLiteral("%1 wheel %2").arg(odometer->objectName()).arg(wheel)));
    }
}

void TestOdometerPage::controlsLieInTheirPlacesAndOrder()
{
    QWidget *page = child<QWidget>("pan1");
    QCOMPARE(page->size(), QSize(433, 267));
    // Later rows of the layout lie on top of earlier ones.
    const QStringList stacking{"AdvGDIPPicture3",
                               "AdvGDIPPicture1",
                               "W7SpeedButton1",
                               "W7SpeedButton2",
                               "W7SpeedButton3",
                               "W7SpeedButton4",
                               "AdvGDIPPicture2",
                               "Label1",
                               "Od1",
                               "Label3",
                               "Label4",
                               "Label2",
                               "Od2",
                               "Od4",
                               "Od3",
                               "focusMark",
                               "W7SpeedButton10",
                               "Label5",
                               "Label6",
                               "decenter"};
    QStringList children;
    for (QObject *object : page->children()) {
        if (object->isWidgetType())
            children << object->objectName();
    }
    QCOMPARE(children, stacking);

    const struct
    {
        const char *name;
        QRect place;
        const char *caption;
    } fixed[] = {{"W7SpeedButton1", {40, 67, 34, 27}, "+"},
                 {"W7SpeedButton2", {40, 100, 34, 27}, "-"},
                 {"W7SpeedButton3", {30, 147, 25, 27}, "^"},
                 {"W7SpeedButton4", {40, 180, 34, 27}, "#"},
                 {"W7SpeedButton10", {61, 147, 25, 27}, "v"}};
    for (const auto &control : fixed) {
        QAbstractButton *pushButton = button(control.name);
        QCOMPARE(pushButton->geometry(), control.place);
        QCOMPARE(pushButton->text(), QLatin1String(control.caption));
        QCOMPARE(pushButton->focusPolicy(), Qt::NoFocus);
        QCOMPARE(pushButton->font().pixelSize(), 19);
        QVERIFY(pushButton->font().bold());
        QCOMPARE(pushButton->property("captionColor").value<QColor>(), captionColor);
        QVERIFY(pushButton->isEnabled());
    }
    const struct
    {
        const char *name;
        QRect place;
        const char *caption;
        int pixelSize;
    } labels[] = {{"Label1", {125, 70, 46, 16}, "Binary:", 13},
                  {"Label3", {125, 105, 38, 16}, "Octal:", 13},
                  {"Label4", {125, 145, 54, 16}, "Decimal:", 13},
                  {"Label2", {125, 182, 85, 16}, "Hexadecimal:", 13},
                  {"Label5", {160, 234, 120, 13}, "Hold cursor over Octal or", 11},
                  {"Label6", {160, 248, 141, 13}, "Hex digits to see binary digits", 11}};
    for (const auto &control : labels) {
        auto *label = child<QLabel>(control.name);
        QCOMPARE(label->pos(), control.place.topLeft());
        QCOMPARE(label->height(), control.place.height());
        // Wider than its place only where a bold caption would be cut.
        const int captionWidth = label->fontMetrics().horizontalAdvance(label->text());
        QCOMPARE(label->width(), control.pixelSize == 13
                                     ? std::max(control.place.width(), captionWidth)
                                     : control.place.width());
        QCOMPARE(label->text(), QLatin1String(control.caption));
        QCOMPARE(label->font().pixelSize(), control.pixelSize);
        QCOMPARE(label->font().bold(), control.pixelSize == 13);
    }
    QCOMPARE(child<QWidget>("AdvGDIPPicture3")->geometry(), QRect(0, 0, 433, 298));
    QCOMPARE(child<QWidget>("AdvGDIPPicture1")->geometry(), QRect(18, 43, 81, 182));

    const TBaseType radixes[] = {btBinary, btOctal, btDecimal, btHexadecimal};
    const int tops[] = {69, 105, 142, 180};
    for (int number = 1; number <= 4; ++number) {
        QCOMPARE(od(number)->BaseType(), radixes[number - 1]);
        QCOMPARE(od(number)->y(), tops[number - 1]);
        QCOMPARE(od(number)->AnimationType(), atAsynchronous);
        QCOMPARE(od(number)->FrameInterval(), quint8(30));
        QVERIFY(!od(number)->IncTopToBottom());
        QCOMPARE(od(number)->HighlightStart(), quint8(0));
    }
    QVERIFY(!decenter->isVisible());
    QVERIFY(!Timer1->isActive());
    QCOMPARE(Timer1->interval(), 1000);
    QCOMPARE(window->findChild<QObject *>(QStringLiteral("PICTURES"))->parent(), page);
}

void TestOdometerPage::eachWidthPlacesTheOdometersAndTheBoard_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<QList<quint32>>("limits");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QSize>("board");
    QTest::newRow("one byte") << 1 << QList<int>{180, 255, 254, 269} << QList<int>{8, 3, 3, 2}
                              << QList<quint32>{255, 511, 999, 255} << QRect(252, 142, 48, 21)
                              << QSize(234, 180);
    QTest::newRow("two bytes") << 2 << QList<int>{180, 330, 344, 359} << QList<int>{16, 6, 5, 4}
                               << QList<quint32>{65535, 262143, 99999, 65535}
                               << QRect(344, 142, 75, 21) << QSize(312, 180);
}

void TestOdometerPage::eachWidthPlacesTheOdometersAndTheBoard()
{
    QFETCH(int, bytes);
    QFETCH(QList<int>, lefts);
    QFETCH(QList<int>, digits);
    QFETCH(QList<quint32>, limits);
    // Start from the other width, away from 0, to see the change and the reset.
    chooseWidth(bytes == 1 ? 2 : 1);
    press("W7SpeedButton1");
    chooseWidth(bytes);
    for (int number = 1; number <= 4; ++number) {
        QCOMPARE(od(number)->x(), lefts[number - 1]);
        QCOMPARE(od(number)->DigitCount(), digits[number - 1]);
        QCOMPARE(od(number)->width(), wheelWidth * digits[number - 1]);
        QCOMPARE(od(number)->height(), 20);
        QCOMPARE(od(number)->Limit(), limits[number - 1]);
    }
    QVERIFY_ALL_AT(0);
    QTEST(decenter->geometry(), "box");
    QCOMPARE(decenter->property("MaxLength").toInt(), bytes == 1 ? 3 : 5);
    QTEST(child<QWidget>("AdvGDIPPicture2")->size(), "board");
    QCOMPARE(child<QWidget>("AdvGDIPPicture2")->pos(), QPoint(115, 43));
}

void TestOdometerPage::stepsWrapAtBothEndsOfEachWidth_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QStringList>("topDigits");
    QTest::addColumn<QStringList>("zeroDigits");
    QTest::newRow("one byte") << 1 << QStringList{"11111111", "377", "255", "FF"}
                              << QStringList{"00000000", "000", "000", "00"};
    QTest::newRow("two bytes") << 2 << QStringList{"1111111111111111", "177777", "65535", "FFFF"}
                               << QStringList{"0000000000000000", "000000", "00000", "0000"};
}

void TestOdometerPage::stepsWrapAtBothEndsOfEachWidth()
{
    quickenTimers(window);
    QFETCH(int, bytes);
    QFETCH(QStringList, topDigits);
    QFETCH(QStringList, zeroDigits);
    const quint32 top = bytes == 1 ? 255 : 65535;
    chooseWidth(bytes);

    press("W7SpeedButton2"); // 0 - 1
    QVERIFY_ALL_AT(top);
    QVERIFY(rollsEnd());
    for (int number = 1; number <= 4; ++number)
        QCOMPARE(shown(od(number)).digits, topDigits[number - 1]);

    press("W7SpeedButton1"); // top + 1
    QVERIFY_ALL_AT(0);
    QVERIFY(rollsEnd());
    for (int number = 1; number <= 4; ++number)
        QCOMPARE(shown(od(number)).digits, zeroDigits[number - 1]);

    press("W7SpeedButton2");
    press("W7SpeedButton2"); // top - 1, then back over the top
    QVERIFY_ALL_AT(top - 1);
    press("W7SpeedButton1");
    press("W7SpeedButton1");
    QVERIFY_ALL_AT(0);
}

void TestOdometerPage::aFullRoundOfPlusComesBackToZero()
{
    for (quint32 presses = 1; presses <= 256; ++presses) {
        press("W7SpeedButton1");
        QVERIFY_ALL_AT(presses % 256);
    }
}

void TestOdometerPage::countButtonsFollowTheDirectionTable_data()
{
    QTest::addColumn<QString>("presses"); // "^" and "v" in order; the last one is tested
    QTest::addColumn<int>("state");
    const struct
    {
        const char *name;
        const char *presses;
        Counting state;
    } rows[] = {{"stopped, ^", "^", CountingUp},
                {"stopped, v", "v", CountingDown},
                {"counting up, ^", "^^", Stopped},
                {"counting up, v", "^v", CountingDown},
                {"counting down, ^", "v^", CountingUp},
                {"counting down, v", "vv", Stopped},
                {"stopped after counting up, v", "^^v", CountingDown},
                {"stopped after counting down, ^", "vv^", CountingUp}};
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.presses) << int(row.state);
}

void TestOdometerPage::countButtonsFollowTheDirectionTable()
{
    QFETCH(QString, presses);
    QFETCH(int, state);
    for (QChar caption : presses)
        press(caption == QLatin1Char('^') ? "W7SpeedButton3" : "W7SpeedButton10");

    const bool counting = state != Stopped;
    QCOMPARE(Timer1->isActive(), counting);
    for (const char *name : {"W7SpeedButton1", "W7SpeedButton2", "W7SpeedButton4"})
        QCOMPARE(button(name)->isEnabled(), !counting);
    QVERIFY(button("W7SpeedButton3")->isEnabled());
    QVERIFY(button("W7SpeedButton10")->isEnabled());
    const auto colour = [this](const char *name) {
        return button(name)->property("captionColor").value<QColor>();
    };
    QCOMPARE(colour("W7SpeedButton3"), state == CountingUp ? runningColor : captionColor);
    QCOMPARE(colour("W7SpeedButton10"), state == CountingDown ? runningColor : captionColor);

    // Disabled buttons do nothing; the count buttons still answer.
    press("W7SpeedButton1");
    QVERIFY_ALL_AT(counting ? 0 : 1);
}

void TestOdometerPage::countingStepsOnceAnIntervalAndGoesOnBehindOtherPages()
{
    quickenTimers(window);
    press("W7SpeedButton10");
    QVERIFY_ALL_AT(0); // the first step comes one interval after the press
    QVERIFY(Timer1->remainingTime() > quickTimers::countingInterval / 2);
    QVERIFY(QTest::qWaitFor([this] { return od(1)->Value() == 255; }, 3000));
    QVERIFY_ALL_AT(255);

    press("W7SpeedButton3");
    selectTab(CalculateTab);
    QVERIFY(QTest::qWaitFor([this] { return od(1)->Value() == 0; }, 3000));
    QVERIFY_ALL_AT(0);
    QVERIFY(Timer1->isActive());

    selectTab(TableTab);
    selectTab(OdometerTab);
    QVERIFY(Timer1->isActive());
    QVERIFY_ALL_AT(0);
    QVERIFY(QTest::qWaitFor([this] { return od(1)->Value() == 1; }, 3000));
    QVERIFY_ALL_AT(1);
    QCOMPARE(button("W7SpeedButton3")->property("captionColor").value<QColor>(), runningColor);
    QVERIFY(!button("W7SpeedButton1")->isEnabled());
}

void TestOdometerPage::turningRoundKeepsTheRunningInterval()
{
    quickenTimers(window);
    press("W7SpeedButton3");
    QTest::qWait(quickTimers::countingInterval * 2 / 5);
    press("W7SpeedButton10");
    QVERIFY(Timer1->isActive());
    QVERIFY2(Timer1->remainingTime() < quickTimers::countingInterval * 3 / 4,
             qPrintable(QString::number(Timer1->remainingTime())));
}

void TestOdometerPage::hashOpensTheBoxWithTheDecimalValue()
{
    for (int step = 0; step < 5; ++step)
        press("W7SpeedButton1");
    press("W7SpeedButton4");
    QVERIFY(decenter->isVisible());
    QVERIFY(decenter->hasFocus());
    QCOMPARE(decenter->text(), QStringLiteral("5"));
    typeAndEnter(QStringLiteral("7"));
    QVERIFY(!decenter->isVisible());
    QVERIFY_ALL_AT(7);

    chooseWidth(2);
    press("W7SpeedButton4");
    typeAndEnter(QStringLiteral("12345"));
    QVERIFY_ALL_AT(12345);
    press("W7SpeedButton4");
    QCOMPARE(decenter->text(), QStringLiteral("12,345"));
}

void TestOdometerPage::committingLimitsTheTypedValueToTheWidth_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<quint32>("committed");
    QTest::newRow("300 in one byte") << 1 << "300" << 255u;
    QTest::newRow("nothing") << 1 << "" << 0u;
    QTest::newRow("minus five") << 1 << "-5" << 0u;
    QTest::newRow("bracketed") << 1 << "(5)" << 0u;
    QTest::newRow("within") << 1 << "200" << 200u;
    QTest::newRow("top of two bytes") << 2 << "65535" << 65535u;
    QTest::newRow("beyond two bytes") << 2 << "70000" << 65535u;
    QTest::newRow("300 in two bytes") << 2 << "300" << 300u;
    QTest::newRow("decimal above octal's room") << 2 << "99999" << 65535u;
}

void TestOdometerPage::committingLimitsTheTypedValueToTheWidth()
{
    quickenTimers(window);
    QFETCH(int, bytes);
    QFETCH(QString, typed);
    QFETCH(quint32, committed);
    chooseWidth(bytes);
    press("W7SpeedButton1");
    press("W7SpeedButton4");
    typeAndEnter(typed);
    QVERIFY(!decenter->isVisible());
    QVERIFY_ALL_AT(committed);
    QVERIFY(rollsEnd());
    QVERIFY_ALL_AT(committed);
}

void TestOdometerPage::hashAgainOrLeavingTheBoxCommitsToo()
{
    press("W7SpeedButton4");
    QTest::keyClicks(decenter, QStringLiteral("77"));
    press("W7SpeedButton4");
    QVERIFY(!decenter->isVisible());
    QVERIFY_ALL_AT(77);

    // Tab takes the focus to the next control; the box checks its range and commits.
    press("W7SpeedButton4");
    QTest::keyClicks(decenter, QStringLiteral("999"));
    QTest::keyClick(decenter, Qt::Key_Tab);
    QVERIFY(!decenter->hasFocus());
    QVERIFY(!decenter->isVisible());
    QVERIFY_ALL_AT(255);

    // "#" typed in the box takes the value as the button does, and is no part of the text.
    press("W7SpeedButton4");
    QTest::keyClicks(decenter, QStringLiteral("42#"));
    QVERIFY(!decenter->isVisible());
    QVERIFY_ALL_AT(42);
    QCOMPARE(QApplication::focusWidget(), od(3));
    QCOMPARE(decenter->text(), QStringLiteral("42"));

    // Escape closes the box and leaves the value as it was, the focus on the odometer.
    press("W7SpeedButton4");
    QTest::keyClicks(decenter, QStringLiteral("7"));
    QTest::keyClick(decenter, Qt::Key_Escape);
    QVERIFY(!decenter->isVisible());
    QVERIFY_ALL_AT(42);
    QCOMPARE(QApplication::focusWidget(), od(3));
    press("W7SpeedButton4");
    QCOMPARE(decenter->text(), QStringLiteral("42"));
}

void TestOdometerPage::lettersTypedOrPastedAreRefused()
{
    press("W7SpeedButton4");
    QTest::keyClicks(decenter, QStringLiteral("1x2!e"));
    QCOMPARE(decenter->text(), QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("ab"));
    QTest::keySequence(decenter, QKeySequence::Paste);
    QCOMPARE(decenter->text(), QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("3"));
    QTest::keySequence(decenter, QKeySequence::Paste);
    QCOMPARE(decenter->text(), QStringLiteral("123"));
    QTest::keyClick(decenter, Qt::Key_Return);
    QVERIFY_ALL_AT(123);
}

void TestOdometerPage::decimalOdometerOpensTheBoxEvenWhileCounting()
{
    quickenTimers(window);
    press("W7SpeedButton3");
    QVERIFY(!button("W7SpeedButton4")->isEnabled());
    QTest::mousePress(od(3), Qt::RightButton, {}, QPoint(20, 10));
    QVERIFY(decenter->isVisible());
    QVERIFY(decenter->hasFocus());
    typeAndEnter(QStringLiteral("40"));
    QVERIFY_ALL_AT(40);
    QVERIFY(Timer1->isActive());
    QVERIFY(QTest::qWaitFor([this] { return od(1)->Value() == 41; }, 3000));
    QVERIFY_ALL_AT(41);
}

void TestOdometerPage::aCommitOneAboveShowsAtOnce()
{
    quickenTimers(window);
    for (int step = 0; step < 5; ++step)
        press("W7SpeedButton1");
    QVERIFY(rollsEnd());
    press("W7SpeedButton4");
    typeAndEnter(QStringLiteral("6"));
    // No roll: the digits are whole at once on every odometer.
    const QStringList expected{"00000110", "006", "006", "06"};
    for (int number = 1; number <= 4; ++number)
        QCOMPARE(shown(od(number)).digits, expected[number - 1]);
}

void TestOdometerPage::octalDigitLightsItsBinaryGroup_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    const int oneByte[][2] = {{1, 2}, {3, 5}, {6, 8}};
    for (int k = 1; k <= 3; ++k)
        QTest::addRow("one byte, octal digit %d", k)
            << 1 << k << oneByte[k - 1][0] << oneByte[k - 1][1];
    const int twoBytes[][2] = {{1, 1}, {2, 4}, {5, 7}, {8, 10}, {11, 13}, {14, 16}};
    for (int k = 1; k <= 6; ++k)
        QTest::addRow("two bytes, octal digit %d", k)
            << 2 << k << twoBytes[k - 1][0] << twoBytes[k - 1][1];
}

void TestOdometerPage::octalDigitLightsItsBinaryGroup()
{
    QFETCH(int, bytes);
    QFETCH(int, k);
    QFETCH(int, first);
    QFETCH(int, last);
    chooseWidth(bytes);
    // Over the digit's left edge, its middle and its right edge.
    for (int x : {wheelWidth * (k - 1), wheelWidth * (k - 1) + 7, wheelWidth * k - 1}) {
        pointAt(od(2), QPoint(x, 10));
        QCOMPARE(int(od(2)->HighlightStart()), k);
        QCOMPARE(int(od(2)->Highlightend()), k);
        QCOMPARE(int(od(1)->HighlightStart()), first);
        QCOMPARE(int(od(1)->Highlightend()), last);
        checkLit(od(2), k, k);
        checkLit(od(1), first, last);
    }
}

void TestOdometerPage::hexDigitLightsItsFourBinaryDigits_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("k");
    for (int k = 1; k <= 2; ++k)
        QTest::addRow("one byte, hex digit %d", k) << 1 << k;
    for (int k = 1; k <= 4; ++k)
        QTest::addRow("two bytes, hex digit %d", k) << 2 << k;
}

void TestOdometerPage::hexDigitLightsItsFourBinaryDigits()
{
    QFETCH(int, bytes);
    QFETCH(int, k);
    chooseWidth(bytes);
    for (int x : {wheelWidth * (k - 1), wheelWidth * (k - 1) + 7, wheelWidth * k - 1}) {
        pointAt(od(4), QPoint(x, 10));
        QCOMPARE(int(od(4)->HighlightStart()), k);
        QCOMPARE(int(od(4)->Highlightend()), k);
        checkLit(od(4), k, k);
        checkLit(od(1), 4 * k - 3, 4 * k);
    }
}

void TestOdometerPage::leavingClearsBothHighlights()
{
    quickenTimers(window);
    pointAt(od(2), QPoint(20, 10));
    checkLit(od(1), 3, 5);
    // The highlight stays while the value steps.
    press("W7SpeedButton1");
    QVERIFY(rollsEnd());
    checkLit(od(1), 3, 5);
    pointAt(od(2)->parentWidget(), QPoint(10, 250));
    for (int number : {1, 2}) {
        QCOMPARE(od(number)->HighlightStart(), quint8(0));
        QCOMPARE(od(number)->Highlightend(), quint8(0));
        checkLit(od(number), 0, -1);
    }

    pointAt(od(4), QPoint(3, 10));
    checkLit(od(1), 1, 4);
    pointAt(od(4)->parentWidget(), QPoint(10, 250));
    checkLit(od(4), 0, -1);
    checkLit(od(1), 0, -1);
}

void TestOdometerPage::enteringThePageStartsAgainAtOneByteAndZero()
{
    chooseWidth(2);
    press("W7SpeedButton2");
    QVERIFY_ALL_AT(65535);
    selectTab(TableTab);
    selectTab(OdometerTab);
    QVERIFY(child<QRadioButton>("RadioButton1")->isChecked());
    QCOMPARE(od(1)->DigitCount(), quint8(8));
    QCOMPARE(od(2)->x(), 255);
    QCOMPARE(child<QWidget>("AdvGDIPPicture2")->width(), 234);
    QVERIFY_ALL_AT(0);
}

QTEST_MAIN(TestOdometerPage)
#include "tst_odometerpage.moc"
