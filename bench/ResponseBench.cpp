// Curve work that runs on every fader step, mouse drag and state load:
//   BandEdit      one PEQ band changed: that section's 4096 points, then the
//                 channel's sections summed again;
//   FirResponse   the response of a 2048-tap coefficient list; also beside
//                 a direct sum that turns a phasor from tap to tap
//                 (phasor_ms, speedup_phasor), checked against the same
//                 reference;
//   RecordRebuild all 14 plots set from a busy unit state.
// Each reports beside its time the time of the plain direct evaluation of the
// same formulas, measured in the same run (reference_ms, speedup), and the
// largest difference from it (max_db / max_deg). A difference above 0.01 dB
// or 0.1 degree fails the run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "DirectResponse.h"
#include "RecordRebuild.h"
#include "response/Plot.h"

namespace {

using qx::PlotView;

constexpr double kDbTolerance = 0.01;
constexpr double kPhaseUnitTolerance = 0.01; // 0.1 degree
constexpr int kInputChannel = 0;
constexpr int kBandCount = 14;

bool failed = false;

PlotView viewOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? PlotView::Magnitude : PlotView::Phase;
}

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Reports the reference time and the largest difference once the loop ran.
void report(benchmark::State& state, double referenceMs, double maxDifference)
{
    const PlotView view = viewOf(state);
    state.counters["reference_ms"] = referenceMs;
    state.counters[view == PlotView::Magnitude ? "max_db" : "max_deg"] =
        view == PlotView::Magnitude ? maxDifference : maxDifference * 10.0;
    const double tolerance = view == PlotView::Magnitude ? kDbTolerance : kPhaseUnitTolerance;
    if (!(maxDifference <= tolerance)) {
        failed = true;
        state.SkipWithError("result differs from the direct evaluation beyond the tolerance");
    }
}

void setSpeedup(benchmark::State& state, double referenceMs, double elapsedMs)
{
    if (state.iterations() > 0) {
        state.counters["speedup"] = referenceMs / (elapsedMs / static_cast<double>(state.iterations()));
    }
}

qx::BiquadSettings bandSettings(int band, double gain)
{
    return {1 + band % 3, 40.0 * (band + 1) * (band + 1), gain, 0.5 + 0.3 * band, 0.0F, 0.0F};
}

void BM_BandEdit(benchmark::State& state)
{
    const PlotView view = viewOf(state);
    auto plot = std::make_unique<Plot>();
    plot->SetPhaseMode(view == PlotView::Phase ? 1 : 0);
    qx::bench::DirectPlots direct(view);
    for (int b = 0; b < kBandCount; ++b) {
        const qx::BiquadSettings s = bandSettings(b, 3.0);
        plot->section(b).SetPeq(s.gain, s.frequency, s.q, s.filterCode);
        qx::bench::directBiquadCurve(s, view, direct.at(0, b));
    }
    for (int n = 0; n < Plot::kSumSection; ++n) {
        plot->section(n).setView(view);
    }
    const int band = 6;
    const qx::BiquadSettings edited = bandSettings(band, -7.5);
    const double referenceMs = millisecondsOf([&] {
        qx::bench::directBiquadCurve(edited, view, direct.at(0, band));
        qx::bench::directSum(std::span<const qx::Curve>(&direct.at(0, 0), Plot::kSumSection), view,
                             direct.at(0, Plot::kSumSection));
    });
    double gain = -7.5;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        plot->section(band).SetPeq(gain, edited.frequency, edited.q, edited.filterCode);
        plot->DrawSum(kInputChannel);
        benchmark::DoNotOptimize(plot->curve(Plot::kSumSection).data());
        gain = gain == -7.5 ? -7.4 : -7.5; // every pass computes anew
    }
    setSpeedup(state, referenceMs,
               std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    plot->section(band).SetPeq(edited.gain, edited.frequency, edited.q, edited.filterCode);
    plot->DrawSum(kInputChannel);
    report(state, referenceMs,
           qx::bench::maxDifference(plot->curve(Plot::kSumSection), direct.at(0, Plot::kSumSection), view));
}

