#pragma once

#include "platform/gui/Component.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

class TClientSocket;

enum TErrorEvent { eeGeneral, eeSend, eeReceive, eeConnect, eeDisconnect, eeAccept, eeLookup };

/// The connection of a client socket: the byte stream and the peer's address.
/// SendBuf may be called from any thread (a link's worker writes through it
/// while the GUI thread may resend); everything else is for the GUI thread.
class TCustomWinSocket
{
public:
    /// Writes every byte, waiting while the peer's window is full; returns the
    /// count written, which is less than Count only when the connection is
    /// not open or fails (then -1 when nothing went out).
    int SendBuf(const void* Buf, int Count);
    /// Reads what has arrived, at most Count bytes; 0 when nothing waits.
    /// While bytes remain unread the socket raises OnRead again.
    int ReceiveBuf(void* Buf, int Count);
    /// Bytes waiting to be read.
    int ReceiveLength() const;
    /// The peer's address in dotted form; empty while not connected.
    std::string RemoteAddress() const;
    int RemotePort() const;
    bool Connected() const { return connected_.load(); }

private:
    friend class TClientSocket;
    explicit TCustomWinSocket(TClientSocket& owner) : owner_(owner) {}

    // What the read event took from the connection and the handler has not
    // read yet (GUI thread).
    static constexpr std::size_t kInboxSize = 4096;
    std::size_t inboxSize() const { return inboxEnd_ - inboxBegin_; }
    int takeFromInbox(unsigned char* out, int count);
    // recv on the connection; a failure other than "nothing waits" fails the socket.
    int receive(unsigned char* out, int count);

    TClientSocket& owner_;
    std::array<unsigned char, kInboxSize> inbox_{};
    std::size_t inboxBegin_ = 0;
    std::size_t inboxEnd_ = 0;
    std::atomic<int> fd_{-1};
    std::atomic<bool> connected_{false};
    std::mutex sendMutex_;
};

using TSocketNotifyEvent = std::function<void(TObject* Sender, TCustomWinSocket* Socket)>;
/// ErrorCode is the system's error number; a handler that leaves it non-zero
/// lets the socket raise ESocketError, one that sets it to 0 swallows the error.
using TSocketErrorEvent =
    std::function<void(TObject* Sender, TCustomWinSocket* Socket, TErrorEvent ErrorEvent, int& ErrorCode)>;

class ESocketError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// A non-blocking TCP client: setting Active connects to Address (a dotted
/// IPv4 address) and Port without waiting; the progress and the data arrive as
/// events at passes of the GUI loop. An error closes the connection.
class TClientSocket : public TComponent
{
public:
    explicit TClientSocket(TComponent* AOwner);
    ~TClientSocket() override;

    bool Active() const { return active_; }
    void SetActive(bool Value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }

    const std::string& Address() const { return address_; }
    /// Takes effect at the next activation.
    void SetAddress(const std::string& Value) { address_ = Value; }
    int Port() const { return port_; }
    void SetPort(int Value) { port_ = Value; }

    TCustomWinSocket* Socket() { return &socket_; }

    void Loaded() override;

    TSocketNotifyEvent OnConnecting;
    TSocketNotifyEvent OnConnect;
    TSocketNotifyEvent OnRead;
    TSocketErrorEvent OnError;

private:
    friend class TCustomWinSocket;
    class Watch;

    void connect();
    void disconnect();
    void connectFinished();
    void readable();
    void failed(TErrorEvent event, int errorCode);

    bool active_ = false;
    std::string address_;
    int port_ = 0;
    TCustomWinSocket socket_{*this};
    std::unique_ptr<Watch> watch_;
};

namespace qx {

/// Registers TClientSocket for layouts.
void registerNetClasses();

} // namespace qx
