#include "app/lock/FLockPassWord.h"

#include "app/lock/LockDialogHost.h"
#include "app/lock/LockText.h"
#include "app/presets/DialogText.h"
#include "codec/CmMcs.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Keys.h"
#include "platform/gui/Label.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Timer.h"
#include "platform/text/AnsiCodePage.h"

TfmLockPassWord* fmLockPassWord = nullptr;

namespace {
constexpr const char* kHiddenEntry = "****";
}

TfmLockPassWord::TfmLockPassWord(TComponent* Owner) : TForm(Owner)
{
    LoadLayout("FLockPassWord");
}

// The prompt waits as long as the user needs: while it waits for a
// password the link is held, so the lock-status request is not resent and
// the link does not fail meanwhile. The password's own exchange is not held.
void TfmLockPassWord::ShowForLockedLoad()
{
    if (Visible()) {
        return;
    }
    holdLink(true);
    ShowModal();
    holdLink(false);
}

void TfmLockPassWord::holdLink(bool hold)
{
    if (qx::LockDialogHost* host = qx::lockDialogHost()) {
        host->HoldLinkForUser(hold);
    }
}

void TfmLockPassWord::FormShow(TObject*)
{
    qx::captionFromTable(*this, "SID_UNLOCK_TITLE");
    qx::captionFromTable(*lblLockPassword, "SID_UNLOCK_PASSWORD");
    qx::captionFromTable(*btnOK, "SID_EXIT_OK");
    qx::captionFromTable(*bnCancel, "SID_EXIT_CANCEL");
    resetEntry();
}

void TfmLockPassWord::resetEntry()
{
    edName->SetText(kHiddenEntry);
    edName->SetFocus();
    edName->SelectAll();
}

void TfmLockPassWord::edNameKeyDown(TObject*, Word& Key, TShiftState)
{
    if (Key == VK_RETURN) {
        btnOK->Click();
    }
}

void TfmLockPassWord::RzBmpButton1Click(TObject*)
{
    holdLink(false);
    if (qx::LockDialogHost* host = qx::lockDialogHost()) {
        host->SendCommand(CM_MCS_PASS_SUBMIT(host->GetDeviceId(), 0, qx::Utf8ToAnsi(edName->Text())), true);
    }
    CheckCount = 0;
    ReplyState = kWaiting;
    tmCheck->SetEnabled(true);
}

void TfmLockPassWord::tmCheckTimer(TObject*)
{
    ++CheckCount;
    tmCheck->SetEnabled(false);
    switch (ReplyState) {
    case kRefused:
        holdLink(true); // the user reads, then tries again
        qx::messageBox("Password Error!!", "Information", MB_OK | MB_ICONINFORMATION);
        resetEntry();
        break;
    case kAccepted:
        tmCmd->SetEnabled(true);
        break;
    case kWaiting:
        if (CheckCount > kMaxChecks) {
            qx::messageBox("Check Time Out!", Application ? Application->Title() : std::string(), MB_OK);
            bnCancelClick(this);
        } else {
            tmCheck->SetEnabled(true);
        }
        break;
    default:
        holdLink(true); // no verdict: the prompt waits for the user again
        break;
    }
}

void TfmLockPassWord::tmCmdTimer(TObject*)
{
    tmCmd->SetEnabled(false);
    if (qx::LockDialogHost* host = qx::lockDialogHost()) {
        host->ResumeStateLoad();
    }
    Close();
}

void TfmLockPassWord::bnCancelClick(TObject*)
{
    if (qx::LockDialogHost* host = qx::lockDialogHost()) {
        host->SendCommand(CM_MCS_CMD(host->GetDeviceId(), qx::kCloseCommand), true);
        host->StartDisconnect();
    }
    Close();
}
