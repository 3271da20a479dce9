// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/numberformat.h"

#include <QRegularExpression>

#include <limits>

namespace {

bool isNumberPatternCharacter(QChar character)
{
    return character == QLatin1Char('0') || character == QLatin1Char('#') ||
           character == thousandsSeparator;
}

QString groupInThousands(const QString &digits)
{
    QString grouped;
    for (qsizetype index = 0; index < digits.size(); ++index) {
        if (index > 0 && (digits.size() - index) % 3 == 0)
            grouped += thousandsSeparator;
        grouped += digits[index];
    }
    return grouped;
}

QString writeBySection(quint64 magnitude, const QString &section)
{
    qsizetype first = 0;
    while (first < section.size() && !isNumberPatternCharacter(section[first]))
        ++first;
    qsizetype last = first;
    while (last < section.size() && isNumberPatternCharacter(section[last]))
        ++last;
    const QString pattern = section.mid(first, last - first);

    QString digits = QString::number(magnitude);
    if (magnitude == 0)
        digits.clear();
    const qsizetype shownDigits = pattern.count(QLatin1Char('0'));
    if (digits.size() < shownDigits)
        digits = QString(shownDigits - digits.size(), QLatin1Char('0')) + digits;
    if (pattern.contains(thousandsSeparator))
        digits = groupInThousands(digits);
    return section.left(first) + digits + section.mid(last);
}

} // namespace

QString formatWholeNumber(qint64 value, const QString &format)
{
    const QStringList sections = format.split(QLatin1Char(';'));
    const quint64 magnitude =
        value < 0 ? quint64(0) - quint64(value) : quint64(value); // also right for the minimum
    if (value >= 0)
        return writeBySection(magnitude, sections[0]);
    if (sections.size() > 1)
        return writeBySection(magnitude, sections[1]);
    return QLatin1Char('-') + writeBySection(magnitude, sections[0]);
}

std::optional<qint64> readWholeNumber(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral(R"(^(?:([+-]?)([\d,]+)|\(([\d,]+)\))$)"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const bool parenthesised = match.capturedLength(3) > 0;
    QString digits = match.captured(parenthesised ? 3 : 2);
    digits.remove(thousandsSeparator);
    if (digits.isEmpty())
        return std::nullopt;
    const bool negative = parenthesised || match.captured(1) == QLatin1String("-");

    bool fits = false;
    const qint64 magnitude = digits.toLongLong(&fits);
    if (!fits)
        return negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return negative ? -magnitude : magnitude;
}
