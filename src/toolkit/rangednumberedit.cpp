// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/rangednumberedit.h"

#include "toolkit/numberformat.h"
#include "toolkit/typednumbervalidator.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>

RangedNumberEdit::RangedNumberEdit(QWidget *parent)
    : QLineEdit(parent), m_validator(new TypedNumberValidator(this))
{
    setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText);
    connect(this, &QLineEdit::textChanged, this, &RangedNumberEdit::holdToTheRules);
    setValidator(m_validator);
}

// Typing, pasting, dropping and input methods are checked before the text changes; text
// set on the line edit directly, as an assistive tool does, only afterwards, so what breaks
// the rules there gives way to the text the box held before.
void RangedNumberEdit::holdToTheRules(const QString &changed)
{
    QString candidate = changed;
    int position = 0;
    if (m_validator->validate(candidate, position) == QValidator::Invalid)
        setText(m_validator->currentText());
    else
        m_validator->setCurrentText(changed);
}

int RangedNumberEdit::MaxLength() const
{
    return m_validator->maxLength();
}

void RangedNumberEdit::SetMaxLength(int length)
{
    m_validator->setMaxLength(length);
}

qint64 RangedNumberEdit::value() const
{
    return readWholeNumber(text()).value_or(m_minimum);
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
    if (const std::optional<qint64> number = readWholeNumber(text()))
        showInDisplayFormat(*number);
    selectAll();
}

void RangedNumberEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A menu opening or the window losing the activation leaves the box in charge.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    qint64 number = value();
    if (m_checkRange)
        number = std::max(std::min(number, m_maximum), m_minimum);
    showInDisplayFormat(number);
    emit exited();
}

void RangedNumberEdit::showInDisplayFormat(qint64 number)
{
    const QString shown = formatWholeNumber(number, m_displayFormat);
    m_validator->setCurrentText(shown);
    setText(shown);
}
