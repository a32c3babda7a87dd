#include "platform/serial/SerialPort.h"

// The kernel's termios2 sets any speed; it cannot share a unit with <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qx {
namespace {

std::string groupOf(const std::string& path)
{
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    if (const group* g = ::getgrgid(info.st_gid))
        return g->gr_name;
    return std::to_string(info.st_gid);
}

// A node whose owner, group or mode changed within the last few seconds:
// one created by a plug-in, which udev sets up a moment later.
bool changedJustNow(const std::string& path)
{
    constexpr long kSettleSeconds = 3;
    struct stat info{};
    timespec now{};
    if (::stat(path.c_str(), &info) != 0 || ::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return false;
    const long age = static_cast<long>(now.tv_sec - info.st_ctim.tv_sec);
    return age >= 0 && age < kSettleSeconds;
}

bool dataBitsFlag(int dataBits, tcflag_t& flag)
{
    switch (dataBits) {
    case 5: flag = CS5; return true;
    case 6: flag = CS6; return true;
    case 7: flag = CS7; return true;
    case 8: flag = CS8; return true;
    default: return false;
    }
}

bool parityFlags(int parity, tcflag_t& flags)
{
    switch (parity) {
    case 0: flags = 0; return true;
    case 1: flags = PARENB | PARODD; return true;
    case 2: flags = PARENB; return true;
    default: return false;
    }
}

bool stopBitsFlag(int stopBits, tcflag_t& flag)
{
    switch (stopBits) {
    case 0: flag = 0; return true;
    case 2: flag = CSTOPB; return true;
    default: return false;
    }
}

} // namespace

SerialPort::~SerialPort()
{
    close();
}

bool SerialPort::fail(const std::string& what)
{
    errorCode_ = errno;
    mayRetry_ = false;
    error_ = what + ": " + std::strerror(errorCode_);
    return false;
}

bool SerialPort::open(const std::string& path)
{
    close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int why = errno;
        errorCode_ = why;
        mayRetry_ = (why == EACCES || why == EPERM) && changedJustNow(path);
        error_ = "cannot open " + path + ": " + std::strerror(why);
        if (why == EACCES)
            error_ += " (the device belongs to group " + groupOf(path) + "; a port just plugged in may need a moment)";
        else if (why == EBUSY)
            error_ += " (another program has it open; try again when it is closed)";
        return false;
    }
    if (::ioctl(fd, TIOCEXCL) != 0) {
        fail("cannot lock " + path + " for exclusive use");
        ::close(fd);
        return false;
    }
    fd_ = fd;
    error_.clear();
    errorCode_ = 0;
    mayRetry_ = false;
    return true;
}

void SerialPort::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool SerialPort::configure(const SerialSettings& settings)
{
    tcflag_t size = 0;
    tcflag_t parity = 0;
    tcflag_t stop = 0;
    if (settings.baudRate <= 0 || !dataBitsFlag(settings.dataBits, size) || !parityFlags(settings.parity, parity)
        || !stopBitsFlag(settings.stopBits, stop)) {
        error_ = "unsupported line settings";
        return false;
    }
    termios2 tio{};
    if (::ioctl(fd_, TCGETS2, &tio) != 0)
        return fail("cannot read the port settings");
    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= size | parity | stop | CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(settings.baudRate);
    tio.c_ospeed = static_cast<speed_t>(settings.baudRate);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::ioctl(fd_, TCSETS2, &tio) != 0)
        return fail("cannot set the port settings");
    return true;
}

std::optional<int> SerialPort::baudRate() const
{
    termios2 tio{};
    if (fd_ < 0 || ::ioctl(fd_, TCGETS2, &tio) != 0)
        return std::nullopt;
    return static_cast<int>(tio.c_ospeed);
}

bool SerialPort::purge()
{
    return fd_ >= 0 && ::ioctl(fd_, TCFLSH, TCIOFLUSH) == 0;
}

std::optional<std::size_t> SerialPort::read(std::span<std::uint8_t> buffer)
{
    for (;;) {
        if (buffer.empty())
            return 0;
        const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
        if (got > 0)
            return static_cast<std::size_t>(got);
        if (got == 0) {
            // A non-blocking terminal reads 0 bytes only once the line hung up.
            errno = EIO;
            fail("the port hung up");
            return std::nullopt;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN)
            return 0;
        fail("cannot read the port");
        return std::nullopt;
    }
}

bool SerialPort::writeAll(std::span<const std::uint8_t> bytes, int timeoutMs)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0 && errno != EAGAIN)
            return fail("cannot write the port");
        pollfd room{fd_, POLLOUT, 0};
        const int ready = ::poll(&room, 1, timeoutMs);
        if (ready == 0) {
            error_ = "the port's output stayed full";
            return false;
        }
        if (ready < 0 && errno != EINTR)
            return fail("cannot wait for the port");
        if (ready > 0 && (room.revents & (POLLERR | POLLHUP | POLLNVAL))) {
            errno = EIO;
            return fail("the port failed");
        }
    }
    return true;
}

} // namespace qx
