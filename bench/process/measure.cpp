// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel_measure: the process-level figures of the program against their floors, each
// measured in the same run on the same machine, printed as a Markdown table.
//
// It starts its own X server and window manager, then measures
// - start to first painted window, against two floors: a bare Qt window, and a bare window
//   that draws a tab strip and a label (median of several starts), at scale 1 and 2,
// - resident memory when idle, against the same two floors, at scale 1 and 2,
// - CPU while idle on each page for 10 s, and while counting automatically on the
//   two-byte layout for 10 s (share of one core, from /proc/PID/stat),
// - and takes the odometer frame and the table repaint from the benchmark programs built
//   beside it, each against its floor from the same run.
#include "tabcaptions.h"
#include "xsession.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

struct Row
{
    QString figure;
    QString floor;
    QString measured;
    QString goal;
};

QString toolPath(const char *name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

double firstPaintMilliseconds(XSession &session, const QString &program)
{
    return session.run(toolPath("quorvel_firstpaint"), {program}).trimmed().toDouble();
}

// Fields 14 and 15 of /proc/PID/stat: user and system time in clock ticks.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / double(sysconf(_SC_CLK_TCK));
}

double residentMebibytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.simplified().split(' ').value(1).toDouble() / 1024.0;
    }
    return 0;
}

double cpuShareOver(qint64 pid, int seconds)
{
    const double before = cpuSeconds(pid);
    QThread::sleep(seconds);
    return 100.0 * (cpuSeconds(pid) - before) / seconds;
}

// Medians of the named benchmarks of a Google Benchmark program, in microseconds.
QHash<QString, double> benchmarkMedians(const QString &program, const QString &filter)
{
    QProcess run;
    run.start(program, {QStringLiteral("--benchmark_filter=") + filter,
                        QStringLiteral("--benchmark_repetitions=9"),
                        QStringLiteral("--benchmark_report_aggregates_only=true"),
                        QStringLiteral("--benchmark_format=json")});
    run.waitForFinished(300000);
    QHash<QString, double> medians;
    const QJsonArray results =
        QJsonDocument::fromJson(run.readAllStandardOutput()).object().value("benchmarks").toArray();
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        if (result.value("aggregate_name").toString() != QLatin1String("median"))
            continue;
        const QString unit = result.value("time_unit").toString();
        const double scale = unit == QLatin1String("ns")   ? 1e-3
                             : unit == QLatin1String("ms") ? 1e3
                                                           : 1.0;
        medians.insert(result.value("run_name").toString(),
                       result.value("real_time").toDouble() * scale);
    }
    return medians;
}

struct Floors
{
    double bare; // a bare Qt window
    double text; // a bare window with a tab strip and a label
};

QString ratio(double value, double floor)
{
    return QString::asprintf("%.2f x", floor > 0 ? value / floor : 0);
}

class Measurement
{
public:
    explicit Measurement(const QString &program) : m_program(program) {}

    bool prepare(QString *failure);
    void startUp(int starts, int scale);
    void idleMemory(int scale);
    void idleCpuPerPage(int seconds);
    void countingCpu(int seconds);
    struct BenchmarkFigure
    {
        QString figure;
        const char *program; // beside this tool
        QString floorName;
        const char *floorWhat;
        QString measuredName;
        QString goal;
    };
    void benchmarkRow(const BenchmarkFigure &figure);
    void print() const;

private:
    qint64 startAndWait(XSession &session, const QString &program, qulonglong *window,
                        const QStringList &environment = {});

    QString m_program;
    XSession m_session;
    QList<Row> m_rows;
};

bool Measurement::prepare(QString *failure)
{
    *failure = m_session.failure();
    return failure->isEmpty();
}

// The measured figure against both floors, as the table shows it.
QString againstFloors(double measured, const Floors &floors, const char *unit)
{
    return QString::asprintf("%.1f %s = %s bare, %s text", measured, unit,
                             qPrintable(ratio(measured, floors.bare)),
                             qPrintable(ratio(measured, floors.text)));
}

QString floorsText(const Floors &floors, const char *unit)
{
    return QString::asprintf("%.1f %s (bare window), %.1f %s (tab strip and label)", floors.bare,
                             unit, floors.text, unit);
}

void Measurement::startUp(int starts, int scale)
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QList<double> program;
    QList<double> bare;
    QList<double> text;
    for (int i = 0; i < starts; ++i) {
        bare << firstPaintMilliseconds(m_session, toolPath("quorvel_barewindow"));
        text << firstPaintMilliseconds(m_session, toolPath("quorvel_textwindow"));
        program << firstPaintMilliseconds(m_session, m_program);
    }
    qunsetenv("QT_SCALE_FACTOR");
    const Floors floors{median(bare), median(text)};
    m_rows << Row{QStringLiteral("start to first painted window, scale %1").arg(scale),
                  floorsText(floors, "ms"), againstFloors(median(program), floors, "ms"),
                  QStringLiteral("at most 1.85 x bare, 1.3 x text")};
}

qint64 Measurement::startAndWait(XSession &session, const QString &program, qulonglong *window,
                                 const QStringList &environment)
{
    session.startProgram(program, environment);
    *window = session.waitForWindow(program == m_program ? QStringLiteral("Numeric Formats")
                                                         : QFileInfo(program).fileName());
    QThread::sleep(2);
    return session.programId();
}

