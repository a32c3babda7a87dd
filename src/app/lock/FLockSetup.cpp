#include "app/lock/FLockSetup.h"

#include "app/lock/LockDialogHost.h"
#include "app/lock/LockText.h"
#include "app/presets/DialogText.h"
#include "codec/CmMcs.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Keys.h"
#include "platform/gui/Label.h"
#include "platform/gui/Timer.h"
#include "platform/text/AnsiCodePage.h"

TfmLockSetup* fmLockSetup = nullptr;

TfmLockSetup::TfmLockSetup(TComponent* Owner) : TForm(Owner)
{
    LoadLayout("FLockSetup");
}

void TfmLockSetup::FormShow(TObject*)
{
    qx::captionFromTable(*this, "SID_LOCK_TITLE");
    qx::captionFromTable(*lblLockPassword, "SID_LOCK_PASSWORD");
    qx::captionFromTable(*btnOK, "SID_EXIT_OK");
    qx::captionFromTable(*btnExit, "SID_EXIT_CANCEL");
    edName->SetText(qx::kDefaultLockCode);
    edName->SetFocus();
    edName->SelectAll();
}

void TfmLockSetup::edNameKeyDown(TObject*, Word& Key, TShiftState)
{
    if (Key == VK_RETURN) {
        btnOK->Click();
    }
}

void TfmLockSetup::btnOKClick(TObject*)
{
    if (qx::LockDialogHost* host = qx::lockDialogHost()) {
        host->SendCommand(CM_MCS_SET_LOCK(host->GetDeviceId(), qx::Utf8ToAnsi(edName->Text()), 1), true);
        host->SendCommand(CM_MCS_CMD(host->GetDeviceId(), qx::kCloseCommand), true);
    }
    tmClose->SetEnabled(true);
}

void TfmLockSetup::tmCloseTimer(TObject*)
{
    tmClose->SetEnabled(false);
    if (qx::LockDialogHost* host = qx::lockDialogHost()) {
        host->StartDisconnect();
    }
    Close();
}

void TfmLockSetup::btnExitClick(TObject*)
{
    Close();
}
