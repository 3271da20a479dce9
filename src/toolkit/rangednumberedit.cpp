// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/rangednumberedit.h"

#include "toolkit/numberformat.h"
#include "toolkit/typednumbervalidator.h"

#include <QFocusEvent>
#include <QKeyEvent>

RangedNumberEdit::RangedNumberEdit(QWidget *parent)
    : NumberEdit(parent), m_validator(new TypedNumberValidator(this))
{
    setLimits(0, 0);
    // The next change is measured against the text the box holds now.
    connect(this, &QLineEdit::textChanged, m_validator,
            [this] { m_validator->setCurrentText(text()); });
    setValidator(m_validator);
}

int RangedNumberEdit::MaxLength() const
{
    return m_validator->maxLength();
}

void RangedNumberEdit::SetMaxLength(int length)
{
    m_validator->setMaxLength(length);
}

std::optional<qint64> RangedNumberEdit::numberIn(const QString &text) const
{
    return readWholeNumber(text);
}

QString RangedNumberEdit::textOf(qint64 number) const
{
    return formatWholeNumber(number, m_displayFormat);
}

QString RangedNumberEdit::settledText() const
{
    return textOf(m_checkRange ? bounded(value()) : value());
}

void RangedNumberEdit::keyPressEvent(QKeyEvent *event)
{
    for (QChar character : event->text())
        emit keyPressed(character);
    QLineEdit::keyPressEvent(event);
}

void RangedNumberEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    showForEditing();
}

void RangedNumberEdit::showForEditing()
{
    // Rewritten only where the format changes it: a screen reader reads out every rewrite.
    const std::optional<qint64> number = readWholeNumber(text());
    if (number && textOf(*number) != text())
        writeText(textOf(*number));
    selectAll();
}
