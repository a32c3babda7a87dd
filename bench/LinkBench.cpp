// What a user feels of the link, over TCP on loopback with no added latency:
//  - StateLoad: from opening the socket to the unit shown in the main window
//    (device information, model, lock status, preset flags and names, the
//    coefficient readback and the parameter pieces), through the editor's
//    own road: client socket, TCP link and its worker, the hand-over of each
//    reply to the GUI thread, the reply dispatcher and the state load. In the
//    same run a bare client sends the same requests to the same simulator and
//    waits for each reply: the protocol floor (floor_ms, ratio = editor/floor).
//    show_ms is the part of editor_ms spent filling the window's controls;
//    ratio_without_show compares the rest with the floor.
//  - GainEdit: the gain fader moved and the gain sent through the send router,
//    until the frame has arrived at the far end of the socket.
//  - BandEdit: a gain typed into Out1's band value box and Enter, through the
//    band fader, the 1 ms curve timer, the band grid, the band's section, the
//    sum and the redraw of the visible graph, to the frame at the far end of
//    the socket. Beside it the bare recompute of that band's section
//    (section_ms).

#include <benchmark/benchmark.h>

#include "EditorLink.h"
#include "ProtocolFloor.h"
#include "TapPeer.h"

#include "DeviceCore.h"
#include "Responder.h"
#include "SimServer.h"
#include "app/FMain.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/eq/EqEditorHost.h"
#include "editors/eq/PeqEditor.h"
#include "platform/gui/Timer.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"
#include "model/ExchangeCodes.h"
#include "platform/gui/Application.h"
#include "platform/gui/Component.h"

#include <chrono>
#include <thread>

