// One PEQ band edit as the user feels it on a channel graph of a shown
// window (offscreen): the band's section recomputed (4096 points), the
// channel's sections summed and the total drawn as a series, the band's
// handle and selected curve placed, the curve page copied to the control,
// until the control has painted its new pixels. Reported beside it: the time
// of the curve work alone in the same run, its total read so that it is
// computed (curve_ms), so the difference is the drawing and painting.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "BenchMain.h"
#include "platform/gui/Application.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/Form.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

namespace {

constexpr int kBands = 14;
constexpr int kEditedBand = 6;

// A form with a channel graph (1070 x 255, the main window's settings) fed by a plot with 14 bands.
struct ChannelGraph
{
    ChannelGraph() : form(std::make_unique<TForm>(nullptr))
    {
        form->SetClientWidth(1070);
        form->SetClientHeight(255);
        graph = new LMyFFTDrawHpLp6dB(form.get());
        graph->SetParent(form.get());
        graph->SetBounds(0, 0, 1070, 255);
        graph->SetXAutoScale(false);
        graph->SetYAutoScale(false);
        graph->SetXMax(4096);
        graph->SetXMin(966);
        graph->SetYMax(18);
        graph->SetYMin(-18);
        graph->ResizePaintPage();
        plot = std::make_unique<Plot>(graph);
        for (int b = 0; b < kBands; ++b) {
            plot->section(b).SetPeq(3.0, 40.0 * (b + 1) * (b + 1), 0.5 + 0.3 * b, 1 + b % 3);
            plot->ShowSectionHandle(b, 3.0F, 1);
        }
        graph->SetParameterDisplay(true);
        plot->DrawSum(0);
        graph->OnPaint = [this](TObject*) { ++paints; };
        form->Show();
        Application->ProcessMessages();
    }

    // The edit, until the control has painted; false when no paint came.
    bool edit(double gain)
    {
        const int before = paints;
        plot->section(kEditedBand).SetPeq(gain, 1000.0, 1.4, 1);
        plot->DrawSum(0);
        plot->ShowSectionHandle(kEditedBand, static_cast<float>(gain), 1);
        plot->ShowSectionCurve(0, kEditedBand, static_cast<float>(gain), 1.4F, true);
        graph->UpdateCurvePage();
        for (int pass = 0; pass < kPaintPasses && paints == before; ++pass) {
            Application->ProcessMessages();
        }
        return paints != before;
    }

    static constexpr int kPaintPasses = 1000;

    std::unique_ptr<TForm> form;
    LMyFFTDrawHpLp6dB* graph = nullptr;
    std::unique_ptr<Plot> plot;
    int paints = 0;
};

// The same edit on a plot without a graph: the curve work alone.
double curveOnlyMs()
{
    Plot plot;
    for (int b = 0; b < kBands; ++b) {
        plot.section(b).SetPeq(3.0, 40.0 * (b + 1) * (b + 1), 0.5 + 0.3 * b, 1 + b % 3);
    }
    constexpr int kPasses = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kPasses; ++i) {
        plot.section(kEditedBand).SetPeq(i % 2 == 0 ? -7.5 : -7.4, 1000.0, 1.4, 1);
        plot.DrawSum(0);
        benchmark::DoNotOptimize(plot.curve(Plot::kSumSection)[0]);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
           kPasses;
}

void BM_BandEditToPixels(benchmark::State& state)
{
    ChannelGraph channel;
    const double curveMs = curveOnlyMs();
    double gain = -7.5;
    for (auto _ : state) {
        if (!channel.edit(gain)) {
            state.SkipWithError("the graph did not paint after the edit");
            break;
        }
        gain = gain == -7.5 ? -7.4 : -7.5; // every pass computes anew
    }
    state.counters["curve_ms"] = curveMs;
}

BENCHMARK(BM_BandEditToPixels)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return qx::bench::runApplicationBenchmarks(argc, argv, qx::registerCoreClasses);
}
