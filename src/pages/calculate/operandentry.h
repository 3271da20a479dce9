// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/calculate/columnboard.h"

#include <vector>

// The typing of a sum or a difference into a ColumnBoard, without any widget: the radix,
// which row and column take the next digit, what a typed character does, how an open row
// is closed, and the prompt that fits. Each move of the blinking entry cursor is kept, in
// order, for whoever shows the board to carry out.
class OperandEntry
{
public:
    enum class Prompt { SelectRadix, FirstNumber, SecondNumber, ChooseOperation, None };

    struct CursorMove
    {
        unsigned row;
        unsigned column;
        bool on;
    };

    static constexpr char16_t backspaceKey = 8;
    static constexpr char16_t enterKey = 13;
    static constexpr int operandColumns = 4;

    const ColumnBoard &board() const { return m_board; }
    ColumnBoard &board() { return m_board; }
    // 0 while idle, else the operand row being typed.
    int EntryRow() const { return m_entryRow; }
    // The column that takes the next digit, from 4 (leftmost) down to 1.
    int EntryColumn() const { return m_entryColumn; }
    // 8, 10 or 16 once chosen, 0 before.
    int Radix() const { return m_radix; }
    Prompt prompt() const { return m_prompt; }

    // Blanks the board (the operand rows too unless keepOperands).
    void clearBoard(bool keepOperands);
    void setRadix(int radix) { m_radix = radix; }
    // Starts typing the first number in the radix set.
    void startFirstRow();
    // One typed character: a digit of the radix, Backspace or Enter; anything else, and
    // everything while idle, is ignored.
    void type(char16_t key);
    // Right-aligns the row being typed, or writes 0 into it when nothing was typed.
    void AlignEntryRow();
    // Closes any open row, keeps the operands, blanks the rest and writes the operator:
    // the board is then ready to be worked.
    void prepareWorking(char sign);

    // The cursor moves made since the last call, oldest first.
    std::vector<CursorMove> takeCursorMoves();

private:
    void removeLastDigit();
    void closeEntryRow();
    void moveCursor(unsigned row, unsigned column, bool on);

    ColumnBoard m_board;
    int m_entryRow = 0;
    int m_entryColumn = operandColumns;
    int m_radix = 0;
    Prompt m_prompt = Prompt::SelectRadix;
    std::vector<CursorMove> m_cursorMoves;
};
