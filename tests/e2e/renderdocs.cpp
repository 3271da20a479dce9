// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the README's pictures from the installed program under Xvfb: a screenshot of each
// page, each in a state that shows what the page is for, and an animated GIF of the
// odometers rolling from 7 to 8. Given a language, as LANGUAGE names it, it renders the
// three pages in that language instead, named after it ("de-odometer.png").
// Usage: quorvel_render_docs <folder> [language]
#include "story.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>
#include <QThread>

namespace {

// The one-byte layout of the Odometer page.
const QRect odometerBoard(115, 43, 234, 180);
const QPoint plusButton(40 + 17, 67 + 13);
const QPoint entryButton(40 + 17, 180 + 13);
const QPoint secondHexDigit(269 + 15 + 7, 180 + 10);
constexpr int rollMs = 21 * 30;
// A place where the pointer lights nothing up.
constexpr QPoint awayFromControls(5, 300);

QTextStream &errors()
{
    static QTextStream stream(stderr);
    return stream;
}

// Takes screenshots until two in a row are the same.
QImage stillScreen(Story &story, const QString &name)
{
    QImage previous;
    QImage shot;
    story.waitForScreen(
        name,
        [&](const QImage &s) {
            const bool still = s == previous;
            previous = s;
            return still;
        },
        shot);
    return shot;
}

bool save(const QImage &picture, const QString &path)
{
    if (picture.save(path))
        return true;
    errors() << "could not write " << path << Qt::endl;
    return false;
}

void typeValueIntoOdometers(Story &story, const QString &value)
{
    story.click(onPage(entryButton));
    QThread::msleep(300);
    story.typeText(value);
    story.pressKey(QStringLiteral("Return"));
}

// Each page's picture is saved as the path begun by prefix and ended by the page's name.
bool renderOdometerPage(Story &story, const QString &prefix)
{
    typeValueIntoOdometers(story, QStringLiteral("174"));
    story.moveMouse(onPage(secondHexDigit));
    return save(stillScreen(story, QStringLiteral("odometer.png")), prefix + "odometer.png");
}

// Shoots the board as fast as the X server allows while the wheels roll, and makes a GIF
// of the frames that differ, each shown for as long as it stood on the screen, between
// long looks at the old and the new value.
bool renderRoll(Story &story, const QString &folder)
{
    typeValueIntoOdometers(story, QStringLiteral("7"));
    story.moveMouse(awayFromControls);
    stillScreen(story, QStringLiteral("roll-start.png"));
    QList<QImage> frames{story.shot(QStringLiteral("roll-0.png")).copy(onPage(odometerBoard))};
    QList<qint64> shownAtMs{0};
    story.click(onPage(plusButton));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < rollMs + 300) {
        const QImage board = story.session().screenshot(story.window()).copy(onPage(odometerBoard));
        if (board != frames.last()) {
            frames << board;
            shownAtMs << clock.elapsed();
        }
    }
    QStringList arguments{QStringLiteral("-loop"), QStringLiteral("0")};
    for (int index = 0; index < frames.size(); ++index) {
        const QString path =
            QDir(story.folder())
                .filePath(QStringLiteral("roll-frame-%1.png").arg(index, 2, 10, QLatin1Char('0')));
        if (!save(frames[index], path))
            return false;
        const bool resting = index == 0 || index == frames.size() - 1;
        const qint64 centiseconds =
            resting ? 120 : qMax<qint64>(2, (shownAtMs[index + 1] - shownAtMs[index]) / 10);
        arguments << QStringLiteral("-delay") << QString::number(centiseconds) << path;
    }
    arguments << folder + QStringLiteral("/odometer-roll.gif");
    int exitCode = -1;
    story.session().run(QStringLiteral("convert"), arguments, &exitCode);
    if (exitCode != 0)
        errors() << "convert could not make the GIF" << Qt::endl;
    return exitCode == 0;
}

bool renderCalculatePage(Story &story, const QString &prefix)
{
    story.openPage(Tab::Calculate);
    story.click(onPage(QPoint(23 + 45, 78 + 13))); // "Decimal #"
    for (const char *key : {"1", "Return", "1", "0", "0", "0"})
        story.pressKey(QString::fromLatin1(key));
    story.click(onPage(QPoint(28 + 17, 161 + 13))); // "-"
    story.moveMouse(awayFromControls);
    return save(stillScreen(story, QStringLiteral("calculate.png")), prefix + "calculate.png");
}

bool renderTablePage(Story &story, const QString &prefix)
{
    story.openPage(Tab::Table);
    stillScreen(story, QStringLiteral("table-opening.png"));
    story.click(QPoint(682 + 30, 13 + 10)); // the jump-to box
    story.typeText(QStringLiteral("65"));
    story.pressKey(QStringLiteral("Return"));
    story.moveMouse(awayFromControls);
    return save(stillScreen(story, QStringLiteral("table.png")), prefix + "table.png");
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        errors() << "usage: quorvel_render_docs <folder> [language]" << Qt::endl;
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString language = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    Story story(QStringLiteral("docs"));
    const QString failure = story.start(language);
    if (!failure.isEmpty()) {
        errors() << failure << Qt::endl;
        return 1;
    }
    const QString prefix = folder + QLatin1Char('/');
    if (!language.isEmpty()) {
        const QString named = prefix + language + QLatin1Char('-');
        return renderOdometerPage(story, named) && renderCalculatePage(story, named) &&
                       renderTablePage(story, named)
                   ? 0
                   : 1;
    }
    const bool rendered = renderOdometerPage(story, prefix) && renderRoll(story, folder) &&
                          renderCalculatePage(story, prefix) && renderTablePage(story, prefix);
    return rendered ? 0 : 1;
}
