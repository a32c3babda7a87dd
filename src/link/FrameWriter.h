#pragma once

#include <cstdint>
#include <span>

namespace qx {

/// The write routine of a link whose device belongs to the main window (the
/// TCP socket, the HID device). Called on the link's worker thread.
class FrameWriter
{
public:
    virtual ~FrameWriter() = default;
    /// Writes every byte of the frame; false when it could not.
    virtual bool writeFrame(std::span<const std::uint8_t> frame) = 0;
};

} // namespace qx
