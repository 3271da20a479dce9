#pragma once

#include <QLineEdit>

// A box that holds one whole number in decimal, with limits that its owner sets.
class WholeNumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit WholeNumberEdit(QWidget *parent = nullptr);

    void setLimits(qint64 minimum, qint64 maximum);
    qint64 minimum() const { return m_minimum; }
    qint64 maximum() const { return m_maximum; }

    // The text taken as a number, rounded to the nearest whole number.
    qint64 value() const;
    // Writes plain decimal digits, with a leading "-" when negative.
    void setValue(qint64 value);

private:
    qint64 m_minimum = 0;
    qint64 m_maximum = 0;
};
