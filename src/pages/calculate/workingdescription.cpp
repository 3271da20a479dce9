// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/workingdescription.h"

#include "pages/calculate/columnboard.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct WorkingDescription
{
    Q_DECLARE_TR_FUNCTIONS(WorkingDescription)
};

// The digits of a row from its leftmost written cell, spaced so that each is read alone.
// Without its zeros a row reads from its first other digit, as the number was typed.
QString spokenRow(const ColumnBoard &board, unsigned row, bool zerosLead = true)
{
    QStringList digits;
    for (unsigned column = row == 3 ? 5 : 4; column >= 1; --column) {
        const char digit = board.cell(row, column);
        const bool leading = digit == ' ' || (!zerosLead && digit == '0' && column > 1);
        if (!leading || !digits.isEmpty())
            digits << QString(QLatin1Char(digit == ' ' ? '0' : digit));
    }
    return digits.join(QLatin1Char(' '));
}

QString spokenColumns(const QList<unsigned> &columns)
{
    QStringList numbers;
    for (unsigned column : columns)
        numbers << QString::number(column);
    const QString last = numbers.takeLast();
    if (numbers.isEmpty())
        return WorkingDescription::tr("column %1").arg(last);
    return WorkingDescription::tr("columns %1 and %2")
        .arg(numbers.join(QStringLiteral(", ")), last);
}

// The columns that carried (a sum) or lent (a difference), as a clause after the working.
QString spokenMarks(const ColumnBoard &board, bool sum)
{
    QList<unsigned> marked;
    for (unsigned column = 2; column <= (sum ? 5u : 4u); ++column) {
        if (sum ? board.topMarkShown(column) : board.struck(column))
            marked << column;
    }
    if (marked.isEmpty())
        return {};
    return (sum ? WorkingDescription::tr("; carried into %1")
                : WorkingDescription::tr("; borrowed from %1"))
        .arg(spokenColumns(marked));
}

// A difference whose numbers changed places: the board shows the larger one on top, so
// the sentence says so before the working and gives the sign after it.
QString spokenExchangedDifference(const ColumnBoard &board)
{
    const QString first = spokenRow(board, 2, false);
    const QString second = spokenRow(board, 1, false);
    const QString result = spokenRow(board, 3);
    return WorkingDescription::tr("%1 minus %2: the second number is larger, so %2 minus %1 "
                                  "equals %3, and the result is negative: minus %3")
        .arg(first, second, result);
}

} // namespace

QString spokenDigits(const ColumnBoard &board, unsigned row)
{
    QStringList digits;
    for (unsigned column = 4; column >= 1; --column) {
        if (const char digit = board.cell(row, column); digit != ' ')
            digits << QString(QLatin1Char(digit));
    }
    return digits.join(QLatin1Char(' '));
}

QString describeWorking(const ColumnBoard &board)
{
    const char sign = board.operatorSign();
    if (sign != '+' && sign != '-')
        return {};
    const bool sum = sign == '+';
    if (!sum && board.minusShown())
        return spokenExchangedDifference(board) + spokenMarks(board, sum);
    const QString working = sum ? WorkingDescription::tr("%1 plus %2 equals %3")
                                : WorkingDescription::tr("%1 minus %2 equals %3");
    return working.arg(spokenRow(board, 1), spokenRow(board, 2), spokenRow(board, 3)) +
           spokenMarks(board, sum);
}