void BM_FirResponse(benchmark::State& state)
{
    const PlotView view = viewOf(state);
    const qx::FirBuffers buffers = qx::bench::busyFirBuffers();
    const std::span<const float> coefficients(buffers[0]);
    const std::vector<double> taps(coefficients.begin(), coefficients.end());
    qx::Curve expected{};
    const double referenceMs = millisecondsOf([&] { qx::bench::directFirCurve(taps, view, expected); });
    qx::Curve rotated{};
    const double phasorMs = millisecondsOf([&] { qx::bench::directFirCurvePhasor(taps, view, rotated); });
    // A second list, one tap apart, so that every pass computes anew.
    std::vector<float> other(coefficients.begin(), coefficients.end());
    other[0] += 1e-3F;
    PlotSection section;
    section.setView(view);
    bool first = true;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        section.SetFirCoefficients(first ? coefficients : std::span<const float>(other));
        benchmark::DoNotOptimize(section.curve().data());
        first = !first;
    }
    section.SetFirCoefficients(coefficients);
    const double elapsedMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    setSpeedup(state, referenceMs, elapsedMs);
    if (state.iterations() > 0) {
        state.counters["phasor_ms"] = phasorMs;
        state.counters["speedup_phasor"] = phasorMs / (elapsedMs / static_cast<double>(state.iterations()));
    }
    report(state, referenceMs,
           std::max(qx::bench::maxDifference(section.curve(), expected, view),
                    qx::bench::maxDifference(rotated, expected, view)));
}

void BM_RecordRebuild(benchmark::State& state)
{
    const PlotView view = viewOf(state);
    const qx::UnitRecord record = qx::bench::busyRecord();
    const qx::FirBuffers buffers = qx::bench::busyFirBuffers();
    const std::vector<qx::bench::RebuildStep> steps = qx::bench::rebuildSteps(record, buffers);
    auto direct = std::make_unique<qx::bench::DirectPlots>(view);
    const double referenceMs = millisecondsOf([&] { qx::bench::runDirect(steps, *direct); });
    // New plots for every pass: sections keep what they computed, and a
    // rebuild into the same plots from the same record would compute nothing.
    const auto rebuild = [&] {
        auto plots = std::make_unique<qx::bench::PlotArray>();
        for (Plot& p : *plots) {
            p.SetPhaseMode(view == PlotView::Phase ? 1 : 0);
        }
        qx::bench::runOnPlots(steps, *plots);
        for (const Plot& p : *plots) { // every total read, as the graphs would
            benchmark::DoNotOptimize(p.curve(Plot::kSumSection).data());
        }
        return plots;
    };
    std::unique_ptr<qx::bench::PlotArray> plots;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        plots = rebuild();
    }
    if (!plots) {
        plots = rebuild();
    }
    setSpeedup(state, referenceMs,
               std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    double worst = 0.0;
    for (int c = 0; c < qx::kChannelCount; ++c) {
        const auto& p = (*plots)[static_cast<std::size_t>(c)];
        worst = std::max(worst, qx::bench::maxDifference(p.curve(Plot::kSumSection),
                                                         direct->at(c, Plot::kSumSection), view));
        const int overview = c < qx::kInputCount ? qx::bench::kInputOverview : qx::bench::kOutputOverview;
        worst =
            std::max(worst, qx::bench::maxDifference((*plots)[static_cast<std::size_t>(overview)].curve(c),
                                                     direct->at(overview, c), view));
    }
    report(state, referenceMs, worst);
}

BENCHMARK(BM_BandEdit)->ArgName("phase")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirResponse)->ArgName("phase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordRebuild)->ArgName("phase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (failed) {
        std::fprintf(stderr,
                     "a benchmark's result differs from the direct evaluation beyond the tolerance\n");
    }
    return failed ? 1 : 0;
}
