// What a user feels of the link, over TCP on loopback with no added latency:
//  - StateLoad: against the simulator program in processes of its own, one
//    per busy state, loaded in turn so that no pass finds the curves of the
//    pass before: from opening the socket to the unit shown in the shown main
//    window and painted (device information, model, lock status, preset
//    flags and names, the coefficient readback and the parameter pieces),
//    through the editor's own road: client socket, TCP link and its worker,
//    the hand-over of each reply to the GUI thread, the reply dispatcher and
//    the state load. In the same run a bare client sends the same requests to
//    the same simulator and waits for each reply: the protocol floor
//    (floor_ms, ratio = editor/floor). show_ms is the part of editor_ms spent
//    filling the window's controls, paint_ms the painting after it;
//    ratio_without_show compares the rest with the floor. Each counter is
//    given per state (_0 the sample preset file, _1 the benchmarks' busy
//    state with long FIRs, whose readback makes ten times the exchanges).
//    The first load in a fresh process is qx_first_load_bench's.
//  - GainEdit: the gain fader moved and the gain sent through the send router,
//    until the frame has arrived at the far end of the socket.
//  - BandEdit: a gain typed into Out1's band value box and Enter, through the
//    band fader, the 1 ms curve timer, the band grid, the band's section, the
//    sum and the redraw of the visible graph, to the frame at the far end of
//    the socket (the time shown). pixels_ms: from the Enter to the visible
//    graph's paint; timer_wait_ms the part of it the curve timer waited;
//    pixels_work_ms the rest, the editor's own work. Beside it the bare
//    recompute of that band's section (section_ms).

#include <benchmark/benchmark.h>

#include "BenchMain.h"
#include "EditorLink.h"
#include "LinkedEq.h"
#include "ProtocolFloor.h"
#include "SimProcess.h"
#include "TapPeer.h"

#include "app/FMain.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"
#include "platform/gui/Application.h"
#include "platform/gui/Component.h"

#include <array>
#include <chrono>
#include <string>

