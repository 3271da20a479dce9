#include "app/shelllauncher.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

class TestShellLauncher : public QObject
{
    Q_OBJECT

private slots:
    void launchReturnsAtOnceAndIgnoresClicksWhileRunning();
    void failedStartIsSilentAndFreesTheLauncher();
};

void TestShellLauncher::launchReturnsAtOnceAndIgnoresClicksWhileRunning()
{
    ShellLauncher launcher;
    launcher.setProgram(QStringLiteral("sleep"));
    QElapsedTimer clock;
    clock.start();
    launcher.Launch(QStringLiteral("1"));
    QVERIFY(clock.elapsed() < 500);
    QVERIFY(launcher.isRunning());
    launcher.Launch(QStringLiteral("1"));
    QCOMPARE(launcher.findChildren<QProcess *>().size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!launcher.isRunning(), 5000);
    // Once the handler has ended, the next click launches again.
    launcher.Launch(QStringLiteral("0"));
    QVERIFY(launcher.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!launcher.isRunning(), 5000);
}

void TestShellLauncher::failedStartIsSilentAndFreesTheLauncher()
{
    ShellLauncher launcher;
    launcher.setProgram(QStringLiteral("/nonexistent/quorvel-no-such-opener"));
    launcher.Launch(QStringLiteral("https://example.org/"));
    QTRY_VERIFY(!launcher.isRunning());
}

QTEST_GUILESS_MAIN(TestShellLauncher)
#include "tst_shelllauncher.moc"
