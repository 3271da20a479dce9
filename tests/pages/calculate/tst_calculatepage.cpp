// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/basesu.h"
#include "calculateboardreader.h"
#include "pages/calculate/calculatepage.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QLoggingCategory>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace {

QStringList traceLines;
QtMessageHandler previousHandler = nullptr;

void captureTrace(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (qstrcmp(context.category, "quorvel.trace") == 0)
        traceLines << message;
    else
        previousHandler(type, context, message);
}

const QColor cursorBlue(182, 226, 250);

} // namespace

class TestCalculatePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void openingThePageStartsAHexProblem();
    void theBoardIsLaidOutAsDesigned();
    void hexFFFFPlusOneCarriesIntoTheFifthColumn();
    void workingStraightAfterChoosingARadixGivesZero();
    void keysOutsideTheRadixAreRefused();
    void backspaceRemovesOnlyTheLastDigitOfTheRow();
    void enterAlignsAndFourDigitsCloseARow();
    void borrowsPassZeroColumns();
    void aSmallerFirstNumberIsExchangedAndMarkedNegative();
    void aWorkingLeavesThePageIdleWithTheRadixLit();
    void choosingAnotherRadixStartsAfresh();
    void typingOnAnotherPageReachesOnlyTheHiddenBoard();
    void cursorMovesAndBlinksAreTraced();
    void blinksKeepTheirIntervalOnAverage();
};

void TestCalculatePage::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("quorvel.trace.debug=true"));
    previousHandler = qInstallMessageHandler(captureTrace);
}

void TestCalculatePage::init()
{
    traceLines.clear();
}

void TestCalculatePage::openingThePageStartsAHexProblem()
{
    Tfbases window;
    auto *page = window.findChild<CalculatePage *>(QStringLiteral("pan2"));
    CalculateBoardReader board(*page);
    QCOMPARE(board.hint(), QStringLiteral("Select Radix"));
    QCOMPARE(page->EntryRow(), 0);

    window.findChild<QTabBar *>(QStringLiteral("tabs"))->setCurrentIndex(1);
    QVERIFY(board.speedButton("W7SpeedButton9")->property("Light").toBool());
    QVERIFY(!board.speedButton("W7SpeedButton5")->property("Light").toBool());
    QVERIFY(!board.speedButton("W7SpeedButton8")->property("Light").toBool());
    QCOMPARE(board.hint(), QStringLiteral("Enter first number"));
    for (unsigned row = 1; row <= 3; ++row)
        QCOMPARE(board.rowText(row).trimmed(), QString());
    QCOMPARE(board.operatorSign(), QStringLiteral(" "));
    QVERIFY(!board.minusShown());
    QVERIFY(!board.bracketShown());
    for (unsigned column = 2; column <= 5; ++column)
        QCOMPARE(board.topMark(column), u' ');
    QCOMPARE(page->BlinkCell(), 14);
    QCOMPARE(page->EntryRow(), 1);
    QCOMPARE(page->EntryColumn(), 4);
}

