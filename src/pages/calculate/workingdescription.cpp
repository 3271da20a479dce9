// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/workingdescription.h"

#include "pages/calculate/columnboard.h"

#include <QStringList>

namespace {

// The digits of a row from its leftmost written cell, spaced so that each is read alone.
QString spokenRow(const ColumnBoard &board, unsigned row)
{
    QStringList digits;
    for (unsigned column = row == 3 ? 5 : 4; column >= 1; --column) {
        const char digit = board.cell(row, column);
        if (digit != ' ' || !digits.isEmpty())
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
        return QStringLiteral("column ") + last;
    return QStringLiteral("columns ") + numbers.join(QStringLiteral(", ")) +
           QStringLiteral(" and ") + last;
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
    QString sentence =
        spokenRow(board, 1) + (sum ? QStringLiteral(" plus ") : QStringLiteral(" minus ")) +
        spokenRow(board, 2) + QStringLiteral(" equals ") +
        (board.minusShown() ? QStringLiteral("minus ") : QString()) + spokenRow(board, 3);
    QList<unsigned> marked;
    for (unsigned column = 2; column <= (sum ? 5u : 4u); ++column) {
        if (sum ? board.topMarkShown(column) : board.struck(column))
            marked << column;
    }
    if (!marked.isEmpty()) {
        sentence += (sum ? QStringLiteral("; carried into ") : QStringLiteral("; borrowed from ")) +
                    spokenColumns(marked);
    }
    return sentence;
}
