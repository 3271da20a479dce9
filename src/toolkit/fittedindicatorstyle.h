// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style, with the indicator of a radio button or check box kept inside the
// button: a style whose indicator is taller than a button laid out small would otherwise
// draw it past the button's edges, over its neighbour.
class FittedIndicatorStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Gives the widget this style, owned by the widget.
    static void applyTo(QWidget *button);

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget) const override;

private:
    FittedIndicatorStyle() = default;
};