void TestCalculatePage::theBoardIsLaidOutAsDesigned()
{
    Tfbases window;
    window.show();
    window.findChild<QTabBar *>(QStringLiteral("tabs"))->setCurrentIndex(1);
    auto *page = window.findChild<CalculatePage *>(QStringLiteral("pan2"));
    CalculateBoardReader board(*page);

    board.type(QStringLiteral("A"));
    QCOMPARE(board.cell(1, 4)->pos(), QPoint(200, 25));
    QCOMPARE(board.cell(2, 2)->pos(), QPoint(270, 81));
    QCOMPARE(board.cell(3, 5)->pos(), QPoint(165, 154));
    QCOMPARE(board.cell(1, 1)->size(), QSize(29, 67));
    // Every other cell fits its caption: a blank is narrower than a digit.
    QVERIFY(board.cell(1, 3)->width() < board.cell(1, 4)->width());
    QCOMPARE(board.cell(1, 4)->size(), board.cell(1, 4)->sizeHint());
    QCOMPARE(QFontInfo(board.cell(1, 4)->font()).family(), QStringLiteral("Comic Neue"));
    QCOMPARE(QFontInfo(board.cell(1, 4)->font()).pixelSize(), 48);
    QVERIFY(board.cell(1, 4)->font().bold());

    const auto *hint = page->findChild<QLabel *>(QStringLiteral("hint1"));
    QCOMPARE(hint->geometry(), QRect(135, 235, 217, 16));
    QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(page->findChild<QLabel *>(QStringLiteral("r3"))->palette().color(QPalette::WindowText),
             QColor(0, 0, 255));
    QCOMPARE(
        page->findChild<QLabel *>(QStringLiteral("minus"))->palette().color(QPalette::WindowText),
        QColor(255, 0, 0));
    QCOMPARE(page->findChild<QWidget *>(QStringLiteral("minus2"))->geometry(),
             QRect(340, 44, 20, 100));
    QCOMPARE(page->findChild<QWidget *>(QStringLiteral("AdvGDIPPicture4"))->geometry(),
             QRect(64, -13, 433, 298));
    QCOMPARE(board.speedButton("W7SpeedButton8")->geometry(), QRect(23, 78, 90, 27));
    QCOMPARE(board.speedButton("W7SpeedButton6")->font().pixelSize(), 19);
    QCOMPARE(board.speedButton("W7SpeedButton6")->captionColor(), QColor(30, 57, 91));

    // Strike and borrow marks paint over the digits; the buttons over their panel.
    QStringList order;
    for (QObject *child : page->children()) {
        if (child->isWidgetType())
            order << child->objectName();
    }
    const QStringList expected{"AdvGDIPPicture4",
                               "c14",
                               "c13",
                               "c12",
                               "c11",
                               "c24",
                               "c23",
                               "c22",
                               "c21",
                               "c34",
                               "c33",
                               "c32",
                               "c31",
                               "Shape1",
                               "c35",
                               "r4",
                               "b1",
                               "r3",
                               "r2",
                               "b3",
                               "b2",
                               "x2",
                               "x3",
                               "x4",
                               "r5",
                               "op",
                               "hint1",
                               "minus",
                               "minus2",
                               "AdvGDIPPicture5",
                               "W7SpeedButton5",
                               "W7SpeedButton8",
                               "W7SpeedButton9",
                               "W7SpeedButton7",
                               "W7SpeedButton6"};
    QCOMPARE(order, expected);

    // The cursor cell is opaque light blue; the others let the paper show through.
    const QImage shot = page->grab().toImage();
    const QRect cursor = board.cell(1, 3)->geometry();
    QCOMPARE(shot.pixelColor(cursor.center()), cursorBlue);
    const QRect typed = board.cell(1, 4)->geometry();
    QVERIFY(shot.pixelColor(typed.topLeft() + QPoint(1, 1)) != cursorBlue);
    QVERIFY(!board.cell(1, 4)->autoFillBackground());
}

void TestCalculatePage::hexFFFFPlusOneCarriesIntoTheFifthColumn()
{
    CalculatePage page;
    CalculateBoardReader board(page);
    page.W7SpeedButton9Click();
    board.type(QStringLiteral("FFFF1\r"));
    board.click("W7SpeedButton6");
    QCOMPARE(board.rowText(1), QStringLiteral("FFFF"));
    QCOMPARE(board.rowText(2), QStringLiteral("   1"));
    QCOMPARE(board.rowText(3), QStringLiteral("10000"));
    for (unsigned column = 2; column <= 5; ++column)
        QCOMPARE(board.topMark(column), u'1');
    QCOMPARE(board.operatorSign(), QStringLiteral("+"));
    QCOMPARE(board.hint(), QString());
}

