#include "pages/table/tablepage.h"

#include "toolkit/wholenumberedit.h"

TablePage::TablePage(WholeNumberEdit *center, bool &SuppressCenterChange, QWidget *parent)
    : QWidget(parent), center(center), SuppressCenterChange(SuppressCenterChange)
{
    setObjectName(QStringLiteral("pan3"));
    resize(850, 267);
}

void TablePage::SetTableWidth(quint8 Width, qint32 Value)
{
    Q_UNUSED(Width);
    Q_UNUSED(Value);
}
