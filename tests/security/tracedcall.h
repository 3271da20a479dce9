// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One system call as `strace -f` logs it.
struct TracedCall
{
    int pid = 0;
    QString name;        // "openat", "execve", ...
    QStringList strings; // the quoted arguments in order: a path, then an execve's argv
    QString flags;       // the word after the path, which is an open call's flags
    bool failed = false; // returned -1

    QString path() const { return strings.value(0); }
    QString describe() const;
};

// Reads a log of `strace -f -o`: one call per line, with a call that another thread's call
// interrupted ("<unfinished ...>", "<... resumed>") joined again.
QList<TracedCall> readStraceLog(const QByteArray &log);
