// SPDX-License-Identifier: GPL-3.0-or-later
#include "westonsession.h"

#include "xsession.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

WestonSession::WestonSession(Clients clients)
    : m_clients(clients),
      m_socket(QStringLiteral("quorvel-%1").arg(QCoreApplication::applicationPid()))
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
    QStringList arguments{QStringLiteral("--backend=headless-backend.so"),
                          QStringLiteral("--socket=") + m_socket, QStringLiteral("--width=1280"),
                          QStringLiteral("--height=1024"), QStringLiteral("--idle-time=0")};
    if (m_clients == Clients::X11)
        arguments << QStringLiteral("--xwayland")
                  << QStringLiteral("--log=") + m_runtimeFolder.filePath(QStringLiteral("log"));
    m_compositor->start(QStringLiteral("weston"), arguments);
    const QString socketFile = m_runtimeFolder.filePath(m_socket);
    const bool listening = waitUntil(
        [&] { return QFile::exists(socketFile) || m_compositor->state() == QProcess::NotRunning; },
        10000);
    if (!listening || m_compositor->state() == QProcess::NotRunning)
        m_failure = QStringLiteral("weston did not start (are weston and qt6-wayland installed?)");
    else if (m_clients == Clients::X11 && (m_xDisplay = waitForXDisplay()).isEmpty())
        m_failure = QStringLiteral("weston started no X server (is xwayland installed?)");
}

QString WestonSession::waitForXDisplay()
{
    const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
    QString display;
    waitUntil(
        [&] {
            QFile log(m_runtimeFolder.filePath(QStringLiteral("log")));
            if (log.open(QIODevice::ReadOnly))
                display = listening.match(QString::fromLocal8Bit(log.readAll())).captured(1);
            return !display.isEmpty() || m_compositor->state() == QProcess::NotRunning;
        },
        10000);
    return display;
}

WestonSession::~WestonSession()
{
    stopProcess(m_compositor.get());
}

QStringList WestonSession::clientEnvironment() const
{
    if (m_clients == Clients::X11)
        return {QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("DISPLAY=") + m_xDisplay};
    return {QStringLiteral("QT_QPA_PLATFORM=wayland"),
            QStringLiteral("XDG_RUNTIME_DIR=") + m_runtimeFolder.path(),
            QStringLiteral("WAYLAND_DISPLAY=") + m_socket};
}
