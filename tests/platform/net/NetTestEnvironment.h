#pragma once

#include <functional>

namespace qx::test {

/// Lets the GUI loop pass until done() holds; fails the test when it does
/// not within a generous bound (a hang guard, not a timing check).
bool pumpUntil(const std::function<bool()>& done);

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
