#pragma once

#include <QWidget>

// The Calculate page, panel "pan2".
class CalculatePage : public QWidget
{
    Q_OBJECT

public:
    explicit CalculatePage(QWidget *parent = nullptr);

    // The board reset; with keepOperands false both operand rows are blanked as well.
    void ClearBoard(bool keepOperands);
    // Chooses hexadecimal and starts entering the first number.
    void W7SpeedButton9Click();
    // Every character typed anywhere in the window, before the focused control sees it.
    void FormKeyPress(QChar Key);
};
