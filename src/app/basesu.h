// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class CalculatePage;
class FaceTabBar;
class HelpWindow;
class OdometerPage;
class OuterSizeLock;
class PictureBox;
class QKeyEvent;
class QRadioButton;
class QTimer;
class ShellLauncher;
class TablePage;
class WholeNumberEdit;

// The web page of the program's maker, opened by a click on the logo.
inline constexpr const char *makerWebAddress = "https://quorvel.org/";

// The main window "Numeric Formats": the top bar, the three page panels, the page switch
// with the size held for each page, the hint timer and the logo link.
class Tfbases : public QWidget
{
    Q_OBJECT

public:
    explicit Tfbases(QWidget *parent = nullptr);

    void FormCreate();
    void tabsChanged(int NewTab);
    void FormResize();
    // The click of every width radio button ("1 Byte", "2 bytes", "4 bytes").
    void RadioButton1Click();
    // The end of the hint time: hides the Odometer page's two hint labels.
    void Timer2Timer();
    // A click on the logo: opens the maker's web page.
    void Image1Click();
    void FormKeyPress(QChar Key);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildTopBar();
    void buildPages();
    void buildWindowKeys();
    QSize tableMinimumClientSize() const;
    void placeTableFillingClient();
    // F1: the help window, made the first time it is asked for.
    void showHelp();
    // Every key press, before the control with the focus: the typed characters go to
    // FormKeyPress, then the page in view may take the key. False for a key left alone.
    bool previewKey(const QKeyEvent &event);
    bool chooseWidthByArrow(const QKeyEvent &event);
    void showNeighbourTab(int step);

    QWidget *Panel1;
    PictureBox *Image1;
    FaceTabBar *tabs;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    WholeNumberEdit *center;
    OdometerPage *pan1;
    CalculatePage *pan2;
    TablePage *pan3;
    QTimer *Timer2;
    ShellLauncher *launcher;
    OuterSizeLock *m_sizeLock;
    bool m_tableFillsClient = false;
    HelpWindow *m_help = nullptr;
};
