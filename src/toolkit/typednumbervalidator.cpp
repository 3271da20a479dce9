#include "toolkit/typednumbervalidator.h"

#include "toolkit/numberformat.h"

#include <QRegularExpression>

TypedNumberValidator::TypedNumberValidator(QObject *parent) : QValidator(parent) {}

QValidator::State TypedNumberValidator::validate(QString &input, int &) const
{
    static const QRegularExpression typing(QStringLiteral(R"(^(?:[+-]?[\d,]*|\([\d,]*\)?)$)"));
    if (!typing.match(input).hasMatch())
        return Invalid;
    const qsizetype separators = input.count(ThousandsSeparator);
    if (separators > m_currentText.count(ThousandsSeparator))
        return Invalid;
    if (m_maxLength > 0 && input.size() - separators > m_maxLength)
        return Invalid;
    return readWholeNumber(input) ? Acceptable : Intermediate;
}
