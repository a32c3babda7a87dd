#include "platform/hid/FakeHidBus.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <utility>

namespace qx::hid {

struct FakeHidDevice::Reader
{
    std::deque<std::vector<std::uint8_t>> queue;
    bool cancelled = false;
    std::condition_variable_any wake;
};

class FakeConnection final : public Connection
{
public:
    FakeConnection(std::shared_ptr<FakeHidDevice> device, Access access)
        : device_(std::move(device)), access_(access)
    {
        std::lock_guard lock(device_->mutex_);
        if (canRead())
            device_->readers_.push_back(&reader_);
        ++device_->openNow_;
        ++device_->opened_;
    }

    ~FakeConnection() override
    {
        std::lock_guard lock(device_->mutex_);
        std::erase(device_->readers_, &reader_);
        --device_->openNow_;
    }

    IoResult write(std::span<const std::uint8_t> report) override
    {
        if (access_ == Access::Read)
            return IoResult::failed(EBADF);
        FakeHidDevice::OutputHandler output;
        {
            std::lock_guard lock(device_->mutex_);
            if (!device_->pluggedIn_)
                return IoResult::failed(ENODEV);
            output = device_->output_;
        }
        if (output)
            output(std::vector<std::uint8_t>(report.begin(), report.end()));
        return {static_cast<std::ptrdiff_t>(report.size()), 0};
    }

    IoResult read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout, std::stop_token stop) override
    {
        if (!canRead())
            return IoResult::failed(EBADF);
        std::unique_lock lock(device_->mutex_);
        auto ready = [&] { return !reader_.queue.empty() || !device_->pluggedIn_ || reader_.cancelled; };
        if (timeout.count() < 0)
            reader_.wake.wait(lock, stop, ready);
        else
            reader_.wake.wait_for(lock, stop, timeout, ready);
        if (!reader_.queue.empty()) {
            const std::vector<std::uint8_t> report = std::move(reader_.queue.front());
            reader_.queue.pop_front();
            const std::size_t n = std::min(report.size(), buffer.size());
            std::copy_n(report.begin(), n, buffer.begin());
            return {static_cast<std::ptrdiff_t>(n), 0};
        }
        if (!device_->pluggedIn_)
            return IoResult::failed(ENODEV);
        reader_.cancelled = false;
        return {0, 0};
    }

    void cancelRead() override
    {
        std::lock_guard lock(device_->mutex_);
        reader_.cancelled = true;
        reader_.wake.notify_all();
    }

    bool flush() override
    {
        std::lock_guard lock(device_->mutex_);
        reader_.queue.clear();
        return device_->pluggedIn_;
    }

    IoResult getFeature(std::span<std::uint8_t> report) override
    {
        if (report.empty())
            return IoResult::failed(EINVAL);
        std::lock_guard lock(device_->mutex_);
        if (!device_->pluggedIn_)
            return IoResult::failed(ENODEV);
        const auto found = device_->features_.find(report[0]);
        if (found == device_->features_.end())
            return IoResult::failed(EPIPE);
        const std::size_t n = std::min(found->second.size(), report.size());
        std::copy_n(found->second.begin(), n, report.begin());
        return {static_cast<std::ptrdiff_t>(n), 0};
    }

    IoResult setFeature(std::span<const std::uint8_t> report) override
    {
        if (report.empty())
            return IoResult::failed(EINVAL);
        std::lock_guard lock(device_->mutex_);
        if (!device_->pluggedIn_)
            return IoResult::failed(ENODEV);
        device_->features_[report[0]].assign(report.begin(), report.end());
        return {static_cast<std::ptrdiff_t>(report.size()), 0};
    }

    IoResult getInputReport(std::span<std::uint8_t>) override { return IoResult::failed(EPIPE); }
    IoResult setOutputReport(std::span<const std::uint8_t> report) override { return write(report); }

