#include "link/LComm.h"

#include <array>
#include <span>

LComm::LComm(qx::MessageTarget& owner, qx::Clock& clock) : LinkWorker(owner, clock, 0) {}

LComm::~LComm()
{
    Shutdown();
}

bool LComm::Open(const std::string& port, int baudRate, int dataBits, int parity, int stopBits)
{
    openFailure_ = {};
    if (baudRate < kMinBaud || baudRate > kMaxBaud) {
        openError_ = "speed out of range";
        return false;
    }
    if (IsOpen() || port_.isOpen()) {
        openError_ = "already open";
        return false;
    }
    if (!port_.open(port) || !port_.configure({baudRate, dataBits, parity, stopBits})) {
        openError_ = port_.error();
        openFailure_ = {port, port_.errorCode(), port_.mayRetry(), false};
        ClosePort();
        return false;
    }
    port_.purge();
    if (!StartWorker(port_.fd())) {
        openError_ = "cannot start the worker";
        ClosePort();
        return false;
    }
    openError_.clear();
    return true;
}

void LComm::Close()
{
    LinkWorker::Close();
    if (!IsOpen())
        ClosePort();
}

void LComm::ClosePort()
{
    port_.purge();
    port_.close();
}

bool LComm::TakeInput()
{
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const auto got = port_.read(buffer);
        if (!got)
            return false;
        if (*got == 0)
            return true;
        for (std::span<const std::uint8_t> rest(buffer.data(), *got); !rest.empty() && !StopRequested();)
            rest = rest.subspan(OnBytes(rest));
        if (StopRequested())
            return true;
    }
}

void LComm::OnHandedOver(std::span<const std::uint8_t> frame)
{
    if (sendTrace_)
        sendTrace_(frame);
}

bool LComm::WriteFrame(std::span<const std::uint8_t> frame)
{
    return port_.writeAll(frame);
}
