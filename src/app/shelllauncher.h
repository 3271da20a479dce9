// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <memory>

// Opens a web address with the desktop's default handler (xdg-open, the address as its one
// argument, no shell). The handler is started as this process's own child in a session of
// its own, so that its end is known for certain: it is reaped here, and neither a reused
// process id nor a zombie can pass for it. Closing the program leaves it, and the browser it
// starts, running. Until the handler ends the launcher counts as running and drops any
// further launch. A failed start is silent.
class ShellLauncher : public QObject
{
    Q_OBJECT

public:
    explicit ShellLauncher(QObject *parent = nullptr);
    ~ShellLauncher() override;

    void setProgram(const QString &program) { m_program = program; }
    void launch(const QString &address);
    bool isRunning() const { return m_handler != 0; }

private:
    void watchHandler();
    void reapHandler();
    void stopWatching();

    QString m_program = QStringLiteral("xdg-open");
    int m_handler = 0;     // process id of the running handler, our child
    int m_handlerEnd = -1; // a descriptor that becomes readable when the handler ends
    std::unique_ptr<QSocketNotifier> m_endNotifier;
    QTimer m_poll; // where the system gives no such descriptor
};
