// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ValueGrid;
class WholeNumberEdit;

// The Table page, panel "pan3": every value of one or two bytes in six forms, one row
// each, and the jump-to box "center" of the top bar kept in step with it. The window hands
// over the box; the flag that cuts the chain from the box back into the table is kept here.
class TablePage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool SuppressCenterChange READ SuppressCenterChange)

public:
    TablePage(WholeNumberEdit *jumpBox, QWidget *parent = nullptr);

    // While set, a change of the box does not move the table. Set from the start until the
    // window opens the page.
    bool SuppressCenterChange() const { return m_suppressCenterChange; }
    void SetSuppressCenterChange(bool suppress) { m_suppressCenterChange = suppress; }

    // Rebuilds the table for a width of 1 or 2 bytes and jumps to the value.
    void SetTableWidth(quint8 Width, qint32 Value);
    // Brings the value's row fourth in view, when the table allows, and selects it.
    void JumpToValue(qint32 v);

    // The header over four rows: a jump brings the value's row fourth in view.
    int minimumViewHeight() const;

    void centerChange();
    void centerExit();
    void centerKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void gridTopLeftChanged();
    void gridGetDisplText(int column, int row, QString &text) const;

private:
    void saySelectedRow();
    // Selects the one row of the value the box shows.
    void selectRowOfCenter();

    WholeNumberEdit *center;
    bool m_suppressCenterChange = true;
    ValueGrid *grid;
    quint8 TableWidth = 1;
    qint32 HalfRowCount = 128;
};