void TestCalculatePage::workingStraightAfterChoosingARadixGivesZero()
{
    CalculatePage page;
    CalculateBoardReader board(page);
    for (const char *work : {"W7SpeedButton6", "W7SpeedButton7"}) {
        board.click("W7SpeedButton5");
        board.click(work);
        QCOMPARE(board.rowText(1), QStringLiteral("   0"));
        QCOMPARE(board.rowText(2), QStringLiteral("   0"));
        QCOMPARE(board.rowText(3), QStringLiteral("    0"));
        QCOMPARE(page.EntryRow(), 0);
        QCOMPARE(page.BlinkCell(), 0);
    }

    // Equal operands leave "0" in the units column only.
    board.click("W7SpeedButton8");
    board.type(QStringLiteral("43214321"));
    board.click("W7SpeedButton7");
    QCOMPARE(board.rowText(3), QStringLiteral("    0"));
    QVERIFY(!board.minusShown());
}

void TestCalculatePage::keysOutsideTheRadixAreRefused()
{
    CalculatePage page;
    CalculateBoardReader board(page);
    page.W7SpeedButton5Click();
    board.type(QStringLiteral("89AaG-+ \t"));
    QCOMPARE(board.rowText(1), QStringLiteral("    "));
    QCOMPARE(page.EntryColumn(), 4);
    board.type(QStringLiteral("7"));
    QCOMPARE(board.rowText(1), QStringLiteral("7   "));

    page.W7SpeedButton8Click();
    board.type(QStringLiteral("Aa9"));
    QCOMPARE(board.rowText(1), QStringLiteral("9   "));

    page.W7SpeedButton9Click();
    board.type(QStringLiteral("aGf"));
    QCOMPARE(board.rowText(1), QStringLiteral("AF  "));
}

void TestCalculatePage::backspaceRemovesOnlyTheLastDigitOfTheRow()
{
    CalculatePage page;
    CalculateBoardReader board(page);
    page.W7SpeedButton8Click();
    board.type(QStringLiteral("12\b"));
    QCOMPARE(board.rowText(1), QStringLiteral("1   "));
    QCOMPARE(page.BlinkCell(), 13);
    board.type(QStringLiteral("\b\b\b"));
    QCOMPARE(board.rowText(1), QStringLiteral("    "));
    QCOMPARE(page.EntryColumn(), 4);
    QCOMPARE(page.BlinkCell(), 14);

    board.type(QStringLiteral("56\r\b"));
    QCOMPARE(page.EntryRow(), 2);
    QCOMPARE(board.rowText(1), QStringLiteral("  56"));
    board.type(QStringLiteral("7\b\b"));
    QCOMPARE(board.rowText(1), QStringLiteral("  56"));
    QCOMPARE(board.rowText(2), QStringLiteral("    "));
    QCOMPARE(page.BlinkCell(), 24);
}

void TestCalculatePage::enterAlignsAndFourDigitsCloseARow()
{
    CalculatePage page;
    CalculateBoardReader board(page);
    page.W7SpeedButton8Click();
    board.type(QStringLiteral("12\r"));
    QCOMPARE(board.rowText(1), QStringLiteral("  12"));
    QCOMPARE(board.hint(), QStringLiteral("Enter second number"));
    QCOMPARE(page.BlinkCell(), 24);

    board.type(QStringLiteral("\r"));
    QCOMPARE(board.rowText(2), QStringLiteral("   0"));
    QCOMPARE(board.hint(), QStringLiteral("Click + or -"));
    QCOMPARE(page.EntryRow(), 0);
    QCOMPARE(page.BlinkCell(), 0);

    page.W7SpeedButton9Click();
    board.type(QStringLiteral("1234"));
    QCOMPARE(page.EntryRow(), 2);
    QCOMPARE(page.EntryColumn(), 4);
    QCOMPARE(board.hint(), QStringLiteral("Enter second number"));
    QCOMPARE(page.BlinkCell(), 24);
    board.type(QStringLiteral("ABCD"));
    QCOMPARE(board.rowText(2), QStringLiteral("ABCD"));
    QCOMPARE(page.EntryRow(), 0);
    QCOMPARE(board.hint(), QStringLiteral("Click + or -"));
    QCOMPARE(page.BlinkCell(), 0);
}

