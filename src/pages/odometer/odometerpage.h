#pragma once

#include "pages/odometer/digitgroups.h"

#include <QWidget>

class PictureBox;
class PictureContainer;
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

public:
    explicit OdometerPage(QWidget *parent = nullptr);

    // Applies the one-byte layout for 1 and the two-byte layout for any other value, and
    // starts all four odometers again at 0.
    void SetOdometerWidth(quint8 Bytes);
    // Brings the octal and the decimal odometer back into the width after a step or entry.
    void WrapOdometers();
    // The two hint labels go for good once the hint time is over.
    void HideHintLabels();

    void W7SpeedButton1Click();
    void W7SpeedButton2Click();
    void W7SpeedButton3Click();
    void W7SpeedButton10Click();
    void W7SpeedButton4Click();
    void Timer1Timer();
    void decenterExit();
    void AdvEdit1KeyPress(QChar Key);
    void Od3MouseDown();
    void AdvGDIPPicture2MouseMove(int X);
    void Od4MouseLeave();
    void Od2MouseMove(int X);
    void Od2MouseLeave();

    // The direction of automatic counting; kept when counting stops.
    bool CountUp = false;

private:
    void ConnectHandlers();
    void PressCountButton(bool up);
    void ShowCountingState();
    static void ShowHighlight(TOdometer *odometer, DigitRange digits);
    void ClearHighlights(TOdometer *left);

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
    quint8 width = 1; // bytes, as last applied by SetOdometerWidth
};
