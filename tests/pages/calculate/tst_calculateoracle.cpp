// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculateboardreader.h"
#include "pages/calculate/calculatepage.h"
#include "pages/calculate/columnworking.h"
#include "pages/calculate/operandentry.h"

#include <QRandomGenerator>
#include <QTest>

// Works sums and differences through the typing rules and the column working, and through
// the page's keys and buttons, and checks the board against plain integer arithmetic done
// here, column by column as on paper.

namespace {

constexpr unsigned columns = 4;

unsigned digitAt(unsigned value, unsigned column, unsigned radix)
{
    for (unsigned step = 1; step < column; ++step)
        value /= radix;
    return value % radix;
}

QChar digitChar(unsigned digit)
{
    return QChar(u"0123456789ABCDEF"[digit]);
}

// The number in radix, no leading zeros, right-aligned in width cells.
QString written(unsigned value, unsigned radix, int width)
{
    QString digits;
    do {
        digits.prepend(digitChar(value % radix));
        value /= radix;
    } while (value != 0);
    return digits.rightJustified(width, u' ');
}

QString padded(unsigned value, unsigned radix)
{
    QString digits;
    for (unsigned column = columns; column >= 1; --column)
        digits += digitChar(digitAt(value, column, radix));
    return digits;
}

struct Problem
{
    unsigned radix;
    unsigned first;
    unsigned second;

    QString describe(const char *what) const
    {
        return QStringLiteral("radix %1: %2 and %3: %4")
            .arg(radix)
            .arg(written(first, radix, 0), written(second, radix, 0), QLatin1String(what));
    }
};

const char *radixButton(unsigned radix)
{
    return radix == 8 ? "W7SpeedButton5" : radix == 10 ? "W7SpeedButton8" : "W7SpeedButton9";
}

// Types a number as a user would: its digits, then Enter unless four digits closed the row.
template <typename Board>
void typeNumber(const Board &board, unsigned value, unsigned radix, bool lowerCase)
{
    QString keys = written(value, radix, 0);
    if (lowerCase)
        keys = keys.toLower();
    if (keys.size() < int(columns))
        keys += u'\r';
    board.type(keys);
}

template <typename Board> QString checkSum(const Board &board, const Problem &problem)
{
    const unsigned radix = problem.radix;
    if (board.rowText(1) != written(problem.first, radix, 4) ||
        board.rowText(2) != written(problem.second, radix, 4))
        return problem.describe("operands moved by the sum");
    if (board.rowText(3) != written(problem.first + problem.second, radix, 5))
        return problem.describe("wrong sum");
    unsigned carry = 0;
    for (unsigned column = 1; column <= columns; ++column) {
        carry = (digitAt(problem.first, column, radix) + digitAt(problem.second, column, radix) +
                 carry) >= radix;
        if (board.topMark(column + 1) != (carry ? u'1' : u' '))
            return problem.describe("wrong carry mark");
    }
    for (unsigned column = 1; column <= 3; ++column) {
        if (board.borrowMark(column) != u' ' || board.struck(column + 1))
            return problem.describe("borrow marks in a sum");
    }
    if (board.minusShown() || board.bracketShown())
        return problem.describe("minus sign in a sum");
    return {};
}

template <typename Board> QString checkDifference(const Board &board, const Problem &problem)
{
    const unsigned radix = problem.radix;
    const bool exchanged = problem.first < problem.second;
    const unsigned top = exchanged ? problem.second : problem.first;
    const unsigned bottom = exchanged ? problem.first : problem.second;
    const QString topRow = exchanged ? padded(top, radix) : written(top, radix, 4);
    const QString bottomRow = exchanged ? padded(bottom, radix) : written(bottom, radix, 4);
    if (board.rowText(1) != topRow || board.rowText(2) != bottomRow)
        return problem.describe("operands not in place for the difference");
    if (board.minusShown() != exchanged || board.bracketShown() != exchanged)
        return problem.describe("minus sign and bracket wrong");
    if (board.rowText(3) != written(top - bottom, radix, 5))
        return problem.describe("wrong difference");

    bool borrowIn = false;
    for (unsigned column = 1; column <= columns; ++column) {
        const unsigned digit = digitAt(top, column, radix);
        const unsigned subtrahend = digitAt(bottom, column, radix);
        // A struck column has lent: it shows its digit less one, a zero the top digit.
        const QChar mark = borrowIn ? digitChar((digit + radix - 1) % radix) : QChar(u' ');
        if (column >= 2 && (board.struck(column) != borrowIn || board.topMark(column) != mark))
            return problem.describe("wrong strike or mark above a lending column");
        const bool passedZero = borrowIn && digit == 0;
        const bool borrows = !passedZero && digit - unsigned(borrowIn) < subtrahend;
        if (column <= 3 && board.borrowMark(column) != (borrows ? u'1' : u' '))
            return problem.describe("wrong small borrow mark");
        borrowIn = passedZero || borrows;
    }
    if (board.topMark(5) != u' ')
        return problem.describe("mark above the fifth column in a difference");
    return {};
}

// The typing rules and the working without a window, driven and read the way a user
// drives and reads the page.
class EntryDriver
{
public:
    QString rowText(unsigned row) const
    {
        QString text;
        for (unsigned column = row == 3 ? 5 : 4; column >= 1; --column)
            text += QLatin1Char(board().cell(row, column));
        return text;
    }
    QChar topMark(unsigned column) const { return QLatin1Char(board().topMark(column)); }
    QChar borrowMark(unsigned column) const { return QLatin1Char(board().borrowMark(column)); }
    bool struck(unsigned column) const { return board().struck(column); }
    bool minusShown() const { return board().minusShown(); }
    bool bracketShown() const { return board().minusShown(); }
    int entryRow() const { return m_entry.EntryRow(); }

