#include "app/lock/LockDialogs.h"

#include "app/lock/FLockMode.h"
#include "app/lock/FLockPassWord.h"
#include "app/lock/FLockSetup.h"
#include "app/lock/LockDialogHost.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/StandardClasses.h"
#include "platform/gui/Timer.h"

namespace qx {
namespace {
LockDialogHost*& hostSlot()
{
    static LockDialogHost* host = nullptr;
    return host;
}
} // namespace

void setLockDialogHost(LockDialogHost* host)
{
    hostSlot() = host;
}

LockDialogHost* lockDialogHost()
{
    return hostSlot();
}

void registerLockDialogs()
{
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    registerStandardClasses();
    registerClass<TfmLockSetup, TForm>("TfmLockSetup")
        .method("FormShow", &TfmLockSetup::FormShow)
        .method("edNameKeyDown", &TfmLockSetup::edNameKeyDown)
        .method("btnOKClick", &TfmLockSetup::btnOKClick)
        .method("btnExitClick", &TfmLockSetup::btnExitClick)
        .method("tmCloseTimer", &TfmLockSetup::tmCloseTimer)
        .field("lblLockPassword", &TfmLockSetup::lblLockPassword)
        .field("edName", &TfmLockSetup::edName)
        .field("btnOK", &TfmLockSetup::btnOK)
        .field("btnExit", &TfmLockSetup::btnExit)
        .field("tmClose", &TfmLockSetup::tmClose);
    registerClass<TfmLockMode, TForm>("TfmLockMode")
        .method("FormShow", &TfmLockMode::FormShow)
        .method("btnOneTimeClick", &TfmLockMode::btnOneTimeClick)
        .method("btnPermanentClick", &TfmLockMode::btnPermanentClick)
        .method("btnCancelClick", &TfmLockMode::btnCancelClick)
        .field("lbExit", &TfmLockMode::lbExit)
        .field("btnOneTime", &TfmLockMode::btnOneTime)
        .field("btnPermanent", &TfmLockMode::btnPermanent)
        .field("btnCancel", &TfmLockMode::btnCancel);
    registerClass<TfmLockPassWord, TForm>("TfmLockPassWord")
        .method("FormShow", &TfmLockPassWord::FormShow)
        .method("edNameKeyDown", &TfmLockPassWord::edNameKeyDown)
        .method("RzBmpButton1Click", &TfmLockPassWord::RzBmpButton1Click)
        .method("tmCheckTimer", &TfmLockPassWord::tmCheckTimer)
        .method("tmCmdTimer", &TfmLockPassWord::tmCmdTimer)
        .method("bnCancelClick", &TfmLockPassWord::bnCancelClick)
        .field("lblLockPassword", &TfmLockPassWord::lblLockPassword)
        .field("edName", &TfmLockPassWord::edName)
        .field("btnOK", &TfmLockPassWord::btnOK)
        .field("bnCancel", &TfmLockPassWord::bnCancel)
        .field("tmCheck", &TfmLockPassWord::tmCheck)
        .field("tmCmd", &TfmLockPassWord::tmCmd);
}

} // namespace qx