void TestCalculatePage::borrowsPassZeroColumns()
{
    struct Case
    {
        const char *radixButton;
        const char *keys;
        const char *marks; // above columns 5, 4, 3, 2
        const char *result;
    };
    const Case cases[] = {
        {"W7SpeedButton5", "100\r1\r", "  07", "   77"},
        {"W7SpeedButton9", "100\r1\r", "  0F", "   FF"},
        {"W7SpeedButton8", "1000", " 099", "  999"},
    };
    CalculatePage page;
    CalculateBoardReader board(page);
    for (const Case &sample : cases) {
        board.click(sample.radixButton);
        board.type(QString::fromLatin1(sample.keys));
        board.type(QStringLiteral("1\r"));
        board.click("W7SpeedButton7");
        QCOMPARE(board.rowText(3), QString::fromLatin1(sample.result));
        QString marks;
        for (unsigned column = 5; column >= 2; --column)
            marks += board.topMark(column);
        QCOMPARE(marks, QString::fromLatin1(sample.marks));
        for (unsigned column = 2; column <= 4; ++column)
            QCOMPARE(board.struck(column), marks.at(5 - column) != u' ');
        QCOMPARE(board.borrowMark(1), u'1');
        QCOMPARE(board.borrowMark(2), u' ');
        QCOMPARE(board.borrowMark(3), u' ');
        QCOMPARE(board.operatorSign(), QStringLiteral("-"));
    }
}

void TestCalculatePage::aSmallerFirstNumberIsExchangedAndMarkedNegative()
{
    CalculatePage page;
    CalculateBoardReader board(page);
    page.W7SpeedButton8Click();
    board.type(QStringLiteral("5\r123\r"));
    board.click("W7SpeedButton7");
    QCOMPARE(board.rowText(1), QStringLiteral("0123"));
    QCOMPARE(board.rowText(2), QStringLiteral("0005"));
    QCOMPARE(board.rowText(3), QStringLiteral("  118"));
    QVERIFY(board.minusShown());
    QVERIFY(board.bracketShown());

    board.click("W7SpeedButton7");
    QCOMPARE(board.rowText(3), QStringLiteral("  118"));
    QVERIFY(!board.minusShown());
    QVERIFY(!board.bracketShown());

    board.click("W7SpeedButton6");
    QCOMPARE(board.rowText(3), QStringLiteral("  128"));
    QCOMPARE(board.operatorSign(), QStringLiteral("+"));
    QVERIFY(!board.minusShown());
}

void TestCalculatePage::aWorkingLeavesThePageIdleWithTheRadixLit()
{
    CalculatePage page;
    CalculateBoardReader board(page);
    for (const char *radixButton : {"W7SpeedButton5", "W7SpeedButton8", "W7SpeedButton9"}) {
        board.click(radixButton);
        board.type(QStringLiteral("7\r"));
        board.click("W7SpeedButton6");
        const QString rows = board.rowText(1) + board.rowText(2) + board.rowText(3);
        board.type(QStringLiteral("12\b\r"));
        QCOMPARE(board.rowText(1) + board.rowText(2) + board.rowText(3), rows);
        QCOMPARE(board.hint(), QString());
        QVERIFY(board.speedButton(radixButton)->Light());
        board.click("W7SpeedButton7");
        QVERIFY(board.speedButton(radixButton)->Light());
    }
}

void TestCalculatePage::choosingAnotherRadixStartsAfresh()
{
    CalculatePage page;
    CalculateBoardReader board(page);
    page.W7SpeedButton9Click();
    board.type(QStringLiteral("AB\r1"));
    page.W7SpeedButton5Click();
    QCOMPARE(board.rowText(1), QStringLiteral("    "));
    QCOMPARE(board.rowText(2), QStringLiteral("    "));
    QCOMPARE(page.EntryRow(), 1);
    QCOMPARE(page.BlinkCell(), 14);
    QCOMPARE(board.hint(), QStringLiteral("Enter first number"));
    QVERIFY(board.speedButton("W7SpeedButton5")->Light());
    QVERIFY(!board.speedButton("W7SpeedButton9")->Light());
}

