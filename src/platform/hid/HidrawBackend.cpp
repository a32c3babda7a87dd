#include "platform/hid/HidrawBackend.h"

#include <hidapi.h>
#include <libudev.h>
#include <linux/hidraw.h>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>
#include <thread>

namespace qx::hid {

namespace {

// Device strings come from sysfs in UTF-8; the device classes hold wide text.
std::wstring fromUtf8(const char* text)
{
    std::wstring out;
    if (!text)
        return out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        std::uint32_t c = *p++;
        int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (more)
            c &= 0x3F >> more;
        for (; more > 0 && (*p & 0xC0) == 0x80; --more)
            c = (c << 6) | (*p++ & 0x3F);
        out.push_back(more ? L'?' : static_cast<wchar_t>(c));
    }
    return out;
}

std::string textOf(const char* text)
{
    return text ? std::string(text) : std::string();
}

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string busName(unsigned bus)
{
    switch (bus) {
    case 0x03: return "USB";
    case 0x05: return "Bluetooth";
    case 0x18: return "I2C";
    case 0x06: return "Virtual";
    default: {
        char text[16];
        std::snprintf(text, sizeof text, "%04X", bus);
        return text;
    }
    }
}

struct UdevContext
{
    udev* context = udev_new();
    ~UdevContext()
    {
        if (context)
            udev_unref(context);
    }
};

struct UdevDevice
{
    udev_device* device = nullptr;
    ~UdevDevice()
    {
        if (device)
            udev_device_unref(device);
    }
};

// Describes one hidraw node from udev and sysfs; opens nothing.
std::optional<DeviceInfo> describe(udev_device* raw, const HidrawBackend& backend)
{
    const char* node = udev_device_get_devnode(raw);
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(raw, "hid", nullptr);
    if (!node || !hid)
        return std::nullopt;
    DeviceInfo info;
    info.path = node;
    info.instanceKey = textOf(udev_device_get_syspath(hid));
    unsigned bus = 0, vendor = 0, product = 0;
    if (std::sscanf(textOf(udev_device_get_property_value(hid, "HID_ID")).c_str(), "%x:%x:%x", &bus, &vendor,
                    &product) == 3) {
        info.identified = true;
        info.vendorId = static_cast<std::uint16_t>(vendor);
        info.productId = static_cast<std::uint16_t>(product);
    }
    DeviceProperties& p = info.properties;
    p.subsystem = textOf(udev_device_get_subsystem(hid));
    p.driver = textOf(udev_device_get_driver(hid));
    p.name = textOf(udev_device_get_property_value(hid, "HID_NAME"));
    p.phys = textOf(udev_device_get_property_value(hid, "HID_PHYS"));
    p.uniq = textOf(udev_device_get_property_value(hid, "HID_UNIQ"));
    p.modalias = textOf(udev_device_get_property_value(hid, "MODALIAS"));
    p.busType = busName(bus);
    info.reportDescriptor = readFile(info.instanceKey + "/report_descriptor");
    info.product = fromUtf8(p.name.c_str());
    info.serialNumber = fromUtf8(p.uniq.c_str());
    if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(raw, "usb", "usb_device")) {
        p.usbManufacturer = textOf(udev_device_get_sysattr_value(usb, "manufacturer"));
        info.manufacturer = fromUtf8(p.usbManufacturer.c_str());
        if (const char* name = udev_device_get_sysattr_value(usb, "product"))
            info.product = fromUtf8(name);
        if (const char* serial = udev_device_get_sysattr_value(usb, "serial"))
            info.serialNumber = fromUtf8(serial);
        unsigned version = 0;
        if (std::sscanf(textOf(udev_device_get_sysattr_value(usb, "bcdDevice")).c_str(), "%x", &version) == 1)
            info.versionNumber = static_cast<std::uint16_t>(version);
        p.busNumber = static_cast<std::uint32_t>(std::atoi(textOf(udev_device_get_sysattr_value(usb, "busnum")).c_str()));
    }
    if (udev_device* intf = udev_device_get_parent_with_subsystem_devtype(raw, "usb", "usb_interface"))
        p.interfaceNumber = textOf(udev_device_get_sysattr_value(intf, "bInterfaceNumber"));
    info.readWriteAccess = info.identified && backend.isOpenable(info.vendorId, info.productId)
                           && ::access(node, R_OK | W_OK) == 0;
    return info;
}

