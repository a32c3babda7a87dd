#pragma once

#include "platform/sync/MessageTarget.h"

#include <cstdint>

// Window messages that the links send to their owner.
inline constexpr unsigned WM_LINK_BYTE = 1359;             // posted: wParam the byte
inline constexpr unsigned WM_LINK_FRAME = 1360;            // sent: data the reply frame, lParam milliseconds
inline constexpr unsigned WM_LINK_ERROR = 1361;            // posted: wParam the code, see qx::LinkErrorReport
inline constexpr unsigned WM_LINK_FRAME_OTHER_BAUD = 1362; // as 1360, from a serial port not at 115200 baud

namespace qx {

/// The owner's result for message 1360 when the frame does not answer the
/// frame in flight (too short, late, repeated, stray): the link keeps
/// waiting for the answer. Any other result ends the wait.
inline constexpr std::intptr_t kFrameNotAnAnswer = 1;

/// Codes of message 1361.
enum class LinkError : int {
    NoAnswer = 0,    // the frame went unanswered through every resend
    PortFailed = 1,  // the serial port hung up or could not be read or written
    WorkerStuck = 5, // the worker did not end within 5000 ms of Close
    WaitFailed = 6,  // the worker's wait failed; the worker has ended
};

/// What message 1361 carries. lParam holds the extra byte in its low 8 bits
/// and the posting link's generation above them, so the owner can tell a
/// failure of its current link from a late one of a link it has replaced.
struct LinkErrorReport
{
    int code = 0;
    int extra = 0;
    std::uint64_t generation = 0;
};

WindowMessage makeLinkErrorMessage(const LinkErrorReport& report);
/// The report of a 1361 message.
LinkErrorReport readLinkErrorMessage(const WindowMessage& message);

} // namespace qx
