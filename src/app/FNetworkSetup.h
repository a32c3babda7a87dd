#pragma once
// The network setup dialog: the device id every command carries and, while
// not connected, the processor's IPv4 address for the Ethernet link.

#include "platform/gui/Events.h"
#include "platform/gui/Form.h"

#include <cstdint>
#include <string>

class TButton;
class TEdit;
class TGroupBox;
class TLabel;
class TRadioButton;

namespace qx {
class ConnectionHost;
} // namespace qx

class TfmNetworkSetup : public TForm
{
public:
    explicit TfmNetworkSetup(TComponent* Owner);

    // The main window that the dialog reads and sets; set before the first show.
    void SetHost(qx::ConnectionHost& host) { host_ = &host; }
    // The device address as "a.b.c.d", first octet first.
    std::string FormatDeviceAddress() const;

    void FormShow(TObject* Sender);
    void bnSetClick(TObject* Sender);
    void bnExitClick(TObject* Sender);
    void edIdEnter(TObject* Sender);
    void edIdExit(TObject* Sender);
    void edIdKeyPress(TObject* Sender, char16_t& Key);
    void edIdMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void edIp1Enter(TObject* Sender);
    void edIp1Exit(TObject* Sender);
    void edIp1KeyPress(TObject* Sender, char16_t& Key);
    void edIp1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void rbManualSettingClick(TObject* Sender);
    void rbAutoSettingClick(TObject* Sender);

    // Before each modal show, by the main window's menu item: while online
    // nothing can be changed; offline the edits follow the address mode.
    void SetUpFor(bool online);

    // Address edits and id edit enabled with the window colour, or disabled
    // and silver.
    void SetAddressEditable(bool editable);
    void SetIdEditable(bool editable);

    TGroupBox* gbIdSetting = nullptr;
    TLabel* lbMessage = nullptr;
    TEdit* edId = nullptr;
    TGroupBox* gbIpSetting = nullptr;
    TEdit* edIp1 = nullptr;
    TEdit* edIp2 = nullptr;
    TEdit* edIp3 = nullptr;
    TEdit* edIp4 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TRadioButton* rbManualSetting = nullptr;
    TRadioButton* rbAutoSetting = nullptr;
    TButton* bnSet = nullptr;
    TButton* bnExit = nullptr;

private:
    void setCaption(TControl* control, const char* id);
    void showCurrentId();
    bool applyAddress();

    qx::ConnectionHost* host_ = nullptr;
};

extern TfmNetworkSetup* fmNetworkSetup;

namespace qx {
// Registers the connection windows (network setup, traffic monitor, scan).
void registerConnectionWindows();
} // namespace qx
