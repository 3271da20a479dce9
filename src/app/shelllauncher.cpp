// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shelllauncher.h"

#include <csignal>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int pollInterval = 100; // milliseconds between looks at the handler

// Starts the program in a new session with default signal handling, so that neither the
// terminal the program was started from nor what the program ignores reaches the handler.
pid_t spawnInOwnSession(const QByteArray &program, const QByteArray &argument)
{
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    QByteArray programCopy = program;
    QByteArray argumentCopy = argument;
    char *arguments[] = {programCopy.data(), argumentCopy.data(), nullptr};
    pid_t child = 0;
    const int failure =
        posix_spawnp(&child, program.constData(), nullptr, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    return failure ? 0 : child;
}

} // namespace

ShellLauncher::ShellLauncher(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(pollInterval);
    connect(&m_poll, &QTimer::timeout, this, &ShellLauncher::reapHandler);
}

// A handler still running is left to run; the system reaps it once this program has ended.
ShellLauncher::~ShellLauncher()
{
    stopWatching();
}

void ShellLauncher::launch(const QString &address)
{
    if (isRunning())
        return;
    // Returns once the handler has been started or has failed to start, never later.
    m_handler = spawnInOwnSession(m_program.toLocal8Bit(), address.toLocal8Bit());
    if (m_handler)
        watchHandler();
}

void ShellLauncher::watchHandler()
{
    // An unreaped child keeps its process id, so the descriptor names this handler only.
    m_handlerEnd = int(::syscall(SYS_pidfd_open, m_handler, 0));
    if (m_handlerEnd < 0) {
        m_poll.start();
        return;
    }
    m_endNotifier = std::make_unique<QSocketNotifier>(m_handlerEnd, QSocketNotifier::Read);
    connect(m_endNotifier.get(), &QSocketNotifier::activated, this, &ShellLauncher::reapHandler);
}

void ShellLauncher::reapHandler()
{
    if (::waitpid(m_handler, nullptr, WNOHANG) == 0)
        return;
    m_handler = 0;
    stopWatching();
}

void ShellLauncher::stopWatching()
{
    m_poll.stop();
    m_endNotifier.reset();
    if (m_handlerEnd >= 0)
        ::close(m_handlerEnd);
    m_handlerEnd = -1;
}
