#include "app/shelllauncher.h"

#include <QProcess>

ShellLauncher::ShellLauncher(QObject *parent) : QObject(parent) {}

void ShellLauncher::Launch(const QString &address)
{
    if (m_process)
        return;
    m_process = new QProcess(this);
    m_process->setProgram(m_program);
    m_process->setArguments({address});
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(m_process, &QProcess::finished, this, &ShellLauncher::finish);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish();
    });
    m_process->start();
}

void ShellLauncher::finish()
{
    m_process->deleteLater();
    m_process = nullptr;
}
