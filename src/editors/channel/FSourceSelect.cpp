#include "editors/channel/FSourceSelect.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelDialogHost.h"
#include "model/LUnitControl.h"
#include "platform/gui/ComboBox.h"

TfmSourceSelect* fmSourceSelect = nullptr;

TfmSourceSelect::TfmSourceSelect(TComponent* Owner) : TForm(Owner) { LoadLayout("FSourceSelect"); }

TfmSourceSelect::~TfmSourceSelect()
{
    if (fmSourceSelect == this)
        fmSourceSelect = nullptr;
}

void TfmSourceSelect::FormShow(TObject*)
{
    qx::captionFromHost(*this, "SID_SOURCE_SELECT");
    qx::captionFromHost(*bnExit, "SID_EXIT");
    qx::ChannelDialogHost* host = qx::channelDialogHost();
    if (!host)
        return;
    Updating = 1;
    const unsigned mask = host->Unit().GetSourceSelectMask();
    for (int c = 0; c < qx::kChannels; ++c)
        if (auto* list = qx::findComponent<TComboBox>(*this, "cb" + qx::channelSuffix(c)))
            list->SetItemIndex(static_cast<int>((mask >> c) & 1U));
    Updating = 0;
}

void TfmSourceSelect::cbInAChange(TObject* Sender)
{
    if (Updating == 1)
        return;
    auto* list = qx::channelSender<TComboBox>(Sender);
    qx::ChannelDialogHost* host = qx::channelDialogHost();
    if (!list || !host || list->ItemIndex() < 0)
        return;
    host->Unit().SetSourceSelect(list->Tag(), static_cast<std::uint8_t>(list->ItemIndex()));
}

void TfmSourceSelect::bnExitClick(TObject*) { Close(); }
