// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/columnboard.h"
#include "pages/calculate/columnworking.h"
#include "pages/calculate/digitrules.h"
#include "pages/calculate/workingdescription.h"

#include <QTest>

// The board's characters as rows of text, column 4 (or 5) on the left.
static QByteArray Row(const ColumnBoard &board, unsigned row)
{
    QByteArray text;
    for (unsigned column = row == 3 ? 5 : 4; column >= 1; --column)
        text += board.cell(row, column);
    return text;
}

static void fill(ColumnBoard &board, unsigned row, const char *digits, unsigned radix)
{
    for (unsigned column = 4; column >= 1; --column) {
        const char character = digits[4 - column];
        if (character != ' ')
            board.SetBoardDigit(row, column, digitValue(character), radix);
    }
}

class TestColumnBoard : public QObject
{
    Q_OBJECT

private slots:
    void digitsWriteAndReadBack();
    void keysGiveDigitsOfTheirRadixOnly();
    void pairsThatNameNoCellAreIgnored();
    void topMarksAndTheEffectiveTopDigit();
    void borrowMarksStrikeAndComeOffAgain();
    void clearingKeepsOrBlanksTheOperands();
    void aligningMovesTheTypedDigitsRight();
    void workingsReadAsTrueSentences();
};

void TestColumnBoard::digitsWriteAndReadBack()
{
    QCOMPARE(digitCharacter(0, 8), '0');
    QCOMPARE(digitCharacter(7, 8), '7');
    QCOMPARE(digitCharacter(9, 10), '9');
    QCOMPARE(digitCharacter(10, 16), 'A');
    QCOMPARE(digitCharacter(15, 16), 'F');
    for (unsigned value : {0u, 5u, 15u})
        QCOMPARE(digitCharacter(value, 0), ' ');
    QCOMPARE(digitValue(' '), 0u);
    QCOMPARE(digitValue('0'), 0u);
    for (unsigned radix : {8u, 10u, 16u}) {
        for (unsigned value = 0; value < radix; ++value)
            QCOMPARE(digitValue(digitCharacter(value, radix)), value);
    }
}

void TestColumnBoard::keysGiveDigitsOfTheirRadixOnly()
{
    QCOMPARE(keyDigit(u'7', 8), 7u);
    QVERIFY(!keyDigit(u'8', 8));
    QVERIFY(!keyDigit(u'9', 8));
    QCOMPARE(keyDigit(u'9', 10), 9u);
    QVERIFY(!keyDigit(u'A', 10));
    QCOMPARE(keyDigit(u'a', 16), 10u);
    QCOMPARE(keyDigit(u'F', 16), 15u);
    QCOMPARE(keyDigit(u'f', 16), 15u);
    QVERIFY(!keyDigit(u'G', 16));
    QVERIFY(!keyDigit(u'g', 16));
    QVERIFY(!keyDigit(u'\b', 16));
    QVERIFY(!keyDigit(u'\r', 16));
    QVERIFY(!keyDigit(u'\u0663', 10)); // ARABIC-INDIC DIGIT THREE
    QVERIFY(!keyDigit(u'\uFF11', 10)); // FULLWIDTH DIGIT ONE
}

void TestColumnBoard::pairsThatNameNoCellAreIgnored()
{
    ColumnBoard board;
    const ColumnBoard blank;
    for (auto [row, column] : {std::pair{1u, 5u}, {2u, 5u}, {0u, 1u}, {4u, 1u}, {2u, 0u}})
        board.SetBoardDigit(row, column, 7, 8);
    for (unsigned row = 1; row <= 3; ++row)
        QCOMPARE(Row(board, row), Row(blank, row));

    board.SetBoardDigit(3, 5, 1, 16);
    QCOMPARE(Row(board, 3), QByteArray("1    "));
    QCOMPARE(board.GetBoardDigit(3, 5), 1u);
    QCOMPARE(board.GetBoardDigit(1, 5), 0u);

    board.SetTopMark(1, 3, 10);
    board.SetTopMark(6, 3, 10);
    board.MarkBorrow(5, 3, 10, true);
    board.MarkBorrow(1, 3, 10, true);
    QCOMPARE(board.GetTopMark(1), ColumnBoard::noTopMark);
    for (unsigned column = 1; column <= 5; ++column) {
        QVERIFY(!board.topMarkShown(column));
        QVERIFY(!board.struck(column));
        QCOMPARE(board.borrowMark(column), ' ');
    }
}

void TestColumnBoard::topMarksAndTheEffectiveTopDigit()
{
    ColumnBoard board;
    fill(board, 1, "3456", 10);
    QCOMPARE(board.GetTopMark(2), ColumnBoard::noTopMark);
    QCOMPARE(board.EffectiveTopDigit(2), 5u);

    board.SetTopMark(2, 15, 16);
    QCOMPARE(board.topMark(2), 'F');
    QCOMPARE(board.GetTopMark(2), 15u);
    QCOMPARE(board.EffectiveTopDigit(2), 15u);
    board.SetTopMark(3, 9, 10);
    QCOMPARE(board.GetTopMark(3), 9u);
    board.SetTopMark(4, 0, 8);
    QVERIFY(board.topMarkShown(4));
    QCOMPARE(board.EffectiveTopDigit(4), 0u);

    board.SetTopMark(2, 15, 0);
    QVERIFY(!board.topMarkShown(2));
    QCOMPARE(board.GetTopMark(2), ColumnBoard::noTopMark);
    QCOMPARE(board.EffectiveTopDigit(2), 5u);
    QCOMPARE(board.GetTopMark(1), ColumnBoard::noTopMark);
    QCOMPARE(board.EffectiveTopDigit(1), 6u);
}

