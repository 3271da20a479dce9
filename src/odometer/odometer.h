// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "odometer/radixtypes.h"

#include <QImage>
#include <QWidget>

#include <string>

class QTimer;

// A row of digit wheels, cut from the digit strip DIGITS, that shows one unsigned value in
// radix 2, 8, 10 or 16, wraps at the largest value its digits can show and rolls its wheels
// when the value steps by one. Its size is fixed by its digit count: 15 pixels a wheel, 20
// high. It paints only by copying from BackImage.
class TOdometer : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TAnimationType AnimationType READ AnimationType WRITE SetAnimationType)
    Q_PROPERTY(quint8 FrameInterval READ FrameInterval WRITE SetFrameInterval)
    Q_PROPERTY(TBaseType BaseType READ BaseType WRITE SetBaseType)
    Q_PROPERTY(quint8 DigitCount READ DigitCount WRITE SetDigitCount)
    Q_PROPERTY(quint32 Limit READ Limit)
    Q_PROPERTY(bool IncTopToBottom READ IncTopToBottom WRITE SetIncTopToBottom)
    Q_PROPERTY(quint8 HighlightStart READ HighlightStart WRITE SetHighlightStart)
    Q_PROPERTY(quint8 Highlightend READ Highlightend WRITE SetHighlightend)
    Q_PROPERTY(quint32 Value READ Value WRITE SetValue)

public:
    explicit TOdometer(QWidget *parent = nullptr);

    TAnimationType AnimationType() const { return m_animationType; }
    void SetAnimationType(TAnimationType animationType);
    quint8 FrameInterval() const;
    void SetFrameInterval(quint8 interval);
    TBaseType BaseType() const { return m_baseType; }
    void SetBaseType(TBaseType baseType);
    quint8 DigitCount() const { return m_digitCount; }
    void SetDigitCount(quint8 digitCount);
    quint32 Limit() const { return m_limit; }
    bool IncTopToBottom() const { return m_incTopToBottom; }
    void SetIncTopToBottom(bool topToBottom);
    quint8 HighlightStart() const { return m_highlightStart; }
    void SetHighlightStart(quint8 position);
    quint8 Highlightend() const { return m_highlightend; }
    void SetHighlightend(quint8 position);
    quint32 Value() const { return m_value; }
    void SetValue(quint32 value);

    // One step up (Limit wraps to 0) or down (0 wraps to Limit), shown by AnimationType.
    void Increment();
    void Decrement();
    // Draws one frame of the roll and paints it at once; after the last frame it stops timer.
    void AnimationTick(QTimer *timer);
    // The whole picture of the control, as painting copies it.
    const QImage &picture() const { return BackImage; }
    // The digits shown, and what assistive technology reads: "Binary, 0 0 0 0 1 0 1 1".
    const QString &shownDigits() const { return m_shownDigits; }
    const QString &spokenName() const { return m_spokenName; }

signals:
    // Pointer events over the control, in its own pixel coordinates.
    void OnMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseEnter();
    void OnMouseLeave();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void step(bool up);
    void RollSynchronous(const std::string &fromText, const std::string &toText, bool incrementing);
    void RollAsynchronous(const std::string &fromText, const std::string &toText,
                          bool incrementing);
    void startRoll(const std::string &fromText, const std::string &toText, bool incrementing);
    void Redraw();
    void ComputeLimit();
    // Composes every wheel into BackImage at the given fraction of a roll between the texts.
    void composeWheels(const std::string &fromText, const std::string &toText, int fraction,
                       bool incrementing);
    bool isHighlighted(int wheel) const;
    void describeDigits(const std::string &digits);

    TAnimationType m_animationType = atSynchronous;
    TBaseType m_baseType = btDecimal;
    QImage CellImage;
    quint8 m_digitCount = 0;
    quint8 CellHeight = 0;
    int m_scale = 1; // device pixels to a layout pixel in the strip and the composed wheels
    QImage DigitStrip;
    QImage HighlightStrip;
    QImage BackImage;
    bool m_incTopToBottom = false;
    quint32 m_limit = 0;
    quint32 m_value = 0;
    QTimer *FrameTimer;
    std::string FromDigits;
    std::string ToDigits;
    qint32 FrameIndex = 0;
    bool Incrementing = true;
    quint8 m_highlightStart = 0;
    quint8 m_highlightend = 0;
    QString m_shownDigits;
    QString m_spokenName; // what assistive technology reads: the radix and the digits
};
