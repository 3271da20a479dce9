// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(quorvelTrace)

// Writes one line of 8-bit text to the trace channel, cut to 255 characters.
// The channel is off unless debug output of "quorvel.trace" is enabled.
void DebugTrace(const QByteArray &Text);
