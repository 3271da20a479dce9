#include "odometer/odometer.h"

#include "odometer/conversions.h"
#include "odometer/digitcell.h"
#include "odometer/imagerows.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>

namespace {

constexpr int StripCellCount = 17;
constexpr quint8 MaxDigitCount = 32;
constexpr char BlankCharacter = ' ';

// Light pixels, packed as blue x 65536 + green x 256 + red, turn pure green; on the grey
// strip that is every pixel of grey level 128 or more, the glyphs.
QImage MakeHighlightStrip(const QImage &strip)
{
    QImage green = strip.copy();
    for (int y = 0; y < green.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(green.scanLine(y));
        for (int x = 0; x < green.width(); ++x) {
            const quint32 packed = qBlue(row[x]) * 65536u + qGreen(row[x]) * 256u + qRed(row[x]);
            if (packed > 8388608u)
                row[x] = qRgb(0, 255, 0);
        }
    }
    return green;
}

QString RadixName(TBaseType baseType)
{
    switch (baseType) {
    case btBinary:
        return TOdometer::tr("Binary odometer");
    case btOctal:
        return TOdometer::tr("Octal odometer");
    case btDecimal:
        return TOdometer::tr("Decimal odometer");
    case btHexadecimal:
        break;
    }
    return TOdometer::tr("Hexadecimal odometer");
}

} // namespace

TOdometer::TOdometer(QWidget *parent) : QWidget(parent), FrameTimer(new QTimer(this))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);

    FrameTimer->setObjectName(QStringLiteral("FrameTimer"));
    FrameTimer->setInterval(30);
    FrameTimer->setTimerType(Qt::PreciseTimer);
    connect(FrameTimer, &QTimer::timeout, this, [this] { AnimationTick(FrameTimer); });

    FAnimationType = atSynchronous;
    FBaseType = btDecimal;

    // Wheels are composed by plain row copies, so both strips are held in the 32-bit format
    // of CellImage and BackImage.
    DigitStrip = QImage(QStringLiteral(":/DIGITS")).convertToFormat(QImage::Format_RGB32);
    HighlightStrip = MakeHighlightStrip(DigitStrip);

    CellHeight = static_cast<quint8>(DigitStrip.height() / StripCellCount);
    CellImage = QImage(DigitStrip.width(), CellHeight, QImage::Format_RGB32);
    setFixedHeight(CellHeight);
    BackImage = QImage(0, CellHeight, QImage::Format_RGB32);

    SetDigitCount(8);
    ComputeLimit();
    Redraw();
}

void TOdometer::SetAnimationType(TAnimationType animationType)
{
    FAnimationType = animationType;
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
    if (baseType == FBaseType)
        return;
    FrameTimer->stop();
    FBaseType = baseType;
    ComputeLimit();
    SetValue(FValue);
}

void TOdometer::SetDigitCount(quint8 digitCount)
{
    if (digitCount == FDigitCount || digitCount == 0 || digitCount > MaxDigitCount)
        return;
    FrameTimer->stop();
    FDigitCount = digitCount;
    setFixedWidth(DigitStrip.width() * digitCount);
    BackImage = QImage(width(), CellHeight, QImage::Format_RGB32);
    ComputeLimit();
    SetValue(FValue);
}

void TOdometer::SetIncTopToBottom(bool topToBottom)
{
    FIncTopToBottom = topToBottom;
}

void TOdometer::SetHighlightStart(quint8 position)
{
    FHighlightStart = position;
}

void TOdometer::SetHighlightend(quint8 position)
{
    if (position == FHighlightend)
        return;
    FHighlightend = position;
    Redraw();
}

void TOdometer::SetValue(quint32 value)
{
    if (value > FLimit)
        value %= FLimit;
    FrameTimer->stop();
    if (FValue < FLimit && value == FValue + 1) {
        Increment();
    } else if (FValue > 0 && value == FValue - 1) {
        Decrement();
    } else {
        FValue = value;
        Redraw();
    }
}

void TOdometer::Increment()
{
    Step(true);
}

void TOdometer::Decrement()
{
    Step(false);
}

void TOdometer::Step(bool up)
{
    FrameTimer->stop();
    const std::string oldText = ValueToDigits(FBaseType, FValue, FDigitCount);
    if (up)
        FValue = FValue == FLimit ? 0 : FValue + 1;
    else
        FValue = FValue == 0 ? FLimit : FValue - 1;
    const std::string newText = ValueToDigits(FBaseType, FValue, FDigitCount);
    switch (FAnimationType) {
    case atNone:
        Redraw();
        break;
    case atSynchronous:
        DescribeDigits(newText);
        RollSynchronous(oldText, newText, up);
        break;
    case atAsynchronous:
        DescribeDigits(newText);
        RollAsynchronous(oldText, newText, up);
        break;
    }
}

void TOdometer::StartRoll(const std::string &fromText, const std::string &toText, bool incrementing)
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
    StartRoll(fromText, toText, incrementing);
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
    StartRoll(fromText, toText, incrementing);
    FrameTimer->start();
}

void TOdometer::AnimationTick(QTimer *timer)
{
    ComposeWheels(FromDigits, ToDigits, FrameIndex * 255 / CellHeight, Incrementing);
    repaint();
    if (FrameIndex < CellHeight)
        ++FrameIndex;
    else
        timer->stop();
}

void TOdometer::Redraw()
{
    const std::string digits = ValueToDigits(FBaseType, FValue, FDigitCount);
    // From a blank wheel at the end of a roll every case shows the whole cell of the digit.
    ComposeWheels(std::string(FDigitCount, BlankCharacter), digits, 255, true);
    DescribeDigits(digits);
    update();
}

void TOdometer::ComposeWheels(const std::string &fromText, const std::string &toText, int fraction,
                              bool incrementing)
{
    for (int wheel = 0; wheel < FDigitCount; ++wheel) {
        const QImage &strip = IsHighlighted(wheel) ? HighlightStrip : DigitStrip;
        ComposeDigitCell(fromText[wheel], toText[wheel], CellImage, strip, fraction, FValue, FLimit,
                         incrementing, FBaseType, FIncTopToBottom);
        CopyImageRows(CellImage, 0, CellHeight, BackImage, wheel * CellImage.width(), 0);
    }
}

// Positions count from 1 at the left; a start of 0 lights nothing.
bool TOdometer::IsHighlighted(int wheel) const
{
    return FHighlightStart > 0 && FHighlightStart - 1 <= wheel && wheel <= FHighlightend - 1;
}

// Largest value the wheels can show: radix to the digit count, minus one, capped at 32 bits.
void TOdometer::ComputeLimit()
{
    const quint64 cap = quint64(1) << 32;
    quint64 power = 1;
    for (int digit = 0; digit < FDigitCount && power < cap; ++digit)
        power *= RadixOf(FBaseType);
    FLimit = static_cast<quint32>(std::min(power, cap) - 1);
}

// Assistive technology reads the radix as the name and the digits shown as the description,
// and hears of each change (the widget's own setters tell it nothing on this Qt).
void TOdometer::DescribeDigits(const std::string &digits)
{
    const QString name = RadixName(FBaseType);
    if (accessibleName() != name) {
        setAccessibleName(name);
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    const QString description = QString::fromStdString(digits);
    if (accessibleDescription() != description) {
        setAccessibleDescription(description);
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TOdometer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), BackImage, event->rect());
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
