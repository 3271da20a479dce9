// SPDX-License-Identifier: GPL-3.0-or-later
#include "story.h"

#include "tabcaptions.h"

#include <QDir>

#include <algorithm>

namespace {

int scaleOfStories()
{
    return qMax(1, qEnvironmentVariableIntValue("QUORVEL_STORY_SCALE"));
}

QString folderOfStory(const QString &name, int scale)
{
    const QString folder = screenshotFolder() + QLatin1Char('/') + name;
    return scale == 1 ? folder : folder + QStringLiteral("-scale-%1").arg(scale);
}

} // namespace

Story::Story(const QString &name)
    : m_scale(scaleOfStories()), m_folder(folderOfStory(name, m_scale))
{
    QDir(m_folder).removeRecursively();
    QDir().mkpath(m_folder);
}

QString Story::start(const QString &language)
{
    if (!m_session.failure().isEmpty())
        return m_session.failure();
    const QString program = QStringLiteral(QUORVEL_INSTALLED_PROGRAM);
    if (!m_session.startProgram(program,
                                {QStringLiteral("QT_LOGGING_RULES=quorvel.trace.debug=true"),
                                 QStringLiteral("QT_SCALE_FACTOR=%1").arg(m_scale),
                                 QStringLiteral("LANGUAGE=%1")
                                     .arg(language.isEmpty() ? QStringLiteral("en") : language)}))
        return program + QStringLiteral(" did not start");
    // A loaded machine may take its time over a debug build's first window.
    constexpr int firstWindowMs = 30000;
    m_window = language.isEmpty()
                   ? m_session.waitForWindow(QStringLiteral("Numeric Formats"), firstWindowMs)
                   : m_session.waitForWindowOfInstance(QStringLiteral("org.quorvel.Quorvel"),
                                                       firstWindowMs);
    if (m_window == 0)
        return QStringLiteral("the window Numeric Formats did not appear (program %1); its "
                              "standard error:\n%2")
            .arg(m_session.programId() != 0 ? QStringLiteral("running") : QStringLiteral("ended"),
                 trace().join(QLatin1Char('\n')));
    QImage opening;
    if (!waitForScreen(
            QStringLiteral("opening.png"),
            [this](const QImage &shot) {
                return (m_tabCaptions = findTabCaptions(shot)).size() == 3;
            },
            opening))
        return QStringLiteral("the three tab captions did not show");
    return {};
}

QImage Story::screen()
{
    QImage picture = m_session.screenshot(m_window);
    picture.setDevicePixelRatio(m_scale);
    return picture;
}

QImage Story::shot(const QString &name)
{
    const QImage picture = screen();
    picture.save(m_folder + QLatin1Char('/') + name);
    return picture;
}

bool Story::waitForScreen(const QString &name, const std::function<bool(const QImage &)> &condition,
                          QImage &shot, int timeoutMs)
{
    const bool met = waitUntil([&] { return condition(shot = screen()); }, timeoutMs);
    shot.save(m_folder + QLatin1Char('/') + name);
    return met;
}

bool Story::openPage(Tab tab)
{
    click(m_tabCaptions.at(int(tab)).center());
    return waitUntil([&] { return selectedTabOnScreen(screen(), m_tabCaptions) == int(tab); },
                     5000);
}

QStringList Story::trace()
{
    m_unfinishedLine += m_session.programErrorOutput();
    const qsizetype end = m_unfinishedLine.lastIndexOf(QLatin1Char('\n'));
    if (end >= 0) {
        m_trace += m_unfinishedLine.left(end).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        m_unfinishedLine.remove(0, end + 1);
    }
    return m_trace;
}

bool Story::waitForTrace(const std::function<bool(const QString &)> &matches, int count,
                         int timeoutMs)
{
    return waitUntil(
        [&] {
            const QStringList lines = trace();
            return std::count_if(lines.cbegin(), lines.cend(), matches) >= count;
        },
        timeoutMs);
}