void TestColumnBoard::borrowMarksStrikeAndComeOffAgain()
{
    ColumnBoard board;
    board.MarkBorrow(3, 4, 10, true);
    QCOMPARE(board.topMark(3), '4');
    QVERIFY(board.struck(3));
    QCOMPARE(board.borrowMark(2), '1');
    QCOMPARE(board.borrowMark(1), ' ');
    QCOMPARE(board.borrowMark(3), ' ');

    ColumnBoard notFirst;
    notFirst.MarkBorrow(3, 4, 10, false);
    QVERIFY(notFirst.struck(3));
    QCOMPARE(notFirst.borrowMark(2), ' ');
    board.MarkBorrow(3, 2, 10, false);
    QCOMPARE(board.borrowMark(2), '1');
    QCOMPARE(board.topMark(3), '2');

    board.MarkBorrow(3, 0, 0, false);
    QVERIFY(!board.struck(3));
    QCOMPARE(board.borrowMark(2), ' ');
    QCOMPARE(board.topMark(3), '2');
}

void TestColumnBoard::clearingKeepsOrBlanksTheOperands()
{
    ColumnBoard board;
    fill(board, 1, " 1 A", 16);
    fill(board, 2, "  F0", 16);
    board.SetBoardDigit(3, 5, 1, 16);
    board.SetBoardDigit(3, 1, 9, 16);
    board.SetTopMark(5, 1, 16);
    board.MarkBorrow(2, 15, 16, true);
    board.setOperatorSign('-');
    board.setMinusShown(true);

    board.clear(true);
    QCOMPARE(Row(board, 1), QByteArray(" 1 A"));
    QCOMPARE(Row(board, 2), QByteArray("  F0"));
    QCOMPARE(Row(board, 3), QByteArray("     "));
    for (unsigned column = 1; column <= 5; ++column) {
        QVERIFY(!board.topMarkShown(column));
        QVERIFY(!board.struck(column));
        QCOMPARE(board.borrowMark(column), ' ');
    }
    QCOMPARE(board.operatorSign(), ' ');
    QVERIFY(!board.minusShown());

    board.clear(false);
    QCOMPARE(Row(board, 1), QByteArray("    "));
    QCOMPARE(Row(board, 2), QByteArray("    "));
}

void TestColumnBoard::aligningMovesTheTypedDigitsRight()
{
    ColumnBoard board;
    fill(board, 1, "12  ", 10);
    alignRow(board, 1, 2, 10);
    QCOMPARE(Row(board, 1), QByteArray("  12"));

    fill(board, 2, "7A0 ", 16);
    alignRow(board, 2, 1, 16);
    QCOMPARE(Row(board, 2), QByteArray(" 7A0"));

    ColumnBoard empty;
    alignRow(empty, 2, 4, 8);
    QCOMPARE(Row(empty, 2), QByteArray("   0"));
    QCOMPARE(Row(empty, 1), QByteArray("    "));
}

void TestColumnBoard::workingsReadAsTrueSentences()
{
    const auto spoken = [](const char *first, char sign, const char *second, unsigned radix) {
        ColumnBoard board;
        fill(board, 1, first, radix);
        fill(board, 2, second, radix);
        board.setOperatorSign(sign);
        (sign == '+' ? workSum : workDifference)(board, radix);
        return describeWorking(board);
    };
    QCOMPARE(describeWorking(ColumnBoard()), QString());
    QCOMPARE(spoken("FFFF", '+', "   1", 16),
             QStringLiteral("F F F F plus 1 equals 1 0 0 0 0; carried into columns 2, 3, 4 and 5"));
    QCOMPARE(spoken(" 100", '-', "   1", 8),
             QStringLiteral("1 0 0 minus 1 equals 7 7; borrowed from columns 2 and 3"));
    QCOMPARE(spoken("   7", '-', "   7", 10), QStringLiteral("7 minus 7 equals 0"));
    // The smaller number first: the board works the larger one minus it and marks the
    // result negative, and so does the sentence.
    QCOMPARE(spoken("   1", '-', "1000", 10),
             QStringLiteral("1 minus 1 0 0 0: the second number is larger, so 1 0 0 0 minus 1 "
                            "equals 9 9 9, and the result is negative: minus 9 9 9; borrowed "
                            "from columns 2, 3 and 4"));
    QCOMPARE(spoken("   0", '-', "  A0", 16),
             QStringLiteral("0 minus A 0: the second number is larger, so A 0 minus 0 equals A "
                            "0, and the result is negative: minus A 0"));
    // Typed leading zeros read as typed where the numbers keep their places.
    QCOMPARE(spoken("0012", '-', "0003", 8), QStringLiteral("0 0 1 2 minus 0 0 0 3 equals 7; "
                                                            "borrowed from column 2"));
}

QTEST_APPLESS_MAIN(TestColumnBoard)
#include "tst_columnboard.moc"
