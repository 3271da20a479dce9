// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// A frame drawn just outside whichever of its followed widgets has the keyboard focus, in
// the highlight colour, so that a widget that draws no focus of its own still shows it.
// The frame lies beside the widget, never over it, goes with it when it moves or changes
// its size, and lets the pointer through.
class FocusMark : public QWidget
{
    Q_OBJECT

public:
    explicit FocusMark(QWidget *parent);

    // The widget must be a child of the mark's parent.
    void follow(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveTo(QWidget *focused);

    QList<QPointer<QWidget>> m_followed;
};
