#include "app/shelllauncher.h"

#include <QProcess>

#include <cerrno>
#include <csignal>

namespace {

constexpr int pollInterval = 100; // milliseconds between looks at the handler

} // namespace

ShellLauncher::ShellLauncher(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(pollInterval);
    connect(&m_poll, &QTimer::timeout, this, &ShellLauncher::checkHandler);
}

void ShellLauncher::launch(const QString &address)
{
    if (isRunning())
        return;
    // Waits only until the handler has started or failed, never for it to finish.
    qint64 handler = 0;
    if (!QProcess::startDetached(m_program, {address}, QString(), &handler) || handler <= 0)
        return;
    m_handler = handler;
    m_poll.start();
}

void ShellLauncher::checkHandler()
{
    // A detached handler is not our child; it is gone once no process has its id.
    if (::kill(static_cast<pid_t>(m_handler), 0) == 0 || errno != ESRCH)
        return;
    m_handler = 0;
    m_poll.stop();
}
