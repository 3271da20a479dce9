// The Calculate page as a user meets it in a real X session: open the tab, type a sum with
// real key presses, click "+", and read the board off a screenshot and the cursor's moves
// off the trace the program writes to its standard error.
#include "tabcaptions.h"
#include "xsession.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// Panel pan2 stands at (1, 40) in the client area; the board's places are given in it.
constexpr QPoint pageOrigin(1, 40);

QRect OnPage(const QRect &place)
{
    return place.translated(pageOrigin);
}

// How many pixels of the area have ink of the kind.
int CountInk(const QImage &shot, const QRect &area, bool (*isInk)(QColor))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += isInk(shot.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

bool IsBlack(QColor pixel)
{
    return pixel.red() < 60 && pixel.green() < 60 && pixel.blue() < 60;
}

bool IsBlue(QColor pixel)
{
    return pixel.blue() > 200 && pixel.red() < 90 && pixel.green() < 90;
}

} // namespace

class TestCalculateInARealSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typedSumIsWorkedOnTheBoardAndTraced();

private:
    XSession session;
    qulonglong window = 0;
};

void TestCalculateInARealSession::initTestCase()
{
    QVERIFY2(session.failure().isEmpty(), qPrintable(session.failure()));
    QVERIFY(session.startProgram(QStringLiteral(QUORVEL_PROGRAM),
                                 {QStringLiteral("QT_LOGGING_RULES=quorvel.trace.debug=true")}));
    window = session.waitForWindow(QStringLiteral("Numeric Formats"));
    QVERIFY2(window != 0, "the window Numeric Formats did not appear");
}

void TestCalculateInARealSession::typedSumIsWorkedOnTheBoardAndTraced()
{
    QList<QRect> tabs;
    QVERIFY(WaitUntil(
        [&] { return (tabs = FindTabCaptions(session.screenshot(window))).size() == 3; }, 5000));
    session.click(window, tabs[1].center());
    QTest::qWait(800); // long enough for the cursor to blink twice
    for (const char *key : {"F", "F", "F", "F", "1", "Return"}) {
        session.pressKey(window, QString::fromLatin1(key));
        QTest::qWait(60);
    }
    session.click(window, OnPage(QRect(76, 161, 34, 27)).center());
    QTest::qWait(400);
    const QImage shot = session.screenshot(
        window, ScreenshotFolder() + QStringLiteral("/calculate-ffff-plus-1.png"));

    // Result 10000 in black across columns 5 to 1, a blue carry "1" above columns 5 to 2,
    // and the second number "1" in the units column only.
    for (int column = 5; column >= 1; --column) {
        const int left = 305 - 35 * (column - 1);
        QVERIFY2(CountInk(shot, OnPage(QRect(left, 154, 29, 67)), IsBlack) > 40,
                 qPrintable(QStringLiteral("no digit in result column %1").arg(column)));
        if (column >= 2)
            QVERIFY2(CountInk(shot, OnPage(QRect(left + 5, 4, 15, 35)), IsBlue) > 10,
                     qPrintable(QStringLiteral("no carry above column %1").arg(column)));
        const int secondRowInk = CountInk(shot, OnPage(QRect(left, 81, 29, 67)), IsBlack);
        if (column == 1)
            QVERIFY(secondRowInk > 40);
        else if (column <= 4)
            QCOMPARE(secondRowInk, 0);
    }
    // "Hex #" is lit, "Decimal #" is not.
    const QColor hexFace =
        shot.pixelColor(OnPage(QRect(23, 111, 90, 27)).bottomLeft() + QPoint(45, -3));
    const QColor decimalFace =
        shot.pixelColor(OnPage(QRect(23, 78, 90, 27)).bottomLeft() + QPoint(45, -3));
    QVERIFY(hexFace.red() > 220 && hexFace.blue() < 170);
    QVERIFY(decimalFace.blue() > 200);

    // The cursor's path: on at the leftmost cell of the first number, one cell right per
    // digit, on to the second number after the fourth digit, off at Enter.
    const QStringList trace = session.programErrorOutput().split(u'\n', Qt::SkipEmptyParts);
    static const QRegularExpression cursorLine(QStringLiteral("([01])   (\\d):(\\d)$"));
    static const QRegularExpression blinkLine(QStringLiteral("(\\d\\d)  ([01])$"));
    QStringList cursorMoves;
    QStringList firstBlinks;
    for (const QString &line : trace) {
        if (const auto move = cursorLine.match(line); move.hasMatch())
            cursorMoves << move.captured(0);
        else if (const auto blink = blinkLine.match(line);
                 blink.hasMatch() && cursorMoves.size() == 1)
            firstBlinks << blink.captured(0);
    }
    QCOMPARE(cursorMoves,
             QStringList({"1   4:1", "0   4:1", "1   3:1", "0   3:1", "1   2:1", "0   2:1",
                          "1   1:1", "0   1:1", "1   4:2", "0   4:2", "1   3:2", "0   3:2"}));
    QVERIFY2(firstBlinks.size() >= 2, qPrintable(trace.join(u'\n')));
    QCOMPARE(firstBlinks.mid(0, 2), QStringList({"14  0", "14  1"}));
}

QTEST_GUILESS_MAIN(TestCalculateInARealSession)
#include "tst_e2e_calculate.moc"
