#include "platform/net/ClientSocket.h"

#include "platform/gui/PropertyRegistry.h"

#include <mutex>

namespace qx {

void registerNetClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerClass<TClientSocket, TComponent>("TClientSocket")
            .property("Active", &TClientSocket::Active, &TClientSocket::SetActive)
            .defaultValue(false)
            .property("Address", &TClientSocket::Address, &TClientSocket::SetAddress)
            .property("Port", &TClientSocket::Port, &TClientSocket::SetPort)
            .defaultValue(0)
            .event("OnConnecting", &TClientSocket::OnConnecting)
            .event("OnConnect", &TClientSocket::OnConnect)
            .event("OnRead", &TClientSocket::OnRead)
            .event("OnError", &TClientSocket::OnError);
    });
}

} // namespace qx
