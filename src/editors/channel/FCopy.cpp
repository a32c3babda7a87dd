#include "editors/channel/FCopy.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelDialogHost.h"

TfmCopy* fmCopy = nullptr;

TfmCopy::TfmCopy(TComponent* Owner) : TForm(Owner) { LoadLayout("FCopy"); }

TfmCopy::~TfmCopy()
{
    if (fmCopy == this)
        fmCopy = nullptr;
}

void TfmCopy::FormShow(TObject*)
{
    qx::captionFromHost(*this, "SID_COPY_TITLE");
    qx::captionFromHost(*bnInChCopy, "SID_COPY");
    qx::captionFromHost(*bnOutChCopy, "SID_COPY");
    qx::captionFromHost(*bnExit, "SID_EXIT");
}

// A list with nothing chosen names no channel: the copy is refused.
void TfmCopy::bnInChCopyClick(TObject* Sender)
{
    auto* button = dynamic_cast<TRzBmpButton*>(Sender);
    if (!button)
        return;
    const bool outputs = button->Tag() == 1;
    const TRzComboBox* source = outputs ? cbOutSource : cbInSource;
    const TRzComboBox* target = outputs ? cbOutDestination : cbInDestination;
    if (source->ItemIndex() < 0 || target->ItemIndex() < 0)
        return;
    const int first = outputs ? qx::kInputChannels : 0;
    if (qx::ChannelDialogHost* host = qx::channelDialogHost())
        host->CopyChannel(first + source->ItemIndex(), first + target->ItemIndex(), true, qx::CopyTargets::Group);
}

void TfmCopy::bnExitClick(TObject*) { Close(); }
