// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QLineEdit>

// A box that holds one whole number in decimal and nothing else: digits, a minus sign
// that toggles at the front wherever the caret stands, and never an empty text. Keys, what
// an input method commits, pastes from the clipboard or the primary selection and drops
// all go through these rules character by character; undo and redo step back and forth
// through the edits made so. A value outside its limits is brought to the nearer limit
// when the focus leaves the box. Every change of the text, typed or set from code, is
// reported by textChanged.
class WholeNumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit WholeNumberEdit(QWidget *parent = nullptr);

    // Without limits set the box takes any value it can hold.
    void setLimits(qint64 minimum, qint64 maximum);
    qint64 minimum() const { return m_minimum; }
    qint64 maximum() const { return m_maximum; }
    qint64 bounded(qint64 value) const;

    // The text taken as a number, rounded to the nearest whole number.
    qint64 value() const;
    // Writes plain decimal digits, with a leading "-" when negative.
    void setValue(qint64 value);

signals:
    // The keyboard focus has moved on to another control.
    void exited();
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void typeText(const QString &text);
    void typeDigit(QChar digit);
    void toggleMinus();
    void removeCharacter(bool beforeCaret);
    void cutSelection();
    void removeSelection();
    void pasteFrom(QClipboard::Mode mode);
    // Sets the text, with "0" after a lone sign or in an empty box, and the caret.
    void applyEdit(QString text, int anchor, int caret);
    void undoEdit();
    void redoEdit();
    void forgetEditsOnOutsideChange();

    // The text with its selection (anchor) and caret, as undo and redo bring it back.
    struct EditState
    {
        QString text;
        int anchor;
        int caret;
    };
    EditState currentState() const;
    void restoreState(const EditState &state);

    qint64 m_minimum;
    qint64 m_maximum;
    QList<EditState> m_undoStates;
    QList<EditState> m_redoStates;
    bool m_editing = false; // the text is being changed by the rules or by undo and redo
};
