#include "app/lock/FLockMode.h"

#include "app/lock/LockDialogHost.h"
#include "app/lock/LockText.h"
#include "app/presets/DialogText.h"
#include "codec/CmMcs.h"
#include "platform/gui/Button.h"
#include "platform/gui/Label.h"

TfmLockMode* fmLockMode = nullptr;

TfmLockMode::TfmLockMode(TComponent* Owner) : TForm(Owner)
{
    LoadLayout("FLockMode");
}

void TfmLockMode::FormShow(TObject*)
{
    qx::captionFromTable(*this, "SID_LOCK_MODE_SETUP");
    qx::captionFromTable(*lbExit, "SID_LOCK_MODE");
    qx::captionFromTable(*btnOneTime, "SID_LOCK_ONE_TIME");
    qx::captionFromTable(*btnPermanent, "SID_LOCK_PERMANENT");
    qx::captionFromTable(*btnCancel, "SID_EXIT_CANCEL");
}

void TfmLockMode::btnOneTimeClick(TObject*)
{
    if (qx::LockDialogHost* host = qx::lockDialogHost()) {
        host->SetLockModeVisible(false);
        host->SendCommand(CM_MCS_SET_LOCK(host->GetDeviceId(), qx::kDefaultLockCode, 0), true);
    }
    Close();
}

void TfmLockMode::btnPermanentClick(TObject*)
{
    Close();
}

void TfmLockMode::btnCancelClick(TObject*)
{
    Close();
}
