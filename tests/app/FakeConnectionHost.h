#pragma once
// The main window as the connection dialogs see it, recording what they do.

#include "app/ConnectionHost.h"
#include "app/strings/TextTables.h"
#include "platform/net/ClientSocket.h"

#include <string>
#include <vector>

namespace qx::test {

class FakeConnectionHost : public ConnectionHost
{
public:
    FakeConnectionHost()
    {
        socket.SetPort(9761); // never dialled: tests that activate it set a loopback listener's port
        socket.OnError = [](TObject*, TCustomWinSocket*, TErrorEvent, int& code) { code = 0; };
    }

    std::string_view Translate(std::string_view id) const override { return qx::Translate(language, id); }
    std::uint8_t GetDeviceId() const override { return static_cast<std::uint8_t>(deviceId); }
    void SetDeviceId(int id) override
    {
        calls.push_back("SetDeviceId " + std::to_string(id));
        deviceId = id;
    }
    bool IsConnected() const override { return connected; }
    std::uint32_t GetDeviceAddress() const override { return deviceAddress; }
    void SetDeviceAddress(std::uint32_t address) override { deviceAddress = address; }
    void SetAutoAddressMode(int mode) override { calls.push_back("SetAutoAddressMode " + std::to_string(mode)); }
    TClientSocket& NetSocket() override { return socket; }
    void ShowIpText(const std::string& text) override { ipText = text; }
    void ShowInformation(std::string_view stringId) override
    {
        calls.push_back("ShowInformation " + std::string(stringId));
    }

    bool HasHidDevice() const override { return hidDevice; }
    void SetComPortName(const std::string& port) override { comPortName = port; }
    void ConnectUsb() override { calls.push_back("ConnectUsb"); }
    void ConnectNet() override { calls.push_back("ConnectNet"); }
    void ConnectCom() override { calls.push_back("ConnectCom " + comPortName); }
    void Disconnect() override { calls.push_back("Disconnect"); }
    void PrepareNetworkScan() override { calls.push_back("PrepareNetworkScan"); }
    void OpenNetworkSetup() override { calls.push_back("OpenNetworkSetup"); }
    void EnableLinkControls() override { calls.push_back("EnableLinkControls"); }
    void CloseProgressWindow() override { calls.push_back("CloseProgressWindow"); }

    int deviceId = 1;
    bool connected = false;
    bool hidDevice = false;
    std::uint32_t deviceAddress = 0xC0A80165; // 192.168.1.101, as at start; never dialled here
    std::string ipText;
    std::string comPortName;
    TClientSocket socket{nullptr};
    std::string_view language = kLanguageEnglish;
    std::vector<std::string> calls;
};

} // namespace qx::test
