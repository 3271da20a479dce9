// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/numberedit.h"

class TypedNumberValidator;

// A box for one whole number between a minimum and a maximum. Only integer typing gets in,
// pasted text included: digits, one sign at the start, or the parentheses of a negative
// number, at most MaxLength of them. On receiving the focus the box shows its value in its
// DisplayFormat; on leaving it a blank box takes the minimum, with CheckRange a value
// outside the limits takes the nearer one, and the text is rewritten in the DisplayFormat
// before exited() is raised.
class RangedNumberEdit : public NumberEdit
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
    // Shows the text as a box that has just taken the focus does: in the display format,
    // all of it selected so that typing replaces it.
    void showForEditing();

signals:
    // Every typed character, before the box's own filtering.
    void keyPressed(QChar key);

protected:
    std::optional<qint64> numberIn(const QString &text) const override;
    QString textOf(qint64 number) const override;
    bool checksRange() const override { return m_checkRange; }
    QString settledText() const override;

    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    TypedNumberValidator *m_validator;
    bool m_checkRange = false;
    QString m_displayFormat = QStringLiteral("0");
};
