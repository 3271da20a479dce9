// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/numberedit.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QValidator>

#include <algorithm>
#include <limits>

NumberEdit::NumberEdit(QWidget *parent)
    : QLineEdit(parent), m_minimum(std::numeric_limits<qint64>::min()),
      m_maximum(std::numeric_limits<qint64>::max())
{
    setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText);
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::holdToTheRules);
}

void NumberEdit::setLimits(qint64 minimum, qint64 maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

qint64 NumberEdit::bounded(qint64 value) const
{
    return std::clamp(value, m_minimum, m_maximum);
}

qint64 NumberEdit::value() const
{
    return numberIn(text()).value_or(m_minimum);
}

QString NumberEdit::withinLimits(const QString &text) const
{
    const std::optional<qint64> number = numberIn(text);
    if (!checksRange() || !number || bounded(*number) == *number)
        return text;
    return textOf(bounded(*number));
}

void NumberEdit::writeText(const QString &text)
{
    m_writing = true;
    setText(text);
    m_writing = false;
}

// Keys, pastes, drops and input methods are checked by the validator before the text
// changes. Text set on the line edit directly, as an assistive tool does, is only checked
// afterwards: what the validator refuses gives way to the text the box held before, and
// what it mends is written mended. Outside the user's own editing the limits hold at once.
void NumberEdit::holdToTheRules(const QString &changed)
{
    if (!m_writing && validator()) {
        QString candidate = changed;
        int position = 0;
        if (validator()->validate(candidate, position) == QValidator::Invalid)
            candidate = m_lastAccepted;
        if (candidate != changed) {
            writeText(candidate);
            return;
        }
    }
    m_lastAccepted = changed;
    if (!hasFocus() && withinLimits(changed) != changed)
        writeText(withinLimits(changed));
}

void NumberEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A menu opening or another window coming to the front does not leave the box.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    m_heldSelection.reset();
    const QString settled = settledText();
    if (settled != text())
        writeText(settled);
    emit exited();
}

void NumberEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const bool composing = event->commitString().isEmpty() && event->replacementLength() == 0;
    if (composing && !event->preeditString().isEmpty()) {
        // The line edit would remove the selection as soon as the composition starts.
        if (!m_heldSelection && hasSelectedText()) {
            m_heldSelection = {selectionStart(), selectionLength()};
            setCursorPosition(selectionStart());
        }
    } else {
        restoreHeldSelection();
    }
    takeInputMethodEvent(event);
}

void NumberEdit::restoreHeldSelection()
{
    if (!m_heldSelection)
        return;
    const auto [start, length] = *m_heldSelection;
    m_heldSelection.reset();
    if (start + length <= text().size())
        setSelection(start, length);
}

void NumberEdit::takeInputMethodEvent(QInputMethodEvent *event)
{
    QLineEdit::inputMethodEvent(event);
}
