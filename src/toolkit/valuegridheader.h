// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/valuegridlook.h"

#include <QHeaderView>

// The header row of a value grid: fixed columns that do not react to the mouse, drawn in
// the grid's look, with the window's background beyond the last column.
class ValueGridHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit ValueGridHeader(const ValueGridLook &look, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The wheel over the header works the grid, as it does over the rows.
    void wheelEvent(QWheelEvent *event) override;

private:
    ValueGridLook m_look;
};
