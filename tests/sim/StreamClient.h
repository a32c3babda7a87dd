#pragma once

// Client ends of the simulator's byte-stream transports for the tests.

#include "CommandFrameSplitter.h"
#include "codec/LCmd.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qx::sim::test {
using Bytes = std::vector<std::uint8_t>;

// Guards a read against a simulator that never answers; the tests never wait this long.
constexpr int kReadGuardMs = 5000;

class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

inline int ConnectLoopback(std::uint16_t port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

inline int OpenTerminal(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0) {
        termios raw{};
        ::tcgetattr(fd, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(fd, TCSANOW, &raw);
    }
    return fd;
}

// Reads until `count` frames arrived, the peer closed, or the guard expired.
struct ReadResult
{
    std::vector<Bytes> frames;
    bool closed = false;
};

inline ReadResult ReadFrames(int fd, std::size_t count)
{
    ReadResult result;
    CommandFrameSplitter splitter; // replies have the same outline as commands
    while (result.frames.size() < count) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kReadGuardMs) <= 0)
            break;
        std::uint8_t buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            result.closed = true;
            break;
        }
        for (auto& f : splitter.Push(std::span(buffer, static_cast<std::size_t>(n))))
            result.frames.push_back(std::move(f));
    }
    return result;
}

inline void Write(int fd, const LCmd& command)
{
    const Bytes frame = EncodeFrame(command, 1);
    ASSERT_EQ(::write(fd, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
}

} // namespace qx::sim::test
