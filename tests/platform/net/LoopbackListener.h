#pragma once

namespace qx::test {

/// A listening socket on 127.0.0.1 with an ephemeral port.
class LoopbackListener
{
public:
    LoopbackListener();
    ~LoopbackListener();
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    int port() const { return port_; }
    /// Takes the connection waiting; its descriptor, or -1.
    int accept();
    int peer() const { return peer_; }
    void closePeer();
    void stopListening();

private:
    int fd_ = -1;
    int peer_ = -1;
    int port_ = 0;
};

} // namespace qx::test
