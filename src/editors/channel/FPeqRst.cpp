#include "editors/channel/FPeqRst.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/channel/ChannelDialogHost.h"
#include "platform/gui/Label.h"

TfmPeqRst* fmPeqRst = nullptr;

TfmPeqRst::TfmPeqRst(TComponent* Owner) : TForm(Owner) { LoadLayout("FPeqRst"); }

TfmPeqRst::~TfmPeqRst()
{
    if (fmPeqRst == this)
        fmPeqRst = nullptr;
}

void TfmPeqRst::FormShow(TObject*)
{
    qx::captionFromHost(*this, "SID_PEQRST");
    qx::captionFromHost(*lbReset, "SID_PEQRST_RESET");
    qx::captionFromHost(*btnOK, "SID_PEQRST_OK");
    qx::captionFromHost(*btnCancel, "SID_PEQRST_CANCEL");
}

void TfmPeqRst::btnOKClick(TObject*)
{
    Hide();
    if (Channel >= 0 && Channel < 12)
        if (qx::ChannelDialogHost* host = qx::channelDialogHost())
            host->ResetPeq(Channel);
    Close();
}

void TfmPeqRst::btnExitClick(TObject*) { Close(); }
