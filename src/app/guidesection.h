// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The part of a Markdown guide under the heading with this title: the heading itself and
// everything up to the next heading of the same or a higher level. Pictures and comments,
// which stand alone on their lines, are left out. Empty when the guide has no such heading.
QString guideSection(const QString &guide, const QString &title);

// The text under the heading with this title before its first subheading, without the
// heading itself, pictures and comments: what the guide says of all its parts.
QString guideIntroduction(const QString &guide, const QString &title);
