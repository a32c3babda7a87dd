// The plot library's values at the sizes a plot meets them:
//   StoreAdd/<kind>   1,000,000 points added to a fresh point store of each kind (standard,
//                     full, compact, compact interval), growing as a channel's store grows;
//                     beside it (plain_ms, ratio) the same records appended to a plain
//                     std::vector of the same record type in the same run.
//   TickList/<scale>  one axis' tick list as every paint computes it: the increment choice,
//                     the major and minor positions, their pixels and the label text of every
//                     major (linear -100..20 as the program's X axis, three days of dates,
//                     1..1e6 logarithmic); beside it (plain_ms, ratio) a direct loop over a
//                     plain array that places the same number of ticks at the same increment,
//                     maps them to pixels and prints the same labels.
//   AxisCalcTicks     the axis object's whole tick calculation on a canvas (label widths
//                     measured with the label font, then the tick list), the part of a paint
//                     spent on one axis before anything is drawn.

#include "BenchMain.h"

#include "controls/plot/base/iPlotTicks.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotDataCompactIntervalList.h"
#include "controls/plot/objects/iPlotDataCompactList.h"
#include "controls/plot/objects/iPlotDataFullList.h"
#include "controls/plot/objects/iPlotDataNullList.h"
#include "platform/gui/Application.h"
#include "platform/gui/Component.h"
#include "platform/gui/canvas/Bitmap.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kPoints = 1000000;

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

/// Both sums cover the same iterations: the plain loop runs once beside every timed one.
void reportPlain(benchmark::State& state, double plainMs, double elapsedMs)
{
    if (state.iterations() == 0)
        return;
    const auto n = static_cast<double>(state.iterations());
    // The benchmark's own time includes pausing for the plain loop; these two do not.
    state.counters["own_ms"] = elapsedMs / n;
    state.counters["plain_ms"] = plainMs / n;
    state.counters["ratio"] = elapsedMs / plainMs;
}

/// Adds the points to a fresh store; the plain loop appends the same records to a vector.
template <class Store, class Record>
void storeAdd(benchmark::State& state, const std::function<Record(double, double)>& record)
{
    double elapsedMs = 0;
    double plainMs = 0;
    for (auto _ : state) {
        elapsedMs += millisecondsOf([&] {
            Store store;
            for (int i = 0; i < kPoints; ++i)
                store.Add(i, i * 0.5, false, false);
            benchmark::DoNotOptimize(store.Count());
        });
        state.PauseTiming();
        plainMs += millisecondsOf([&] {
            std::vector<Record> plain;
            for (int i = 0; i < kPoints; ++i)
                plain.push_back(record(i, i * 0.5));
            benchmark::DoNotOptimize(plain.data());
        });
        state.ResumeTiming();
    }
    reportPlain(state, plainMs, elapsedMs);
}

void BM_StoreAdd_Standard(benchmark::State& state)
{
    storeAdd<TiPlotDataNullList, TiPlotDataNull>(state, [](double x, double y) { return TiPlotDataNull{x, y, 0}; });
}

void BM_StoreAdd_Full(benchmark::State& state)
{
    const TiPlotPointAttributes attributes = TiPlotDataFullList().StoredAttributes();
    storeAdd<TiPlotDataFullList, TiPlotDataFull>(
        state, [&](double x, double y) { return TiPlotDataFull{x, y, false, false, 0, 0, 0, 0, attributes}; });
}

void BM_StoreAdd_Compact(benchmark::State& state)
{
    storeAdd<TiPlotDataCompactList, TiPlotDataSingle>(
        state, [](double x, double y) { return TiPlotDataSingle{static_cast<float>(x), static_cast<float>(y)}; });
}

void BM_StoreAdd_CompactInterval(benchmark::State& state)
{
    storeAdd<TiPlotDataCompactIntervalList, TiPlotDataCompactInterval>(
        state, [](double, double y) { return TiPlotDataCompactInterval{static_cast<float>(y)}; });
}

BENCHMARK(BM_StoreAdd_Standard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreAdd_Full)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreAdd_Compact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreAdd_CompactInterval)->Unit(benchmark::kMillisecond);

