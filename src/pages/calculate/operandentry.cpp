// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/operandentry.h"

#include "pages/calculate/columnworking.h"
#include "pages/calculate/digitrules.h"

void OperandEntry::clearBoard(bool keepOperands)
{
    m_board.clear(keepOperands);
    m_prompt = Prompt::SelectRadix;
}

void OperandEntry::startFirstRow()
{
    m_prompt = Prompt::FirstNumber;
    m_entryRow = 1;
    m_entryColumn = operandColumns;
    moveCursor(1, operandColumns, true);
}

void OperandEntry::type(char16_t key)
{
    if (m_entryRow == 0)
        return;
    if (key == backspaceKey) {
        removeLastDigit();
        return;
    }
    if (key == enterKey) {
        closeEntryRow();
        return;
    }
    const std::optional<unsigned> value = keyDigit(key, m_radix);
    if (!value)
        return;
    moveCursor(m_entryRow, m_entryColumn, false);
    m_board.SetBoardDigit(m_entryRow, m_entryColumn, *value, m_radix);
    --m_entryColumn;
    if (m_entryColumn == 0) {
        ++m_entryRow;
        m_prompt = Prompt::SecondNumber;
        m_entryColumn = operandColumns;
    }
    if (m_entryRow == 3) {
        m_entryRow = 0;
        m_prompt = Prompt::ChooseOperation;
    }
    if (m_entryRow != 0)
        moveCursor(m_entryRow, m_entryColumn, true);
}

// Backspace never leaves the row: with nothing typed in it, it does nothing.
void OperandEntry::removeLastDigit()
{
    if (m_entryColumn >= operandColumns)
        return;
    moveCursor(m_entryRow, m_entryColumn, false);
    ++m_entryColumn;
    m_board.SetBoardDigit(m_entryRow, m_entryColumn, 0, 0);
    moveCursor(m_entryRow, m_entryColumn, true);
}

void OperandEntry::closeEntryRow()
{
    moveCursor(m_entryRow, m_entryColumn, false);
    AlignEntryRow();
    if (m_entryRow == 1) {
        m_prompt = Prompt::SecondNumber;
        m_entryRow = 2;
        m_entryColumn = operandColumns;
        moveCursor(2, operandColumns, true);
    } else {
        m_entryRow = 0;
        m_prompt = Prompt::ChooseOperation;
    }
}

void OperandEntry::AlignEntryRow()
{
    alignRow(m_board, m_entryRow, m_entryColumn, m_radix);
}

void OperandEntry::prepareWorking(char sign)
{
    for (int pass = 0; pass < 2 && m_entryRow != 0; ++pass)
        closeEntryRow();
    clearBoard(true);
    m_prompt = Prompt::None;
    m_board.setOperatorSign(sign);
}

std::vector<OperandEntry::CursorMove> OperandEntry::takeCursorMoves()
{
    std::vector<CursorMove> moves;
    moves.swap(m_cursorMoves);
    return moves;
}

void OperandEntry::moveCursor(unsigned row, unsigned column, bool on)
{
    m_cursorMoves.push_back({row, column, on});
}
