// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/calculate/calculatepage.h"
#include "toolkit/speedbutton.h"

#include <QLabel>
#include <QString>

// Reads the Calculate page as a user sees it: through its labels, found by name.
class CalculateBoardReader
{
public:
    explicit CalculateBoardReader(CalculatePage &page);

    // A row of cells from the left, one character a cell: row 3 has five columns.
    QString rowText(unsigned row) const;
    QLabel *cell(unsigned row, unsigned column) const { return m_cells[row][column]; }
    // The shown mark above a column (2-5), or a blank when it is hidden.
    QChar topMark(unsigned column) const;
    // The small mark before the top digit of column 1-3.
    QChar borrowMark(unsigned column) const;
    bool struck(unsigned column) const;
    bool minusShown() const;
    bool bracketShown() const;
    QString operatorSign() const;
    QString hint() const;
    SpeedButton *speedButton(const char *name) const;

    // Types each character of keys as a key press; "\b" is Backspace, "\r" Enter.
    void type(const QString &keys) const;
    void click(const char *name) const;

private:
    QLabel *label(const QString &name) const;

    CalculatePage &m_page;
    QLabel *m_cells[4][6] = {};
    QLabel *m_topMarks[6] = {};
    QLabel *m_borrowMarks[4] = {};
    QLabel *m_strikes[5] = {};
    QLabel *m_minus;
    QWidget *m_minus2;
    QLabel *m_op;
    QLabel *m_hint;
};
