#include "platform/hid/HidBackend.h"

#include <cerrno>
#include <condition_variable>
#include <mutex>

namespace qx::hid {

bool Backend::sleep(std::chrono::milliseconds slice, std::stop_token stop)
{
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    wake.wait_for(lock, stop, slice, [] { return false; });
    return !stop.stop_requested();
}

namespace {

class QueryConnection final : public Connection
{
public:
    explicit QueryConnection(DeviceInfo info) : info_(std::move(info)) {}

    IoResult write(std::span<const std::uint8_t>) override { return IoResult::failed(EBADF); }
    IoResult read(std::span<std::uint8_t>, std::chrono::milliseconds, std::stop_token) override
    {
        return IoResult::failed(EBADF);
    }
    void cancelRead() override {}
    bool flush() override { return false; }
    IoResult getFeature(std::span<std::uint8_t>) override { return IoResult::failed(EBADF); }
    IoResult setFeature(std::span<const std::uint8_t>) override { return IoResult::failed(EBADF); }
    IoResult getInputReport(std::span<std::uint8_t>) override { return IoResult::failed(EBADF); }
    IoResult setOutputReport(std::span<const std::uint8_t>) override { return IoResult::failed(EBADF); }

    std::optional<std::vector<std::uint8_t>> reportDescriptor() override
    {
        if (info_.reportDescriptor.empty())
            return std::nullopt;
        return info_.reportDescriptor;
    }
    std::optional<std::wstring> manufacturer() override { return textOrNothing(info_.manufacturer); }
    std::optional<std::wstring> product() override { return textOrNothing(info_.product); }
    std::optional<std::wstring> serialNumber() override { return textOrNothing(info_.serialNumber); }
    std::optional<std::wstring> indexedString(int) override { return std::nullopt; }

private:
    static std::optional<std::wstring> textOrNothing(const std::wstring& text)
    {
        if (text.empty())
            return std::nullopt;
        return text;
    }

    DeviceInfo info_;
};

} // namespace

std::shared_ptr<Connection> makeQueryConnection(const DeviceInfo& info)
{
    return std::make_shared<QueryConnection>(info);
}

} // namespace qx::hid
