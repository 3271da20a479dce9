// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/calculate/operandentry.h"

#include <QWidget>

#include <array>

class FittingLabel;
class QKeyEvent;
class QTimer;
class SpeedButton;

// The Calculate page, panel "pan2": the user chooses a radix, types two numbers of up to
// four digits into the board and has their sum or difference worked column by column.
// The typing rules and the board's characters live in an OperandEntry; the labels show it.
class CalculatePage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int EntryRow READ EntryRow)
    Q_PROPERTY(int EntryColumn READ EntryColumn)
    Q_PROPERTY(int Radix READ Radix)
    Q_PROPERTY(int BlinkCell READ BlinkCell)

public:
    explicit CalculatePage(QWidget *parent = nullptr);

    // The board reset; with keepOperands false both operand rows are blanked as well.
    void ClearBoard(bool keepOperands);
    // Moves the blinking entry cursor on to or off a cell, and traces the move.
    void SetCursor(unsigned row, unsigned column, bool on);
    // The entry cursor's blink.
    void Timer3Timer();
    // The blink's pace, a change of colour every 330 ms; a test quickens it where it needs
    // the changes, not the pace.
    void setBlinkInterval(int milliseconds);

    // "Octal #", "Decimal #" and "Hex #": each starts a new problem in its radix.
    void W7SpeedButton5Click();
    void W7SpeedButton8Click();
    void W7SpeedButton9Click();
    void SelectRadix(SpeedButton *button);
    // "+": closes any open operand row and works the sum.
    void W7SpeedButton6Click();
    // "-": closes any open operand row and works the difference.
    void W7SpeedButton7Click();

    // Every character typed anywhere in the window, before the focused control sees it.
    void FormKeyPress(QChar Key);

    // The page's keys, each a press of its button: "+" and "-" (keypad too) work the sum and
    // the difference, Alt+O, Alt+D and Alt+H choose a radix. False for any other key.
    bool pressKey(const QKeyEvent *event);

    int EntryRow() const { return m_entry.EntryRow(); }
    int EntryColumn() const { return m_entry.EntryColumn(); }
    int Radix() const { return m_entry.Radix(); }
    int BlinkCell() const { return m_blinkCell; }
    const ColumnBoard &board() const { return m_entry.board(); }

private:
    void buildBoard();
    void buildButtons();
    FittingLabel *addLabel(const char *name, int left, int top, const QFont &font,
                           const QColor &color);
    // Brings every label in line with the board's characters.
    void showBoard();
    // Carries out the entry's cursor moves, then shows the board and the prompt.
    void showEntry();
    // What a screen reader says of the typing: the row a key went to, a new prompt, and
    // a working once it is made; "=" says it all again.
    void sayRow(int row);
    void sayPrompt();
    void sayAgain();
    // The cell of a cell code, or none for a code that names no cell.
    FittingLabel *cellLabel(unsigned code) const;
    void paintCell(unsigned code, const QColor &color);
    // Works the operands as they stand once any open row is closed; nothing before a
    // radix has been chosen.
    void work(char sign, void (*working)(ColumnBoard &, unsigned));

    OperandEntry m_entry;
    quint8 m_blinkCell = 0;

    std::array<FittingLabel *, 36> m_cells{}; // by cell code, row x 10 + column
    FittingLabel *m_topMarks[6] = {};         // r2-r5 by column
    FittingLabel *m_borrowMarks[4] = {};      // b1-b3 by column
    FittingLabel *m_strikes[5] = {};          // x2-x4 by column
    FittingLabel *op;
    FittingLabel *minus;
    QWidget *minus2;
    FittingLabel *hint1;
    SpeedButton *W7SpeedButton5;
    SpeedButton *W7SpeedButton8;
    SpeedButton *W7SpeedButton9;
    SpeedButton *W7SpeedButton7;
    SpeedButton *W7SpeedButton6;
    QTimer *Timer3;
};
