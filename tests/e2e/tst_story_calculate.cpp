// SPDX-License-Identifier: GPL-3.0-or-later
// The Calculate page as a pupil uses it: open the tab, choose a radix, type two numbers
// with real key presses, click "+" or "-". How the screen is read:
// - the board's digits, the operation sign and the small blue marks are read as text by
//   ScreenText, which matches each glyph against the digits drawn in the board's fonts;
// - the strike marks, the red minus sign and the red bracket by the ink of their colour in
//   their places;
// - the lit radix button by the colour of its face;
// - the cursor's path and blink from the trace channel on the program's standard error.
#include "devicepixels.h"
#include "screentext.h"
#include "story.h"

#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int cellWidth = 29;
constexpr int cellHeight = 67;
constexpr int rowTops[] = {0, 25, 81, 154};

int cellLeft(int column)
{
    return 305 - 35 * (column - 1);
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 90 && qGreen(pixel) < 90;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

int countInk(const QImage &shot, const QRect &place, bool (*isInk)(QRgb))
{
    const QRect area = inDevicePixels(shot, place);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isInk(shot.pixel(x, y)) ? 1 : 0;
    return count;
}

// The board of a screenshot as text: one character per column from the leftmost shown to
// the units column, a blank for an empty cell.
class BoardOnScreen
{
public:
    explicit BoardOnScreen(const QImage &shot) : m_shot(shot) {}

    QString row(int row) const
    {
        return readColumns(digits(), row == 3 ? 5 : 4, [row](int column) {
            return QRect(cellLeft(column), rowTops[row], cellWidth + 5, cellHeight);
        });
    }

    // The marks above columns 5 to 2.
    QString topMarks() const
    {
        return readColumns(marks(), 5, [](int column) {
            return column >= 2 ? QRect(cellLeft(column) + 2, 4, 22, 21) : QRect();
        });
    }

    // The small borrow marks before the top digits of columns 3 to 1.
    QString borrowMarks() const
    {
        return readColumns(marks(), 3,
                           [](int column) { return QRect(cellLeft(column) - 12, 25, 12, 35); });
    }

    QString sign() const { return digits().read(m_shot, onPage(QRect(135, 76, 29, 67))); }

    bool struckThrough(int column) const
    {
        static constexpr int strikeLefts[] = {0, 0, 270, 235, 204};
        return countInk(m_shot, onPage(QRect(strikeLefts[column], 60, 25, 30)), isBlue) > 10;
    }

    bool markedNegative() const
    {
        return countInk(m_shot, onPage(QRect(130, 149, 29, 67)), isRed) > 20 &&
               countInk(m_shot, onPage(QRect(340, 44, 20, 100)), isRed) > 20;
    }

private:
    // One character per column from the first given down to the units column, a blank
    // where there is no ink; a column without a place is left out.
    QString readColumns(const ScreenText &reader, int firstColumn,
                        const std::function<QRect(int)> &placeOfColumn) const
    {
        QString text;
        for (int column = firstColumn; column >= 1; --column) {
            const QRect place = placeOfColumn(column);
            if (place.isNull())
                continue;
            const QString character = reader.read(m_shot, onPage(place));
            text += character.isEmpty() ? QStringLiteral(" ") : character;
        }
        return text;
    }

    static const ScreenText &digits()
    {
        static const ScreenText reader(programFont("Comic Sans MS", 48, true),
                                       QStringLiteral("0123456789ABCDEF+-"));
        return reader;
    }
    static const ScreenText &marks()
    {
        static const ScreenText reader(programFont("Comic Sans MS", 24, true),
                                       QStringLiteral("0123456789ABCDEF"),
                                       [](QRgb pixel) { return isBlue(pixel); });
        return reader;
    }

    QImage m_shot;
};

// A button of the green panel, by its place on the page.
const QRect octalButton(23, 45, 90, 27);
const QRect decimalButton(23, 78, 90, 27);
const QRect hexButton(23, 111, 90, 27);
const QRect minusButton(28, 161, 34, 27);
const QRect plusButton(76, 161, 34, 27);

bool isLit(const QImage &shot, const QRect &button)
{
    const QColor face =
        shot.pixelColor(inDevicePixels(shot, onPage(button).bottomLeft() + QPoint(45, -3)));
    return face.red() > 220 && face.blue() < 170;
}

bool isCursorLine(const QString &line)
{
    static const QRegularExpression cursorLine(QStringLiteral("[01]   \\d:\\d$"));
    return cursorLine.match(line).hasMatch();
}

} // namespace

class CalculateStory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensInHexadecimalWithTheCursorBlinking();
    void sumCarriesIntoTheFifthColumn();
    void subtractionExchangesTheOperandsAndBorrowsAcrossZeros();

private:
    // Presses the keys, then waits until the trace shows the cursor's moves that follow.
    void type(const QStringList &keys, int cursorMoves);
    QStringList cursorMoves();
    // Clicks "+" or "-" and waits until the result row reads the text.
    bool clickUntilResultReads(const QRect &button, const QString &result, const QString &shotName,
                               QImage &shot);

    Story story{QStringLiteral("calculate")};
};

