#include "app/FNetworkSetup.h"

#include "app/ConnectionHost.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/Label.h"
#include "platform/gui/RadioButton.h"
#include "platform/net/ClientSocket.h"
#include "platform/text/NumberText.h"

#include <array>

TfmNetworkSetup* fmNetworkSetup = nullptr;

namespace {

constexpr char16_t kEnter = 13;
constexpr int kMaxId = 250;
constexpr int kMaxOctet = 255;

TEdit* editOf(TObject* sender) { return dynamic_cast<TEdit*>(sender); }

// Leaving an edit or pressing Enter in it pulls a value over the limit back to it.
bool capAt(TEdit& edit, int limit)
{
    if (StrToInt(edit.Text()) <= limit)
        return false;
    edit.SetText(std::to_string(limit));
    return true;
}

} // namespace

TfmNetworkSetup::TfmNetworkSetup(TComponent* Owner) : TForm(Owner) { LoadLayout("FNetworkSetup"); }

std::string TfmNetworkSetup::FormatDeviceAddress() const
{
    const std::uint32_t a = host_->GetDeviceAddress();
    return std::to_string(a >> 24 & 0xFF) + "." + std::to_string(a >> 16 & 0xFF) + "." +
           std::to_string(a >> 8 & 0xFF) + "." + std::to_string(a & 0xFF);
}

void TfmNetworkSetup::setCaption(TControl* control, const char* id)
{
    control->SetCaption(std::string(host_->Translate(id)));
}

void TfmNetworkSetup::FormShow(TObject*)
{
    if (!host_)
        return; // shown on its own (a screenshot): the layout's texts stay
    const std::uint32_t a = host_->GetDeviceAddress();
    const std::array<TEdit*, 4> octets = {edIp1, edIp2, edIp3, edIp4};
    for (int i = 0; i < 4; ++i)
        octets[static_cast<std::size_t>(i)]->SetText(std::to_string(a >> (24 - 8 * i) & 0xFF));
    setCaption(this, "SID_SET_NETWORK");
    setCaption(rbManualSetting, "SID_MANU_NETWORK");
    setCaption(rbAutoSetting, "SID_AUTO_NETWORK");
    setCaption(gbIdSetting, "SID_INPUT_ID");
    setCaption(gbIpSetting, "SID_IP_ADDRESS");
    setCaption(lbMessage, "SID_NUMBER");
    setCaption(bnSet, "SID_SET");
    setCaption(bnExit, "SID_EXIT");
}

void TfmNetworkSetup::showCurrentId() { edId->SetText(std::to_string(host_->GetDeviceId())); }

void TfmNetworkSetup::bnSetClick(TObject*)
{
    // Every field is read before anything is applied: a field that is not a
    // number stops here with the conversion error.
    const int id = StrToInt(edId->Text());
    const bool addressWanted = rbManualSetting->Checked() && !host_->IsConnected();
    std::array<int, 4> o{};
    if (addressWanted) {
        const std::array<TEdit*, 4> octets = {edIp1, edIp2, edIp3, edIp4};
        for (std::size_t i = 4; i-- > 0;)
            o[i] = StrToInt(octets[i]->Text());
        for (int v : o)
            if (v < 0 || v > kMaxOctet) {
                host_->ShowInformation("SID_ID_NUMBER_ERROR");
                return;
            }
    }

    bool applied = false;
    if (id < 1 || id > kMaxId) {
        host_->ShowInformation("SID_ID_NUMBER_ERROR");
        showCurrentId();
    } else {
        host_->SetDeviceId(id);
        applied = true;
    }
    if (addressWanted) {
        const std::string text = std::to_string(o[0]) + "." + std::to_string(o[1]) + "." + std::to_string(o[2]) +
                                 "." + std::to_string(o[3]);
        TClientSocket& socket = host_->NetSocket();
        socket.SetActive(false);
        socket.SetAddress(text);
        host_->SetDeviceAddress(static_cast<std::uint32_t>(o[0]) << 24 | static_cast<std::uint32_t>(o[1]) << 16 |
                                static_cast<std::uint32_t>(o[2]) << 8 | static_cast<std::uint32_t>(o[3]));
        host_->ShowIpText("IP : " + text);
        applied = true;
        socket.SetActive(true);
    }
    if (applied) {
        host_->SetAutoAddressMode(rbAutoSetting->Checked() ? 1 : 0);
        Close();
    }
}

void TfmNetworkSetup::bnExitClick(TObject*)
{
    showCurrentId();
    Close();
}

void TfmNetworkSetup::edIdEnter(TObject*) { edId->SelectAll(); }

void TfmNetworkSetup::edIdMouseDown(TObject*, TMouseButton, TShiftState, int, int) { edId->SelectAll(); }

void TfmNetworkSetup::edIdExit(TObject*)
{
    const int value = StrToInt(edId->Text());
    if (value > kMaxId || value < 1) {
        edId->SetText(value > kMaxId ? std::to_string(kMaxId) : "1");
        edId->SelectAll();
    }
}

void TfmNetworkSetup::edIdKeyPress(TObject*, char16_t& Key)
{
    if (Key != kEnter)
        return;
    const int value = StrToInt(edId->Text());
    if (value > kMaxId)
        edId->SetText(std::to_string(kMaxId));
    else if (value <= 0)
        edId->SetText("1");
    edId->SelectAll();
}

void TfmNetworkSetup::edIp1Enter(TObject* Sender) { editOf(Sender)->SelectAll(); }

void TfmNetworkSetup::edIp1MouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)
{
    editOf(Sender)->SelectAll();
}

void TfmNetworkSetup::edIp1Exit(TObject* Sender)
{
    TEdit& edit = *editOf(Sender);
    if (capAt(edit, kMaxOctet))
        edit.SelectAll();
}

void TfmNetworkSetup::edIp1KeyPress(TObject* Sender, char16_t& Key)
{
    if (Key != kEnter)
        return;
    TEdit& edit = *editOf(Sender);
    capAt(edit, kMaxOctet);
    edit.SelectAll();
}

void TfmNetworkSetup::SetUpFor(bool online)
{
    gbIpSetting->SetEnabled(!online);
    rbManualSetting->SetEnabled(!online);
    rbAutoSetting->SetEnabled(!online);
    const bool editable = !online && !rbAutoSetting->Checked();
    SetAddressEditable(editable);
    SetIdEditable(editable);
}

void TfmNetworkSetup::SetAddressEditable(bool editable)
{
    for (TEdit* edit : {edIp1, edIp2, edIp3, edIp4}) {
        edit->SetEnabled(editable);
        edit->SetColor(editable ? clWindow : clSilver);
    }
}

void TfmNetworkSetup::SetIdEditable(bool editable)
{
    edId->SetEnabled(editable);
    edId->SetColor(editable ? clWindow : clSilver);
}

void TfmNetworkSetup::rbManualSettingClick(TObject*) { SetAddressEditable(true); }

void TfmNetworkSetup::rbAutoSettingClick(TObject*) { SetAddressEditable(false); }