std::optional<DeviceInfo> describePath(const std::string& path, const HidrawBackend& backend)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0 || !S_ISCHR(st.st_mode))
        return std::nullopt;
    UdevContext udev;
    if (!udev.context)
        return std::nullopt;
    UdevDevice raw{udev_device_new_from_devnum(udev.context, 'c', st.st_rdev)};
    if (!raw.device || textOf(udev_device_get_subsystem(raw.device)) != "hidraw")
        return std::nullopt;
    return describe(raw.device, backend);
}

std::string groupOf(const std::string& path)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return "unknown";
    if (const group* g = ::getgrgid(st.st_gid))
        return g->gr_name;
    return std::to_string(st.st_gid);
}

OpenError openError(int error, const std::string& path)
{
    OpenError e;
    e.error = error;
    // A node that has just appeared gets its group and mode from udev a
    // moment later; until then it refuses everyone but root.
    e.mayRetry = error == EACCES || error == EPERM || error == ENOENT;
    e.message = path + ": " + std::strerror(error) + " (group " + groupOf(path) + ")"
                + (e.mayRetry ? "; a device plugged in just now may open on a retry" : "");
    return e;
}

class HidrawConnection final : public Connection
{
public:
    HidrawConnection(hid_device* device, int ioctlFd) : device_(device), fd_(ioctlFd) {}
    ~HidrawConnection() override
    {
        hid_close(device_);
        if (fd_ >= 0)
            ::close(fd_);
    }

    IoResult write(std::span<const std::uint8_t> report) override
    {
        std::lock_guard lock(mutex_);
        return result(hid_write(device_, report.data(), report.size()));
    }

    IoResult read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout, std::stop_token stop) override
    {
        // hidapi cannot be woken, so wait in short pieces and look at the
        // stop request and cancellation in between.
        constexpr std::chrono::milliseconds piece(50);
        cancelled_ = false;
        auto left = timeout;
        while (!stop.stop_requested() && !cancelled_) {
            const auto wait = timeout.count() < 0 ? piece : std::min(piece, left);
            const int n = hid_read_timeout(device_, buffer.data(), buffer.size(), static_cast<int>(wait.count()));
            if (n != 0)
                return result(n);
            if (timeout.count() >= 0) {
                left -= wait;
                if (left.count() <= 0)
                    break;
            }
        }
        return {0, 0};
    }

    void cancelRead() override { cancelled_ = true; }

    bool flush() override
    {
        std::uint8_t buffer[HID_MAX_DESCRIPTOR_SIZE];
        for (int i = 0; i < 1024; ++i) { // the kernel queues 64 reports at most
            const int n = hid_read_timeout(device_, buffer, sizeof buffer, 0);
            if (n < 0)
                return false;
            if (n == 0)
                return true;
        }
        return true;
    }

    IoResult getFeature(std::span<std::uint8_t> report) override
    {
        std::lock_guard lock(mutex_);
        return result(hid_get_feature_report(device_, report.data(), report.size()));
    }
    IoResult setFeature(std::span<const std::uint8_t> report) override
    {
        std::lock_guard lock(mutex_);
        return result(hid_send_feature_report(device_, report.data(), report.size()));
    }
    IoResult getInputReport(std::span<std::uint8_t> report) override
    {
        std::lock_guard lock(mutex_);
        return result(hid_get_input_report(device_, report.data(), report.size()));
    }
    IoResult setOutputReport(std::span<const std::uint8_t> report) override
    {
        if (fd_ < 0 || report.empty())
            return IoResult::failed(EBADF);
        std::vector<std::uint8_t> copy(report.begin(), report.end());
        const int n = ::ioctl(fd_, HIDIOCSOUTPUT(copy.size()), copy.data());
        return n < 0 ? IoResult::failed(errno) : IoResult{n, 0};
    }

    std::optional<std::vector<std::uint8_t>> reportDescriptor() override
    {
        int size = 0;
        if (fd_ < 0 || ::ioctl(fd_, HIDIOCGRDESCSIZE, &size) < 0 || size <= 0 || size > HID_MAX_DESCRIPTOR_SIZE)
            return std::nullopt;
        hidraw_report_descriptor descriptor{};
        descriptor.size = static_cast<__u32>(size);
        if (::ioctl(fd_, HIDIOCGRDESC, &descriptor) < 0)
            return std::nullopt;
        return std::vector<std::uint8_t>(descriptor.value, descriptor.value + size);
    }

    std::optional<std::wstring> manufacturer() override { return text(hid_get_manufacturer_string); }
    std::optional<std::wstring> product() override { return text(hid_get_product_string); }
    std::optional<std::wstring> serialNumber() override { return text(hid_get_serial_number_string); }
    // The hidraw interface has no way to fetch a string descriptor by index.
    std::optional<std::wstring> indexedString(int) override { return std::nullopt; }

