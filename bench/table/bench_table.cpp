// SPDX-License-Identifier: GPL-3.0-or-later
// The Table page's costs: the text of one cell, a change of width with its repaint, and
// the memory a two-byte table takes beyond a one-byte one.
#include "pages/table/tablepage.h"
#include "toolkit/wholenumberedit.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

// The page in a window of the size the Table page opens at, with its own jump-to box.
struct TableOnScreen
{
    QWidget window;
    WholeNumberEdit *center = new WholeNumberEdit(&window);
    TablePage *page = new TablePage(center, &window);

    TableOnScreen()
    {
        window.resize(851, 311);
        page->setGeometry(0, 0, 851, 311);
        page->SetSuppressCenterChange(false);
        window.show();
        QApplication::processEvents();
    }
};

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

void BM_ResidentMemoryTwoBytesOverOneByte(benchmark::State &state)
{
    TableOnScreen table;
    table.page->SetTableWidth(1, 0);
    QApplication::processEvents();
    long oneByte = 0;
    long twoBytes = 0;
    for (auto _ : state) {
        oneByte = residentKiB();
        table.page->SetTableWidth(2, 0);
        QApplication::processEvents();
        twoBytes = residentKiB();
    }
    state.counters["one_byte_KiB"] = double(oneByte);
    state.counters["two_bytes_KiB"] = double(twoBytes);
    state.counters["extra_KiB"] = double(twoBytes - oneByte);
}
BENCHMARK(BM_ResidentMemoryTwoBytesOverOneByte)->Iterations(1);

// Args: column, width. Walks the whole table, one cell per iteration.
void BM_gridGetDisplText(benchmark::State &state)
{
    const int column = int(state.range(0));
    const auto width = quint8(state.range(1));
    TableOnScreen table;
    table.page->SetTableWidth(width, 0);
    const int lastRow = 1 << (8 * width);
    int row = 1;
    QString text;
    for (auto _ : state) {
        table.page->gridGetDisplText(column, row, text);
        benchmark::DoNotOptimize(text);
        row = row == lastRow ? 1 : row + 1;
    }
}
BENCHMARK(BM_gridGetDisplText)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 2}});

// Arg: the width switched to, timed with its repaint; the switch back is not timed.
void BM_SetTableWidth(benchmark::State &state)
{
    const auto width = quint8(state.range(0));
    TableOnScreen table;
    for (auto _ : state) {
        state.PauseTiming();
        table.page->SetTableWidth(3 - width, 0);
        state.ResumeTiming();
        table.page->SetTableWidth(width, 0);
    }
}
BENCHMARK(BM_SetTableWidth)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
