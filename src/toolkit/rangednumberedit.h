// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

class TypedNumberValidator;

// A box for one whole number between a minimum and a maximum. Only integer typing gets in,
// pasted text included: digits, one sign at the start, or the parentheses of a negative
// number, at most MaxLength of them. On receiving the focus the box shows its value in its
// DisplayFormat; on leaving it a blank box takes the minimum, with CheckRange a value
// outside the limits takes the nearer one, and the text is rewritten in the DisplayFormat
// before exited() is raised.
class RangedNumberEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool CheckRange READ CheckRange WRITE SetCheckRange)
    Q_PROPERTY(QString DisplayFormat READ DisplayFormat WRITE SetDisplayFormat)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)

public:
    explicit RangedNumberEdit(QWidget *parent = nullptr);

    bool CheckRange() const { return m_checkRange; }
    void SetCheckRange(bool on) { m_checkRange = on; }
    QString DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString &format) { m_displayFormat = format; }
    // The most characters the user may type; separators of the display format do not count.
    int MaxLength() const;
    void SetMaxLength(int length);

    qint64 minimum() const { return m_minimum; }
    void setMinimum(qint64 minimum) { m_minimum = minimum; }
    qint64 maximum() const { return m_maximum; }
    void setMaximum(qint64 maximum) { m_maximum = maximum; }

    // The number the text holds; a blank box holds the minimum.
    qint64 value() const;

signals:
    // Every typed character, before the box's own filtering.
    void keyPressed(QChar key);
    // The focus has gone to another control; the text shows the value as checked.
    void exited();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void holdToTheRules(const QString &changed);
    void showInDisplayFormat(qint64 number);

    TypedNumberValidator *m_validator;
    bool m_checkRange = false;
    QString m_displayFormat = QStringLiteral("0");
    qint64 m_minimum = 0;
    qint64 m_maximum = 0;
};