private:
    static IoResult result(int n) { return n < 0 ? IoResult::failed(errno ? errno : EIO) : IoResult{n, 0}; }

    std::optional<std::wstring> text(int (*get)(hid_device*, wchar_t*, size_t))
    {
        std::lock_guard lock(mutex_);
        wchar_t buffer[255] = {};
        if (get(device_, buffer, std::size(buffer)) < 0)
            return std::nullopt;
        return std::wstring(buffer);
    }

    std::mutex mutex_; // hidapi keeps per-device error state; serialise all but reads
    hid_device* device_;
    int fd_;
    std::atomic<bool> cancelled_{false};
};

// Reports changes seen by a udev monitor.
class UdevWatch final : public ChangeWatch
{
public:
    static std::unique_ptr<UdevWatch> start(std::function<void()> changed)
    {
        auto watch = std::unique_ptr<UdevWatch>(new UdevWatch);
        if (!watch->udev_.context)
            return nullptr;
        watch->monitor_ = udev_monitor_new_from_netlink(watch->udev_.context, "udev");
        watch->wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (!watch->monitor_ || watch->wake_ < 0
            || udev_monitor_filter_add_match_subsystem_devtype(watch->monitor_, "hidraw", nullptr) < 0
            || udev_monitor_enable_receiving(watch->monitor_) < 0)
            return nullptr;
        watch->thread_ = std::thread([w = watch.get(), changed = std::move(changed)] { w->run(changed); });
        return watch;
    }

    ~UdevWatch() override
    {
        if (thread_.joinable()) {
            const std::uint64_t one = 1;
            [[maybe_unused]] const auto written = ::write(wake_, &one, sizeof one);
            thread_.join();
        }
        if (monitor_)
            udev_monitor_unref(monitor_);
        if (wake_ >= 0)
            ::close(wake_);
    }

private:
    UdevWatch() = default;

    void run(const std::function<void()>& changed)
    {
        pollfd fds[2] = {{udev_monitor_get_fd(monitor_), POLLIN, 0}, {wake_, POLLIN, 0}};
        while (true) {
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (fds[1].revents)
                return;
            if (udev_device* device = udev_monitor_receive_device(monitor_)) {
                udev_device_unref(device);
                changed();
            }
        }
    }

    UdevContext udev_;
    udev_monitor* monitor_ = nullptr;
    int wake_ = -1;
    std::thread thread_;
};

