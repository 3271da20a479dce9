// SPDX-License-Identifier: GPL-3.0-or-later
#include "westonsession.h"

#include "xsession.h"

#include <QCoreApplication>
#include <QFile>

WestonSession::WestonSession()
    : m_socket(QStringLiteral("quorvel-%1").arg(QCoreApplication::applicationPid()))
{
    if (!m_runtimeFolder.isValid()) {
        m_failure = QStringLiteral("no runtime folder for the compositor");
        return;
    }
    m_compositor = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeFolder.path());
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("DISPLAY"));
    m_compositor->setProcessEnvironment(environment);
    m_compositor->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_compositor->start(QStringLiteral("weston"),
                        {QStringLiteral("--backend=headless-backend.so"),
                         QStringLiteral("--socket=") + m_socket, QStringLiteral("--width=1280"),
                         QStringLiteral("--height=1024"), QStringLiteral("--idle-time=0")});
    const QString socketFile = m_runtimeFolder.filePath(m_socket);
    const bool listening = waitUntil(
        [&] { return QFile::exists(socketFile) || m_compositor->state() == QProcess::NotRunning; },
        10000);
    if (!listening || m_compositor->state() == QProcess::NotRunning)
        m_failure = QStringLiteral("weston did not start (are weston and qt6-wayland installed?)");
}

WestonSession::~WestonSession()
{
    stopProcess(m_compositor.get());
}

QStringList WestonSession::clientEnvironment() const
{
    return {QStringLiteral("QT_QPA_PLATFORM=wayland"),
            QStringLiteral("XDG_RUNTIME_DIR=") + m_runtimeFolder.path(),
            QStringLiteral("WAYLAND_DISPLAY=") + m_socket};
}
