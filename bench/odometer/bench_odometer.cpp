// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one frame of an odometer roll, against a plain copy of its picture's bytes.
//   cmake --preset release && cmake --build --preset release --target run_benchmarks
#include "odometer/digitcell.h"
#include "odometer/odometer.h"

#include <QApplication>
#include <QImage>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace {

constexpr int WheelWidth = 15;
constexpr int WheelHeight = 20;
constexpr int FramesPerRoll = 21;

void ComposeDigitCellBench(benchmark::State &state)
{
    const QImage strip = QImage(QStringLiteral(":/DIGITS")).convertToFormat(QImage::Format_RGB32);
    QImage cell(WheelWidth, WheelHeight, QImage::Format_RGB32);
    int frame = 0;
    for (auto _ : state) {
        ComposeDigitCell('9', '0', cell, strip, frame * 255 / WheelHeight, 10, 99999999, true,
                         btDecimal, false);
        benchmark::DoNotOptimize(cell.constBits());
        frame = (frame + 1) % FramesPerRoll;
    }
}

// A binary odometer wrapping at its limit and back, so that every wheel rolls in every frame.
// It is never shown, so the tick's repaint() puts nothing on a screen.
void AnimationTickBench(benchmark::State &state)
{
    TOdometer od;
    od.SetAnimationType(atAsynchronous);
    od.SetBaseType(btBinary);
    od.SetDigitCount(static_cast<quint8>(state.range(0)));
    od.SetValue(od.Limit());
    QTimer timer;
    int frame = 0;
    bool up = true;
    for (auto _ : state) {
        if (frame == 0) {
            up ? od.Increment() : od.Decrement();
            up = !up;
        }
        const auto start = std::chrono::steady_clock::now();
        od.AnimationTick(&timer);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        frame = (frame + 1) % FramesPerRoll;
    }
    state.SetBytesProcessed(state.iterations() * od.picture().sizeInBytes());
}

// The floor: one copy of as many bytes as the picture of that many wheels holds.
void BackImageCopyBench(benchmark::State &state)
{
    const QImage picture(WheelWidth * int(state.range(0)), WheelHeight, QImage::Format_RGB32);
    const std::vector<uchar> source(picture.sizeInBytes(), 0x5A);
    std::vector<uchar> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * qsizetype(source.size()));
}

} // namespace

BENCHMARK(ComposeDigitCellBench);
BENCHMARK(AnimationTickBench)->Arg(8)->Arg(16)->Arg(32)->UseManualTime();
BENCHMARK(BackImageCopyBench)->Arg(8)->Arg(16)->Arg(32);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
