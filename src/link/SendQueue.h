#pragma once

#include "codec/Frame.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace qx {

/// True when a newer frame `b` may stand in for a waiting frame `a`: both
/// command frames for the same device with the same code and the same
/// addressing bytes (the channel; with the band for a PEQ band, with the input
/// for a mix level). Codes not known to carry only addressing bytes and a
/// value must match in their whole payload.
bool sameTarget(const Frame& a, const Frame& b);

/// Frames waiting while the link is busy. Urgent frames always queue in
/// order. A non-urgent frame replaces the frame at the tail when that one is
/// non-urgent and sameTarget; otherwise it queues. So a change of one channel
/// never drops a waiting change of another, and nothing moves past an urgent
/// frame.
class SendQueue
{
public:
    void add(Frame frame, bool urgent);
    /// The frame at the head, removed; nullopt when empty.
    std::optional<Frame> takeNext();
    void clear();

    bool empty() const { return frames_.empty(); }
    std::size_t size() const { return frames_.size(); }
    /// True when the tail may be replaced.
    bool hasReplaceable() const { return tailReplaceable_; }
    const std::deque<Frame>& frames() const { return frames_; }

private:
    std::deque<Frame> frames_;
    bool tailReplaceable_ = false;
};

} // namespace qx
