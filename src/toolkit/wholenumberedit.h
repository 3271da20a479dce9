// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/numberedit.h"

#include <QClipboard>

// A box that holds one whole number in decimal and nothing else: digits, a minus sign
// that toggles at the front wherever the caret stands, and never an empty text. Keys, what
// an input method commits, pastes from the clipboard or the primary selection and drops
// all go through these rules; a paste, a drop or a commit is worked out as a whole and
// makes one edit, which the line edit's own undo takes back in one step. Every change of
// the text, typed or set from code, is reported by textChanged.
class WholeNumberEdit : public NumberEdit
{
    Q_OBJECT

public:
    explicit WholeNumberEdit(QWidget *parent = nullptr);

    // Writes plain decimal digits, with a leading "-" when negative.
    void setValue(qint64 value);

    // The text with its selection (anchor) and caret, as an edit leaves it.
    struct EditState
    {
        QString text;
        int anchor;
        int caret;
    };

signals:
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    // The text taken as a number, rounded to the nearest whole number.
    std::optional<qint64> numberIn(const QString &text) const override;
    QString textOf(qint64 number) const override;
    void takeInputMethodEvent(QInputMethodEvent *event) override;

    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Keys join the undo step of the keys typed before them; a paste, a drop, a commit of an
    // input method or a cut is an undo step of its own.
    enum class Step { Typing, OwnStep };

    void typeText(const QString &typed, Step step);
    void removeCharacter(bool beforeCaret);
    void cutSelection();
    void removeSelection();
    void pasteFrom(QClipboard::Mode mode);
    // Makes the edit on the line edit, so that its undo stack records it.
    void apply(EditState edited, Step step);
    EditState currentState() const;
    void showState(const EditState &state);
};
