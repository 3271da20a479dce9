// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/valuegriddelegate.h"

#include <QPainter>

ValueGridDelegate::ValueGridDelegate(const ValueGridLook &look, QObject *parent)
    : QStyledItemDelegate(parent), m_look(look)
{
}

void ValueGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setFont(m_look.dataFont);
    paintGridCell(*painter, option.rect, selected ? m_look.selectionFill : QColor(),
                  selected ? m_look.selectionText : option.palette.color(QPalette::WindowText),
                  index.data().toString(), m_look.gridLines);
    painter->restore();
}