    void chooseRadix(unsigned radix)
    {
        m_entry.clearBoard(false);
        m_entry.setRadix(int(radix));
        m_entry.startFirstRow();
    }
    void type(const QString &keys) const
    {
        for (QChar key : keys)
            m_entry.type(key.unicode());
    }
    void workSum() { work('+', ::workSum); }
    void workDifference() { work('-', ::workDifference); }

private:
    const ColumnBoard &board() const { return m_entry.board(); }
    void work(char sign, void (*working)(ColumnBoard &, unsigned))
    {
        m_entry.prepareWorking(sign);
        working(m_entry.board(), unsigned(m_entry.Radix()));
    }

    mutable OperandEntry m_entry;
};

// The whole page, through its keys and buttons.
class PageDriver : public CalculateBoardReader
{
public:
    explicit PageDriver(CalculatePage &page) : CalculateBoardReader(page), m_page(page) {}

    int entryRow() const { return m_page.EntryRow(); }
    void chooseRadix(unsigned radix) const { click(radixButton(radix)); }
    void workSum() const { click("W7SpeedButton6"); }
    void workDifference() const { click("W7SpeedButton7"); }

private:
    CalculatePage &m_page;
};

template <typename Driver> void work(Driver &driver, const Problem &problem, bool lowerCase)
{
    driver.chooseRadix(problem.radix);
    typeNumber(driver, problem.first, problem.radix, lowerCase);
    typeNumber(driver, problem.second, problem.radix, lowerCase);
    QCOMPARE(driver.entryRow(), 0);

    driver.workSum();
    const QString sumError = checkSum(driver, problem);
    QVERIFY2(sumError.isEmpty(), qPrintable(sumError));
    driver.workDifference();
    const QString differenceError = checkDifference(driver, problem);
    QVERIFY2(differenceError.isEmpty(), qPrintable(differenceError));
}

// Every pair of operands below smallLimit, then randomCount random pairs of one to four
// digits, in both letter cases.
template <typename Driver>
void workMany(Driver &driver, unsigned radix, unsigned smallLimit, int randomCount)
{
    for (unsigned first = 0; first < smallLimit; ++first) {
        for (unsigned second = 0; second < smallLimit; ++second) {
            work(driver, {radix, first, second}, false);
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
    for (int pair = 0; pair < randomCount; ++pair) {
        work(driver, {radix, operand(), operand()}, pair % 2 == 1);
        if (QTest::currentTestFailed())
            return;
    }
}

} // namespace

class TestCalculateOracle : public QObject
{
    Q_OBJECT

private slots:
    void everySmallPairAndManyRandomOnes_data();
    void everySmallPairAndManyRandomOnes();
    void thePageWorksThroughItsKeysAndButtons_data();
    void thePageWorksThroughItsKeysAndButtons();
};

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
    EntryDriver entry;
    workMany(entry, radix, 256, 100000);
}

void TestCalculateOracle::thePageWorksThroughItsKeysAndButtons_data()
{
    everySmallPairAndManyRandomOnes_data();
}

void TestCalculateOracle::thePageWorksThroughItsKeysAndButtons()
{
    QFETCH(unsigned, radix);
    CalculatePage page;
    PageDriver board(page);
    workMany(board, radix, 32, 1000);
}

QTEST_MAIN(TestCalculateOracle)
#include "tst_calculateoracle.moc"
