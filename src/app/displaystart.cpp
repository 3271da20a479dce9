// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/displaystart.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

int realStandardError = -1;
std::FILE *heldOutput = nullptr;
QtMessageHandler passOn = nullptr;

QByteArray heldText()
{
    std::fflush(stderr);
    QByteArray text;
    std::rewind(heldOutput);
    char chunk[4096];
    for (size_t read; (read = std::fread(chunk, 1, sizeof chunk, heldOutput)) > 0;)
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

void endOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        passOn(type, context, message);
        return;
    }
    QString line = QStringLiteral("quorvel: cannot open a window on %1").arg(displayTried());
    if (const QString complaint = firstComplaint(); !complaint.isEmpty())
        line += QStringLiteral(" (%1)").arg(complaint);
    line += QStringLiteral("; to run it off screen use: xvfb-run quorvel\n");
    const QByteArray bytes = line.toLocal8Bit();
    [[maybe_unused]] const ssize_t written =
        ::write(realStandardError, bytes.constData(), size_t(bytes.size()));
    std::_Exit(2);
}

} // namespace

void beginDisplayStart()
{
    heldOutput = std::tmpfile();
    if (!heldOutput)
        return;
    std::fflush(stderr);
    realStandardError = ::dup(STDERR_FILENO);
    ::dup2(fileno(heldOutput), STDERR_FILENO);
    passOn = qInstallMessageHandler(endOnFatal);
}

void endDisplayStart()
{
    if (!heldOutput)
        return;
    qInstallMessageHandler(passOn);
    const QByteArray held = heldText();
    ::dup2(realStandardError, STDERR_FILENO);
    ::close(realStandardError);
    std::fclose(heldOutput);
    heldOutput = nullptr;
    std::fwrite(held.constData(), 1, size_t(held.size()), stderr);
}
