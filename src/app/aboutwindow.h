// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class ShellLauncher;

// The About window: the program's name and version, its licence and its web address. A
// click on a link opens it in the browser.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

private:
    ShellLauncher *m_launcher;
};
