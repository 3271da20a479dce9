// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/odometer/digitgroups.h"

#include <QWidget>

class PictureBox;
class PictureContainer;
class QKeyEvent;
class QLabel;
class QTimer;
class RangedNumberEdit;
class SpeedButton;
class TOdometer;

// The Odometer page, panel "pan1": one value on four linked odometers (binary, octal,
// decimal, hexadecimal) within one byte or two, stepped by hand, counted automatically
// once a second or typed in decimal; pointing at an octal or hexadecimal digit lights the
// binary digits it stands for.
class OdometerPage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool CountUp READ CountUp)

public:
    explicit OdometerPage(QWidget *parent = nullptr);

    // Applies the one-byte layout for 1 and the two-byte layout for any other value, and
    // starts all four odometers again at 0.
    void SetOdometerWidth(quint8 Bytes);
    // Brings the octal and the decimal odometer back into the width after a step or entry.
    void WrapOdometers();
    // The two hint labels go for good once the hint time is over.
    void hideHintLabels();
    // The pace of automatic counting (a step a second) and of the odometers' rolls (a frame
    // every 30 ms); a test quickens them where it needs the steps, not the pace.
    void setCountingInterval(int milliseconds);
    void setRollFrameInterval(quint8 milliseconds);

    // "+": one step up on all four odometers.
    void W7SpeedButton1Click();
    // "-": one step down on all four odometers.
    void W7SpeedButton2Click();
    // "^": starts, stops or turns round automatic counting upwards.
    void W7SpeedButton3Click();
    // "v": starts, stops or turns round automatic counting downwards.
    void W7SpeedButton10Click();
    // "#": opens the decimal entry box, or commits it when it is open.
    void W7SpeedButton4Click();
    // The automatic counting's tick, once a second.
    void Timer1Timer();
    // The decimal entry box losing the focus: commits its value.
    void decenterExit();
    // The decimal entry box's key press: Enter commits.
    void AdvEdit1KeyPress(QChar Key);
    // A click on the decimal odometer: as "#".
    void Od3MouseDown();
    // The hexadecimal odometer's pointer move: lights its digit and that digit's bits.
    void AdvGDIPPicture2MouseMove(int X);
    // The hexadecimal odometer's pointer leaving.
    void Od4MouseLeave();
    // The octal odometer's pointer move: lights its digit and that digit's bits.
    void Od2MouseMove(int X);
    void Od2MouseLeave();

    // The page's keys, each a press of its button: "+" or Up, "-" or Down, "^" or Page Up,
    // "v" or Page Down, "#"; Enter clicks the decimal odometer, Left and Right point at the
    // digits of the focused octal or hexadecimal odometer. False for any other key.
    bool pressKey(const QKeyEvent *event);

    // The direction of automatic counting; kept when counting stops.
    bool CountUp() const { return m_countUp; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectHandlers();
    void pressCountButton(bool up);
    void showCountingState();
    bool pointAtDigit(int step);
    // What a screen reader says after a step, a change of counting or a pointed digit.
    void sayValue();
    void sayAllValues();
    void sayCountingState();
    void sayPointedDigit(const TOdometer *odometer);
    void leavePointedDigit(QWidget *left);
    static void showHighlight(TOdometer *odometer, DigitRange digits);
    void clearHighlights(TOdometer *left);

    PictureContainer *PICTURES;
    PictureBox *AdvGDIPPicture3;
    PictureBox *AdvGDIPPicture1;
    PictureBox *AdvGDIPPicture2;
    SpeedButton *W7SpeedButton1;
    SpeedButton *W7SpeedButton2;
    SpeedButton *W7SpeedButton3;
    SpeedButton *W7SpeedButton4;
    SpeedButton *W7SpeedButton10;
    TOdometer *Od1;
    TOdometer *Od2;
    TOdometer *Od3;
    TOdometer *Od4;
    QLabel *Label5;
    QLabel *Label6;
    RangedNumberEdit *decenter;
    QTimer *Timer1;
    bool m_countUp = false;
    int m_pointedDigit = -1; // the digit Left and Right point at; none at first
    quint8 m_byteWidth = 1;  // as last applied by SetOdometerWidth
};
