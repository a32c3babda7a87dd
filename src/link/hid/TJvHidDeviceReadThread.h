#pragma once

#include <cstdint>
#include <stop_token>
#include <thread>
#include <vector>

namespace qx {
struct WindowMessage;
}

class TJvHidDevice;

/// Reads the input reports of a checked-out device and hands each one to
/// the GUI thread, waiting until the device's OnData handler has run there;
/// read failures go the same way to OnDataError. The hand-over is a
/// synchronous window message to the device's window that stopping the
/// thread cancels, so a stop never waits on a GUI thread that is itself
/// waiting for the stop.
class TJvHidDeviceReadThread
{
public:
    /// Direct creation is not allowed: raises EControllerError.
    TJvHidDeviceReadThread();
    /// Created suspended; Resume starts it.
    explicit TJvHidDeviceReadThread(TJvHidDevice* device);
    ~TJvHidDeviceReadThread();

    TJvHidDeviceReadThread(const TJvHidDeviceReadThread&) = delete;
    TJvHidDeviceReadThread& operator=(const TJvHidDeviceReadThread&) = delete;

    void Resume();
    /// Asks the thread to end: ends its current wait, read or hand-over.
    void Terminate();
    /// Waits until the thread has ended.
    void WaitFor();

    /// GUI thread: runs the handler a read thread's message asks for.
    /// Returns false for messages of other kinds. A message of a thread
    /// that was stopped meanwhile is dropped.
    static bool Dispatch(const qx::WindowMessage& message);

private:
    void Execute(std::stop_token stop);
    bool HandOver(unsigned message, std::intptr_t lParam, std::uint32_t bytes, std::stop_token stop);
    void DoData(const std::vector<std::uint8_t>& report);
    void DoDataError(std::uint32_t error);

    std::uint32_t FErr = 0;
    TJvHidDevice* Device = nullptr;
    std::uint32_t NumBytesRead = 0;
    std::vector<std::uint8_t> Report;
    std::uintptr_t FId = 0;
    std::jthread FThread;
};