struct AxisCase
{
    double min, span;
    TiPlotScaleType type;
    TiPlotTextFormat style;
    int intervals;
    double desiredStart, desiredIncrement;
    int minorCount;
};

const AxisCase kAxisCases[] = {
    {-100, 120, ipstLinear, iptfValue, 10, 20, 20, 4},  // the program's X axis
    {45351, 3, ipstLinear, iptfDateTime, 10, 0, 0, 1},   // three days
    {1, 999999, ipstLog10, iptfValue, 10, 0, 0, 1},      // six decades
};

void BM_TickList(benchmark::State& state)
{
    const AxisCase& c = kAxisCases[state.range(0)];
    TiPlotAxisScale scale;
    scale.Min = c.min;
    scale.Span = c.span;
    scale.ScaleType = c.type;
    scale.SetScaleRect({60, 210, 660, 250});
    TiPlotTickSettings settings;
    settings.MaxIntervals = c.intervals;
    settings.DesiredStart = c.desiredStart;
    settings.DesiredIncrement = c.desiredIncrement;
    settings.MinorCount = c.minorCount;
    settings.FormatStyle = c.style;
    TiPlotTextFormatSettings format;
    format.Style = c.style;
    format.Precision = 2;
    const TiPlotTextScale textScale{c.span, c.type, 2, ipsSignificantDigits};
    const TiPlotLabelText label = [&](double v) {
        bool final = false;
        return FormatPlotValue(format, textScale, v, final);
    };
    TiPlotTickList list;
    CalcTickList(scale, settings, label, list);
    // The same ticks placed by a direct loop: positions, pixels and the labels of majors.
    const std::size_t count = list.Ticks.size();
    const double first = list.Ticks.front().Position;
    const double step = count > 1 ? (list.Ticks.back().Position - first) / static_cast<double>(count - 1) : 0;
    const int every = c.minorCount + 1;
    const auto plainLoop = [&] {
        std::vector<double> positions(count);
        std::vector<int> pixels(count);
        std::vector<std::array<char, 32>> texts(count);
        for (std::size_t i = 0; i < count; ++i) {
            const double v = c.type == ipstLog10 ? std::pow(10.0, static_cast<double>(i)) : first + step * static_cast<double>(i);
            positions[i] = v;
            pixels[i] = static_cast<int>(std::nearbyint(scale.ActualStart - (v - scale.Min) * scale.PixelsPerSpanUnit));
            if (i % static_cast<std::size_t>(every) == 0)
                std::snprintf(texts[i].data(), texts[i].size(), "%.0f", v);
        }
        benchmark::DoNotOptimize(texts.data());
        benchmark::DoNotOptimize(pixels.data());
    };
    double elapsedMs = 0;
    double plainMs = 0;
    for (auto _ : state) {
        elapsedMs += millisecondsOf([&] {
            CalcTickList(scale, settings, label, list);
            benchmark::DoNotOptimize(list.Ticks.data());
        });
        state.PauseTiming();
        plainMs += millisecondsOf(plainLoop);
        state.ResumeTiming();
    }
    state.counters["ticks"] = static_cast<double>(count);
    reportPlain(state, plainMs, elapsedMs);
}

BENCHMARK(BM_TickList)->Arg(0)->Arg(1)->Arg(2)->ArgName("scale")->Unit(benchmark::kMicrosecond);

void BM_AxisCalcTicks(benchmark::State& state)
{
    TComponent owner(nullptr);
    const TNotifyEvent none = [](TObject*) {};
    TiPlotXAxis axis(&owner, none, none, none, none);
    axis.SetHorizontal(true);
    axis.SetDrawRect({60, 210, 660, 250});
    axis.SetMinSpan(-100, 120);
    axis.SetDesiredStart(20);
    axis.SetDesiredIncrement(20);
    axis.SetMinorCount(4);
    axis.SetLabelsPrecision(2);
    TBitmap bitmap(700, 260);
    for (auto _ : state) {
        axis.CalcTicks(bitmap.Canvas());
        benchmark::DoNotOptimize(axis.TickListCount());
    }
    state.counters["ticks"] = axis.TickListCount();
}

BENCHMARK(BM_AxisCalcTicks)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return qx::bench::runApplicationBenchmarks(argc, argv, qx::registerPlotAxisClasses);
}
