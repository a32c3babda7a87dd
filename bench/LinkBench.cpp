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
#include "controls/skinned/AdvTrackBar.h"
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

// The gain fader of input A, moved between two positions; no change handler
// is bound to it yet, so the edit goes on as that handler will send it: the
// unit model's gain setter through the send router.
void BM_GainEdit(benchmark::State& state)
{
    TapPeer peer;
    EditorLink link(*fmMain, peer.Port());
    link.Connect();
    runUntil([&] { return link.StateLoaded(); });
    // The load ends with a keep-alive; its answer frees the link.
    const int loadReplies = link.RepliesHandled();
    runUntil([&] { return link.RepliesHandled() > loadReplies; });
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
