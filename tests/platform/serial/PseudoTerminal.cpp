#include "PseudoTerminal.h"

#include <pty.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <chrono>

namespace qx::test {
namespace {

constexpr int kCapMs = 5000;

bool waitReadable(int fd, int timeoutMs)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0 && (p.revents & POLLIN);
}

} // namespace

PseudoTerminal::PseudoTerminal()
{
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B115200);
    std::array<char, 128> name{};
    if (::openpty(&controller_, &device_, name.data(), &raw, nullptr) != 0) {
        controller_ = device_ = -1;
        return;
    }
    path_ = name.data();
}

PseudoTerminal::~PseudoTerminal()
{
    closeController();
    if (device_ >= 0)
        ::close(device_);
}

void PseudoTerminal::write(const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(controller_, bytes.data() + done, bytes.size() - done);
        if (put <= 0)
            return;
        done += static_cast<std::size_t>(put);
    }
}

std::vector<std::uint8_t> PseudoTerminal::readAvailable(std::size_t count)
{
    using namespace std::chrono;
    const auto end = steady_clock::now() + milliseconds(kCapMs);
    std::vector<std::uint8_t> got;
    while (got.size() < count) {
        const auto left = duration_cast<milliseconds>(end - steady_clock::now()).count();
        if (left <= 0 || !waitReadable(controller_, static_cast<int>(left)))
            break;
        std::array<std::uint8_t, 256> buffer{};
        const ssize_t n = ::read(controller_, buffer.data(), std::min(buffer.size(), count - got.size()));
        if (n <= 0)
            break;
        got.insert(got.end(), buffer.begin(), buffer.begin() + n);
    }
    return got;
}

std::vector<std::uint8_t> PseudoTerminal::drain()
{
    std::vector<std::uint8_t> got;
    while (waitReadable(controller_, 0)) {
        std::array<std::uint8_t, 256> buffer{};
        const ssize_t n = ::read(controller_, buffer.data(), buffer.size());
        if (n <= 0)
            break;
        got.insert(got.end(), buffer.begin(), buffer.begin() + n);
    }
    return got;
}

void PseudoTerminal::waitReadableOnDevice(int fd)
{
    waitReadable(fd, kCapMs);
}

void PseudoTerminal::closeController()
{
    if (controller_ >= 0)
        ::close(controller_);
    controller_ = -1;
}

} // namespace qx::test
