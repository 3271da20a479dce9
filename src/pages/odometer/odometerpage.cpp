#include "pages/odometer/odometerpage.h"

#include <QLabel>

namespace {

QLabel *MakeHintLabel(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

} // namespace

OdometerPage::OdometerPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pan1"));
    resize(433, 267);
    Label5 = MakeHintLabel(this, "Label5", QStringLiteral("Hold cursor over Octal or"),
                           QRect(160, 234, 120, 13));
    Label6 = MakeHintLabel(this, "Label6", QStringLiteral("Hex digits to see binary digits"),
                           QRect(160, 248, 141, 13));
}

void OdometerPage::SetOdometerWidth(quint8 Bytes)
{
    Q_UNUSED(Bytes);
}

void OdometerPage::HideHintLabels()
{
    Label5->hide();
    Label6->hide();
}
