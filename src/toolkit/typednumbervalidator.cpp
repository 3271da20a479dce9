// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/typednumbervalidator.h"

#include "toolkit/numberformat.h"

#include <QRegularExpression>

TypedNumberValidator::TypedNumberValidator(QObject *parent) : QValidator(parent) {}

QValidator::State TypedNumberValidator::validate(QString &input, int &) const
{
    // Anchored at both ends: a plain "$" would also let a line break through at the end.
    static const QRegularExpression typing(
        QRegularExpression::anchoredPattern(QStringLiteral(R"([+-]?[0-9,]*|\([0-9,]*\)?)")));
    if (!typing.match(input).hasMatch())
        return Invalid;
    const qsizetype separators = input.count(thousandsSeparator);
    if (separators > m_currentText.count(thousandsSeparator))
        return Invalid;
    if (m_maxLength > 0 && input.size() - separators > m_maxLength)
        return Invalid;
    return readWholeNumber(input) ? Acceptable : Intermediate;
}
