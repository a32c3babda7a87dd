#include "app/FInFirPassWord.h"

#include "app/FMain.h"
#include "app/SmallWindows.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/Shape.h"
#include "platform/gui/Timer.h"

#include <string>

TfmInFirPassWord* fmInFirPassWord = nullptr;

namespace {

constexpr const char* kHiddenEntry = "****";
constexpr const char* kSelectors[] = {"rzgFftShowCurveInA", "rzgFftShowCurveInB", "rzgFftShowCurveInC",
                                      "rzgFftShowCurveInD"};

} // namespace

TfmInFirPassWord::TfmInFirPassWord(TComponent* Owner) : TForm(Owner) { LoadLayout("FInFirPassWord"); }

void TfmInFirPassWord::FormShow(TObject*)
{
    if (fmMain) {
        SetCaption(std::string(fmMain->Translate("SID_IN_FIR_TITLE")));
        lbInFirPassword->SetCaption(std::string(fmMain->Translate("SID_IN_FIR_PASSWORD")));
        btnOK->SetCaption(std::string(fmMain->Translate("SID_EXIT_OK")));
        bnCancel->SetCaption(std::string(fmMain->Translate("SID_EXIT_CANCEL")));
    }
    edName->SetText(kHiddenEntry);
    edName->SetFocus();
    edName->SelectAll();
}

void TfmInFirPassWord::edNameKeyDown(TObject*, Word& Key, TShiftState)
{
    if (Key == VK_RETURN)
        btnOK->Click();
}

void TfmInFirPassWord::btnOKClick(TObject*)
{
    if (edName->Text() == qx::kInputFirAccessCode) {
        if (fmMain) {
            for (const char* name : kSelectors)
                if (auto* selector = qx::findComponent<TControl>(*fmMain, name))
                    selector->SetVisible(true);
            if (auto* item = qx::findComponent<TMenuItem>(*fmMain, "InFir"))
                item->SetVisible(false);
        }
        Close();
        return;
    }
    if (!fmInformation)
        return;
    fmInformation->lbMessage->SetCaption("Password Error!!");
    fmInformation->ShowModal();
    fmInformation->lbMessage->SetCaption("You Must Connect First !!");
}

void TfmInFirPassWord::bnCancelClick(TObject*) { Close(); }

void qx::registerInFirPassWord()
{
    using T = TfmInFirPassWord;
    registerClass<T, TForm>("TfmInFirPassWord")
        .method("FormShow", &T::FormShow)
        .method("edNameKeyDown", &T::edNameKeyDown)
        .method("btnOKClick", &T::btnOKClick)
        .method("bnCancelClick", &T::bnCancelClick)
        .field("imBase", &T::imBase)
        .field("lbInFirPassword", &T::lbInFirPassword)
        .field("edName", &T::edName)
        .field("btnOK", &T::btnOK)
        .field("bnCancel", &T::bnCancel)
        .field("tmCheck", &T::tmCheck)
        .field("tmCmd", &T::tmCmd);
}
