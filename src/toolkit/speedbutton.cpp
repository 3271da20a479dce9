// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/speedbutton.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

namespace {

struct Face
{
    QColor top;
    QColor bottom;
};

const Face restingFace{QColor(palette::buttonFaceTop), QColor(palette::buttonFaceBottom)};
const Face hoverFace{QColor(palette::buttonHoverTop), QColor(palette::buttonHoverBottom)};
const Face litFace{QColor(palette::buttonLitTop), QColor(palette::buttonLitBottom)};
const Face litHoverFace{QColor(palette::buttonLitHoverTop), QColor(palette::buttonLitHoverBottom)};
const QColor borderColor(palette::buttonBorder);
const QColor highlightColor(QColor::fromRgba(palette::buttonHighlight));
const QColor shadowColor(QColor::fromRgba(palette::buttonShadow));
const QColor disabledCaptionColor(palette::disabledCaption);

QColor blend(const QColor &from, const QColor &to, qreal level)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * level,
                            from.greenF() + (to.greenF() - from.greenF()) * level,
                            from.blueF() + (to.blueF() - from.blueF()) * level);
}

} // namespace

SpeedButton::SpeedButton(const QString &caption, QWidget *parent) : QAbstractButton(parent)
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    connect(&m_fadeTimer, &QTimer::timeout, this, &SpeedButton::fadeStep);
}

void SpeedButton::SetLight(bool on)
{
    if (m_light == on)
        return;
    m_light = on;
    setChecked(on);
    update();
}

void SpeedButton::nextCheckState() {}

SpeedButton *addSpeedButton(QWidget *parent, const char *name, const QString &caption,
                            const QRect &place, FontRole role)
{
    auto *button = new SpeedButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFont(roleFont(role));
    button->setCaptionColor(QColor(palette::buttonCaption));
    return button;
}

void SpeedButton::setCaptionColor(const QColor &color)
{
    if (m_captionColor == color)
        return;
    m_captionColor = color;
    update();
}

void SpeedButton::setFadeInInterval(int milliseconds)
{
    m_fadeInInterval = milliseconds;
    if (m_fadeTimer.isActive() && m_fadingIn)
        m_fadeTimer.setInterval(milliseconds);
}

void SpeedButton::setFadeOutInterval(int milliseconds)
{
    m_fadeOutInterval = milliseconds;
    if (m_fadeTimer.isActive() && !m_fadingIn)
        m_fadeTimer.setInterval(milliseconds);
}

QSize SpeedButton::sizeHint() const
{
    const QSize caption = fontMetrics().size(Qt::TextSingleLine, text());
    return caption + QSize(16, 10);
}

void SpeedButton::enterEvent(QEnterEvent *event)
{
    startFade(true);
    QAbstractButton::enterEvent(event);
}

void SpeedButton::leaveEvent(QEvent *event)
{
    startFade(false);
    QAbstractButton::leaveEvent(event);
}

void SpeedButton::changeEvent(QEvent *event)
{
    // A disabled button shows no pointer light; it fades back in if re-enabled under it.
    if (event->type() == QEvent::EnabledChange)
        startFade(isEnabled() && underMouse());
    QAbstractButton::changeEvent(event);
}

void SpeedButton::startFade(bool in)
{
    m_fadingIn = in && isEnabled();
    m_fadeTimer.start(m_fadingIn ? m_fadeInInterval : m_fadeOutInterval);
}

void SpeedButton::fadeStep()
{
    m_hoverStep += m_fadingIn ? 1 : -1;
    if (m_hoverStep <= 0 || m_hoverStep >= fadeSteps) {
        m_hoverStep = qBound(0, m_hoverStep, fadeSteps);
        m_fadeTimer.stop();
    }
    update();
}

void SpeedButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown();
    const Face &rest = m_light ? litFace : restingFace;
    const Face &hover = m_light ? litHoverFace : hoverFace;
    const qreal level = hoverLevel();
    QColor top = blend(rest.top, hover.top, level);
    QColor bottom = blend(rest.bottom, hover.bottom, level);
    if (down)
        std::swap(top, bottom);

    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(borderColor, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(outline, 3, 3);

    // The bevel: light above and left, shade below and right; reversed while pressed.
    const QRectF bevel = outline.adjusted(1, 1, -1, -1);
    painter.setPen(QPen(down ? shadowColor : highlightColor, 1));
    painter.drawLine(bevel.topLeft() + QPointF(2, 0), bevel.topRight() - QPointF(2, 0));
    painter.drawLine(bevel.topLeft() + QPointF(0, 2), bevel.bottomLeft() - QPointF(0, 2));
    painter.setPen(QPen(down ? highlightColor : shadowColor, 1));
    painter.drawLine(bevel.bottomLeft() + QPointF(2, 0), bevel.bottomRight() - QPointF(2, 0));
    painter.drawLine(bevel.topRight() + QPointF(0, 2), bevel.bottomRight() - QPointF(0, 2));

    painter.setFont(font());
    painter.setPen(isEnabled() ? m_captionColor : disabledCaptionColor);
    const QRect caption = down ? rect().translated(1, 1) : rect();
    painter.drawText(caption, Qt::AlignCenter, text());
}
