// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QMargins>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A private X server (Xvfb) with a window manager (openbox) for tests that drive the real
// program as a user would: through xdotool clicks and keys, and screenshots.
class XSession
{
public:
    XSession();
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Empty when the session is running; otherwise what went wrong.
    QString failure() const { return m_failure; }
    QString display() const { return m_display; }

    // Starts the program with extra environment entries ("NAME=value"), ending the one
    // started before.
    bool startProgram(const QString &program, const QStringList &environment = {});
    // Ends the program started last, if it still runs.
    void stopProgram();
    qint64 programId() const { return m_program ? m_program->processId() : 0; }
    // The program's standard error so far.
    QString programErrorOutput();
    // Waits for a top-level window with exactly this title; returns its X id or 0.
    qulonglong waitForWindow(const QString &title, int timeoutMs = 10000);
    // The same for a window of this instance name (WM_CLASS), whatever its title's language.
    qulonglong waitForWindowOfInstance(const QString &instance, int timeoutMs = 10000);

    QRect clientGeometry(qulonglong window);
    QMargins frameExtents(qulonglong window);
    // Client area plus the frame the window manager reports.
    QSize outerSize(qulonglong window);

    // Pointer and keys, at client coordinates of the window.
    void moveMouse(qulonglong window, QPoint position);
    void click(qulonglong window, QPoint position, int button = 1);
    void scrollWheel(qulonglong window, QPoint position, int notches); // > 0: down
    // Presses the left button at one place and lets it go at the other.
    void drag(qulonglong window, QPoint from, QPoint to);
    void typeText(qulonglong window, const QString &text);
    void pressKey(qulonglong window, const QString &keysym);
    void resizeClient(qulonglong window, QSize size);

    // The client area as it shows now; also kept in the file when a path is given.
    QImage screenshot(qulonglong window, const QString &keepAs = {});

    // Runs a command with this session's DISPLAY; returns its standard output.
    QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr);

private:
    bool startServer();
    // xdotool's search by one field of the window ("--name", "--classname").
    qulonglong waitForVisibleWindow(const QString &field, const QString &value, int timeoutMs);
    void startProcess(std::unique_ptr<QProcess> &process, const QString &program,
                      const QStringList &arguments, const QStringList &extraEnvironment = {});

    QString m_display;
    QString m_failure;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_windowManager;
    std::unique_ptr<QProcess> m_program;
};

// Asks the process to end, and ends it if it has not within three seconds.
void stopProcess(QProcess *process);

// Polls the condition every 50 ms until it holds or the time is up.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

// The folder in the build tree where the real-window tests keep their screenshots.
QString screenshotFolder();
