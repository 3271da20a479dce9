#include "toolkit/wholenumberedit.h"

#include <cmath>

WholeNumberEdit::WholeNumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(QStringLiteral("0"));
}

void WholeNumberEdit::setLimits(qint64 minimum, qint64 maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

qint64 WholeNumberEdit::value() const
{
    return std::llround(text().toDouble());
}

void WholeNumberEdit::setValue(qint64 value)
{
    setText(QString::number(value));
}
