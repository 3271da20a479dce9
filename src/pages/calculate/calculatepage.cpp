#include "pages/calculate/calculatepage.h"

CalculatePage::CalculatePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pan2"));
    resize(433, 267);
}

void CalculatePage::ClearBoard(bool keepOperands)
{
    Q_UNUSED(keepOperands);
}

void CalculatePage::W7SpeedButton9Click() {}

void CalculatePage::FormKeyPress(QChar Key)
{
    Q_UNUSED(Key);
}
