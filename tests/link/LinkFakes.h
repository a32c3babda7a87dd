#pragma once

#include "FrameBuilder.h"
#include "WaitUntil.h"
#include "codec/LCmd.h"
#include "link/FrameWriter.h"
#include "link/LinkMessages.h"
#include "link/SendQueue.h"
#include "platform/sync/MessageTarget.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <source_location>
#include <string_view>
#include <thread>
#include <vector>

namespace qx::test {

/// Records what a link does from its worker thread and lets the test wait,
/// within the shared limit, until a record shows what it waits for.
class Recorder
{
public:
    template <class Pred>
    bool waitUntil(Pred pred, std::string_view what = {},
                   std::source_location where = std::source_location::current())
    {
        std::unique_lock lock(mutex_);
        if (changed_.wait_for(lock, kWaitLimit, pred))
            return true;
        reportWaitTimeout(what, kWaitLimit, where);
        return false;
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
        return waitUntil([&] { return writes_.size() >= count; }, "the link's writes");
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
        return waitUntil([&] { return errorsLocked().size() >= count; }, "the link's error reports");
    }
    bool waitForSent(std::size_t count)
    {
        return waitUntil([&] { return sent_.size() >= count; }, "messages sent to the owner");
    }
    bool waitForPosted(std::size_t count)
    {
        return waitUntil([&] { return posted_.size() >= count; }, "messages posted to the owner");
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
    return commandFrame(device, code, payload);
}

inline Frame reply(std::uint8_t code, std::vector<std::uint8_t> payload = {}, std::uint8_t device = 1)
{
    return replyFrame(device, code, payload);
}

inline Frame gain(std::uint8_t channel, std::uint16_t word)
{
    return command(0x34, {channel, static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>(word >> 8)});
}

} // namespace qx::test
