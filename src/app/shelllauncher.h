#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Opens a web address with the desktop's default handler (xdg-open, the address as its one
// argument, no shell). The handler runs on its own: closing the program leaves it, and
// the browser it starts, running. Until the handler ends the launcher counts as running
// and drops any further launch. A failed start is silent.
class ShellLauncher : public QObject
{
    Q_OBJECT

public:
    explicit ShellLauncher(QObject *parent = nullptr);

    void setProgram(const QString &program) { m_program = program; }
    void launch(const QString &address);
    bool isRunning() const { return m_handler != 0; }

private:
    void checkHandler();

    QString m_program = QStringLiteral("xdg-open");
    qint64 m_handler = 0; // process id of the running handler
    QTimer m_poll;
};
