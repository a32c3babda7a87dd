#include "editors/channel/FChNameList.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelDialogHost.h"
#include "model/NameText.h"
#include "platform/gui/Edit.h"
#include "platform/text/AnsiCodePage.h"

TfmChNameList* fmChNameList = nullptr;

TfmChNameList::TfmChNameList(TComponent* Owner) : TForm(Owner) { LoadLayout("FChNameList"); }

TfmChNameList::~TfmChNameList()
{
    if (fmChNameList == this)
        fmChNameList = nullptr;
}

TEdit* TfmChNameList::nameBox(int channel) const
{
    return qx::channelControl<TEdit>(*this, "edMatrixChName", channel);
}

void TfmChNameList::FormShow(TObject*)
{
    if (qx::ChannelDialogHost* host = qx::channelDialogHost())
        for (int c = 0; c < qx::kChannels; ++c)
            if (TEdit* box = nameBox(c))
                box->SetText(host->ChannelNameText(c));
    qx::captionFromHost(*this, "SID_CH_NAME_LIST");
    qx::captionFromHost(*btnOK, "SID_SET");
    qx::captionFromHost(*btnCancel, "SID_EXIT");
}

// Only names that differ from the stored ones are stored and sent; a name
// compares as the code page holds it.
void TfmChNameList::btnOKClick(TObject*)
{
    if (qx::ChannelDialogHost* host = qx::channelDialogHost()) {
        for (int c = 0; c < qx::kChannels; ++c) {
            TEdit* box = nameBox(c);
            if (!box || qx::AnsiToUtf8(qx::Utf8ToAnsi(box->Text())) == host->ChannelNameText(c))
                continue;
            const qx::ChannelName name = qx::channelNameFromText(box->Text());
            box->SetText(qx::textOfName(name));
            host->SetChannelName(c, name);
        }
    }
    Close();
}

void TfmChNameList::btnCancelClick(TObject*) { Close(); }
