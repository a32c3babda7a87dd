#include "app/SmallWindows.h"

#include "app/FMain.h"
#include "app/strings/TextTables.h"
#include "codec/CmMcs.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvProgressBar.h"
#include "platform/gui/Label.h"
#include "platform/gui/Memo.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/StatusBar.h"

#include <algorithm>
#include <string>

TfmInformation* fmInformation = nullptr;
TfmProcess* fmProcess = nullptr;
TfmExit* fmExit = nullptr;
TfmAbout* fmAbout = nullptr;
TfmMemo* fmMemo = nullptr;

namespace {

// The text of a string id in the main window's language (English before the
// main window exists).
std::string text(std::string_view id)
{
    return std::string(fmMain ? fmMain->Translate(id) : qx::Translate(qx::kLanguageEnglish, id));
}

} // namespace

TfmInformation::TfmInformation(TComponent* Owner) : TForm(Owner) { LoadLayout("FInformation"); }

void TfmInformation::FormShow(TObject*)
{
    SetCaption(text("SID_INFO_TITLE"));
    btnOK->SetCaption(text("SID_EXIT_OK"));
}

void TfmInformation::btnOKClick(TObject*) { Close(); }

TfmProcess::TfmProcess(TComponent* Owner) : TForm(Owner) { LoadLayout("FProcess"); }

void TfmProcess::FormShow(TObject*) { SetCaption(text("SID_PROCESS")); }

int TfmProcess::Position() const { return ProgressBar->Position(); }
int TfmProcess::Max() const { return ProgressBar->Max(); }
void TfmProcess::SetPosition(int value) { ProgressBar->SetPosition(value); }
void TfmProcess::SetMax(int value) { ProgressBar->SetMax(value); }

TfmExit::TfmExit(TComponent* Owner) : TForm(Owner) { LoadLayout("FExit"); }

void TfmExit::FormShow(TObject*)
{
    SetCaption(text("SID_INFO_TITLE"));
    lbExit->SetCaption(text("SID_EXIT_QUIT"));
    btnOK->SetCaption(text("SID_EXIT_OK"));
    btnCancel->SetCaption(text("SID_EXIT_CANCEL"));
}

void TfmExit::btnOKClick(TObject*)
{
    if (!fmMain)
        return;
    fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), 0x11), true);
    fmMain->SetExitConfirmed(true);
    fmMain->Close();
}

void TfmExit::btnExitClick(TObject*)
{
    Close();
    if (fmMain)
        fmMain->SetExitConfirmed(false);
}

TfmAbout::TfmAbout(TComponent* Owner) : TForm(Owner) { LoadLayout("FAbout"); }

void TfmAbout::FormShow(TObject*) { SetCaption(text("SID_ABOUT")); }

void TfmAbout::btnOKClick(TObject*) { Close(); }

TfmMemo::TfmMemo(TComponent* Owner) : TForm(Owner) { LoadLayout("FMemo"); }

void TfmMemo::bnClearMemoClick(TObject*) { Memo->Clear(); }

void qx::registerSmallWindows()
{
    registerClass<TfmInformation, TForm>("TfmInformation")
        .method("FormShow", &TfmInformation::FormShow)
        .method("btnOKClick", &TfmInformation::btnOKClick)
        .field("lbMessage", &TfmInformation::lbMessage)
        .field("btnOK", &TfmInformation::btnOK);
    registerClass<TfmProcess, TForm>("TfmProcess")
        .method("FormShow", &TfmProcess::FormShow)
        .field("ProgressBar", &TfmProcess::ProgressBar)
        .field("StatusBar", &TfmProcess::StatusBar);
    registerClass<TfmExit, TForm>("TfmExit")
        .method("FormShow", &TfmExit::FormShow)
        .method("btnOKClick", &TfmExit::btnOKClick)
        .method("btnExitClick", &TfmExit::btnExitClick)
        .field("lbExit", &TfmExit::lbExit)
        .field("btnOK", &TfmExit::btnOK)
        .field("btnCancel", &TfmExit::btnCancel);
    registerClass<TfmAbout, TForm>("TfmAbout")
        .method("FormShow", &TfmAbout::FormShow)
        .method("btnOKClick", &TfmAbout::btnOKClick)
        .field("btnOK", &TfmAbout::btnOK);
    registerClass<TfmMemo, TForm>("TfmMemo")
        .method("bnClearMemoClick", &TfmMemo::bnClearMemoClick)
        .field("Memo", &TfmMemo::Memo);
}
