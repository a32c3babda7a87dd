#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qx::test {

/// A pseudo-terminal pair standing in for a serial cable: the code under
/// test opens devicePath(), the test plays the processor on the controller
/// side. Waits for bytes are capped at a few seconds of real time and only
/// ever wait for something that must come.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();

    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isOpen() const { return controller_ >= 0; }
    const std::string& devicePath() const { return path_; }

    void write(const std::vector<std::uint8_t>& bytes);
    /// Reads until `count` bytes came or the cap passed.
    std::vector<std::uint8_t> readAvailable(std::size_t count);
    /// Reads what has arrived so far without waiting.
    std::vector<std::uint8_t> drain();
    /// Waits until `fd` has input or the cap passed.
    static void waitReadableOnDevice(int fd);
    /// Hangs up the line: the device side then fails.
    void closeController();

private:
    int controller_ = -1;
    int device_ = -1; // kept open so the line stays up while the code under test reopens it
    std::string path_;
};

} // namespace qx::test
