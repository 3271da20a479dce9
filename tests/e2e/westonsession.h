// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private Wayland compositor (weston's headless back end) with a runtime folder of its
// own, for tests that show a real window under Wayland.
class WestonSession
{
public:
    WestonSession();
    ~WestonSession();
    WestonSession(const WestonSession &) = delete;
    WestonSession &operator=(const WestonSession &) = delete;

    // Empty when the compositor is running; otherwise what went wrong.
    QString failure() const { return m_failure; }
    // What a client needs in its environment to connect: "NAME=value" entries.
    QStringList clientEnvironment() const;

private:
    QTemporaryDir m_runtimeFolder; // made with mode 700, as Wayland wants it
    QString m_socket;
    QString m_failure;
    std::unique_ptr<QProcess> m_compositor;
};
