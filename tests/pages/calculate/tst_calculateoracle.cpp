#include "calculateboardreader.h"
#include "pages/calculate/calculatepage.h"

#include <QRandomGenerator>
#include <QTest>

// Works sums and differences through the page's keys and buttons and checks the board
// against plain integer arithmetic done here, column by column as on paper.

namespace {

constexpr unsigned columns = 4;

unsigned DigitAt(unsigned value, unsigned column, unsigned radix)
{
    for (unsigned step = 1; step < column; ++step)
        value /= radix;
    return value % radix;
}

QChar DigitChar(unsigned digit)
{
    return QChar(u"0123456789ABCDEF"[digit]);
}

// The number in radix, no leading zeros, right-aligned in width cells.
QString Written(unsigned value, unsigned radix, int width)
{
    QString digits;
    do {
        digits.prepend(DigitChar(value % radix));
        value /= radix;
    } while (value != 0);
    return digits.rightJustified(width, u' ');
}

QString Padded(unsigned value, unsigned radix)
{
    QString digits;
    for (unsigned column = columns; column >= 1; --column)
        digits += DigitChar(DigitAt(value, column, radix));
    return digits;
}

struct Problem
{
    unsigned radix;
    unsigned first;
    unsigned second;

    QString Describe(const char *what) const
    {
        return QStringLiteral("radix %1: %2 and %3: %4")
            .arg(radix)
            .arg(Written(first, radix, 0), Written(second, radix, 0), QLatin1String(what));
    }
};

const char *RadixButton(unsigned radix)
{
    return radix == 8 ? "W7SpeedButton5" : radix == 10 ? "W7SpeedButton8" : "W7SpeedButton9";
}

// Types a number as a user would: its digits, then Enter unless four digits closed the row.
void TypeNumber(const CalculateBoardReader &board, unsigned value, unsigned radix, bool lowerCase)
{
    QString keys = Written(value, radix, 0);
    if (lowerCase)
        keys = keys.toLower();
    if (keys.size() < int(columns))
        keys += u'\r';
    board.Type(keys);
}

QString CheckSum(const CalculateBoardReader &board, const Problem &problem)
{
    const unsigned radix = problem.radix;
    if (board.Row(1) != Written(problem.first, radix, 4) ||
        board.Row(2) != Written(problem.second, radix, 4))
        return problem.Describe("operands moved by the sum");
    if (board.Row(3) != Written(problem.first + problem.second, radix, 5))
        return problem.Describe("wrong sum");
    unsigned carry = 0;
    for (unsigned column = 1; column <= columns; ++column) {
        carry = (DigitAt(problem.first, column, radix) + DigitAt(problem.second, column, radix) +
                 carry) >= radix;
        if (board.TopMark(column + 1) != (carry ? u'1' : u' '))
            return problem.Describe("wrong carry mark");
    }
    for (unsigned column = 1; column <= 3; ++column) {
        if (board.BorrowMark(column) != u' ' || board.Struck(column + 1))
            return problem.Describe("borrow marks in a sum");
    }
    if (board.MinusShown() || board.BracketShown())
        return problem.Describe("minus sign in a sum");
    return {};
}

QString CheckDifference(const CalculateBoardReader &board, const Problem &problem)
{
    const unsigned radix = problem.radix;
    const bool exchanged = problem.first < problem.second;
    const unsigned top = exchanged ? problem.second : problem.first;
    const unsigned bottom = exchanged ? problem.first : problem.second;
    const QString topRow = exchanged ? Padded(top, radix) : Written(top, radix, 4);
    const QString bottomRow = exchanged ? Padded(bottom, radix) : Written(bottom, radix, 4);
    if (board.Row(1) != topRow || board.Row(2) != bottomRow)
        return problem.Describe("operands not in place for the difference");
    if (board.MinusShown() != exchanged || board.BracketShown() != exchanged)
        return problem.Describe("minus sign and bracket wrong");
    if (board.Row(3) != Written(top - bottom, radix, 5))
        return problem.Describe("wrong difference");

    bool borrowIn = false;
    for (unsigned column = 1; column <= columns; ++column) {
        const unsigned digit = DigitAt(top, column, radix);
        const unsigned subtrahend = DigitAt(bottom, column, radix);
        // A struck column has lent: it shows its digit less one, a zero the top digit.
        const QChar mark = borrowIn ? DigitChar((digit + radix - 1) % radix) : QChar(u' ');
        if (column >= 2 && (board.Struck(column) != borrowIn || board.TopMark(column) != mark))
            return problem.Describe("wrong strike or mark above a lending column");
        const bool passedZero = borrowIn && digit == 0;
        const bool borrows = !passedZero && digit - unsigned(borrowIn) < subtrahend;
        if (column <= 3 && board.BorrowMark(column) != (borrows ? u'1' : u' '))
            return problem.Describe("wrong small borrow mark");
        borrowIn = passedZero || borrows;
    }
    if (board.TopMark(5) != u' ')
        return problem.Describe("mark above the fifth column in a difference");
    return {};
}

} // namespace

class TestCalculateOracle : public QObject
{
    Q_OBJECT

private slots:
    void everySmallPairAndManyRandomOnes_data();
    void everySmallPairAndManyRandomOnes();

private:
    void Work(CalculatePage &page, const CalculateBoardReader &board, const Problem &problem,
              bool lowerCase);
};

void TestCalculateOracle::Work(CalculatePage &page, const CalculateBoardReader &board,
                               const Problem &problem, bool lowerCase)
{
    board.Click(RadixButton(problem.radix));
    TypeNumber(board, problem.first, problem.radix, lowerCase);
    TypeNumber(board, problem.second, problem.radix, lowerCase);
    QCOMPARE(page.EntryRow(), 0);

    board.Click("W7SpeedButton6");
    const QString sumError = CheckSum(board, problem);
    QVERIFY2(sumError.isEmpty(), qPrintable(sumError));
    board.Click("W7SpeedButton7");
    const QString differenceError = CheckDifference(board, problem);
    QVERIFY2(differenceError.isEmpty(), qPrintable(differenceError));
}

void TestCalculateOracle::everySmallPairAndManyRandomOnes_data()
{
    QTest::addColumn<unsigned>("radix");
    QTest::newRow("octal") << 8u;
    QTest::newRow("decimal") << 10u;
    QTest::newRow("hexadecimal") << 16u;
}

void TestCalculateOracle::everySmallPairAndManyRandomOnes()
{
    QFETCH(unsigned, radix);
    CalculatePage page;
    const CalculateBoardReader board(page);

    for (unsigned first = 0; first < 64; ++first) {
        for (unsigned second = 0; second < 64; ++second) {
            Work(page, board, {radix, first, second}, false);
            if (QTest::currentTestFailed())
                return;
        }
    }

    QRandomGenerator random(radix * 7919);
    const auto operand = [&] {
        const unsigned digits = random.bounded(1u, columns + 1);
        unsigned limit = 1;
        for (unsigned step = 0; step < digits; ++step)
            limit *= radix;
        return random.bounded(limit);
    };
    for (int pair = 0; pair < 20000; ++pair) {
        const Problem problem{radix, operand(), operand()};
        Work(page, board, problem, pair % 2 == 1);
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(TestCalculateOracle)
#include "tst_calculateoracle.moc"
