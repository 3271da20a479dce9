// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/wholenumberedit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace {

using EditState = WholeNumberEdit::EditState;

// Eighteen digits always fit the value read back.
constexpr int maxDigits = 18;

int signLength(const QString &text)
{
    return text.startsWith(QLatin1Char('-')) ? 1 : 0;
}

// The rules work on a state of at most a sign and eighteen digits, so each character costs
// the same however long the text it comes in.
void typeDigit(EditState &state, QChar digit)
{
    QString &text = state.text;
    int caret = state.caret;
    if (state.anchor != state.caret) {
        caret = std::min(state.anchor, state.caret);
        text.remove(caret, std::abs(state.anchor - state.caret));
    } else if (text.mid(signLength(text)) == QLatin1String("0")) {
        text.chop(1); // a lone zero gives way to the digit typed
        caret = int(text.size());
    }
    if (text.size() - signLength(text) >= maxDigits) {
        state.anchor = state.caret = caret;
        return;
    }
    caret = std::max(caret, signLength(text));
    text.insert(caret, digit);
    state.anchor = state.caret = caret + 1;
}

void toggleMinus(EditState &state)
{
    const int oldSign = signLength(state.text);
    if (oldSign)
        state.text.remove(0, 1);
    else
        state.text.prepend(QLatin1Char('-'));
    const int newSign = 1 - oldSign;
    // Caret and selection keep their places among the digits.
    const auto moved = [&](int position) { return std::max(position - oldSign, 0) + newSign; };
    state.anchor = moved(state.anchor);
    state.caret = moved(state.caret);
}

// A lone sign, or nothing, holds 0.
void neverEmpty(EditState &state)
{
    if (state.text.size() == signLength(state.text)) {
        state.text += QLatin1Char('0');
        state.anchor = state.caret = int(state.text.size());
    }
}

EditState typedInto(EditState state, const QString &typed)
{
    for (QChar character : typed) {
        if (character.isDigit() && character.unicode() < 128)
            typeDigit(state, character);
        else if (character == QLatin1Char('-'))
            toggleMinus(state);
    }
    neverEmpty(state);
    return state;
}

// Text that does not pass through the box's rules: an emptied box or a lone sign is mended
// to hold 0, anything else that is not a whole number is refused.
class WholeNumberValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        static const QRegularExpression wholeNumber(
            QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]{0,%1}").arg(maxDigits)));
        if (!wholeNumber.match(input).hasMatch())
            return Invalid;
        if (input.size() == signLength(input)) {
            input += QLatin1Char('0');
            position = int(input.size());
        }
        return Acceptable;
    }
};

} // namespace

WholeNumberEdit::WholeNumberEdit(QWidget *parent) : NumberEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new WholeNumberValidator(this));
    setText(QStringLiteral("0"));
}

std::optional<qint64> WholeNumberEdit::numberIn(const QString &text) const
{
    return std::llround(text.toDouble());
}

QString WholeNumberEdit::textOf(qint64 number) const
{
    return QString::number(number);
}

void WholeNumberEdit::setValue(qint64 value)
{
    setText(textOf(value));
}

void WholeNumberEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cut)) {
        cutSelection();
    } else if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
    } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        removeCharacter(event->key() == Qt::Key_Backspace);
    } else if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Undo) ||
               event->matches(QKeySequence::Redo) || event->matches(QKeySequence::SelectAll) ||
               event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
               event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        QLineEdit::keyPressEvent(event); // leaves the text as the rules made it
        return;
    } else if (!event->text().isEmpty() && event->text().front().isPrint()) {
        typeText(event->text(), Step::Typing);
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
    // The line edit's own menu (Undo, Redo, -, Cut, Copy, Paste, Delete, -, Select All), with
    // the entries that bring text in or take it out sent through the rules. Its entries carry
    // no names, so they are known by their places.
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QList<QAction *> entries = menu->actions();
    if (entries.size() == 9) {
        const auto reroute = [menu](QAction *entry, auto edit) {
            entry->disconnect();
            connect(entry, &QAction::triggered, menu, edit);
        };
        reroute(entries[3], [this] { cutSelection(); });
        reroute(entries[5], [this] { pasteFrom(QClipboard::Clipboard); });
        reroute(entries[6], [this] { removeSelection(); });
    }
    menu->popup(event->globalPos());
}