void Measurement::idleMemory(int scale)
{
    const QStringList environment{QStringLiteral("QT_SCALE_FACTOR=%1").arg(scale)};
    qulonglong window = 0;
    const auto idleResident = [&](const QString &program) {
        return residentMebibytes(startAndWait(m_session, program, &window, environment));
    };
    const Floors floors{idleResident(toolPath("quorvel_barewindow")),
                        idleResident(toolPath("quorvel_textwindow"))};
    m_rows << Row{QStringLiteral("resident memory when idle, scale %1").arg(scale),
                  floorsText(floors, "MiB"), againstFloors(idleResident(m_program), floors, "MiB"),
                  QStringLiteral("at most 1.33 x bare, 1.3 x text")};
}

void Measurement::idleCpuPerPage(int seconds)
{
    qulonglong window = 0;
    const qint64 pid = startAndWait(m_session, m_program, &window);
    const char *pages[] = {"Odometer", "Calculate", "Table"};
    for (int page : {0, 1, 2}) {
        const QList<QRect> captions = findTabCaptions(m_session.screenshot(window));
        if (captions.size() == 3)
            m_session.click(window, captions[page].center());
        QThread::sleep(2); // the page settles: its first showing loads fonts and pictures
        m_rows << Row{QStringLiteral("CPU while idle on the %1 page for %2 s")
                          .arg(QLatin1String(pages[page]))
                          .arg(seconds),
                      QStringLiteral("—"),
                      QString::asprintf("%.2f %% of one core", cpuShareOver(pid, seconds)),
                      QStringLiteral("under 0.5 %")};
    }
}

void Measurement::countingCpu(int seconds)
{
    qulonglong window = 0;
    const qint64 pid = startAndWait(m_session, m_program, &window);
    // "2 bytes" in the top bar, then "^" on the Odometer page (panel at 1, 40).
    m_session.click(window, {377 + 20, 20 + 8});
    m_session.click(window, {1 + 30 + 12, 40 + 147 + 13});
    QThread::sleep(1);
    m_rows << Row{QStringLiteral("CPU while counting automatically on the two-byte layout"),
                  QStringLiteral("—"),
                  QString::asprintf("%.2f %% of one core", cpuShareOver(pid, seconds)),
                  QStringLiteral("under 3 %")};
}

// A row from a benchmark program: the median of one benchmark against its floor's.
void Measurement::benchmarkRow(const BenchmarkFigure &figure)
{
    const QHash<QString, double> medians = benchmarkMedians(
        toolPath(figure.program), figure.floorName + QLatin1Char('|') + figure.measuredName);
    const double floor = medians.value(figure.floorName);
    const double measured = medians.value(figure.measuredName);
    m_rows << Row{figure.figure, QString::asprintf("%.2f us (%s)", floor, figure.floorWhat),
                  QString::asprintf("%.2f us = %s", measured, qPrintable(ratio(measured, floor))),
                  figure.goal};
}

void Measurement::print() const
{
    std::printf("| figure | floor | measured | goal |\n|---|---|---|---|\n");
    for (const Row &row : m_rows)
        std::printf("| %s | %s | %s | %s |\n", qPrintable(row.figure), qPrintable(row.floor),
                    qPrintable(row.measured), qPrintable(row.goal));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: quorvel_measure PATH_TO_QUORVEL\n", stderr);
        return 2;
    }
    // A desktop session always has a session bus. Without one, the first use of D-Bus
    // (the accessibility bridge, input methods) starts one of its own, which costs 10 to
    // 40 ms that no desktop user pays; so the measurements run on a private bus, floors
    // and program alike.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        char runSession[] = "dbus-run-session";
        char separator[] = "--";
        char *const onBus[] = {runSession, separator, argv[0], argv[1], nullptr};
        execvp(runSession, onBus);
        std::fputs("quorvel_measure: no dbus-run-session; measuring without a session bus\n",
                   stderr);
    }
    QCoreApplication application(argc, argv);
    Measurement measurement(QString::fromLocal8Bit(argv[1]));
    QString failure;
    if (!measurement.prepare(&failure)) {
        std::fprintf(stderr, "quorvel_measure: %s\n", qPrintable(failure));
        return 1;
    }
    for (int scale : {1, 2}) {
        measurement.startUp(15, scale);
        measurement.idleMemory(scale);
    }
    measurement.idleCpuPerPage(10);
    measurement.countingCpu(10);
    measurement.benchmarkRow(
        {QStringLiteral("one 16-wheel odometer frame"), "../odometer/bench_odometer",
         QStringLiteral("BackImageCopyBench/16"), "plain copy of its picture's bytes",
         QStringLiteral("AnimationTickBench/16/manual_time"), QStringLiteral("at most 10 x")});
    measurement.benchmarkRow({QStringLiteral("rebuild and repaint of a full Table view, two bytes"),
                              "../table/bench_table", QStringLiteral("BM_SetTableWidth/1"),
                              "one byte", QStringLiteral("BM_SetTableWidth/2"),
                              QStringLiteral("at most 1.5 x")});
    measurement.print();
    return 0;
}