void TestCalculatePage::typingOnAnotherPageReachesOnlyTheHiddenBoard()
{
    Tfbases window;
    auto *tabs = window.findChild<QTabBar *>(QStringLiteral("tabs"));
    auto *page = window.findChild<CalculatePage *>(QStringLiteral("pan2"));
    CalculateBoardReader board(*page);
    tabs->setCurrentIndex(1);
    QTest::keyClicks(&window, QStringLiteral("12"));
    QCOMPARE(board.rowText(1), QStringLiteral("12  "));

    tabs->setCurrentIndex(0);
    QVERIFY(!page->isVisibleTo(&window));
    QTest::keyClicks(&window, QStringLiteral("3"));
    QTest::keyClick(&window, Qt::Key_Backspace);
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(board.rowText(1), QStringLiteral("  12"));
    QCOMPARE(page->EntryRow(), 2);

    tabs->setCurrentIndex(1);
    QCOMPARE(board.rowText(1), QStringLiteral("    "));
    QCOMPARE(page->EntryRow(), 1);
    QCOMPARE(board.hint(), QStringLiteral("Enter first number"));
}

void TestCalculatePage::cursorMovesAndBlinksAreTraced()
{
    constexpr int blinkInterval = 50; // the pace is checked below
    CalculatePage page;
    page.setBlinkInterval(blinkInterval);
    CalculateBoardReader board(page);
    page.W7SpeedButton8Click();
    board.type(QStringLiteral("9\r4"));
    QCOMPARE(traceLines, QStringList({"1   4:1", "0   4:1", "1   3:1", "0   3:1", "1   4:2",
                                      "0   4:2", "1   3:2"}));
    QCOMPARE(page.BlinkCell(), 23);

    traceLines.clear();
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(traceLines.size(), 3, 3000);
    QVERIFY(clock.elapsed() >= 3 * blinkInterval - blinkInterval / 2);
    QCOMPARE(traceLines, QStringList({"23  0", "23  1", "23  0"}));
    QCOMPARE(board.cell(2, 3)->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(board.cell(2, 3)->autoFillBackground());
    QCOMPARE(page.BlinkCell(), 23 + 128);

    traceLines.clear();
    board.type(QStringLiteral("\r"));
    QCOMPARE(traceLines, QStringList({"0   3:2"}));
    QCOMPARE(page.BlinkCell(), 0);
    QVERIFY(!board.cell(2, 3)->autoFillBackground());
    QTest::qWait(3 * blinkInterval);
    QCOMPARE(traceLines, QStringList({"0   3:2"}));
}

void TestCalculatePage::blinksKeepTheirIntervalOnAverage()
{
    CalculatePage page;
    auto *blink = page.findChild<QTimer *>(QStringLiteral("Timer3"));
    QVERIFY(blink && blink->isActive());
    QElapsedTimer clock;
    QList<qint64> ticks;
    connect(blink, &QTimer::timeout, this, [&] { ticks << clock.nsecsElapsed(); });
    clock.start();
    // Five blinks are enough to tell a precise timer from a coarse one, which may be off by
    // a twentieth of the interval each time.
    constexpr int blinks = 5;
    QCOMPARE(blink->interval(), 330);
    QTRY_COMPARE_WITH_TIMEOUT(ticks.size(), blinks + 1, blinks * 330 + 3000);
    const double meanMs = double(ticks.last() - ticks.first()) / blinks / 1e6;
    QVERIFY2(qAbs(meanMs - 330) <= 3, qPrintable(QString::number(meanMs)));
}

QTEST_MAIN(TestCalculatePage)
#include "tst_calculatepage.moc"
