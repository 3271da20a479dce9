// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/valuegridlook.h"

#include <QStyledItemDelegate>

// Draws a data cell of a value grid in the grid's look: plain or with the selection fill.
class ValueGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ValueGridDelegate(const ValueGridLook &look, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    ValueGridLook m_look;
};
