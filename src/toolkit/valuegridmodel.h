// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

// The rows of a value grid, of which it stores only the header texts: the text of every
// cell comes from a callback when it is asked for, so tens of thousands of rows cost no
// more than the rows in view. Model rows are the data rows, counted from 0.
class ValueGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Gets the column, the grid's row (0 for the header, the data rows from 1) and the
    // text the grid holds for the cell (the header text in row 0, empty elsewhere), and may
    // replace the text.
    using CellTextSource = std::function<void(int column, int row, QString &text)>;

    ValueGridModel(int columns, QObject *parent = nullptr);

    void setCellTextSource(CellTextSource source);
    void setHeaderText(int column, const QString &text);
    void setDataRowCount(int count);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString cellText(int column, int row) const;

    QStringList m_headerTexts;
    CellTextSource m_cellText;
    int m_dataRowCount = 0;
};
