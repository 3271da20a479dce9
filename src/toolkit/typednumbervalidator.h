// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// Lets only integer typing into a box: digits, one sign at the start or the parentheses of
// a negative number, and no more than the maximum typed length. Thousands separators may
// stay where the box's display format put them, but none may be added.
class TypedNumberValidator : public QValidator
{
    Q_OBJECT

public:
    explicit TypedNumberValidator(QObject *parent = nullptr);

    // 0 means no limit.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length; }
    // The text the box holds now, which the next change is measured against.
    void setCurrentText(const QString &text) { m_currentText = text; }

    State validate(QString &input, int &position) const override;

private:
    int m_maxLength = 0;
    QString m_currentText;
};
