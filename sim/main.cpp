// qx73b-sim: a simulated processor on the loopback network and pseudo-terminals.

#include "DeviceCore.h"
#include "FrameLog.h"
#include "Responder.h"
#include "SimOptions.h"
#include "SimServer.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>

namespace {
qx::sim::SimServer* gServer = nullptr;

extern "C" void OnSignal(int)
{
    if (gServer != nullptr)
        gServer->Stop();
}

// Lets the signal handlers reach the server while it exists.
struct SignalTarget
{
    explicit SignalTarget(qx::sim::SimServer& server) { gServer = &server; }
    ~SignalTarget() { gServer = nullptr; }
    SignalTarget(const SignalTarget&) = delete;
    SignalTarget& operator=(const SignalTarget&) = delete;
};

int Run(const qx::sim::SimOptions& options)
{
    qx::sim::DeviceCore core(options.device);
    qx::sim::ApplyDeviceOptions(options, core);

    std::ofstream logFile;
    std::unique_ptr<qx::sim::FrameLog> log;
    if (!options.logFile.empty()) {
        logFile.open(options.logFile, std::ios::out | std::ios::trunc);
        if (!logFile) {
            std::cerr << "qx73b-sim: cannot write the log file " << options.logFile << "\n";
            return 1;
        }
        log = std::make_unique<qx::sim::FrameLog>(logFile);
    }
    qx::sim::Responder responder(core, options.faults, log.get());
    qx::sim::SimServer server(responder);
    // Handlers first: a caller may signal as soon as it has read the transport lines.
    const SignalTarget target(server);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);
    if (options.tcpPort)
        std::cout << "tcp 127.0.0.1:" << server.ListenTcp(*options.tcpPort) << "\n";
    if (options.pty)
        std::cout << "pty " << server.OpenPty() << "\n";
    std::cout.flush();
    server.WatchStandardInput();
    server.Run();
    for (const auto& error : responder.ProtocolErrors())
        std::cerr << "qx73b-sim: protocol error: " << error << "\n";
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const auto parsed = qx::sim::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "qx73b-sim: " << parsed.error << "\n" << qx::sim::UsageText();
        return 2;
    }
    if (parsed.options.help) {
        std::cout << qx::sim::UsageText();
        return 0;
    }
    try {
        return Run(parsed.options);
    } catch (const std::exception& e) {
        std::cerr << "qx73b-sim: " << e.what() << "\n";
        return 1;
    }
}
