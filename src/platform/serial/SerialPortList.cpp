#include "platform/serial/SerialPortList.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <tuple>

namespace qx {
namespace {

namespace fs = std::filesystem;

std::mutex providerMutex;
std::unique_ptr<SerialPortProvider> installedProvider;

std::size_t numberStart(std::string_view path)
{
    std::size_t start = path.size();
    while (start > 0 && path[start - 1] >= '0' && path[start - 1] <= '9')
        --start;
    return start;
}

// A UART slot with no chip behind it reports type 0.
bool uartTypeKnown(const fs::path& entry)
{
    std::ifstream in(entry / "type");
    int type = 0;
    return in >> type && type != 0;
}

bool hasRealDevice(const fs::path& entry)
{
    std::error_code ec;
    if (!fs::exists(entry / "device", ec))
        return false;
    const std::string name = entry.filename().string();
    if (name.rfind("ttyS", 0) == 0)
        return uartTypeKnown(entry);
    return true;
}

} // namespace

SysfsSerialPorts::SysfsSerialPorts(std::string classDir, std::string devDir)
    : classDir_(std::move(classDir)), devDir_(std::move(devDir))
{
}

std::vector<std::string> SysfsSerialPorts::ports() const
{
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(classDir_, ec)) {
        if (hasRealDevice(entry.path()))
            found.push_back((fs::path(devDir_) / entry.path().filename()).string());
    }
    return found;
}

std::optional<int> serialPortNumber(std::string_view path)
{
    const std::size_t start = numberStart(path);
    int number = 0;
    const char* end = path.data() + path.size();
    const auto [ptr, ec] = std::from_chars(path.data() + start, end, number);
    if (start == path.size() || ec != std::errc{} || ptr != end)
        return std::nullopt;
    return number;
}

void sortSerialPorts(std::vector<std::string>& paths)
{
    auto key = [](const std::string& path) {
        return std::make_tuple(std::string_view(path).substr(0, numberStart(path)),
                               serialPortNumber(path).value_or(-1), std::string_view(path));
    };
    std::sort(paths.begin(), paths.end(), [&](const std::string& a, const std::string& b) { return key(a) < key(b); });
}

void setSerialPortProvider(std::unique_ptr<SerialPortProvider> provider)
{
    std::lock_guard lock(providerMutex);
    installedProvider = std::move(provider);
}

std::vector<std::string> listSerialPorts()
{
    std::vector<std::string> paths;
    {
        std::lock_guard lock(providerMutex);
        paths = installedProvider ? installedProvider->ports() : SysfsSerialPorts().ports();
    }
    sortSerialPorts(paths);
    return paths;
}

} // namespace qx
