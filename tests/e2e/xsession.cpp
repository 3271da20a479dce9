// SPDX-License-Identifier: GPL-3.0-or-later
#include "xsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

namespace {

QString windowId(qulonglong window)
{
    return QString::number(window);
}

} // namespace

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

QString screenshotFolder()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    return folder;
}

XSession::XSession()
{
    if (!startServer())
        return;
    startProcess(m_windowManager, QStringLiteral("openbox"), {});
    // The window manager is ready once it has claimed the screen.
    const bool managed = waitUntil(
        [this] {
            return run(QStringLiteral("xprop"),
                       {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QStringLiteral("window id"));
        },
        10000);
    if (!managed)
        m_failure = QStringLiteral("openbox did not start on ") + m_display;
}

void stopProcess(QProcess *process)
{
    if (!process || process->state() == QProcess::NotRunning)
        return;
    process->terminate();
    if (!process->waitForFinished(3000)) {
        process->kill();
        process->waitForFinished(3000);
    }
}

XSession::~XSession()
{
    for (auto *process : {m_program.get(), m_windowManager.get(), m_server.get()})
        stopProcess(process);
}

void XSession::stopProgram()
{
    stopProcess(m_program.get());
}

bool XSession::startServer()
{
    // Xvfb picks a free display itself and writes its number to standard output, so
    // that sessions started at the same moment never share a server.
    startProcess(m_server, QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    QByteArray number;
    waitUntil(
        [&] {
            m_server->waitForReadyRead(50);
            number += m_server->readAllStandardOutput();
            return number.contains('\n') || m_server->state() == QProcess::NotRunning;
        },
        10000);
    if (!number.contains('\n')) {
        m_failure = QStringLiteral("no X server could be started (is Xvfb installed?)");
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    return true;
}

void XSession::startProcess(std::unique_ptr<QProcess> &process, const QString &program,
                            const QStringList &arguments, const QStringList &extraEnvironment)
{
    process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    for (const QString &entry : extraEnvironment)
        environment.insert(entry.section(QLatin1Char('='), 0, 0),
                           entry.section(QLatin1Char('='), 1));
    process->setProcessEnvironment(environment);
    process->start(program, arguments);
    process->waitForStarted(5000);
}

bool XSession::startProgram(const QString &program, const QStringList &environment)
{
    stopProgram();
    startProcess(m_program, program, {}, environment);
    return m_program->state() == QProcess::Running;
}

QString XSession::programErrorOutput()
{
    if (!m_program)
        return {};
    // Takes in what the program has written, also when no event loop runs meanwhile.
    m_program->setReadChannel(QProcess::StandardError);
    while (m_program->waitForReadyRead(0)) {
    }
    return QString::fromLocal8Bit(m_program->readAllStandardError());
}

QString XSession::run(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(20000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

qulonglong XSession::waitForWindow(const QString &title, int timeoutMs)
{
    return waitForVisibleWindow(QStringLiteral("--name"), title, timeoutMs);
}

qulonglong XSession::waitForWindowOfInstance(const QString &instance, int timeoutMs)
{
    return waitForVisibleWindow(QStringLiteral("--classname"), instance, timeoutMs);
}

qulonglong XSession::waitForVisibleWindow(const QString &field, const QString &value, int timeoutMs)
{
    qulonglong found = 0;
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(value) + QLatin1Char('$');
    waitUntil(
        [&] {
            const QString ids =
                run(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"), field, pattern});
            found = ids.section(QLatin1Char('\n'), 0, 0).trimmed().toULongLong();
            return found != 0 && frameExtents(found) != QMargins();
        },
        timeoutMs);
    return found;
}

QRect XSession::clientGeometry(qulonglong window)
{
    const QString shell =
        run(QStringLiteral("xdotool"),
            {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId(window)});
    QRect geometry;
    for (const QString &line : shell.split(QLatin1Char('\n'))) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            geometry.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            geometry.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            geometry.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            geometry.setHeight(value);
    }
    return geometry;
}

QMargins XSession::frameExtents(qulonglong window)
{
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const QString property = run(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId(window),
                                                           QStringLiteral("_NET_FRAME_EXTENTS")});
    const QStringList parts = property.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    if (parts.size() != 4)
        return {};
    return {parts[0].trimmed().toInt(), parts[2].trimmed().toInt(), parts[1].trimmed().toInt(),
            parts[3].trimmed().toInt()};
}

QSize XSession::outerSize(qulonglong window)
{
    const QMargins frame = frameExtents(window);
    return clientGeometry(window).size().grownBy(frame);
}

void XSession::moveMouse(qulonglong window, QPoint position)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), windowId(window),
         QString::number(position.x()), QString::number(position.y())});
}

void XSession::click(qulonglong window, QPoint position, int button)
{
    moveMouse(window, position);
    run(QStringLiteral("xdotool"), {QStringLiteral("click"), QString::number(button)});
}

void XSession::scrollWheel(qulonglong window, QPoint position, int notches)
{
    moveMouse(window, position);
    const int button = notches > 0 ? 5 : 4;
    for (int i = 0; i < qAbs(notches); ++i)
        run(QStringLiteral("xdotool"), {QStringLiteral("click"), QString::number(button)});
}

void XSession::drag(qulonglong window, QPoint from, QPoint to)
{
    moveMouse(window, from);
    run(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    moveMouse(window, (from + to) / 2);
    moveMouse(window, to);
    run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
}

void XSession::typeText(qulonglong window, const QString &text)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), windowId(window)});
    run(QStringLiteral("xdotool"),
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
}

void XSession::pressKey(qulonglong window, const QString &keysym)
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), windowId(window)});
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), keysym});
}

void XSession::resizeClient(qulonglong window, QSize size)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), windowId(window),
                                    QString::number(size.width()), QString::number(size.height())});
}

QImage XSession::screenshot(qulonglong window, const QString &keepAs)
{
    QTemporaryDir scratch;
    const QString path = keepAs.isEmpty() ? scratch.filePath(QStringLiteral("shot.png")) : keepAs;
    run(QStringLiteral("import"), {QStringLiteral("-window"), windowId(window), path});
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
