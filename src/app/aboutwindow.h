// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class ShellLauncher;

// The address the licence link opens: the local copy when the system has it, so that it
// opens offline too, else the licence on the web.
QString licenceAddress(const QString &localCopy);

// The About window: the program's name and version, its licence and its web address. A
// click on a link, or on its button, opens it in the browser. The window is as wide as some sixty
// characters of its font and as tall as its wrapped text, at any font size.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitToText();

    ShellLauncher *m_launcher;
};
