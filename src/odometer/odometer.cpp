// SPDX-License-Identifier: GPL-3.0-or-later
#include "odometer/odometer.h"

#include "common/accessiblerole.h"
#include "common/accessibletext.h"
#include "common/devicepicture.h"
#include "odometer/conversions.h"
#include "odometer/digitcell.h"
#include "odometer/imagerows.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>

namespace {

constexpr int stripCellCount = 17;
constexpr quint8 maxDigitCount = 32;
constexpr char blankCharacter = ' ';

// Light pixels, packed as blue x 65536 + green x 256 + red, turn pure green; on the grey
// strip that is every pixel of grey level 128 or more, the glyphs.
QImage makeHighlightStrip(const QImage &strip)
{
    QImage green = strip.copy();
    for (int y = 0; y < green.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(green.scanLine(y));
        for (int x = 0; x < green.width(); ++x) {
            const quint32 packed = qBlue(row[x]) * 65536u + qGreen(row[x]) * 256u + qRed(row[x]);
            if (packed > 8388608u)
                row[x] = highlightGreen;
        }
    }
    return green;
}

struct DigitStrips
{
    QImage digits;
    QImage highlighted;
};

// The strip drawn for the screen's resolution, in the 32-bit format of CellImage and
// BackImage so that wheels are composed by plain row copies, and its green copy: read once
// and shared by every odometer, which only ever reads them.
const DigitStrips &digitStrips()
{
    static DigitStrips strips;
    static qreal madeForRatio = 0;
    const qreal ratio = qGuiApp->devicePixelRatio();
    if (strips.digits.isNull() || ratio != madeForRatio) {
        strips.digits =
            deviceImage(QStringLiteral(":/DIGITS")).convertToFormat(QImage::Format_RGB32);
        strips.highlighted = makeHighlightStrip(strips.digits);
        madeForRatio = ratio;
    }
    return strips;
}

QString radixName(TBaseType baseType)
{
    switch (baseType) {
    case btBinary:
        return TOdometer::tr("Binary");
    case btOctal:
        return TOdometer::tr("Octal");
    case btDecimal:
        return TOdometer::tr("Decimal");
    case btHexadecimal:
        break;
    }
    return TOdometer::tr("Hexadecimal");
}

} // namespace

TOdometer::TOdometer(QWidget *parent) : QWidget(parent), FrameTimer(new QTimer(this))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAccessibleRole(this, QAccessible::StaticText, {}, [this] { return m_spokenName; });

    FrameTimer->setObjectName(QStringLiteral("FrameTimer"));
    FrameTimer->setInterval(30);
    FrameTimer->setTimerType(Qt::PreciseTimer);
    connect(FrameTimer, &QTimer::timeout, this, [this] { AnimationTick(FrameTimer); });

    m_animationType = atSynchronous;
    m_baseType = btDecimal;

    // The wheels are composed in the strip's device pixels, while the control's size stays
    // in layout pixels.
    DigitStrip = digitStrips().digits;
    HighlightStrip = digitStrips().highlighted;
    m_scale = qMax(1, qRound(DigitStrip.devicePixelRatio()));

    CellHeight = static_cast<quint8>(DigitStrip.height() / stripCellCount / m_scale);
    CellImage = QImage(DigitStrip.width(), CellHeight * m_scale, QImage::Format_RGB32);
    setFixedHeight(CellHeight);
    BackImage = QImage(0, CellHeight * m_scale, QImage::Format_RGB32);

    SetDigitCount(8);
    ComputeLimit();
    Redraw();
}

void TOdometer::SetAnimationType(TAnimationType animationType)
{
    m_animationType = animationType;
}

quint8 TOdometer::FrameInterval() const
{
    return static_cast<quint8>(FrameTimer->interval());
}

void TOdometer::SetFrameInterval(quint8 interval)
{
    const int milliseconds = interval == 0 ? 1 : interval;
    if (milliseconds != FrameTimer->interval())
        FrameTimer->setInterval(milliseconds);
}

void TOdometer::SetBaseType(TBaseType baseType)
{
    if (baseType == m_baseType)
        return;
    FrameTimer->stop();
    m_baseType = baseType;
    ComputeLimit();
    SetValue(m_value);
}

void TOdometer::SetDigitCount(quint8 digitCount)
{
    if (digitCount == m_digitCount || digitCount == 0 || digitCount > maxDigitCount)
        return;
    FrameTimer->stop();
    m_digitCount = digitCount;
    setFixedWidth(DigitStrip.width() / m_scale * digitCount);
    BackImage = QImage(width() * m_scale, CellHeight * m_scale, QImage::Format_RGB32);
    BackImage.setDevicePixelRatio(m_scale);
    ComputeLimit();
    SetValue(m_value);
}

void TOdometer::SetIncTopToBottom(bool topToBottom)
{
    m_incTopToBottom = topToBottom;
}

void TOdometer::SetHighlightStart(quint8 position)
{
    m_highlightStart = position;
}

void TOdometer::SetHighlightend(quint8 position)
{
    if (position == m_highlightend)
        return;
    m_highlightend = position;
    Redraw();
}

