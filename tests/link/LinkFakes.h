#pragma once

#include "link/FrameWriter.h"
#include "link/LCmd.h"
#include "link/LinkMessages.h"
#include "link/SendQueue.h"
#include "platform/sync/MessageTarget.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace qx::test {

/// Waits for something that must happen, giving up after a few seconds of
/// real time so that a broken link fails the test instead of hanging it.
class Recorder
{
public:
    template <class Pred>
    bool waitUntil(Pred pred)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), pred);
    }

protected:
    template <class Fn>
    void record(Fn fn)
    {
        {
            std::lock_guard lock(mutex_);
            fn();
        }
        changed_.notify_all();
    }
    mutable std::mutex mutex_;

private:
    std::condition_variable changed_;
};

/// Polls for a state that no recorder reports (such as a worker that has
/// ended), with the same cap.
template <class Pred>
bool eventually(Pred pred)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

/// The owner's write routine: records every frame; can fail or block.
class FakeWriter final : public FrameWriter, public Recorder
{
public:
    bool writeFrame(std::span<const std::uint8_t> frame) override
    {
        if (beforeWrite)
            beforeWrite();
        record([&] { writes_.emplace_back(frame.begin(), frame.end()); });
        return !failing;
    }
    void clear()
    {
        std::lock_guard lock(mutex_);
        writes_.clear();
    }
    std::vector<Frame> writes() const
    {
        std::lock_guard lock(mutex_);
        return writes_;
    }
    bool waitForWrites(std::size_t count)
    {
        return waitUntil([&] { return writes_.size() >= count; });
    }

    std::function<void()> beforeWrite; // set before the link opens
    std::atomic<bool> failing{false};

private:
    std::vector<Frame> writes_;
};

/// The owner window: records posted messages; handles sent ones at once on
/// the sending thread with `onSend`, as a GUI thread that is never busy.
/// It has no thread of its own unless a test makes its thread the owner's.
class FakeOwner final : public MessageTarget, public Recorder
{
public:
    void ownCallingThread() { ownerThread_ = std::this_thread::get_id(); }
    bool isOwnerThread() const override { return ownerThread_ == std::this_thread::get_id(); }

    void postMessage(WindowMessage message) override
    {
        record([&] { posted_.push_back(std::move(message)); });
    }
    std::optional<std::intptr_t> sendMessage(WindowMessage message, std::stop_token) override
    {
        if (onSend)
            onSend(message);
        record([&] { sent_.push_back(std::move(message)); });
        return result.load();
    }

    std::vector<WindowMessage> sent() const
    {
        std::lock_guard lock(mutex_);
        return sent_;
    }
    std::vector<WindowMessage> posted() const
    {
        std::lock_guard lock(mutex_);
        return posted_;
    }
    std::vector<LinkErrorReport> errors() const
    {
        std::lock_guard lock(mutex_);
        return errorsLocked();
    }
    bool waitForErrors(std::size_t count)
    {
        return waitUntil([&] { return errorsLocked().size() >= count; });
    }
    bool waitForSent(std::size_t count)
    {
        return waitUntil([&] { return sent_.size() >= count; });
    }
    bool waitForPosted(std::size_t count)
    {
        return waitUntil([&] { return posted_.size() >= count; });
    }

    std::function<void(const WindowMessage&)> onSend; // set before the link opens
    std::atomic<std::intptr_t> result{0};              // what each handled message answers

private:
    std::thread::id ownerThread_;
    std::vector<LinkErrorReport> errorsLocked() const
    {
        std::vector<LinkErrorReport> found;
        for (const auto& m : posted_)
            if (m.id == WM_LINK_ERROR)
                found.push_back(readLinkErrorMessage(m));
        return found;
    }

    std::vector<WindowMessage> posted_;
    std::vector<WindowMessage> sent_;
};

inline Frame command(std::uint8_t code, std::vector<std::uint8_t> payload = {}, std::uint8_t device = 1)
{
    return frame::Build(0x00, device, code, payload);
}

inline Frame reply(std::uint8_t code, std::vector<std::uint8_t> payload = {}, std::uint8_t device = 1)
{
    return frame::Build(device, 0x00, code, payload);
}

inline Frame gain(std::uint8_t channel, std::uint16_t word)
{
    return command(0x34, {channel, static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>(word >> 8)});
}

} // namespace qx::test
