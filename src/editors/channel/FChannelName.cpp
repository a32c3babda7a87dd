#include "editors/channel/FChannelName.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelDialogHost.h"
#include "model/NameText.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Keys.h"
#include "platform/gui/Label.h"

TfmChannelName* fmChannelName = nullptr;

TfmChannelName::TfmChannelName(TComponent* Owner) : TForm(Owner) { LoadLayout("FChannelName"); }

TfmChannelName::~TfmChannelName()
{
    if (fmChannelName == this)
        fmChannelName = nullptr;
}

void TfmChannelName::SetChannel(int channel)
{
    Channel = channel;
    if (qx::isChannelIndex(channel))
        lbChannel->SetCaption(qx::channelSuffix(channel) + " :");
}

void TfmChannelName::SetNameText(const std::string& text) { edName->SetText(text); }

void TfmChannelName::FormShow(TObject*)
{
    qx::captionFromHost(*this, "SID_CH_NAME");
    qx::captionFromHost(*lbChannelName, "SID_CH_NAME");
    qx::captionFromHost(*btnOK, "SID_EXIT_OK");
    qx::captionFromHost(*bnCancel, "SID_EXIT_CANCEL");
}

void TfmChannelName::FormActivate(TObject*)
{
    edName->SetEnabled(true);
    edName->SetFocus();
    edName->SelectAll();
}

void TfmChannelName::edNameKeyDown(TObject*, Word& Key, TShiftState)
{
    if (Key == VK_RETURN)
        btnOK->Click();
}

// The name is sent even when it did not change.
void TfmChannelName::btnOKClick(TObject*)
{
    const qx::ChannelName name = qx::channelNameFromText(edName->Text());
    edName->SetText(qx::textOfName(name));
    Close();
    if (qx::ChannelDialogHost* host = qx::channelDialogHost(); host && qx::isChannelIndex(Channel))
        host->SetChannelName(Channel, name);
}

void TfmChannelName::bnCancelClick(TObject*) { Close(); }
