// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/facetabbar.h"

#include "common/devicepicture.h"

#include <QFontMetrics>
#include <QPainter>

FaceTabBar::FaceTabBar(const Look &look, QWidget *parent) : QTabBar(parent), m_look(look)
{
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(true);
    setTabsClosable(false);
    setAutoFillBackground(true);
    QPalette strip = palette();
    strip.setColor(QPalette::Window, m_look.stripColor);
    setPalette(strip);
}

QSize FaceTabBar::tabSizeHint(int index) const
{
    const QFontMetrics metrics(index == currentIndex() ? m_look.selectedFont : m_look.normalFont);
    const int textWidth = metrics.horizontalAdvance(tabText(index));
    return {m_look.tabMargins.left() + textWidth + m_look.tabMargins.right(),
            m_look.tabMargins.top() + m_look.tabHeight};
}

QSize FaceTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void FaceTabBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int index = 0; index < count(); ++index) {
        const bool selected = index == currentIndex();
        const QRect tab = tabRect(index).adjusted(0, m_look.tabMargins.top(), 0, 0);
        const QImage &face = selected ? m_look.selectedFace : m_look.normalFace;
        painter.fillRect(tab, selected ? m_look.selectedColor : m_look.normalColor);
        smoothWhereRatiosDiffer(painter, face.devicePixelRatio());
        painter.drawImage(tab, face);
        painter.setFont(selected ? m_look.selectedFont : m_look.normalFont);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect caption =
            tab.adjusted(m_look.tabMargins.left(), 0, -m_look.tabMargins.right(), 0);
        QRect captionBounds;
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, tabText(index), &captionBounds);
        if (selected && hasFocus())
            paintFocusMark(painter, captionBounds);
    }
}

// A dotted frame round the selected tab's caption, clear of its letters whatever room the
// tab gives them: the arrow keys move from there.
void FaceTabBar::paintFocusMark(QPainter &painter, const QRect &captionBounds) const
{
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(captionBounds.adjusted(-2, -1, 1, 0));
}