namespace qx::bench {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_StateLoad(benchmark::State& state)
{
    const BusyStates states;
    const SimProcess simulators[2]{SimProcess(states.File(0)), SimProcess(states.File(1))};
    EditorLink link(*fmMain, simulators[0].Port());
    showMainWindow();
    std::array<LoadRun, 2> totals{};
    std::array<int, 2> runs{};
    int turn = 0;
    for (auto _ : state) {
        const int s = turn++ % 2;
        const LoadRun run = loadAndFloor(link, simulators[s].Port());
        if (!run.error.empty()) {
            state.SkipWithError(run.error.c_str());
            break;
        }
        state.SetIterationTime(run.editorSeconds);
        LoadRun& total = totals[static_cast<std::size_t>(s)];
        total.editorSeconds += run.editorSeconds;
        total.showSeconds += run.showSeconds;
        total.paintSeconds += run.paintSeconds;
        total.floorSeconds += run.floorSeconds;
        total.exchanges = run.exchanges;
        ++runs[static_cast<std::size_t>(s)];
    }
    // Each state on its own: their floors differ tenfold (the second reads
    // back long FIRs).
    for (std::size_t s = 0; s < 2; ++s) {
        const LoadRun& total = totals[s];
        const double n = runs[s];
        if (n == 0 || total.floorSeconds <= 0)
            continue;
        const std::string tag = std::string(1, '_').append(std::to_string(s));
        state.counters["exchanges" + tag] = static_cast<double>(total.exchanges);
        state.counters["editor_ms" + tag] = total.editorSeconds * 1e3 / n;
        state.counters["floor_ms" + tag] = total.floorSeconds * 1e3 / n;
        state.counters["show_ms" + tag] = total.showSeconds * 1e3 / n;
        state.counters["paint_ms" + tag] = total.paintSeconds * 1e3 / n;
        state.counters["ratio_without_show" + tag] =
            (total.editorSeconds - total.showSeconds - total.paintSeconds) / total.floorSeconds;
        state.counters["ratio" + tag] = total.editorSeconds / total.floorSeconds;
    }
}

BENCHMARK(BM_StateLoad)->UseManualTime()->Unit(benchmark::kMillisecond);

// Connects and loads the state; the load ends with a keep-alive, whose
// answer frees the link.
void connectIdle(EditorLink& link)
{
    link.Connect();
    runUntil([&] { return link.StateLoaded(); });
    const int loadReplies = link.RepliesHandled();
    runUntil([&] { return link.RepliesHandled() > loadReplies; });
}

// The gain fader of input A, moved between two positions; no change handler
// is bound to it yet, so the edit goes on as that handler will send it: the
// unit model's gain setter through the send router.
void BM_GainEdit(benchmark::State& state)
{
    TapPeer peer;
    EditorLink link(*fmMain, peer.Port());
    connectIdle(link);
    auto* fader = findComponent<TAdvTrackBar>(*fmMain, "isGainInA");
    if (!fader) {
        state.SkipWithError("the main window has no gain fader isGainInA");
        return;
    }
    int position = -20;
    for (auto _ : state) {
        // Each edit starts with the link idle: the previous answer handled.
        const int replies = link.RepliesHandled();
        const int frames = peer.Frames();
        const auto start = Clock::now();
        fader->SetPosition(position);
        link.Unit().SetGain(0, static_cast<std::uint16_t>(position - fader->Min()));
        while (peer.Frames() == frames)
            Application->ProcessMessages(); // the GUI loop stays free, as in the program
        state.SetIterationTime(std::chrono::duration<double>(peer.LastArrival() - start).count());
        runUntil([&] { return link.RepliesHandled() > replies; });
        position = position == -20 ? -21 : -20;
    }
    link.Disconnect();
}

BENCHMARK(BM_GainEdit)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_BandEdit(benchmark::State& state)
{
    TapPeer peer;
    EditorLink link(*fmMain, peer.Port());
    connectIdle(link);
    auto* box = findComponent<TCurvyEdit>(*fmMain, "cvdEqGainOut1");
    auto* fader = findComponent<TAdvTrackBar>(*fmMain, "isEqGainOut1");
    auto* grid = findComponent<TMyPEQType8>(*fmMain, "peqPeqOut1");
    auto* button = findComponent<TRzBmpButton>(*fmMain, "rzbEq1Out1");
    auto* graph = findComponent<LMyFFTDrawHpLp6dB>(*fmMain, "fftDrawOut1");
    if (!box || !fader || !grid || !button || !graph) {
        state.SkipWithError("the main window lacks Out1's band controls");
        return;
    }
    showMainWindow();
    fmMain->rzbMenuInAClick(findComponent<TComponent>(*fmMain, "rzbMenuOut1"));
    Application->ProcessMessages();
    // The window's band handlers, bound to an editor that sends through the link.
    LinkedPeqEditing editing(*fmMain, link);
    PeqEditor& editor = editing.Editor();
    const auto graphPaint = graph->OnPaint;
    Clock::time_point fired;
    Clock::time_point painted;
    int paints = 0;
    editing.OnCurveTimer = [&] { fired = Clock::now(); };
    graph->OnPaint = [&](TObject*) {
        painted = Clock::now();
        ++paints;
    };
    editor.BandButtonClick(button);
    Application->ProcessMessages();
    double sectionSeconds = 0.0;
    double pixelSeconds = 0.0;
    double waitSeconds = 0.0;
    bool up = true;
    for (auto _ : state) {
        const int replies = link.RepliesHandled();
        const int frames = peer.Frames();
        const int paintsBefore = paints;
        box->SetText(up ? "+3.0" : "+2.9");
        const auto start = Clock::now();
        editor.CommitBox(box, BandFader::Gain);
        const auto armed = Clock::now();
        while (peer.Frames() == frames || paints == paintsBefore)
            Application->ProcessMessages();
        state.SetIterationTime(std::chrono::duration<double>(peer.LastArrival() - start).count());
        pixelSeconds += std::chrono::duration<double>(painted - start).count();
        waitSeconds += std::chrono::duration<double>(fired - armed).count();
        const auto bare = Clock::now();
        PlotSection section;
        section.SetPeq(up ? 3.0 : 2.9, grid->GetFreqValue(0), grid->GetQValue(0), 1);
        benchmark::DoNotOptimize(section.curve()[0]);
        sectionSeconds += secondsSince(bare);
        runUntil([&] { return link.RepliesHandled() > replies; });
        up = !up;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["section_ms"] = 1000.0 * sectionSeconds / runs;
    state.counters["pixels_ms"] = 1000.0 * pixelSeconds / runs;
    state.counters["timer_wait_ms"] = 1000.0 * waitSeconds / runs;
    state.counters["pixels_work_ms"] = 1000.0 * (pixelSeconds - waitSeconds) / runs;
    graph->OnPaint = graphPaint;
    link.Disconnect();
}

BENCHMARK(BM_BandEdit)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qx::bench

int main(int argc, char** argv)
{
    return qx::bench::runApplicationBenchmarks(argc, argv, [] { qx::bench::quietMainWindow(); });
}
