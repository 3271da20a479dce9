// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/look.h"
#include <QAbstractButton>

#include <QColor>
#include <QTimer>

// A raised push button that never takes the keyboard focus. The pointer fades a light
// over its face in and out, one step per fade interval; the lit state `Light` marks a
// chosen button among several. Caption font, caption colour and enabled state may change
// at any time.
//
// A checkable button tells assistive technology its checked state, which its owner sets
// (a click leaves it alone); lighting a checkable button checks it.
class SpeedButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool Light READ Light WRITE SetLight)
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor)
    Q_PROPERTY(int fadeInInterval READ fadeInInterval WRITE setFadeInInterval)
    Q_PROPERTY(int fadeOutInterval READ fadeOutInterval WRITE setFadeOutInterval)
    Q_PROPERTY(qreal hoverLevel READ hoverLevel)

public:
    explicit SpeedButton(const QString &caption, QWidget *parent = nullptr);

    bool Light() const { return m_light; }
    void SetLight(bool on);
    QColor captionColor() const { return m_captionColor; }
    void setCaptionColor(const QColor &color);
    int fadeInInterval() const { return m_fadeInInterval; }
    void setFadeInInterval(int milliseconds);
    int fadeOutInterval() const { return m_fadeOutInterval; }
    void setFadeOutInterval(int milliseconds);
    // 0 at rest, 1 once the pointer's light has fully faded in.
    qreal hoverLevel() const { return m_hoverStep / qreal(fadeSteps); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void nextCheckState() override;

private:
    static constexpr int fadeSteps = 8;

    void startFade(bool in);
    void fadeStep();

    bool m_light = false;
    QColor m_captionColor = Qt::black;
    int m_fadeInInterval = 15;
    int m_fadeOutInterval = 15;
    int m_hoverStep = 0;
    bool m_fadingIn = false;
    QTimer m_fadeTimer;
};

// A push button of the layout: named, placed, its caption in the role's face and the
// button caption colour.
SpeedButton *addSpeedButton(QWidget *parent, const char *name, const QString &caption,
                            const QRect &place, FontRole role);
