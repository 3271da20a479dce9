// Renders the README's pictures from the installed program under Xvfb: a screenshot of each
// page, each in a state that shows what the page is for, and an animated GIF of the
// odometers rolling from 7 to 8. Usage: quorvel_render_docs <folder>
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

QTextStream &Errors()
{
    static QTextStream stream(stderr);
    return stream;
}

// Takes screenshots until two in a row are the same.
QImage StillScreen(Story &story, const QString &name)
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

bool Save(const QImage &picture, const QString &path)
{
    if (picture.save(path))
        return true;
    Errors() << "could not write " << path << Qt::endl;
    return false;
}

void TypeValueIntoOdometers(Story &story, const QString &value)
{
    story.click(OnPage(entryButton));
    QThread::msleep(300);
    story.typeText(value);
    story.pressKey(QStringLiteral("Return"));
}

bool RenderOdometerPage(Story &story, const QString &folder)
{
    TypeValueIntoOdometers(story, QStringLiteral("174"));
    story.moveMouse(OnPage(secondHexDigit));
    return Save(StillScreen(story, QStringLiteral("odometer.png")), folder + "/odometer.png");
}

// Shoots the board as fast as the X server allows while the wheels roll, and makes a GIF
// of the frames that differ, each shown for as long as it stood on the screen, between
// long looks at the old and the new value.
bool RenderRoll(Story &story, const QString &folder)
{
    TypeValueIntoOdometers(story, QStringLiteral("7"));
    story.moveMouse(awayFromControls);
    StillScreen(story, QStringLiteral("roll-start.png"));
    QList<QImage> frames{story.shot(QStringLiteral("roll-0.png")).copy(OnPage(odometerBoard))};
    QList<qint64> shownAtMs{0};
    story.click(OnPage(plusButton));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < rollMs + 300) {
        const QImage board = story.session().screenshot(story.window()).copy(OnPage(odometerBoard));
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
        if (!Save(frames[index], path))
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
        Errors() << "convert could not make the GIF" << Qt::endl;
    return exitCode == 0;
}

bool RenderCalculatePage(Story &story, const QString &folder)
{
    story.openPage(Tab::Calculate);
    story.click(OnPage(QPoint(23 + 45, 78 + 13))); // "Decimal #"
    for (const char *key : {"1", "Return", "1", "0", "0", "0"})
        story.pressKey(QString::fromLatin1(key));
    story.click(OnPage(QPoint(28 + 17, 161 + 13))); // "-"
    story.moveMouse(awayFromControls);
    return Save(StillScreen(story, QStringLiteral("calculate.png")), folder + "/calculate.png");
}

bool RenderTablePage(Story &story, const QString &folder)
{
    story.openPage(Tab::Table);
    StillScreen(story, QStringLiteral("table-opening.png"));
    story.click(QPoint(682 + 30, 13 + 10)); // the jump-to box
    story.typeText(QStringLiteral("65"));
    story.pressKey(QStringLiteral("Return"));
    story.moveMouse(awayFromControls);
    return Save(StillScreen(story, QStringLiteral("table.png")), folder + "/table.png");
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        Errors() << "usage: quorvel_render_docs <folder>" << Qt::endl;
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    Story story(QStringLiteral("docs"));
    const QString failure = story.start();
    if (!failure.isEmpty()) {
        Errors() << failure << Qt::endl;
        return 1;
    }
    const bool rendered = RenderOdometerPage(story, folder) && RenderRoll(story, folder) &&
                          RenderCalculatePage(story, folder) && RenderTablePage(story, folder);
    return rendered ? 0 : 1;
}
