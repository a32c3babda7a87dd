// Editing on the response graphs and FIR coefficient files as a user feels
// them, in the main window on Qt's offscreen platform (no link is open, so
// the commands go nowhere):
//  - BandDrag: one mouse-drag step of a band on Out1's graph: the move event
//    (hit state, the band's values into the grid, the model and the command),
//    then the 1 ms curve timer: the section recomputed, the channel summed
//    and the visible graph redrawn, until the graph has painted its new
//    pixels. Beside it the bare recompute of that band's section
//    (section_ms) and the move event alone (move_ms).
//  - CoefficientImport: a file of 2048 coefficients imported into Out1 through
//    its file button: reading and parsing the text, the check and the tap
//    budget, the buffers, the 171 coefficient blocks and the drawn response of
//    2048 taps. Beside it a plain strtod loop over the same text (strtod_ms).

#include <benchmark/benchmark.h>

#include "EditorLink.h"

#include "TempDir.h"
#include "app/FMain.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "platform/gui/Application.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/SpeedButton.h"
#include "platform/gui/Timer.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

#include <chrono>
#include <cstdlib>
#include <string>

namespace qx::bench {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kPaintLimitSeconds = 2.0;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

LMyFFTDrawHpLp6dB* showOut1()
{
    fmMain->Show();
    fmMain->rzbMenuInAClick(findComponent<TComponent>(*fmMain, "rzbMenuOut1"));
    return findComponent<LMyFFTDrawHpLp6dB>(*fmMain, "fftDrawOut1");
}

void BM_BandDrag(benchmark::State& state)
{
    auto* graph = showOut1();
    auto* timer = findComponent<TTimer>(*fmMain, "tmMouseEqCurve");
    if (!graph || !timer) {
        state.SkipWithError("the main window lacks Out1's graph or the drag timer");
        return;
    }
    const TRect& area = graph->Page(LMyFFTDrawHpLp6dB::MainPage).Placement();
    const TPoint handle = graph->GetBlockPos(2);
    graph->OnMouseDown(graph, mbLeft, {}, area.Left + handle.X, area.Top + handle.Y);
    if (fmMain->DragHandle != 2) {
        state.SkipWithError("band 3's handle was not picked");
        return;
    }
    int paints = 0;
    const auto graphPaint = graph->OnPaint;
    graph->OnPaint = [&](TObject*) { ++paints; };
    Application->ProcessMessages();
    double sectionSeconds = 0.0;
    double moveSeconds = 0.0;
    int step = 0;
    for (auto _ : state) {
        // Back and forth over 40 pixels, up and down over 20: every move a new point.
        const int x = area.Left + handle.X + (step % 40);
        const int y = area.Top + handle.Y - 10 + (step % 20);
        ++step;
        const int paintsBefore = paints;
        const auto start = Clock::now();
        graph->OnMouseMove(graph, {}, x, y);
        moveSeconds += secondsSince(start);
        while ((timer->Enabled() || paints == paintsBefore) && secondsSince(start) < kPaintLimitSeconds)
            Application->ProcessMessages();
        if (paints == paintsBefore) {
            state.SkipWithError("the graph did not paint after a drag step");
            break;
        }
        state.SetIterationTime(secondsSince(start));
        const auto bare = Clock::now();
        PlotSection section;
        section.SetPeq(0.1 * (step % 20), 400.0 + step % 40, 1.7, 1);
        benchmark::DoNotOptimize(section.curve()[0]);
        sectionSeconds += secondsSince(bare);
    }
    graph->OnMouseUp(graph, mbLeft, {}, 0, 0);
    graph->OnPaint = graphPaint;
    state.counters["section_ms"] = 1000.0 * sectionSeconds / static_cast<double>(state.iterations());
    state.counters["move_ms"] = 1000.0 * moveSeconds / static_cast<double>(state.iterations());
}

BENCHMARK(BM_BandDrag)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_CoefficientImport(benchmark::State& state)
{
    auto* graph = showOut1();
    auto* button = findComponent<TSpeedButton>(*fmMain, "sbOpenFileOut1");
    if (!graph || !button) {
        state.SkipWithError("the main window lacks Out1's graph or file button");
        return;
    }
    test::TempDir dir;
    std::string text;
    for (int k = 0; k < 2048; ++k)
        text += std::to_string(0.000123 * ((k * 37) % 1000) - 0.06) + "\r\n";
    const auto path = dir / "coefficients.txt";
    test::writeBytes(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    ScriptedDialogService dialogs;
    double strtodSeconds = 0.0;
    for (auto _ : state) {
        dialogs.fileAnswers.push_back(FileDialogResult{{path.string()}, 1});
        const auto start = Clock::now();
        button->OnClick(button);
        benchmark::DoNotOptimize(fmMain->Plots[4]->curve(Plot::kSumSection)[0]);
        state.SetIterationTime(secondsSince(start));
        const auto bare = Clock::now();
        double sum = 0.0;
        for (const char* p = text.c_str(); *p;) {
            char* end = nullptr;
            sum += std::strtod(p, &end);
            p = *end ? end + 1 : end;
        }
        benchmark::DoNotOptimize(sum);
        strtodSeconds += secondsSince(bare);
    }
    if (fmMain->FirTaps[4] != 2048)
        state.SkipWithError("the file was not taken");
    state.counters["strtod_ms"] = 1000.0 * strtodSeconds / static_cast<double>(state.iterations());
}

BENCHMARK(BM_CoefficientImport)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qx::bench
