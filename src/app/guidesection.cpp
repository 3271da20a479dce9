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

bool isPicture(const QString &line)
{
    return line.startsWith(QLatin1String("![")) && line.endsWith(QLatin1Char(')'));
}

bool isFence(const QString &line)
{
    return line.startsWith(QLatin1String("```"));
}

} // namespace

QString guideSection(const QString &guide, const QString &title)
{
    QStringList section;
    int sectionLevel = 0;
    bool inFence = false;
    for (const QString &line : guide.split(QLatin1Char('\n'))) {
        const int level = inFence ? 0 : headingLevel(line);
        if (isFence(line))
            inFence = !inFence;
        if (sectionLevel == 0) {
            if (level > 0 && line.mid(level + 1).trimmed() == title) {
                sectionLevel = level;
                section << line;
            }
        } else if (level > 0 && level <= sectionLevel) {
            break;
        } else if (!isPicture(line)) {
            section << line;
        }
    }
    return section.join(QLatin1Char('\n')).trimmed();
}
