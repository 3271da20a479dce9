// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QWidget>

class CalculatePage;
class FaceTabBar;
class HelpWindow;
class OdometerPage;
class PictureBox;
class QKeyEvent;
class QRadioButton;
class QTimer;
class ShellLauncher;
class TablePage;
class WholeNumberEdit;

// The web page of the program's maker, opened by a click on the logo.
inline constexpr const char *MakerWebAddress = "https://quorvel.org/";

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
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildTopBar();
    void buildPages();
    // Outer sizes include the window frame wherever the window system reports one; until it
    // does, the frame the window manager announced before the window was mapped.
    QMargins frame() const;
    QSize outerSize() const;
    void setOuterSize(QSize outer);
    void setOuterWidth(int width);
    void setOuterHeight(int height);
    void placeTableFillingClient();
    // F1: the help window, made the first time it is asked for.
    void showHelp();
    // The keys of the window and of the page in view; false for a key they leave alone.
    bool pressWindowKey(const QKeyEvent *event);
    void showNeighbourTab(int step);
    // What can wait until the first frame is drawn.
    void finishStart();

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
    bool m_tableFillsClient = false;
    QMargins m_announcedFrame;
    HelpWindow *m_help = nullptr;
    bool m_firstFrameDrawn = false;
};
