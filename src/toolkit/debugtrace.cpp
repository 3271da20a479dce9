// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/debugtrace.h"

Q_LOGGING_CATEGORY(quorvelTrace, "quorvel.trace", QtInfoMsg)

void DebugTrace(const QByteArray &Text)
{
    constexpr qsizetype bufferLength = 255;
    qCDebug(quorvelTrace).noquote() << QString::fromLatin1(Text.left(bufferLength));
}
