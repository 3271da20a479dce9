// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/displaystart.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

int realStandardError = -1;
// A file in memory, so that the holding needs no writable folder; -1 where the system gives
// none, and then standard error is not held back.
int heldOutput = -1;
QtMessageHandler passOn = nullptr;

QByteArray heldText()
{
    std::fflush(stderr);
    QByteArray text;
    if (heldOutput < 0 || ::lseek(heldOutput, 0, SEEK_SET) != 0)
        return text;
    char chunk[4096];
    for (ssize_t read; (read = ::read(heldOutput, chunk, sizeof chunk)) > 0;)
        text.append(chunk, qsizetype(read));
    return text;
}

// The first thing the libraries said, without the logging category in front.
QString firstComplaint()
{
    static const QRegularExpression category(QStringLiteral(R"(^qt(\.\w+)+: )"));
    for (QString line : QString::fromLocal8Bit(heldText()).split(QLatin1Char('\n'))) {
        line = line.trimmed().remove(category);
        if (!line.isEmpty())
            return line;
    }
    return {};
}

QString displayTried()
{
    QStringList named;
    for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty())
            named << QStringLiteral("%1=%2").arg(QLatin1String(name),
                                                 QString::fromLocal8Bit(value));
    }
    return named.join(QStringLiteral(", "));
}

// Qt's Wayland platform comes in a Debian package of its own, which a system may lack.
bool waylandPluginMissing(const QString &complaint)
{
    return complaint.contains(QStringLiteral("platform plugin \"wayland\""));
}

// Without its Wayland plugin Qt opens the window through X11 where it can, and says only
// that the plugin is missing; this says which package brings it.
QByteArray withWaylandAdvice(const QByteArray &held)
{
    QStringList lines = QString::fromLocal8Bit(held).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (waylandPluginMissing(line))
            line = QStringLiteral("quorvel: the package qt6-wayland is not installed, so the "
                                  "window opens through X11");
    }
    return lines.join(QLatin1Char('\n')).toLocal8Bit();
}

void endOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        passOn(type, context, message);
        return;
    }
    QString line = QStringLiteral("quorvel: cannot open a window on %1").arg(displayTried());
    const QString complaint = firstComplaint();
    if (!complaint.isEmpty())
        line += QStringLiteral(" (%1)").arg(complaint);
    line += waylandPluginMissing(complaint)
                ? QStringLiteral("; on Wayland it needs the package qt6-wayland\n")
                : QStringLiteral("; to run it off screen use: xvfb-run quorvel\n");
    const QByteArray bytes = line.toLocal8Bit();
    [[maybe_unused]] const ssize_t written =
        ::write(realStandardError, bytes.constData(), size_t(bytes.size()));
    std::_Exit(2);
}

} // namespace

void beginDisplayStart()
{
    std::fflush(stderr);
    realStandardError = ::dup(STDERR_FILENO);
    heldOutput = ::memfd_create("quorvel-start", MFD_CLOEXEC);
    if (heldOutput >= 0)
        ::dup2(heldOutput, STDERR_FILENO);
    passOn = qInstallMessageHandler(endOnFatal);
}

void endDisplayStart()
{
    qInstallMessageHandler(passOn);
    const QByteArray held = withWaylandAdvice(heldText());
    ::dup2(realStandardError, STDERR_FILENO);
    ::close(realStandardError);
    if (heldOutput >= 0)
        ::close(heldOutput);
    heldOutput = -1;
    std::fwrite(held.constData(), 1, size_t(held.size()), stderr);
}
