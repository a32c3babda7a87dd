#include "ProtocolFloor.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace qx::bench {

namespace {

constexpr std::size_t kLengthOffset = 4;
constexpr std::size_t kFrameOverhead = 8;

class Connection
{
public:
    explicit Connection(std::uint16_t port) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(port);
        if (fd_ >= 0 && ::connect(fd_, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~Connection()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool open() const { return fd_ >= 0; }

    bool send(const std::vector<std::uint8_t>& frame) const
    {
        return ::send(fd_, frame.data(), frame.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(frame.size());
    }

    // Bytes of one reply frame; 0 when the connection ends first.
    std::size_t receiveFrame()
    {
        std::uint8_t chunk[512];
        while (!frameComplete()) {
            const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
            if (n <= 0)
                return 0;
            pending_.insert(pending_.end(), chunk, chunk + n);
        }
        const std::size_t size = pending_[kLengthOffset] + kFrameOverhead;
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(size));
        return size;
    }

private:
    bool frameComplete() const
    {
        return pending_.size() > kLengthOffset && pending_.size() >= pending_[kLengthOffset] + kFrameOverhead;
    }

    int fd_;
    std::vector<std::uint8_t> pending_;
};

} // namespace

FloorRun runProtocolFloor(std::uint16_t port, const std::vector<std::vector<std::uint8_t>>& requests)
{
    FloorRun run;
    const auto start = std::chrono::steady_clock::now();
    Connection connection(port);
    if (!connection.open())
        return run;
    for (const auto& request : requests) {
        if (!connection.send(request))
            return run;
        const std::size_t bytes = connection.receiveFrame();
        if (bytes == 0)
            return run;
        run.replyBytes += bytes;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.complete = true;
    return run;
}

} // namespace qx::bench