// Where no udev daemon runs: enumerate now and then and report differences.
class PollingWatch final : public ChangeWatch
{
public:
    PollingWatch(HidrawBackend& backend, std::chrono::milliseconds interval, std::function<void()> changed)
        : thread_([&backend, interval, changed = std::move(changed)](std::stop_token stop) {
              std::set<std::string> known = keys(backend);
              std::mutex mutex;
              std::condition_variable_any wake;
              while (true) {
                  {
                      std::unique_lock lock(mutex);
                      if (wake.wait_for(lock, stop, interval, [] { return false; }) || stop.stop_requested())
                          return;
                  }
                  std::set<std::string> now = keys(backend);
                  if (now != known) {
                      known = std::move(now);
                      changed();
                  }
              }
          })
    {
    }

private:
    static std::set<std::string> keys(HidrawBackend& backend)
    {
        std::set<std::string> result;
        for (const DeviceInfo& info : backend.enumerate())
            result.insert(info.instanceKey);
        return result;
    }

    std::jthread thread_;
};

} // namespace

HidrawBackend::HidrawBackend(std::vector<VendorProduct> openable, std::chrono::milliseconds pollInterval)
    : openable_(std::move(openable)), pollInterval_(pollInterval), hidapiReady_(hid_init() == 0)
{
}

HidrawBackend::~HidrawBackend() = default;

bool HidrawBackend::available() const
{
    UdevContext udev;
    return hidapiReady_ && udev.context;
}

std::string HidrawBackend::libraryVersion() const
{
    return hid_version_str();
}

bool HidrawBackend::isOpenable(std::uint16_t vendorId, std::uint16_t productId) const
{
    return std::find(openable_.begin(), openable_.end(), VendorProduct{vendorId, productId}) != openable_.end();
}

std::vector<DeviceInfo> HidrawBackend::enumerate()
{
    std::vector<DeviceInfo> infos;
    UdevContext udev;
    if (!udev.context)
        return infos;
    udev_enumerate* enumeration = udev_enumerate_new(udev.context);
    if (!enumeration)
        return infos;
    udev_enumerate_add_match_subsystem(enumeration, "hidraw");
    udev_enumerate_scan_devices(enumeration);
    for (udev_list_entry* entry = udev_enumerate_get_list_entry(enumeration); entry;
         entry = udev_list_entry_get_next(entry)) {
        UdevDevice raw{udev_device_new_from_syspath(udev.context, udev_list_entry_get_name(entry))};
        if (!raw.device)
            continue;
        if (auto info = describe(raw.device, *this))
            infos.push_back(std::move(*info));
    }
    udev_enumerate_unref(enumeration);
    return infos;
}

OpenResult HidrawBackend::open(const std::string& path, Access access)
{
    OpenResult result;
    const std::optional<DeviceInfo> info = describePath(path, *this);
    if (!info) {
        result.error = {ENODEV, path + ": not a HID interface", false};
        return result;
    }
    if (access == Access::Query) {
        result.connection = makeQueryConnection(*info);
        return result;
    }
    if (!info->identified || !isOpenable(info->vendorId, info->productId)) {
        result.error = {EACCES, path + ": only the processor's HID interface is opened for transfers", false};
        return result;
    }
    if (!hidapiReady_) {
        result.error = {ENOSYS, "the HID library could not be initialised", false};
        return result;
    }
    errno = 0;
    hid_device* device = hid_open_path(path.c_str());
    if (!device) {
        result.error = openError(errno ? errno : EACCES, path);
        return result;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    result.connection = std::make_shared<HidrawConnection>(device, fd);
    return result;
}

std::unique_ptr<ChangeWatch> HidrawBackend::watchChanges(std::function<void()> changed)
{
    // Without a udev daemon the monitor would never hear anything.
    if (::access("/run/udev/control", F_OK) == 0)
        if (auto watch = UdevWatch::start(changed))
            return watch;
    return std::make_unique<PollingWatch>(*this, pollInterval_, std::move(changed));
}

Backend& systemBackend()
{
    static HidrawBackend backend({{0x0168, 0x0821}});
    return backend;
}

} // namespace qx::hid