void TOdometer::SetValue(quint32 value)
{
    if (value > m_limit)
        value %= m_limit;
    FrameTimer->stop();
    if (m_value < m_limit && value == m_value + 1) {
        Increment();
    } else if (m_value > 0 && value == m_value - 1) {
        Decrement();
    } else {
        m_value = value;
        Redraw();
    }
}

void TOdometer::Increment()
{
    step(true);
}

void TOdometer::Decrement()
{
    step(false);
}

void TOdometer::step(bool up)
{
    FrameTimer->stop();
    const std::string oldText = ValueToDigits(m_baseType, m_value, m_digitCount);
    if (up)
        m_value = m_value == m_limit ? 0 : m_value + 1;
    else
        m_value = m_value == 0 ? m_limit : m_value - 1;
    const std::string newText = ValueToDigits(m_baseType, m_value, m_digitCount);
    switch (m_animationType) {
    case atNone:
        Redraw();
        break;
    case atSynchronous:
        describeDigits(newText);
        RollSynchronous(oldText, newText, up);
        break;
    case atAsynchronous:
        describeDigits(newText);
        RollAsynchronous(oldText, newText, up);
        break;
    }
}

void TOdometer::startRoll(const std::string &fromText, const std::string &toText, bool incrementing)
{
    FrameIndex = 0;
    FromDigits = fromText;
    ToDigits = toText;
    Incrementing = incrementing;
}

// Holds the thread for the whole roll; each frame reaches the screen through repaint().
void TOdometer::RollSynchronous(const std::string &fromText, const std::string &toText,
                                bool incrementing)
{
    startRoll(fromText, toText, incrementing);
    qint32 remembered = 0;
    do {
        remembered = FrameIndex;
        AnimationTick(FrameTimer);
        QThread::msleep(FrameInterval());
    } while (FrameIndex != remembered);
}

void TOdometer::RollAsynchronous(const std::string &fromText, const std::string &toText,
                                 bool incrementing)
{
    startRoll(fromText, toText, incrementing);
    FrameTimer->start();
}

void TOdometer::AnimationTick(QTimer *timer)
{
    composeWheels(FromDigits, ToDigits, FrameIndex * 255 / CellHeight, Incrementing);
    repaint();
    if (FrameIndex < CellHeight)
        ++FrameIndex;
    else
        timer->stop();
}

void TOdometer::Redraw()
{
    const std::string digits = ValueToDigits(m_baseType, m_value, m_digitCount);
    // From a blank wheel at the end of a roll every case shows the whole cell of the digit.
    composeWheels(std::string(m_digitCount, blankCharacter), digits, 255, true);
    describeDigits(digits);
    update();
}

void TOdometer::composeWheels(const std::string &fromText, const std::string &toText, int fraction,
                              bool incrementing)
{
    for (int wheel = 0; wheel < m_digitCount; ++wheel) {
        const QImage &strip = isHighlighted(wheel) ? HighlightStrip : DigitStrip;
        ComposeDigitCell(fromText[wheel], toText[wheel], CellImage, strip, fraction, m_value,
                         m_limit, incrementing, m_baseType, m_incTopToBottom);
        copyImageRows(CellImage, 0, CellImage.height(), BackImage, wheel * CellImage.width(), 0);
    }
}

// Positions count from 1 at the left; a start of 0 lights nothing.
bool TOdometer::isHighlighted(int wheel) const
{
    return m_highlightStart > 0 && m_highlightStart - 1 <= wheel && wheel <= m_highlightend - 1;
}

// Largest value the wheels can show: radix to the digit count, minus one, capped at 32 bits.
void TOdometer::ComputeLimit()
{
    const quint64 cap = quint64(1) << 32;
    quint64 power = 1;
    for (int digit = 0; digit < m_digitCount && power < cap; ++digit)
        power *= radixOf(m_baseType);
    m_limit = static_cast<quint32>(std::min(power, cap) - 1);
}

// Assistive technology reads the radix and the digits shown, one by one, as the name:
// "Binary, 0 0 0 0 1 0 1 1". A step and the wrap after it are told as one change.
void TOdometer::describeDigits(const std::string &digits)
{
    QStringList spoken;
    for (char digit : digits)
        spoken << QString(QLatin1Char(digit));
    const QString name =
        radixName(m_baseType) + QStringLiteral(", ") + spoken.join(QLatin1Char(' '));
    if (name == m_spokenName)
        return;
    m_shownDigits = QString::fromStdString(digits);
    m_spokenName = name;
    announceNameChangeOnce(this);
}

void TOdometer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    smoothWhereRatiosDiffer(painter, m_scale);
    const QRect area = event->rect();
    painter.drawImage(area, BackImage, QRect(area.topLeft() * m_scale, area.size() * m_scale));
}

void TOdometer::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    emit OnMouseMove(event->modifiers(), position.x(), position.y());
}

void TOdometer::enterEvent(QEnterEvent *)
{
    emit OnMouseEnter();
}

void TOdometer::leaveEvent(QEvent *)
{
    emit OnMouseLeave();
}

void TOdometer::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    emit OnMouseDown(event->button(), event->modifiers(), position.x(), position.y());
}
