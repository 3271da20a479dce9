// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/fittedindicatorstyle.h"

#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace {

// The side of the largest indicator that fits the button's height with a pixel to spare
// above and below.
int fittingSide(const QStyleOption *option)
{
    return std::max(1, option->rect.height() - 2);
}

bool isIndicator(QStyle::SubElement element)
{
    return element == QStyle::SE_RadioButtonIndicator || element == QStyle::SE_CheckBoxIndicator;
}

} // namespace

void FittedIndicatorStyle::applyTo(QWidget *button)
{
    auto *style = new FittedIndicatorStyle;
    style->setParent(button);
    button->setStyle(style);
}

int FittedIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                      const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
        return widget ? std::min(base, std::max(1, widget->height() - 2)) : base;
    default:
        return base;
    }
}

QRect FittedIndicatorStyle::subElementRect(SubElement element, const QStyleOption *option,
                                           const QWidget *widget) const
{
    const QRect base = QProxyStyle::subElementRect(element, option, widget);
    if (!isIndicator(element) || !option)
        return base;
    const int side = std::min({base.width(), base.height(), fittingSide(option)});
    QRect fitted(0, 0, side, side);
    fitted.moveCenter(base.center());
    fitted.moveTop(std::clamp(fitted.top(), option->rect.top() + 1, option->rect.bottom() - side));
    fitted.moveLeft(std::max(fitted.left(), option->rect.left()));
    return fitted;
}
