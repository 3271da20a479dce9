// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QTabBar>

class QPainter;

// A tab strip whose tabs are painted from two face pictures (normal and selected) over a
// plain fill, with its own fonts for the selected tab and the others.
class FaceTabBar : public QTabBar
{
    Q_OBJECT

public:
    struct Look
    {
        QImage normalFace;
        QImage selectedFace;
        QColor stripColor;
        QColor normalColor;
        QColor selectedColor;
        QFont selectedFont;
        QFont normalFont;
        int tabHeight = 30;
        QMargins tabMargins; // space around the caption inside a tab
    };

    explicit FaceTabBar(const Look &look, QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintFocusMark(QPainter &painter, const QRect &captionBounds) const;

    Look m_look;
};
