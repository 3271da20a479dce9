// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private Wayland compositor (weston's headless back end) with a runtime folder of its
// own, for tests that show a real window under Wayland, or as an X11 client of weston's
// XWayland server and its X window manager.
class WestonSession
{
public:
    enum class Clients { Wayland, X11 };

    explicit WestonSession(Clients clients = Clients::Wayland);
    ~WestonSession();
    WestonSession(const WestonSession &) = delete;
    WestonSession &operator=(const WestonSession &) = delete;

    // Empty when the compositor is running; otherwise what went wrong.
    QString failure() const { return m_failure; }
    // What a client needs in its environment to connect: "NAME=value" entries.
    QStringList clientEnvironment() const;

private:
    // XWayland's display, from the line weston logs once it listens for X clients.
    QString waitForXDisplay();

    QTemporaryDir m_runtimeFolder; // made with mode 700, as Wayland wants it
    Clients m_clients;
    QString m_socket;
    QString m_xDisplay;
    QString m_failure;
    std::unique_ptr<QProcess> m_compositor;
};
