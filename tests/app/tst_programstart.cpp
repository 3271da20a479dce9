#include <QProcess>
#include <QTest>

class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void withoutADisplayItSaysHowToRunOffScreen();
};

void TestProgramStart::withoutADisplayItSaysHowToRunOffScreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUORVEL_PROGRAM), {});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY(program.exitCode() != 0);
    const QString said = QString::fromLocal8Bit(program.readAllStandardError()).trimmed();
    QVERIFY2(!said.contains(QLatin1Char('\n')), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("xvfb-run")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("no display")), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_programstart.moc"