    std::optional<std::vector<std::uint8_t>> reportDescriptor() override
    {
        if (device_->profile_.reportDescriptor.empty())
            return std::nullopt;
        return device_->profile_.reportDescriptor;
    }
    std::optional<std::wstring> manufacturer() override { return text(device_->profile_.manufacturer); }
    std::optional<std::wstring> product() override { return text(device_->profile_.product); }
    std::optional<std::wstring> serialNumber() override { return text(device_->profile_.serialNumber); }
    std::optional<std::wstring> indexedString(int index) override
    {
        const auto found = device_->profile_.indexedStrings.find(index);
        if (found == device_->profile_.indexedStrings.end())
            return std::nullopt;
        return found->second;
    }

private:
    bool canRead() const { return access_ == Access::ReadWrite || access_ == Access::Read; }
    static std::optional<std::wstring> text(const std::wstring& s)
    {
        if (s.empty())
            return std::nullopt;
        return s;
    }

    std::shared_ptr<FakeHidDevice> device_;
    Access access_;
    FakeHidDevice::Reader reader_;
};

FakeHidDevice::FakeHidDevice(FakeHidBus& bus, FakeDeviceProfile profile, std::string instanceKey)
    : bus_(bus), profile_(std::move(profile)), instanceKey_(std::move(instanceKey))
{
}

void FakeHidDevice::setOutputHandler(OutputHandler handler)
{
    std::lock_guard lock(mutex_);
    output_ = std::move(handler);
}

void FakeHidDevice::sendInputReport(std::vector<std::uint8_t> report)
{
    std::lock_guard lock(mutex_);
    if (!pluggedIn_)
        return;
    for (Reader* reader : readers_) {
        reader->queue.push_back(report);
        reader->wake.notify_all();
    }
}

void FakeHidDevice::setFeatureReport(std::vector<std::uint8_t> report)
{
    if (report.empty())
        return;
    std::lock_guard lock(mutex_);
    features_[report[0]] = std::move(report);
}

std::vector<std::uint8_t> FakeHidDevice::featureReport(std::uint8_t reportId) const
{
    std::lock_guard lock(mutex_);
    const auto found = features_.find(reportId);
    return found == features_.end() ? std::vector<std::uint8_t>{} : found->second;
}

void FakeHidDevice::unplug()
{
    {
        std::lock_guard lock(mutex_);
        if (!pluggedIn_)
            return;
        pluggedIn_ = false;
        for (Reader* reader : readers_)
            reader->wake.notify_all();
    }
    {
        std::lock_guard lock(bus_.mutex_);
        std::erase_if(bus_.devices_, [this](const auto& d) { return d.get() == this; });
    }
    bus_.notify();
}

bool FakeHidDevice::pluggedIn() const
{
    std::lock_guard lock(mutex_);
    return pluggedIn_;
}

std::size_t FakeHidDevice::openConnections() const
{
    std::lock_guard lock(mutex_);
    return openNow_;
}

std::size_t FakeHidDevice::connectionsOpened() const
{
    std::lock_guard lock(mutex_);
    return opened_;
}

void FakeHidDevice::refuseOpens(int error, int count, bool mayRetry)
{
    std::lock_guard lock(mutex_);
    refusalError_ = error;
    refusalsLeft_ = count;
    refusalMayRetry_ = mayRetry;
}

std::size_t FakeHidDevice::openAttempts() const
{
    std::lock_guard lock(mutex_);
    return attempts_;
}

class FakeHidBus::Watch final : public ChangeWatch
{
public:
    Watch(FakeHidBus& bus, std::function<void()> changed) : bus_(bus), changed_(std::move(changed)) {}
    ~Watch() override { bus_.removeWatch(this); }
    const std::function<void()>& changed() const { return changed_; }

private:
    FakeHidBus& bus_;
    std::function<void()> changed_;
};

FakeHidBus::FakeHidBus() = default;

FakeHidBus::~FakeHidBus() = default;

std::shared_ptr<FakeHidDevice> FakeHidBus::plug(FakeDeviceProfile profile)
{
    std::shared_ptr<FakeHidDevice> device;
    {
        std::lock_guard lock(mutex_);
        ++plugCount_;
        device.reset(new FakeHidDevice(*this, std::move(profile), "fake:" + std::to_string(plugCount_)));
        devices_.push_back(device);
    }
    notify();
    return device;
}

