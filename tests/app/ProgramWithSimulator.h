#pragma once
// The program's own windows, made as the program makes them, against the
// simulated processor served on 127.0.0.1 from a thread of the test. The
// main window is pointed at 127.0.0.1 before its start timer can fire, with
// no serial port to probe.

#include "ConnectionGuard.h"
#include "DeviceCore.h"
#include "PumpUntil.h"
#include "UserSteps.h"
#include "Responder.h"
#include "SimServer.h"
#include "app/FMain.h"
#include "app/FNetWorkScan.h"
#include "link/LinkRouter.h"
#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Timer.h"
#include "platform/serial/SerialPortList.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <source_location>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class ProgramWithSimulator : public ::testing::Test
{
protected:
    static constexpr std::uint32_t kLoopback = 0x7F000001;

    void SetUp() override
    {
        qx::setSerialPortProvider(std::make_unique<qx::FixedSerialPorts>(std::vector<std::string>{}));
        qx::test::startProgram();
        ASSERT_NE(fmMain, nullptr);
        ASSERT_NE(fmNetwork, nullptr);
        fmMain->Show(); // as the message loop shows the main window
        ASSERT_TRUE(find<TTimer>("tmStartConnect")->Enabled()) << "the start timer runs";
    }
    void TearDown() override
    {
        fmMain->Router->CloseAll();
        server.Stop();
        if (serverThread.joinable())
            serverThread.join();
        qx::setSerialPortProvider(nullptr);
        qx::test::endProgram();
    }

    template <class T = TControl>
    static T* find(const std::string& name)
    {
        return qx::findComponent<T>(*fmMain, name);
    }

    void pointAt(std::uint16_t port)
    {
        fmMain->SetDeviceAddress(kLoopback);
        fmMain->ClientSocket->SetAddress("127.0.0.1");
        fmMain->ClientSocket->SetPort(port);
    }
    void startSimulator()
    {
        const std::uint16_t port = server.ListenTcp(0);
        serverThread = std::thread([this] { server.Run(); });
        pointAt(port);
    }

    // Runs the steps and waits until they are taken and `settled` holds.
    bool take(std::vector<qx::test::UserSteps::Step> steps, const std::function<bool()>& settled, std::string_view what)
    {
        qx::test::UserSteps user(std::move(steps));
        const bool ok = runUntil([&] { return user.done() && settled(); }, what);
        EXPECT_TRUE(ok) << "waiting for " << user.waitingFor();
        return ok;
    }

    // Runs the loop, modal loops included, until done() holds. Once the
    // wait's limit has gone by a guard ends every modal loop, so that the
    // wait can return and report what it waited for.
    static bool runUntil(const std::function<bool()>& done, std::string_view what,
                         std::source_location where = std::source_location::current())
    {
        const auto giveUp = std::chrono::steady_clock::now() + qx::test::kWaitLimit;
        TTimer guard(nullptr);
        guard.SetInterval(1);
        guard.OnTimer = [&](TObject*) {
            if (std::chrono::steady_clock::now() > giveUp && !Application->Terminated())
                Application->Terminate();
        };
        guard.SetEnabled(true);
        return qx::test::pumpUntil(done, what, qx::test::kWaitLimit, where);
    }

    // The state load has ended and its state is shown: online, the scan
    // dialog closed, and the meter poll, which starts only once the last
    // parameter piece is in, running. The online flag alone comes with the
    // model check, before the load has begun.
    static bool stateLoaded()
    {
        return fmMain->IsOnline() && !fmMain->IsBusy() && !fmNetwork->Visible() &&
               find<TTimer>("tmInLevelDet")->Enabled();
    }

    qx::sim::DeviceCore core;
    qx::sim::Responder responder{core};
    qx::sim::SimServer server{responder};
    std::thread serverThread;
};
