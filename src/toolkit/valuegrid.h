// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <functional>

// A grid of whole rows under one fixed header row (row 0). It stores only the header
// texts: the text of every cell comes from a callback when the cell is drawn, so a table
// of tens of thousands of rows costs no more than the rows in view. The top row can be
// put anywhere from the first data row to the last, and every change of it is reported
// at once, whatever caused it.
class ValueGrid : public QAbstractScrollArea
{
    Q_OBJECT
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int TopRow READ TopRow WRITE SetTopRow NOTIFY topRowChanged)
    Q_PROPERTY(int Row READ Row WRITE SetRow NOTIFY selectionChanged)

public:
    struct Look
    {
        int rowHeight = 30;
        QList<int> columnWidths;
        QFont dataFont;
        QFont headerFont;
        QColor headerFill;
        QColor headerLines;
        QColor gridLines;
        QColor selectionFill;
        QColor selectionText;
    };

    // Gets the column, the row and the text the grid holds for the cell (the header text
    // in row 0, empty elsewhere), and may replace the text.
    using CellTextSource = std::function<void(int column, int row, QString &text)>;

    explicit ValueGrid(const Look &look, QWidget *parent = nullptr);

    void setCellTextSource(CellTextSource source);
    void setHeaderText(int column, const QString &text);

    int RowCount() const { return m_rowCount; }
    void SetRowCount(int count);
    int TopRow() const { return m_topRow; }
    // A row outside 1 to RowCount - 1 is ignored.
    void SetTopRow(int row);
    // The current row: the one the keys move from.
    int Row() const { return m_row; }
    // Selects exactly this one data row without scrolling; other rows are ignored.
    void SetRow(int row);

    int columnCount() const { return int(m_look.columnWidths.size()); }
    Q_INVOKABLE QString Cells(int column, int row) const;
    // Where the cell is drawn in the view; empty while the row is out of view.
    QRect cellRect(int column, int row) const;
    Q_INVOKABLE bool isRowSelected(int row) const;
    // The data rows that fit whole below the header.
    int fullyVisibleRowCount() const;

signals:
    void rowCountChanged();
    void topRowChanged();
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int lastDataRow() const { return std::max(1, m_rowCount - 1); }
    // The top row that shows the last row at the bottom of a view of that height.
    int lastFilledTopRow(int viewHeight) const;
    int rowAt(int y) const;
    void moveCurrent(int row, bool extendSelection, bool reveal);
    void scrollIntoView(int row);
    void updateScrollBar();
    void paintRow(QPainter &painter, int row, int y) const;

    Look m_look;
    QStringList m_headerTexts;
    CellTextSource m_cellText;
    int m_rowCount = 1;
    int m_topRow = 1;
    int m_row = 1;
    int m_anchor = 1; // the other end of a run of selected rows
    int m_wheelRemainder = 0;
    bool m_dragging = false;
};
