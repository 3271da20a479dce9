#pragma once

#include <QObject>
#include <QString>

class QProcess;

// Opens a web address with the desktop's default handler (xdg-open, the address as its one
// argument, no shell). It counts as running until the started handler ends; a launch asked
// for meanwhile is dropped. A failed start is silent.
class ShellLauncher : public QObject
{
    Q_OBJECT

public:
    explicit ShellLauncher(QObject *parent = nullptr);

    void setProgram(const QString &program) { m_program = program; }
    void Launch(const QString &address);
    bool isRunning() const { return m_process != nullptr; }

private:
    void finish();

    QString m_program = QStringLiteral("xdg-open");
    QProcess *m_process = nullptr;
};
