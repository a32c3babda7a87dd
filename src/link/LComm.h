#pragma once

#include "link/DeviceOpenFailure.h"
#include "link/LinkWorker.h"
#include "platform/serial/SerialPort.h"

#include <functional>
#include <span>
#include <string>

/// The serial link: its worker waits for the port and for frames to send
/// together, reads the port itself, and writes the frames.
class LComm : public qx::LinkWorker
{
public:
    static constexpr int kMinBaud = 1200;
    static constexpr int kMaxBaud = 128000;

    explicit LComm(qx::MessageTarget& owner, qx::Clock& clock = qx::Clock::system());
    ~LComm() override;

    /// Opens the port at its device path with the given speed and framing
    /// (parity 0 none, 1 odd, 2 even; stop bits 0 one, 2 two), purges it and
    /// starts the worker. False, with nothing left open, for a speed outside
    /// 1200..128000, when already open, or when the port cannot be opened
    /// or set up; OpenError() then says why.
    virtual bool Open(const std::string& port, int baudRate, int dataBits, int parity, int stopBits);
    void Close() override;

    /// Time-outs at which the pending frame is written again without counting
    /// a retry; a time-out with no frame pending uses one up and writes nothing.
    void SetFreeResends(int count) { ArmFreeResends(count); }

    const std::string& OpenError() const { return openError_; }
    /// Why the port would not open, for the user; no problem after a
    /// success or when the refusal was not the port's.
    const qx::DeviceOpenFailure& OpenFailure() const { return openFailure_; }

    /// Told of every frame the link takes to send, before the worker writes
    /// it (resends are not told); set before Open.
    using SendTrace = std::function<void(std::span<const std::uint8_t>)>;
    void SetSendTrace(SendTrace trace) { sendTrace_ = std::move(trace); }

protected:
    void OnHandedOver(std::span<const std::uint8_t> frame) override;
    bool TakeInput() override;
    bool WriteFrame(std::span<const std::uint8_t> frame) override;
    bool WriteFailureIsFatal() const override { return true; }

    /// The port's speed as it reports it now.
    std::optional<int> PortBaudRate() const { return port_.baudRate(); }

private:
    void ClosePort();

    qx::SerialPort port_;
    std::string openError_;
    qx::DeviceOpenFailure openFailure_;
    SendTrace sendTrace_;
};