namespace qx::bench {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The simulator's TCP server on an ephemeral loopback port, in its own thread.
class Simulator
{
public:
    Simulator() : port_(server_.ListenTcp(0)), thread_([this] { server_.Run(); }) {}
    ~Simulator()
    {
        server_.Stop();
        thread_.join();
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    std::uint16_t Port() const { return port_; }

private:
    sim::DeviceCore core_;
    sim::Responder responder_{core_};
    sim::SimServer server_{responder_};
    std::uint16_t port_;
    std::thread thread_;
};

// The requests of one state load that are answered: the device information
// request the connection sends on opening the link, then what the exchanges
// sent but the closing keep-alive.
std::vector<std::vector<std::uint8_t>> answeredRequests(const EditorLink& link)
{
    std::vector<std::vector<std::uint8_t>> requests{EncodeFrame(CM_MCS_CMD(link.GetDeviceId(), request::kDeviceInfo), 1)};
    requests.insert(requests.end(), link.Requests().begin(), link.Requests().end());
    const auto keepAlive = EncodeFrame(CM_MCS_CMD(link.GetDeviceId(), request::kKeepAlive), 1);
    if (!requests.empty() && requests.back() == keepAlive)
        requests.pop_back();
    return requests;
}

void BM_StateLoad(benchmark::State& state)
{
    Simulator simulator;
    EditorLink link(*fmMain, simulator.Port());
    double floorSeconds = 0;
    double editorSeconds = 0;
    std::size_t exchanges = 0;
    for (auto _ : state) {
        link.ForgetRequests();
        const std::size_t bytesBefore = link.ReplyBytes();
        const auto start = Clock::now();
        link.Connect();
        runUntil([&] { return link.StateLoaded(); });
        const double editor = secondsSince(start);
        state.SetIterationTime(editor);
        editorSeconds += editor;
        link.Disconnect();

        const auto requests = answeredRequests(link);
        exchanges = requests.size();
        const FloorRun floor = runProtocolFloor(simulator.Port(), requests);
        if (!floor.complete) {
            state.SkipWithError("the protocol floor run did not complete");
            break;
        }
        if (floor.replyBytes != link.ReplyBytes() - bytesBefore) {
            state.SkipWithError("the floor run got other replies than the editor");
            break;
        }
        floorSeconds += floor.seconds;
    }
    const double runs = static_cast<double>(state.iterations());
    if (runs > 0 && floorSeconds > 0) {
        state.counters["exchanges"] = static_cast<double>(exchanges);
        state.counters["editor_ms"] = editorSeconds * 1e3 / runs;
        state.counters["floor_ms"] = floorSeconds * 1e3 / runs;
        state.counters["show_ms"] = link.ShowSeconds() * 1e3 / runs;
        state.counters["ratio_without_show"] = (editorSeconds - link.ShowSeconds()) / floorSeconds;
        state.counters["ratio"] = editorSeconds / floorSeconds;
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

// The main window's controls and plots with the bench's TCP link: the band
// editor's model and commands go through the link to the tap.
class LinkedEqHost : public EqEditorHost
{
public:
    LinkedEqHost(TfmMain& window, EditorLink& link) : window_(window), link_(link) {}
    bool IsBusy() const override { return window_.IsBusy(); }
    void SetBusy(bool busy) override { window_.SetBusy(busy); }
    LUnitControl& Unit() override { return link_.Unit(); }
    std::uint8_t GetDeviceId() const override { return link_.GetDeviceId(); }
    void SendCommand(const LCmd& command, bool urgent) override { link_.SendCommand(command, urgent); }
    Plot* ChannelPlot(int channel) override { return window_.ChannelPlot(channel); }
    int DraggedHandle() const override { return -1; }
    void ShowInformation(std::string_view id) override { window_.ShowInformation(id); }
    bool ReserveFirTaps(int delta) override { return window_.ReserveFirTaps(delta); }
    std::optional<std::filesystem::path> ChooseFile(FileDialog dialog) override { return window_.ChooseFile(dialog); }
    void MarkCurveChanged(int channel) override { window_.MarkCurveChanged(channel); }
    void ShowPeqValues(int channel, bool enable, double q, double gainDb, double frequencyHz) override
    {
        window_.ShowPeqValues(channel, enable, q, gainDb, frequencyHz);
    }
    void FocusPeqKeyBox(int channel) override { window_.FocusPeqKeyBox(channel); }
    void UpdatePeqSections(TObject* graph) override { window_.UpdatePeqSections(graph); }
    void UpdateHighPassSection(TObject* graph) override { window_.UpdateHighPassSection(graph); }
    void UpdateLowPassSection(TObject* graph) override { window_.UpdateLowPassSection(graph); }
    void UpdateFirSection(TObject* graph) override { window_.UpdateFirSection(graph); }
    void UpdateOutputFirPanel(int channel) override { window_.UpdateOutputFirPanel(channel); }
    void RefreshChannelOverlays(int channel) override { window_.RefreshChannelOverlays(channel); }

private:
    TfmMain& window_;
    EditorLink& link_;
};

void BM_BandEdit(benchmark::State& state)
{
    TapPeer peer;
    EditorLink link(*fmMain, peer.Port());
    connectIdle(link);
    auto* box = findComponent<TCurvyEdit>(*fmMain, "cvdEqGainOut1");
    auto* fader = findComponent<TAdvTrackBar>(*fmMain, "isEqGainOut1");
    auto* grid = findComponent<TMyPEQType8>(*fmMain, "peqPeqOut1");
    auto* timer = findComponent<TTimer>(*fmMain, "tmEqCurve");
    auto* button = findComponent<TRzBmpButton>(*fmMain, "rzbEq1Out1");
    if (!box || !fader || !grid || !timer || !button) {
        state.SkipWithError("the main window lacks Out1's band controls");
        return;
    }
    fmMain->Show();
    fmMain->rzbMenuInAClick(findComponent<TComponent>(*fmMain, "rzbMenuOut1"));
    // The window's band handlers, bound to an editor that sends through the link.
    LinkedEqHost host(*fmMain, link);
    PeqEditor editor(*fmMain, host);
    const auto gridChange = grid->OnChange;
    const auto faderChange = fader->OnChange;
    const auto curveTimer = timer->OnTimer;
    grid->OnChange = [&](TObject* s) { editor.GridChange(s); };
    fader->OnChange = [&](TObject* s) { editor.FaderChange(s, BandFader::Gain); };
    timer->OnTimer = [&](TObject*) { editor.CurveTimer(); };
    editor.BandButtonClick(button);
    double sectionSeconds = 0.0;
    bool up = true;
    for (auto _ : state) {
        const int replies = link.RepliesHandled();
        const int frames = peer.Frames();
        box->SetText(up ? "+3.0" : "+2.9");
        const auto start = Clock::now();
        editor.CommitBox(box, BandFader::Gain);
        while (peer.Frames() == frames)
            Application->ProcessMessages();
        state.SetIterationTime(std::chrono::duration<double>(peer.LastArrival() - start).count());
        const auto bare = Clock::now();
        PlotSection section;
        section.SetPeq(up ? 3.0 : 2.9, grid->GetFreqValue(0), grid->GetQValue(0), 1);
        benchmark::DoNotOptimize(section.curve()[0]);
        sectionSeconds += secondsSince(bare);
        runUntil([&] { return link.RepliesHandled() > replies; });
        up = !up;
    }
    state.counters["section_ms"] = 1000.0 * sectionSeconds / static_cast<double>(state.iterations());
    grid->OnChange = gridChange;
    fader->OnChange = faderChange;
    timer->OnTimer = curveTimer;
    link.Disconnect();
}

BENCHMARK(BM_BandEdit)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qx::bench

int main(int argc, char** argv)
{
    qx::initApplication(argc, argv);
    int status = 0;
    try {
        qx::bench::quietMainWindow();
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            return 1;
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qx_link_bench: %s\n", e.what());
        status = 1;
    }
    qx::doneApplication();
    return status;
}