void CalculateStory::initTestCase()
{
    const QString failure = story.start();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QStringList CalculateStory::cursorMoves()
{
    QStringList moves;
    for (const QString &line : story.trace())
        if (isCursorLine(line))
            moves << line.right(7);
    return moves;
}

void CalculateStory::type(const QStringList &keys, int moves)
{
    const int expected = int(cursorMoves().size()) + moves;
    for (const QString &key : keys)
        story.pressKey(key);
    QVERIFY2(story.waitForTrace(isCursorLine, expected), qPrintable(story.trace().join(u'\n')));
}

bool CalculateStory::clickUntilResultReads(const QRect &button, const QString &result,
                                           const QString &shotName, QImage &shot)
{
    story.click(onPage(button.center()));
    return story.waitForScreen(
        shotName, [&](const QImage &s) { return BoardOnScreen(s).row(3) == result; }, shot);
}

void CalculateStory::opensInHexadecimalWithTheCursorBlinking()
{
    QVERIFY(story.openPage(Tab::Calculate));
    QVERIFY(story.waitForTrace(isCursorLine, 1));
    // The cursor comes on in the leftmost cell of the first number and blinks every 330 ms,
    // white first.
    const auto isBlinkOfCell14 = [](const QString &line) {
        return line.endsWith(QLatin1String("14  0")) || line.endsWith(QLatin1String("14  1"));
    };
    QVERIFY(story.waitForTrace(isBlinkOfCell14, 2));
    QStringList blinks;
    for (const QString &line : story.trace())
        if (isBlinkOfCell14(line))
            blinks << line.right(5);
    QCOMPARE(blinks.mid(0, 2), QStringList({"14  0", "14  1"}));
    QCOMPARE(cursorMoves(), QStringList({"1   4:1"}));

    QImage shot;
    QVERIFY(story.waitForScreen(
        QStringLiteral("opened.png"), [](const QImage &s) { return isLit(s, hexButton); }, shot));
    QVERIFY(!isLit(shot, decimalButton));
    QVERIFY(!isLit(shot, octalButton));
    const BoardOnScreen board(shot);
    QCOMPARE(board.row(1), QStringLiteral("    "));
    QCOMPARE(board.row(2), QStringLiteral("    "));
    QCOMPARE(board.row(3), QStringLiteral("     "));
}

void CalculateStory::sumCarriesIntoTheFifthColumn()
{
    // F, F, F, F fill the first row and move on to the second; 1 and Enter close it.
    type({"F", "F", "F", "F", "1", "Return"}, 11);
    QImage shot;
    QVERIFY(clickUntilResultReads(plusButton, QStringLiteral("10000"),
                                  QStringLiteral("ffff-plus-1.png"), shot));
    const BoardOnScreen board(shot);
    QCOMPARE(board.row(1), QStringLiteral("FFFF"));
    QCOMPARE(board.row(2), QStringLiteral("   1"));
    QCOMPARE(board.sign(), QStringLiteral("+"));
    QCOMPARE(board.topMarks(), QStringLiteral("1111"));
    QVERIFY(isLit(shot, hexButton));
    QVERIFY(!board.markedNegative());

    // On at the leftmost cell of the first number, one cell right per digit, on to the
    // second number after the fourth digit, off at Enter.
    QCOMPARE(cursorMoves(),
             QStringList({"1   4:1", "0   4:1", "1   3:1", "0   3:1", "1   2:1", "0   2:1",
                          "1   1:1", "0   1:1", "1   4:2", "0   4:2", "1   3:2", "0   3:2"}));
}

void CalculateStory::subtractionExchangesTheOperandsAndBorrowsAcrossZeros()
{
    story.click(onPage(decimalButton.center()));
    QImage shot;
    QVERIFY(story.waitForScreen(
        QStringLiteral("decimal-chosen.png"),
        [](const QImage &s) { return isLit(s, decimalButton) && !isLit(s, hexButton); }, shot));
    QCOMPARE(BoardOnScreen(shot).row(3), QStringLiteral("     "));

    // 1 - 1000: the first number is the smaller, so the two change places.
    type({"1", "Return", "1", "0", "0", "0"}, 9);
    QVERIFY(clickUntilResultReads(minusButton, QStringLiteral("  999"),
                                  QStringLiteral("1-minus-1000.png"), shot));
    const BoardOnScreen board(shot);
    QCOMPARE(board.row(1), QStringLiteral("1000"));
    QCOMPARE(board.row(2), QStringLiteral("0001"));
    QCOMPARE(board.sign(), QStringLiteral("-"));
    QVERIFY(board.markedNegative());
    // The units borrow from the thousands across two zeros: each zero is struck and lends
    // a 9, the 1 is struck and leaves 0, and the units get their small 1.
    QCOMPARE(board.topMarks(), QStringLiteral(" 099"));
    QCOMPARE(board.borrowMarks(), QStringLiteral("  1"));
    for (int column = 2; column <= 4; ++column)
        QVERIFY2(board.struckThrough(column), qPrintable(QString::number(column)));
}

QTEST_MAIN(CalculateStory)
#include "tst_story_calculate.moc"
