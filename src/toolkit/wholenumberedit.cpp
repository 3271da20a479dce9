// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/wholenumberedit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Eighteen digits always fit the value read back.
constexpr int maxDigits = 18;

int signLength(const QString &text)
{
    return text.startsWith(QLatin1Char('-')) ? 1 : 0;
}

// The last guard of the text, for edits that reach the line edit without passing the
// box's rules, such as an assistive tool inserting, deleting or setting text: an emptied
// box holds 0, and any other text that is not a whole number gives way to the last whole
// number the box held before anyone sees it.
class WholeNumberGuard : public QValidator
{
public:
    using QValidator::QValidator;

    void setLastWhole(const QString &text) { m_lastWhole = text; }

    State validate(QString &input, int &position) const override
    {
        static const QRegularExpression wholeNumber(
            QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]{1,%1}").arg(maxDigits)));
        if (input.size() == signLength(input)) {
            input += QLatin1Char('0');
            position = int(input.size());
        } else if (!wholeNumber.match(input).hasMatch()) {
            input = m_lastWhole;
            position = std::min(position, int(input.size()));
        }
        return Acceptable;
    }

private:
    QString m_lastWhole = QStringLiteral("0");
};

} // namespace

WholeNumberEdit::WholeNumberEdit(QWidget *parent)
    : QLineEdit(parent), m_minimum(std::numeric_limits<qint64>::min()),
      m_maximum(std::numeric_limits<qint64>::max())
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText);
    auto *guard = new WholeNumberGuard(this);
    setValidator(guard);
    connect(this, &QLineEdit::textChanged, guard,
            [guard](const QString &text) { guard->setLastWhole(text); });
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, &WholeNumberEdit::forgetEditsOnOutsideChange);
}

void WholeNumberEdit::setLimits(qint64 minimum, qint64 maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

qint64 WholeNumberEdit::bounded(qint64 value) const
{
    return std::clamp(value, m_minimum, m_maximum);
}

qint64 WholeNumberEdit::value() const
{
    return std::llround(text().toDouble());
}

void WholeNumberEdit::setValue(qint64 value)
{
    setText(QString::number(value));
}

void WholeNumberEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::Cut)) {
        cutSelection();
    } else if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
    } else if (event->matches(QKeySequence::Undo)) {
        undoEdit();
    } else if (event->matches(QKeySequence::Redo)) {
        redoEdit();
    } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        removeCharacter(event->key() == Qt::Key_Backspace);
    } else if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
               event->key() == Qt::Key_Home || event->key() == Qt::Key_End ||
               event->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(event); // moves the caret or the selection only
    } else if (!event->text().isEmpty() && event->text().front().isPrint()) {
        typeText(event->text());
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

void WholeNumberEdit::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased(event->key(), event->modifiers());
}

void WholeNumberEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A menu opening or another window coming to the front does not leave the box.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    const qint64 typed = value();
    if (bounded(typed) != typed)
        setValue(bounded(typed));
    emit exited();
}

void WholeNumberEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        pasteFrom(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void WholeNumberEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The standard menu would edit the text around the rules of the box.
    QMenu menu(this);
    menu.addAction(tr("&Undo"), this, &WholeNumberEdit::undoEdit)
        ->setEnabled(!m_undoStates.isEmpty());
    menu.addAction(tr("&Redo"), this, &WholeNumberEdit::redoEdit)
        ->setEnabled(!m_redoStates.isEmpty());
    menu.addSeparator();
    menu.addAction(tr("Cu&t"), this, &WholeNumberEdit::cutSelection)->setEnabled(hasSelectedText());
    menu.addAction(tr("&Copy"), this, &WholeNumberEdit::copy)->setEnabled(hasSelectedText());
    menu.addAction(tr("&Paste"), this, [this] { pasteFrom(QClipboard::Clipboard); });
    menu.addSeparator();
    menu.addAction(tr("Select All"), this, &WholeNumberEdit::selectAll);
    menu.exec(event->globalPos());
}

void WholeNumberEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // The text being composed shows in the box but never enters it; what the input method
    // commits is typed through the rules. A request to replace text around the caret is
    // not taken, since it would change the number around the rules.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    const QString committed = event->commitString();
    if (!committed.isEmpty())
        typeText(committed);
    QLineEdit::inputMethodEvent(&composing);
    event->accept();
}

