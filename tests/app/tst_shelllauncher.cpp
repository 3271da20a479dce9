// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shelllauncher.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/prctl.h>

class TestShellLauncher : public QObject
{
    Q_OBJECT

private slots:
    void launchReturnsAtOnceAndIgnoresClicksWhileRunning();
    void handlerOutlivesTheLauncher();
    void failedStartIsSilentAndFreesTheLauncher();
    void anUnreapedHandlerDoesNotLookAlive();

private:
    // A stand-in opener that notes each address it is given, then stays a while.
    QString makeOpener(const QTemporaryDir &folder, const char *stay);
    QStringList noted(const QTemporaryDir &folder);
};

QString TestShellLauncher::makeOpener(const QTemporaryDir &folder, const char *stay)
{
    const QString path = folder.filePath(QStringLiteral("opener"));
    QFile opener(path);
    opener.open(QIODevice::WriteOnly);
    opener.write(QStringLiteral("#!/bin/sh\necho \"$#:$1\" >> '%1'\nsleep %2\necho done >> '%1'\n")
                     .arg(folder.filePath(QStringLiteral("noted")), QLatin1String(stay))
                     .toUtf8());
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QStringList TestShellLauncher::noted(const QTemporaryDir &folder)
{
    QFile noted(folder.filePath(QStringLiteral("noted")));
    noted.open(QIODevice::ReadOnly);
    return QString::fromUtf8(noted.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestShellLauncher::launchReturnsAtOnceAndIgnoresClicksWhileRunning()
{
    QTemporaryDir folder;
    ShellLauncher launcher;
    // The handler stays longer than launch may take, so a launch that waited for it fails.
    launcher.setProgram(makeOpener(folder, "0.6"));
    QElapsedTimer clock;
    clock.start();
    launcher.launch(QStringLiteral("https://example.org/a b"));
    QVERIFY(clock.elapsed() < 500);
    QVERIFY(launcher.isRunning());
    launcher.launch(QStringLiteral("https://example.org/second"));
    QTRY_VERIFY_WITH_TIMEOUT(!launcher.isRunning(), 5000);
    QCOMPARE(noted(folder), (QStringList{"1:https://example.org/a b", "done"}));

    // Once the handler has ended, the next click launches again; this handler need not stay.
    makeOpener(folder, "0");
    launcher.launch(QStringLiteral("https://example.org/third"));
    QVERIFY(launcher.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!launcher.isRunning(), 5000);
    QCOMPARE(noted(folder).size(), 4);
}

void TestShellLauncher::handlerOutlivesTheLauncher()
{
    QTemporaryDir folder;
    {
        ShellLauncher launcher;
        // Long enough that the launcher goes while the handler is still running.
        launcher.setProgram(makeOpener(folder, "0.2"));
        launcher.launch(QStringLiteral("https://example.org/"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(noted(folder).size(), 2, 5000);
}

void TestShellLauncher::failedStartIsSilentAndFreesTheLauncher()
{
    ShellLauncher launcher;
    launcher.setProgram(QStringLiteral("/nonexistent/quorvel-no-such-opener"));
    launcher.launch(QStringLiteral("https://example.org/"));
    QVERIFY(!launcher.isRunning());
}

void TestShellLauncher::anUnreapedHandlerDoesNotLookAlive()
{
    // As in a container whose first process reaps nothing: an orphan comes to this process,
    // which does not reap it, so its zombie keeps its process id.
    QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    QTemporaryDir folder;
    ShellLauncher launcher;
    launcher.setProgram(makeOpener(folder, "0.05"));
    launcher.launch(QStringLiteral("https://example.org/"));
    QVERIFY(launcher.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!launcher.isRunning(), 5000);
    QCOMPARE(noted(folder).size(), 2);
}

QTEST_GUILESS_MAIN(TestShellLauncher)
#include "tst_shelllauncher.moc"
