// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/focusmark.h"

#include <QApplication>
#include <QEvent>

namespace {

constexpr int frameWidth = 2;

} // namespace

FocusMark::FocusMark(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Highlight);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { moveTo(now); });
}

void FocusMark::follow(QWidget *widget)
{
    m_followed << widget;
    widget->installEventFilter(this);
}

// A focused widget that moves or changes its size takes its frame along.
bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    auto *widget = static_cast<QWidget *>(watched);
    if (placed && widget->hasFocus())
        moveTo(widget);
    return QWidget::eventFilter(watched, event);
}

void FocusMark::moveTo(QWidget *focused)
{
    if (!focused || !m_followed.contains(focused)) {
        hide();
        return;
    }
    const QRect frame =
        focused->geometry().adjusted(-frameWidth, -frameWidth, frameWidth, frameWidth);
    setGeometry(frame);
    const QRect inside = rect().adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
    setMask(QRegion(rect()).subtracted(QRegion(inside)));
    raise();
    show();
}
