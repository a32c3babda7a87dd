#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "CommandFrameSplitter.h"

namespace qx::sim {
class Responder;

// Serves the simulated processor over byte-stream transports on one thread: a TCP
// server on the loopback address only, and a pseudo-terminal standing in for a
// serial port. Answers keep the order of the frames, each write after its delay.
class SimServer
{
public:
    explicit SimServer(Responder& responder);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Listens on 127.0.0.1 (port 0: an ephemeral port) and returns the port.
    // Throws std::system_error when the port cannot be bound.
    std::uint16_t ListenTcp(std::uint16_t port);
    // Opens a pseudo-terminal in raw mode and returns the path of its slave side.
    std::string OpenPty();
    // Ends Run when the standard input closes.
    void WatchStandardInput();

    // Serves until Stop is called (from any thread or a signal handler).
    void Run();
    void Stop();

private:
    using Clock = std::chrono::steady_clock;
    struct Pending
    {
        Clock::time_point due;
        std::vector<std::uint8_t> bytes;
        bool closeAfter = false;
    };
    struct Connection
    {
        int fd = -1;
        bool socket = false;
        bool dead = false;
        CommandFrameSplitter splitter;
        std::deque<Pending> out;
        Clock::time_point lastDue{};
    };

    void Accept();
    void Read(Connection& connection);
    void Schedule(Connection& connection, const std::vector<std::uint8_t>& frame);
    void Flush(Connection& connection, Clock::time_point now);
    void Close(Connection& connection);
    int PollTimeoutMs(Clock::time_point now) const;

    Responder& responder_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    int listenFd_ = -1;
    int ptySlave_ = -1;
    bool watchStdin_ = false;
    std::vector<std::unique_ptr<Connection>> connections_;
};
} // namespace qx::sim