void WholeNumberEdit::takeInputMethodEvent(QInputMethodEvent *event)
{
    // The text being composed shows in the box but never enters it; what the input method
    // commits is typed through the rules. A request to replace text around the caret is
    // not taken, since it would change the number around the rules.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    if (!event->commitString().isEmpty())
        typeText(event->commitString(), Step::OwnStep);
    NumberEdit::takeInputMethodEvent(&composing);
    event->accept();
}

void WholeNumberEdit::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // The box takes the focus first, as for a click, so that in an active window dropped
    // text counts as typed; a drop from another application leaves the window inactive and
    // the box without the focus, and then the limits apply at once.
    setFocus(Qt::MouseFocusReason);
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    typeText(event->mimeData()->text(), Step::OwnStep);
    event->acceptProposedAction();
}

void WholeNumberEdit::typeText(const QString &typed, Step step)
{
    apply(typedInto(currentState(), typed), step);
}

void WholeNumberEdit::removeCharacter(bool beforeCaret)
{
    EditState state = currentState();
    if (state.anchor != state.caret) {
        removeSelection();
        return;
    }
    if (beforeCaret && state.caret > 0)
        state.text.remove(--state.caret, 1);
    else if (!beforeCaret && state.caret < state.text.size())
        state.text.remove(state.caret, 1);
    else
        return;
    state.anchor = state.caret;
    neverEmpty(state);
    apply(state, Step::Typing);
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
    EditState state = currentState();
    state.anchor = state.caret = selectionStart();
    state.text.remove(selectionStart(), selectionLength());
    neverEmpty(state);
    apply(state, Step::OwnStep);
}

void WholeNumberEdit::pasteFrom(QClipboard::Mode mode)
{
    typeText(QGuiApplication::clipboard()->text(mode), Step::OwnStep);
}

void WholeNumberEdit::apply(EditState edited, Step step)
{
    if (!hasFocus() && withinLimits(edited.text) != edited.text) {
        edited.text = withinLimits(edited.text);
        edited.anchor = edited.caret = int(edited.text.size());
    }
    if (edited.text == text()) {
        showState(edited);
        return;
    }
    // The edit goes through the line edit's own editing, so that its undo takes it back and
    // its redo brings it again. Typing replaces only the part that differs, and a run of
    // typed digits is one step as in any line edit; an edit of its own replaces the whole
    // text, which starts a step, and ends its step by moving the caret.
    const QString &old = text();
    int head = 0;
    int tail = 0;
    if (step == Step::Typing) {
        const int shorter = int(std::min(old.size(), edited.text.size()));
        while (head < shorter && old[head] == edited.text[head])
            ++head;
        while (tail < shorter - head &&
               old[old.size() - 1 - tail] == edited.text[edited.text.size() - 1 - tail])
            ++tail;
    }
    const int replaced = int(old.size()) - head - tail;
    if (replaced > 0)
        setSelection(head, replaced);
    else
        setCursorPosition(head); // a move of the caret also starts a step
    insert(edited.text.mid(head, edited.text.size() - head - tail));
    if (step == Step::OwnStep) {
        setCursorPosition(0);
        setCursorPosition(int(text().size()));
    }
    showState(edited);
}

EditState WholeNumberEdit::currentState() const
{
    if (!hasSelectedText())
        return {text(), cursorPosition(), cursorPosition()};
    const int start = selectionStart();
    const int end = selectionEnd();
    return {text(), cursorPosition() == start ? end : start, cursorPosition()};
}

void WholeNumberEdit::showState(const EditState &state)
{
    const int anchor = std::min<int>(state.anchor, int(text().size()));
    const int caret = std::min<int>(state.caret, int(text().size()));
    if (anchor == caret)
        setCursorPosition(caret);
    else
        setSelection(anchor, caret - anchor);
}
