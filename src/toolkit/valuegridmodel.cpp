// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/valuegridmodel.h"

#include <utility>

ValueGridModel::ValueGridModel(int columns, QObject *parent) : QAbstractTableModel(parent)
{
    m_headerTexts.resize(columns);
}

void ValueGridModel::setCellTextSource(CellTextSource source)
{
    m_cellText = std::move(source);
    if (m_dataRowCount > 0)
        emit dataChanged(index(0, 0), index(m_dataRowCount - 1, columnCount() - 1));
}

void ValueGridModel::setHeaderText(int column, const QString &text)
{
    if (column < 0 || column >= m_headerTexts.size() || m_headerTexts[column] == text)
        return;
    m_headerTexts[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void ValueGridModel::setDataRowCount(int count)
{
    beginResetModel();
    m_dataRowCount = count;
    endResetModel();
}

int ValueGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_dataRowCount;
}

int ValueGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headerTexts.size());
}

QVariant ValueGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return cellText(index.column(), index.row() + 1);
}

QVariant ValueGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount())
        return {};
    return cellText(section, 0);
}

QString ValueGridModel::cellText(int column, int row) const
{
    QString text = row == 0 ? m_headerTexts[column] : QString();
    if (m_cellText)
        m_cellText(column, row, text);
    return text;
}
