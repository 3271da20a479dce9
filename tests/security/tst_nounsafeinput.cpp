// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing typed or pasted reaches a shell or a file. The event storm, with logo clicks, runs
// under strace with the test stand-in for xdg-open first on PATH; every program it starts
// and every file it opens or changes is then held against what a Qt program may do.
#include "tracedcall.h"

#include "app/basesu.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const QString stormProgram = QStringLiteral(STORM_PROGRAM);
const QString opener = QStringLiteral(FAKE_OPENER_DIR "/xdg-open");

const QStringList openingCalls = {"open", "openat", "openat2", "creat"};
const QStringList startingCalls = {"execve", "execveat"};
const QStringList changingCalls = {
    "mkdir",  "mkdirat",  "rmdir",   "unlink",    "unlinkat", "rename",   "renameat", "renameat2",
    "link",   "linkat",   "symlink", "symlinkat", "truncate", "chmod",    "fchmodat", "chown",
    "lchown", "fchownat", "mknod",   "mknodat",   "utimes",   "utimensat"};

// What a Qt program reads at start and while it draws. A name ending in a slash stands for
// everything under it.
constexpr const char *systemPlaces[] = {
    "/etc/ld.so.cache", // the linker's cache, libraries, Qt's plugins, locale archive
    "/lib/",
    "/lib64/",
    "/usr/lib/",
    "/usr/lib64/",
    "/usr/local/lib/",
    "/usr/share/locale/",
    "/usr/share/qt6/", // Qt's logging rules
    "/etc/passwd",     // the user's home, as the C library looks it up
    "/etc/nsswitch.conf",
    "/etc/localtime",
    "/etc/os-release", // the system's name
    "/etc/fonts/",     // fontconfig's configuration and caches, and the fonts
    "/usr/share/fontconfig/",
    "/var/cache/fontconfig/",
    "/usr/share/fonts/",
    "/usr/local/share/fonts/",
    ":/non-existent", // the fixed name Qt's font database gives fontconfig for a font in memory
    "/proc/",         // the kernel's views
    "/sys/",
    "/dev/",
};

// fontconfig's places below the home directory.
constexpr const char *homePlaces[] = {
    "/.cache/fontconfig/",  "/.fontconfig/", "/.config/fontconfig/",
    "/.local/share/fonts/", "/.fonts/",
};

bool isAllowedPlace(const QString &path, const QString &runtimeDirectory)
{
    QStringList places;
    for (const char *place : systemPlaces)
        places << QString::fromLatin1(place);
    for (const char *place : homePlaces)
        places << QDir::homePath() + QLatin1String(place);
    // Qt's plugins beside the program, and the session's runtime directory.
    places << QFileInfo(stormProgram).absolutePath() + QLatin1Char('/') << runtimeDirectory;

    const QString clean = QDir::cleanPath(path);
    return std::any_of(places.begin(), places.end(), [&](const QString &place) {
        return place.endsWith(QLatin1Char('/')) ? (clean + QLatin1Char('/')).startsWith(place)
                                                : clean == place;
    });
}

bool isWrite(const TracedCall &call, const QString &runtimeDirectory)
{
    static const QStringList writingFlags = {"O_WRONLY", "O_RDWR",   "O_CREAT",
                                             "O_TRUNC",  "O_APPEND", "O_TMPFILE"};
    // Qt makes sure at start that the session's runtime directory exists.
    if (call.name == QLatin1String("mkdir") && call.path() == runtimeDirectory && call.failed)
        return false;
    if (call.name == QLatin1String("creat") || changingCalls.contains(call.name))
        return true;
    const QStringList flags = call.flags.split(QLatin1Char('|'));
    return std::any_of(writingFlags.begin(), writingFlags.end(),
                       [&](const QString &flag) { return flags.contains(flag); });
}

// The first few calls, one a line, and how many more there were.
QString describe(const QList<TracedCall> &calls)
{
    constexpr qsizetype shown = 20;
    QStringList lines;
    for (const TracedCall &call : calls.first(qMin(shown, calls.size())))
        lines << call.describe();
    if (calls.size() > shown)
        lines << QStringLiteral("and %1 more").arg(calls.size() - shown);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestNoUnsafeInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsNothingButTheOpenerWithTheMakersAddress();
    void reachesNoFileButSystemFiles();
    void writesNothing();
    void theOpenerHearsTheAddressAlone();

private:
    QString runtimeDirectory() const { return m_dir.filePath(QStringLiteral("runtime")); }

    QTemporaryDir m_dir;
    QList<TracedCall> m_starts; // every program start after the storm's own
    QList<TracedCall> m_files;  // every other call, the stand-in opener's own left out
};

