// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket file that no server listens on any more.
bool makeDeadSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        ::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(listener);
    return bound;
}

// An X server started with the extra arguments; returns its display, empty if none started.
QString startServer(QProcess &server, const QStringList &arguments = {})
{
    server.start(QStringLiteral("Xvfb"),
                 QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"),
                             QStringLiteral("-nolisten"), QStringLiteral("tcp")} +
                     arguments);
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(10000))
        number += server.readAllStandardOutput();
    return number.contains('\n') ? QLatin1Char(':') + QString::fromLatin1(number.trimmed())
                                 : QString();
}

// An X server that lets in only the holders of a cookie the program does not have.
QString startRefusingServer(QProcess &server, const QTemporaryDir &folder)
{
    const QString cookies = folder.filePath(QStringLiteral("cookies"));
    if (QProcess::execute(QStringLiteral("xauth"),
                          {QStringLiteral("-f"), cookies, QStringLiteral("add"),
                           QStringLiteral(":0"), QStringLiteral("."),
                           QStringLiteral("0123456789abcdef0123456789abcdef")}) != 0)
        return {};
    return startServer(server, {QStringLiteral("-auth"), cookies});
}

// A copy of the program that finds no platform plugin but X11's, as on a system without
// qt6-wayland: a qt.conf beside it names a plugin folder that holds only that one.
QString programWithoutWayland(const QTemporaryDir &folder)
{
    const QString plugins = folder.filePath(QStringLiteral("plugins/platforms"));
    const QString program = folder.filePath(QStringLiteral("quorvel"));
    const QString xcb =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqxcb.so");
    QFile settings(folder.filePath(QStringLiteral("qt.conf")));
    const bool made =
        QDir().mkpath(plugins) && QFile::link(xcb, plugins + QStringLiteral("/libqxcb.so")) &&
        QFile::copy(QStringLiteral(QUORVEL_PROGRAM), program) &&
        settings.open(QIODevice::WriteOnly) &&
        settings.write(
            QStringLiteral("[Paths]\nPlugins=%1/plugins\n").arg(folder.path()).toLocal8Bit()) > 0;
    return made ? program : QString();
}

// Runs the program in a mount namespace of its own where /tmp cannot be written to, or says
// why that cannot be done here.
QString startWithReadOnlyTmp(QProcess &program)
{
    const QString readOnlyTmp =
        QStringLiteral("mount --bind /tmp /tmp && mount -o remount,bind,ro /tmp");
    if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("sh"),
                                                      QStringLiteral("-c"), readOnlyTmp}) != 0)
        return QStringLiteral("no mount namespace may be made here");
    program.start(QStringLiteral("unshare"),
                  {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                   readOnlyTmp + QStringLiteral(" && exec \"$0\""),
                   QStringLiteral(QUORVEL_PROGRAM)});
    return {};
}

} // namespace

class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void withoutADisplayItSaysHowToRunOffScreen();
    void aDisplayThatCannotBeOpenedEndsInOneLine_data();
    void aDisplayThatCannotBeOpenedEndsInOneLine();
    void withoutQtsWaylandPluginItNamesThePackage();
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

void TestProgramStart::aDisplayThatCannotBeOpenedEndsInOneLine_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<bool>("refusingServer");
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("readOnlyTmp");
    QTest::newRow("no server there")
        << QStringList{"DISPLAY=:7913"} << false << "DISPLAY=:7913" << false;
    QTest::newRow("server refuses")
        << QStringList{"XAUTHORITY=/nonexistent"} << true << "DISPLAY=:" << false;
    QTest::newRow("dead Wayland socket")
        << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=dead"} << false
        << "WAYLAND_DISPLAY=dead" << false;
    QTest::newRow("no such platform plugin") << QStringList{"QT_QPA_PLATFORM=nosuchplugin"} << false
                                             << "QT_QPA_PLATFORM=nosuchplugin" << false;
    // Standard error is held back where no temporary file can be made.
    QTest::newRow("read-only /tmp")
        << QStringList{"DISPLAY=:7913"} << false << "DISPLAY=:7913" << true;
}

void TestProgramStart::aDisplayThatCannotBeOpenedEndsInOneLine()
{
    QFETCH(QStringList, settings);
    QFETCH(bool, refusingServer);
    QFETCH(QString, named);
    QFETCH(bool, readOnlyTmp);
    QTemporaryDir folder;
    QVERIFY(QFile::setPermissions(folder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_LOGGING_RULES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    QVERIFY(makeDeadSocket(folder.filePath(QStringLiteral("dead"))));
    QProcess server;
    if (refusingServer) {
        const QString display = startRefusingServer(server, folder);
        QVERIFY2(!display.isEmpty(),
                 "no X server could be started (are Xvfb and xauth installed?)");
        environment.insert(QStringLiteral("DISPLAY"), display);
    }
    for (const QString &setting : settings)
        environment.insert(setting.section(QLatin1Char('='), 0, 0),
                           setting.section(QLatin1Char('='), 1));

    QProcess program;
    program.setProcessEnvironment(environment);
    if (!readOnlyTmp)
        program.start(QStringLiteral(QUORVEL_PROGRAM), {});
    else if (const QString obstacle = startWithReadOnlyTmp(program); !obstacle.isEmpty())
        QSKIP(qPrintable(obstacle));
    QVERIFY(program.waitForFinished(10000));
    server.kill();
    server.waitForFinished();
    const QString said = QString::fromLocal8Bit(program.readAllStandardError()).trimmed();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit); // no abort, so no core dump
    QVERIFY(program.exitCode() != 0);
    QVERIFY2(!said.contains(QLatin1Char('\n')), qPrintable(said));
    QVERIFY2(said.startsWith(QStringLiteral("quorvel: ")) && said.contains(named),
             qPrintable(said));
}

void TestProgramStart::withoutQtsWaylandPluginItNamesThePackage()
{
    QTemporaryDir folder;
    const QString program = programWithoutWayland(folder);
    QVERIFY2(!program.isEmpty(), "could not copy the program beside a plugin folder");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_LOGGING_RULES",
                             "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP"})
        environment.remove(QLatin1String(name));

    // Asked for Wayland alone, it cannot start: its one line names the package.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    QProcess waylandOnly;
    waylandOnly.setProcessEnvironment(environment);
    waylandOnly.start(program, {});
    QVERIFY(waylandOnly.waitForFinished(10000));
    QString said = QString::fromLocal8Bit(waylandOnly.readAllStandardError()).trimmed();
    QVERIFY(waylandOnly.exitCode() != 0);
    QVERIFY2(!said.contains(QLatin1Char('\n')), qPrintable(said));
    QVERIFY2(said.startsWith(QStringLiteral("quorvel: ")) &&
                 said.contains(QStringLiteral("qt6-wayland")),
             qPrintable(said));

    // In a Wayland session with X11 beside it, Qt falls back to X11: the window opens and
    // the program says which package it lacks, in place of Qt's complaint.
    QProcess server;
    const QString display = startServer(server);
    QVERIFY2(!display.isEmpty(), "no X server could be started (is Xvfb installed?)");
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess fallback;
    fallback.setProcessEnvironment(environment);
    fallback.start(program, {});
    QVERIFY(!fallback.waitForFinished(3000)); // still running: its window is open
    fallback.kill();
    fallback.waitForFinished();
    server.kill();
    server.waitForFinished();
    said = QString::fromLocal8Bit(fallback.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("quorvel: the package qt6-wayland is not installed")),
             qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral("Could not find the Qt platform plugin")),
             qPrintable(said));
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_programstart.moc"
