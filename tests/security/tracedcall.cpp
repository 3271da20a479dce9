// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracedcall.h"

#include <QHash>

namespace {

// A quoted argument from its opening quote at `at`; leaves `at` past the closing quote.
// strace writes tab, newline and the like as C escapes and other unprintable bytes in octal.
QByteArray readQuoted(const QByteArray &text, qsizetype &at)
{
    static const QByteArray escapes = "t\tn\nv\vf\fr\r";
    QByteArray bytes;
    for (++at; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] != '\\' || at + 1 >= text.size()) {
            bytes += text[at];
            continue;
        }
        const char escaped = text[++at];
        const qsizetype named = escapes.indexOf(escaped);
        if (escaped >= '0' && escaped <= '7') {
            int value = escaped - '0';
            for (int digits = 1;
                 digits < 3 && at + 1 < text.size() && text[at + 1] >= '0' && text[at + 1] <= '7';
                 ++digits)
                value = value * 8 + (text[++at] - '0');
            bytes += char(value);
        } else if (named >= 0 && named % 2 == 0) {
            bytes += escapes[named + 1];
        } else {
            bytes += escaped; // a quote or a backslash
        }
    }
    ++at;
    return bytes;
}

// The quoted arguments, and the word that follows the first of them.
void readArguments(const QByteArray &text, TracedCall &call)
{
    for (qsizetype at = 0; at < text.size();) {
        if (text[at] != '"') {
            ++at;
            continue;
        }
        call.strings << QString::fromUtf8(readQuoted(text, at));
        if (call.strings.size() == 1 && text.mid(at, 2) == ", ") {
            qsizetype end = at + 2;
            while (end < text.size() && (QChar::isLetterOrNumber(uchar(text[end])) ||
                                         text[end] == '_' || text[end] == '|'))
                ++end;
            call.flags = QString::fromLatin1(text.mid(at + 2, end - at - 2));
        }
    }
}

bool failed(const QByteArray &text)
{
    const qsizetype result = text.lastIndexOf(" = ");
    return result >= 0 && text.mid(result + 3).startsWith("-1");
}

} // namespace

QString TracedCall::describe() const
{
    return QStringLiteral("[%1] %2(\"%3\") %4%5")
        .arg(pid)
        .arg(name, strings.join(QLatin1String("\", \"")), flags,
             failed ? QStringLiteral(" failed") : QString());
}

QList<TracedCall> readStraceLog(const QByteArray &log)
{
    QList<TracedCall> calls;
    QHash<int, qsizetype> unfinished; // a thread's interrupted call, by index in calls
    for (const QByteArray &line : log.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        bool startsWithPid = false;
        const int pid = line.left(space).toInt(&startsWithPid);
        const QByteArray text = line.mid(space + 1).trimmed();
        if (!startsWithPid)
            continue;
        if (text.startsWith("<...")) {
            const qsizetype index = unfinished.value(pid, -1);
            unfinished.remove(pid);
            if (index >= 0)
                calls[index].failed = failed(text);
            continue;
        }
        const qsizetype open = text.indexOf('(');
        if (open <= 0)
            continue; // an exit or a signal, not a call
        TracedCall call;
        call.pid = pid;
        call.name = QString::fromLatin1(text.left(open));
        readArguments(text.mid(open + 1), call);
        if (text.endsWith("<unfinished ...>"))
            unfinished.insert(pid, calls.size());
        else
            call.failed = failed(text);
        calls << call;
    }
    return calls;
}
