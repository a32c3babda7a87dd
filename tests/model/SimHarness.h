#pragma once
// The model's exchanges against the simulated processor in-process: every
// command the model or the dispatcher sends goes through the simulator's
// responder (with its fault plan), the written bytes are cut into frames
// again and each frame is dispatched with the frame in flight, until nothing
// is left to send. As the link does, a frame that got no answer the
// dispatcher takes is sent again, and after the resends the link fails: it
// is closed without the exchanges being told (the main window's handling of
// the failure is not part of the model).

#include <algorithm>
#include <deque>
#include <vector>

#include "CommandFrameSplitter.h"
#include "DeviceCore.h"
#include "ExchangeFixture.h"
#include "Responder.h"
#include "codec/CmMcs.h"

namespace qxtest {

class SimHarness : public ExchangeFixture
{
protected:
    SimHarness() : responder(core)
    {
        host.onSend = [this](const Frame& f) { outgoing.push_back(f); };
        unitHost.onSend = [this](const Frame& f) { outgoing.push_back(f); };
        // A modal progress window dispatches the replies until it closes.
        host.onModalProgress = [this] { run(); };
    }

    // Runs the handler of every enabled timer that ends a transfer or counts
    // its progress, once each, as their ticks would.
    void fireTimers()
    {
        if (host.timer(qx::ExchangeTimer::Upload)) {
            dispatcher.upload().OnUploadTimer();
        }
        if (host.timer(qx::ExchangeTimer::DownloadEnd)) {
            dispatcher.download().OnDownloadEndTimer();
        }
        if (host.timer(qx::ExchangeTimer::PresetLoadCount)) {
            dispatcher.presets().OnPresetLoadCountTimer();
        }
        run();
    }

    // The link drops when the processor gets its n-th frame from now.
    void dropLinkAtFrame(int n) { responder.Faults().closeAtFrame = framesSent + n; }

    // Opens a link: clears the exchanges, sends the device-information request.
    void connect()
    {
        splitter = qx::sim::CommandFrameSplitter();
        linkOpen = true;
        linkFailed = false;
        dispatcher.BeginConnect();
        host.SendCommand(CM_MCS_CMD(host.deviceId, 0x10), true);
    }

    // Runs the exchange until nothing is waiting to be sent or the link drops.
    void run()
    {
        int resends = 0;
        while (!outgoing.empty() && linkOpen) {
            const Frame frame = outgoing.front();
            outgoing.pop_front();
            ++framesSent;
            writtenFrames.push_back(frame);
            const qx::sim::Exchange exchange = responder.OnFrame(frame);
            bool answered = false;
            for (const auto& write : exchange.writes) {
                for (const auto& reply : splitter.Push(write)) {
                    answered = dispatcher.OnDeviceReply(reply, frame) == qx::ReplyVerdict::Answer || answered;
                }
            }
            if (exchange.close || exchange.restart) {
                linkOpen = false;
                outgoing.clear();
                dispatcher.LinkClosed();
                return;
            }
            if (answered) {
                resends = 0;
            } else if (resends < kResends) {
                ++resends;
                outgoing.push_front(frame); // the time-out writes it again
            } else {
                linkOpen = false; // no answer after the resends: the link fails
                linkFailed = true;
                outgoing.clear();
            }
        }
    }

    // How often a frame was written.
    int writesOf(const Frame& frame) const
    {
        return static_cast<int>(std::count(writtenFrames.begin(), writtenFrames.end(), frame));
    }

    void connectAndRun()
    {
        connect();
        run();
    }

    // The simulator's current settings as a unit-state record; its status
    // bytes are not part of what the model takes over.
    qx::UnitRecord simRecord() const
    {
        qx::UnitRecord r{};
        std::copy_n(core.CurrentImage().begin(), r.size(), r.begin());
        r[0] = unit.record()[0];
        r[1] = unit.record()[1];
        return r;
    }

    qx::sim::DeviceCore core;
    qx::sim::Responder responder;
    qx::sim::CommandFrameSplitter splitter;
    static constexpr int kResends = 1;
    std::deque<Frame> outgoing;
    std::vector<Frame> writtenFrames;
    bool linkOpen = false;
    bool linkFailed = false;
    int framesSent = 0;
};

} // namespace qxtest
