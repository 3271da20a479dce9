#pragma once

#include "pages/calculate/columnboard.h"

#include <QWidget>

#include <array>

class FittingLabel;
class QTimer;
class SpeedButton;

// The Calculate page, panel "pan2": the user chooses a radix, types two numbers of up to
// four digits into the board and has their sum or difference worked column by column.
// The board's characters live in a ColumnBoard; the labels show it.
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
    void Timer3Timer();

    // The radix buttons: octal, decimal, hexadecimal. Each starts a new problem.
    void W7SpeedButton5Click();
    void W7SpeedButton8Click();
    void W7SpeedButton9Click();
    void SelectRadix(SpeedButton *button);
    // "+" and "-": close any open operand row and work the sum or the difference.
    void W7SpeedButton6Click();
    void W7SpeedButton7Click();

    // Every character typed anywhere in the window, before the focused control sees it.
    void FormKeyPress(QChar Key);
    // Right-aligns the operand row being typed.
    void AlignEntryRow();

    int EntryRow() const { return m_entryRow; }
    int EntryColumn() const { return m_entryColumn; }
    int Radix() const { return m_radix; }
    int BlinkCell() const { return m_blinkCell; }
    const ColumnBoard &Board() const { return m_board; }

private:
    void BuildBoard();
    void BuildButtons();
    FittingLabel *AddLabel(const char *name, int left, int top, const QFont &font,
                           const QColor &color);
    SpeedButton *AddButton(const char *name, const char *caption, const QRect &place,
                           int fontPixels);
    // Brings every label in line with the board's characters.
    void ShowBoard();
    // The cell of a cell code, or none for a code that names no cell.
    FittingLabel *CellLabel(unsigned code) const;
    void PaintCell(unsigned code, const QColor &color);
    void RemoveLastDigit();
    void CloseEntryRow();
    void CloseOperands(char sign);
    // Works the operands as they stand once any open row is closed; nothing before a
    // radix has been chosen.
    void Work(char sign, void (*working)(ColumnBoard &, unsigned));

    ColumnBoard m_board;
    int m_entryRow = 0;
    int m_entryColumn = 4;
    int m_radix = 0;
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