void WholeNumberEdit::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // The box takes the focus first, as for a click, so that dropped text counts as typed
    // and takes effect when the user leaves the box.
    setFocus(Qt::MouseFocusReason);
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    typeText(event->mimeData()->text());
    event->acceptProposedAction();
}

void WholeNumberEdit::typeText(const QString &text)
{
    for (QChar character : text) {
        if (character.isDigit() && character.unicode() < 128)
            typeDigit(character);
        else if (character == QLatin1Char('-'))
            toggleMinus();
    }
}

void WholeNumberEdit::typeDigit(QChar digit)
{
    QString edited = text();
    int caret = cursorPosition();
    if (hasSelectedText()) {
        caret = selectionStart();
        edited.remove(caret, selectedText().size());
    } else if (edited.mid(signLength(edited)) == QLatin1String("0")) {
        edited.chop(1); // a lone zero gives way to the digit typed
        caret = edited.size();
    }
    if (edited.size() - signLength(edited) >= maxDigits)
        return;
    caret = std::max(caret, signLength(edited));
    edited.insert(caret, digit);
    applyEdit(edited, caret + 1, caret + 1);
}

void WholeNumberEdit::toggleMinus()
{
    QString edited = text();
    const int oldSign = signLength(edited);
    if (oldSign)
        edited.remove(0, 1);
    else
        edited.prepend(QLatin1Char('-'));
    const int newSign = 1 - oldSign;
    // Caret and selection keep their places among the digits.
    const auto moved = [&](int position) { return std::max(position - oldSign, 0) + newSign; };
    const EditState before = currentState();
    applyEdit(edited, moved(before.anchor), moved(before.caret));
}

void WholeNumberEdit::removeCharacter(bool beforeCaret)
{
    if (hasSelectedText()) {
        removeSelection();
        return;
    }
    QString edited = text();
    int caret = cursorPosition();
    if (beforeCaret && caret > 0)
        edited.remove(--caret, 1);
    else if (!beforeCaret && caret < edited.size())
        edited.remove(caret, 1);
    else
        return;
    applyEdit(edited, caret, caret);
}

void WholeNumberEdit::cutSelection()
{
    copy();
    removeSelection();
}

void WholeNumberEdit::removeSelection()
{
    if (!hasSelectedText())
        return;
    QString edited = text();
    const int start = selectionStart();
    edited.remove(start, selectedText().size());
    applyEdit(edited, start, start);
}

void WholeNumberEdit::pasteFrom(QClipboard::Mode mode)
{
    typeText(QGuiApplication::clipboard()->text(mode));
}

void WholeNumberEdit::applyEdit(QString edited, int anchor, int caret)
{
    if (edited.size() == signLength(edited)) {
        edited += QLatin1Char('0');
        anchor = caret = edited.size();
    }
    if (edited != text()) {
        m_undoStates << currentState();
        m_redoStates.clear();
    }
    restoreState(
        {edited, std::min<int>(anchor, edited.size()), std::min<int>(caret, edited.size())});
}

WholeNumberEdit::EditState WholeNumberEdit::currentState() const
{
    if (!hasSelectedText())
        return {text(), cursorPosition(), cursorPosition()};
    const int start = selectionStart();
    const int end = selectionEnd();
    return {text(), cursorPosition() == start ? end : start, cursorPosition()};
}

void WholeNumberEdit::restoreState(const EditState &state)
{
    m_editing = true;
    setText(state.text);
    m_editing = false;
    if (state.anchor == state.caret)
        setCursorPosition(state.caret);
    else
        setSelection(state.anchor, state.caret - state.anchor);
}

void WholeNumberEdit::undoEdit()
{
    if (m_undoStates.isEmpty())
        return;
    m_redoStates << currentState();
    restoreState(m_undoStates.takeLast());
}

void WholeNumberEdit::redoEdit()
{
    if (m_redoStates.isEmpty())
        return;
    m_undoStates << currentState();
    restoreState(m_redoStates.takeLast());
}

// Text set from code, or by an assistive tool, starts a new history.
void WholeNumberEdit::forgetEditsOnOutsideChange()
{
    if (m_editing)
        return;
    m_undoStates.clear();
    m_redoStates.clear();
}
