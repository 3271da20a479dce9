// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/valuegridlook.h"
#include "toolkit/valuegridmodel.h"

#include <QTableView>

#include <algorithm>

// A table of whole rows under one fixed header row (row 0), over a model that asks a
// callback for the text of each cell it shows. The top row can be put anywhere from the
// first data row to the last, also where rows past the last would come into view, and every
// change of it is reported at once, whatever caused it. Rows are numbered as the header
// row 0 and the data rows from 1; the model counts the data rows from 0.
class ValueGrid : public QTableView
{
    Q_OBJECT
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow NOTIFY topRowChanged)
    Q_PROPERTY(int Row READ Row WRITE SetRow NOTIFY rowChanged)

public:
    using Look = ValueGridLook;
    using CellTextSource = ValueGridModel::CellTextSource;

    explicit ValueGrid(const Look &look, QWidget *parent = nullptr);

    void setCellTextSource(CellTextSource source);
    void setHeaderText(int column, const QString &text);

    int RowCount() const { return m_cells->rowCount() + 1; }
    void SetRowCount(int count);
    int TopRow() const { return m_topRow; }
    // A row outside 1 to RowCount - 1 is ignored.
    void SetTopRow(int row);
    // The current row: the one the keys move from.
    int Row() const { return currentIndex().row() + 1; }
    // Selects exactly this one data row without scrolling; other rows are ignored.
    void SetRow(int row);

    Q_INVOKABLE QString Cells(int column, int row) const;
    Q_INVOKABLE bool isRowSelected(int row) const;
    // The data rows that fit whole below the header.
    int fullyVisibleRowCount() const;

signals:
    void topRowChanged();
    void rowChanged();

protected:
    void updateGeometries() override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int lastDataRow() const { return std::max(1, RowCount() - 1); }
    // The top row that shows the last row at the bottom of a view of that height.
    int lastFilledTopRow(int viewHeight) const;
    // The row at the height in the view below the header, which may lie past the last.
    int rowAtY(int y) const;
    void moveCurrent(int row, bool extendSelection, bool reveal);
    // Makes the row current and selects the run from it to the anchor.
    void selectRun(int row);
    void scrollIntoView(int row);
    // Puts the scroll bar and the view on the top row, the bar's range widened to reach it.
    void showTopRow();

    ValueGridModel *m_cells;
    int m_rowHeight;
    int m_topRow = 1;
    int m_anchor = 1; // the other end of a run of selected rows
    int m_wheelRemainder = 0;
    bool m_dragging = false;
    bool m_placingTopRow = false; // the scroll bar follows the top row, not the other way
};
