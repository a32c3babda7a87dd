#pragma once
// What the connection dialogs need from the main window: the device id and
// address, the TCP client socket, the link operations of a scan, and a few of
// its controls. The main window implements it; tests use a recording fake.

#include <cstdint>
#include <string>
#include <string_view>

class TClientSocket;

namespace qx {

class ConnectionHost
{
public:
    virtual ~ConnectionHost() = default;

    virtual std::string_view Translate(std::string_view id) const = 0;

    // Device id (1..254) and connection state.
    virtual std::uint8_t GetDeviceId() const = 0;
    virtual void SetDeviceId(int id) = 0;
    virtual bool IsConnected() const = 0;

    // The processor's IPv4 address, first octet in bits 24-31; 0 for none.
    virtual std::uint32_t GetDeviceAddress() const = 0;
    virtual void SetDeviceAddress(std::uint32_t address) = 0;
    virtual void SetAutoAddressMode(int mode) = 0;
    virtual TClientSocket& NetSocket() = 0;
    // The main window's status label of the address.
    virtual void ShowIpText(const std::string& text) = 0;
    // The information dialog with the text of the string id, modally.
    virtual void ShowInformation(std::string_view stringId) = 0;

    // The scan: what it may probe, and the main window's link operations.
    virtual bool HasHidDevice() const = 0;
    virtual void SetComPortName(const std::string& port) = 0;
    virtual void ConnectUsb() = 0;
    virtual void ConnectNet() = 0;
    virtual void ConnectCom() = 0;
    virtual void Disconnect() = 0;
    virtual void PrepareNetworkScan() = 0;
    // The main window's network setup menu item.
    virtual void OpenNetworkSetup() = 0;
    // Link button and Connect menu item enabled.
    virtual void EnableLinkControls() = 0;
    virtual void CloseProgressWindow() = 0;

protected:
    ConnectionHost() = default;
    ConnectionHost(const ConnectionHost&) = default;
    ConnectionHost& operator=(const ConnectionHost&) = default;
};

} // namespace qx