void FakeHidBus::setAvailable(bool available)
{
    std::lock_guard lock(mutex_);
    available_ = available;
}

std::vector<long long> FakeHidBus::sleeps() const
{
    std::lock_guard lock(mutex_);
    return sleeps_;
}

bool FakeHidBus::available() const
{
    std::lock_guard lock(mutex_);
    return available_;
}

DeviceInfo FakeHidBus::infoOf(const FakeHidDevice& device)
{
    const FakeDeviceProfile& profile = device.profile();
    DeviceInfo info;
    info.path = profile.path;
    info.instanceKey = device.instanceKey_;
    info.identified = true;
    info.vendorId = profile.vendorId;
    info.productId = profile.productId;
    info.versionNumber = profile.versionNumber;
    {
        std::lock_guard lock(device.mutex_);
        const bool refused = device.refusalsLeft_ != 0 && (device.refusalError_ == EACCES || device.refusalError_ == EPERM);
        info.readWriteAccess = profile.readWriteAccess && !refused;
    }
    info.manufacturer = profile.manufacturer;
    info.product = profile.product;
    info.serialNumber = profile.serialNumber;
    info.reportDescriptor = profile.reportDescriptor;
    info.properties.subsystem = "hid";
    info.properties.busType = "USB";
    return info;
}

std::vector<DeviceInfo> FakeHidBus::enumerate()
{
    std::lock_guard lock(mutex_);
    std::vector<DeviceInfo> infos;
    if (!available_)
        return infos;
    for (const auto& device : devices_)
        infos.push_back(infoOf(*device));
    return infos;
}

std::shared_ptr<FakeHidDevice> FakeHidBus::find(const std::string& path) const
{
    std::lock_guard lock(mutex_);
    for (const auto& device : devices_)
        if (device->profile().path == path)
            return device;
    return nullptr;
}

OpenResult FakeHidBus::open(const std::string& path, Access access)
{
    OpenResult result;
    const std::shared_ptr<FakeHidDevice> device = find(path);
    if (!device) {
        result.error = {ENOENT, path + ": no such device", false};
        return result;
    }
    if (access == Access::Query) {
        result.connection = makeQueryConnection(infoOf(*device));
        return result;
    }
    {
        std::lock_guard lock(device->mutex_);
        if (access == Access::ReadWrite)
            ++device->attempts_;
        if (device->refusalsLeft_ != 0) {
            if (device->refusalsLeft_ > 0)
                --device->refusalsLeft_;
            result.error = {device->refusalError_, path + ": refused", device->refusalMayRetry_};
            return result;
        }
    }
    if (!device->profile().readWriteAccess) {
        result.error = {EACCES, path + ": permission denied", false};
        return result;
    }
    result.connection = std::make_shared<FakeConnection>(device, access);
    return result;
}

std::unique_ptr<ChangeWatch> FakeHidBus::watchChanges(std::function<void()> changed)
{
    auto watch = std::make_unique<Watch>(*this, std::move(changed));
    std::lock_guard lock(mutex_);
    watches_.push_back(watch.get());
    return watch;
}

void FakeHidBus::removeWatch(Watch* watch)
{
    std::lock_guard lock(mutex_);
    std::erase(watches_, watch);
}

void FakeHidBus::notify()
{
    std::vector<std::function<void()>> callbacks;
    {
        std::lock_guard lock(mutex_);
        for (Watch* watch : watches_)
            callbacks.push_back(watch->changed());
    }
    for (const auto& callback : callbacks)
        callback();
}

bool FakeHidBus::sleep(std::chrono::milliseconds slice, std::stop_token stop)
{
    {
        std::lock_guard lock(mutex_);
        sleeps_.push_back(slice.count());
    }
    return Backend::sleep(slice, std::move(stop));
}

} // namespace qx::hid