void TestNoUnsafeInput::initTestCase()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    QVERIFY2(!strace.isEmpty(), "strace is missing; scripts/packages.sh lists it");
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path())
                .mkdir(QStringLiteral("runtime"),
                       QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QStringLiteral(FAKE_OPENER_DIR ":") +
                                                   environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("QUORVEL_OPENER_RECORD"), m_dir.filePath("launches"));
    environment.insert(QStringLiteral("QUORVEL_STORM_LOGO"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QUORVEL_STORM_EVENTS"), QStringLiteral("4000"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // As in a desktop session: a runtime directory of its own, the usual places below home.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory());
    for (const char *name : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        environment.remove(QLatin1String(name));

    QProcess tracer;
    tracer.setProcessEnvironment(environment);
    tracer.setProcessChannelMode(QProcess::MergedChannels);
    const QString log = m_dir.filePath("trace");
    tracer.start(strace, {"-f", "-qq", "-e", "signal=none", "-s", "65535", "-o", log, "-e",
                          "trace=" + (openingCalls + startingCalls + changingCalls).join(','),
                          stormProgram});
    QVERIFY(tracer.waitForFinished(600000));
    QVERIFY2(tracer.exitStatus() == QProcess::NormalExit && tracer.exitCode() == 0,
             tracer.readAll().constData());

    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<TracedCall> calls = readStraceLog(file.readAll());
    QVERIFY(!calls.isEmpty());
    const TracedCall stormStart = calls.takeFirst();
    QCOMPARE(stormStart.name, QStringLiteral("execve"));
    QCOMPARE(stormStart.path(), stormProgram);

    // Once the stand-in runs, what its process does is its own business.
    QSet<int> openerProcesses;
    for (const TracedCall &call : std::as_const(calls)) {
        if (openerProcesses.contains(call.pid))
            continue;
        if (startingCalls.contains(call.name)) {
            m_starts << call;
            if (!call.failed && call.path() == opener)
                openerProcesses.insert(call.pid);
        } else {
            m_files << call;
        }
    }
}

void TestNoUnsafeInput::startsNothingButTheOpenerWithTheMakersAddress()
{
    QVERIFY2(!m_starts.isEmpty(), "the logo clicks started nothing");
    QList<TracedCall> others;
    for (const TracedCall &start : std::as_const(m_starts)) {
        // No shell in between: xdg-open as found on PATH, the address its one argument.
        if (start.name != QLatin1String("execve") || start.path() != opener ||
            start.strings.size() != 3 || start.strings[2] != QLatin1String(makerWebAddress))
            others << start;
    }
    QVERIFY2(others.isEmpty(), qPrintable(describe(others)));
}

void TestNoUnsafeInput::reachesNoFileButSystemFiles()
{
    QList<TracedCall> elsewhere;
    for (const TracedCall &call : std::as_const(m_files)) {
        if (!isAllowedPlace(call.path(), runtimeDirectory()))
            elsewhere << call;
    }
    QVERIFY2(elsewhere.isEmpty(), qPrintable(describe(elsewhere)));
}

void TestNoUnsafeInput::writesNothing()
{
    QList<TracedCall> writes;
    for (const TracedCall &call : std::as_const(m_files)) {
        if (isWrite(call, runtimeDirectory()))
            writes << call;
    }
    QVERIFY2(writes.isEmpty(), qPrintable(describe(writes)));
}

void TestNoUnsafeInput::theOpenerHearsTheAddressAlone()
{
    QFile record(m_dir.filePath("launches"));
    QVERIFY2(record.open(QIODevice::ReadOnly), "the stand-in opener never ran");
    const QList<QByteArray> launches = record.readAll().trimmed().split('\n');
    const QByteArray expected = QByteArray("1 [") + makerWebAddress + ']';
    for (const QByteArray &launch : launches)
        QCOMPARE(launch, expected);
}

QTEST_GUILESS_MAIN(TestNoUnsafeInput)
#include "tst_nounsafeinput.moc"
