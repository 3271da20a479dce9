// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class AboutWindow;
class QTabBar;
class QTextBrowser;

// The help window: the part of the guide for the page in view, following the tab strip as
// the pages change, then what the guide says of every page (the keys among them), and a
// button that opens the About window. The guide is the README's "Using Quorvel", compiled
// in, with one part per tab caption. The window's first size follows its font.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QTabBar *pageTabs, QWidget *parent = nullptr);

private:
    // Beside the program's window, right or left, where the screen has room, so that the
    // page stays in view.
    void placeBeside(const QWidget *mainWindow);
    void fitToFont();
    void showPage(int index);
    void showAbout();

    QTabBar *m_pageTabs;
    QString m_guideText;
    QTextBrowser *m_guide;
    AboutWindow *m_about = nullptr;
};
