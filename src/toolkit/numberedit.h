// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <optional>

// What the number boxes share: limits and the clamp to them, the signal that the focus has
// left, input-method hints for numbers, and a guard for text that reaches the line edit
// without passing the box's rules (an assistive tool writing the text, or code). A box
// keeps to its limits after every change, except while the user edits it with the focus in
// it: that value is brought within the limits when the focus leaves. A composition of an
// input method never removes the selected text it will replace until it commits.
class NumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit NumberEdit(QWidget *parent = nullptr);

    void setLimits(qint64 minimum, qint64 maximum);
    qint64 minimum() const { return m_minimum; }
    void setMinimum(qint64 minimum) { m_minimum = minimum; }
    qint64 maximum() const { return m_maximum; }
    void setMaximum(qint64 maximum) { m_maximum = maximum; }
    qint64 bounded(qint64 value) const;

    // The number the text holds; text that holds none counts as the minimum.
    qint64 value() const;

signals:
    // The keyboard focus has moved on to another control; the text holds the settled value.
    void exited();

protected:
    // The number a text holds, if any.
    virtual std::optional<qint64> numberIn(const QString &text) const = 0;
    // How the box writes a number.
    virtual QString textOf(qint64 number) const = 0;
    virtual bool checksRange() const { return true; }
    // The text the box shows once the focus has left it.
    virtual QString settledText() const { return withinLimits(text()); }
    // Applies an input method event once the composition guard has handled the selection.
    virtual void takeInputMethodEvent(QInputMethodEvent *event);

    // The text, with a number outside the limits brought to the nearer one.
    QString withinLimits(const QString &text) const;
    // Sets text the box composed itself, past the guard.
    void writeText(const QString &text);

    void focusOutEvent(QFocusEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void holdToTheRules(const QString &changed);
    void restoreHeldSelection();

    qint64 m_minimum;
    qint64 m_maximum;
    QString m_lastAccepted;
    bool m_writing = false;
    // The selection a composition is typed over, kept until the composition ends.
    std::optional<std::pair<int, int>> m_heldSelection;
};
