// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guidesection.h"

#include <QStringList>

namespace {

// The level of a heading line ("### Table" is 3), or 0 for any other line.
int headingLevel(const QString &line)
{
    const qsizetype marks = line.indexOf(QLatin1Char(' '));
    if (marks < 1 || marks > 6 || line.left(marks) != QString(marks, QLatin1Char('#')))
        return 0;
    return int(marks);
}

// Pictures and comments stand alone on their lines and have no place in the help.
bool isLeftOut(const QString &line)
{
    const bool picture = line.startsWith(QLatin1String("![")) && line.endsWith(QLatin1Char(')'));
    const bool comment =
        line.startsWith(QLatin1String("<!--")) && line.endsWith(QLatin1String("-->"));
    return picture || comment;
}

bool isFence(const QString &line)
{
    return line.startsWith(QLatin1String("```"));
}

enum class PartEnd { sameOrHigherHeading, anyHeading };

// The lines under the heading with this title, the heading first, up to the heading that
// ends the part.
QStringList partLines(const QString &guide, const QString &title, PartEnd end)
{
    QStringList part;
    int partLevel = 0;
    bool inFence = false;
    for (const QString &line : guide.split(QLatin1Char('\n'))) {
        const int level = inFence ? 0 : headingLevel(line);
        if (isFence(line))
            inFence = !inFence;
        if (partLevel == 0) {
            if (level > 0 && line.mid(level + 1).trimmed() == title) {
                partLevel = level;
                part << line;
            }
        } else if (level > 0 && (level <= partLevel || end == PartEnd::anyHeading)) {
            break;
        } else if (!isLeftOut(line)) {
            part << line;
        }
    }
    return part;
}

} // namespace

QString guideSection(const QString &guide, const QString &title)
{
    return partLines(guide, title, PartEnd::sameOrHigherHeading).join(QLatin1Char('\n')).trimmed();
}

QString guideIntroduction(const QString &guide, const QString &title)
{
    return partLines(guide, title, PartEnd::anyHeading).mid(1).join(QLatin1Char('\n')).trimmed();
}
