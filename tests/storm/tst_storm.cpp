// SPDX-License-Identifier: GPL-3.0-or-later
// The event storm: a seeded random stream of clicks, keys, pastes, input-method text,
// drops, undo and redo, hovers, focus changes,
// scrolls, resizes and timer ticks against the whole window, with the pages' promises
// checked after every event. QUORVEL_STORM_EVENTS and QUORVEL_STORM_SEED set a longer or
// another run, and QUORVEL_STORM_LOGO=1 clicks the logo too (which starts the browser link);
// a failure prints its seed and a shortened list of events that repeats it.
#include "stormrun.h"

#include <QTest>

#include <cstdlib>
#include <optional>

namespace {

int setting(const char *name, int fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

// Replays the events on a fresh window; returns the broken promise, if any.
std::optional<QString> replay(const QList<StormEvent> &events)
{
    StormRun run;
    for (const StormEvent &event : events) {
        run.apply(event);
        const QString broken = run.brokenPromise();
        if (!broken.isEmpty())
            return broken;
    }
    return std::nullopt;
}

// Drops runs of events, halving their length, as long as the failure stays.
QList<StormEvent> shorten(QList<StormEvent> events, int budget)
{
    for (qsizetype chunk = events.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (qsizetype start = 0; start < events.size() && budget > 0;) {
            QList<StormEvent> shorter = events;
            shorter.remove(start, qMin(chunk, shorter.size() - start));
            --budget;
            if (replay(shorter))
                events = shorter;
            else
                start += chunk;
        }
    }
    return events;
}

} // namespace

class TestStorm : public QObject
{
    Q_OBJECT

private slots:
    void everyPromiseHoldsThroughTheStorm();
};

void TestStorm::everyPromiseHoldsThroughTheStorm()
{
    const int seed = setting("QUORVEL_STORM_SEED", 20261208);
    const int count = setting("QUORVEL_STORM_EVENTS", 20000);
    const bool clickLogo = setting("QUORVEL_STORM_LOGO", 0) != 0;
    std::mt19937 generator(seed);
    QList<StormEvent> events;
    StormRun run;
    for (int i = 0; i < count; ++i) {
        events << StormEvent::random(generator, clickLogo);
        run.apply(events.last());
        const QString broken = run.brokenPromise();
        if (broken.isEmpty())
            continue;
        const QList<StormEvent> shortened = shorten(events, 400);
        QString report = QStringLiteral("seed %1, event %2: %3\nshortened to %4 events:\n")
                             .arg(seed)
                             .arg(i)
                             .arg(broken)
                             .arg(shortened.size());
        for (const StormEvent &event : shortened)
            report += QStringLiteral("  ") + event.describe() + QLatin1Char('\n');
        QFAIL(qPrintable(report));
    }
}

QTEST_MAIN(TestStorm)
#include "tst_storm.moc"
