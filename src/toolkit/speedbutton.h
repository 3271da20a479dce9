#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QTimer>

// A raised push button that never takes the keyboard focus. The pointer fades a light
// over its face in and out, one step per fade interval; the lit state `Light` marks a
// chosen button among several. Caption font, caption colour and enabled state may change
// at any time.
class SpeedButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool Light READ Light WRITE SetLight)
    Q_PROPERTY(QColor CaptionColor READ CaptionColor WRITE SetCaptionColor)
    Q_PROPERTY(int FadeInInterval READ FadeInInterval WRITE SetFadeInInterval)
    Q_PROPERTY(int FadeOutInterval READ FadeOutInterval WRITE SetFadeOutInterval)
    Q_PROPERTY(qreal HoverLevel READ HoverLevel)

public:
    explicit SpeedButton(const QString &caption, QWidget *parent = nullptr);

    bool Light() const { return m_light; }
    void SetLight(bool on);
    QColor CaptionColor() const { return m_captionColor; }
    void SetCaptionColor(const QColor &color);
    int FadeInInterval() const { return m_fadeInInterval; }
    void SetFadeInInterval(int milliseconds);
    int FadeOutInterval() const { return m_fadeOutInterval; }
    void SetFadeOutInterval(int milliseconds);
    // 0 at rest, 1 once the pointer's light has fully faded in.
    qreal HoverLevel() const { return m_hoverStep / qreal(fadeSteps); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static constexpr int fadeSteps = 8;

    void StartFade(bool in);
    void FadeStep();

    bool m_light = false;
    QColor m_captionColor = Qt::black;
    int m_fadeInInterval = 15;
    int m_fadeOutInterval = 15;
    int m_hoverStep = 0;
    bool m_fadingIn = false;
    QTimer m_fadeTimer;
};
