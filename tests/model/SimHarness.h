#pragma once
// The model's exchanges against the simulated processor in-process: every
// command the model or the dispatcher sends goes through the simulator's
// responder (with its fault plan), the written bytes are cut into frames
// again and each frame is dispatched, until nothing is left to send.

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
        dispatcher.BeginConnect();
        host.SendCommand(CM_MCS_CMD(host.deviceId, 0x10), true);
    }

    // Runs the exchange until nothing is waiting to be sent or the link drops.
    void run()
    {
        while (!outgoing.empty() && linkOpen) {
            const Frame frame = outgoing.front();
            outgoing.pop_front();
            ++framesSent;
            const qx::sim::Exchange exchange = responder.OnFrame(frame);
            for (const auto& write : exchange.writes) {
                for (const auto& reply : splitter.Push(write)) {
                    dispatcher.OnDeviceReply(reply);
                }
            }
            if (exchange.close || exchange.restart) {
                linkOpen = false;
                outgoing.clear();
                dispatcher.LinkClosed();
            }
        }
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
    std::deque<Frame> outgoing;
    bool linkOpen = false;
    int framesSent = 0;
};

} // namespace qxtest
