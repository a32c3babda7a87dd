#include "app/presets/FStoreName.h"

#include <string>

#include "app/presets/DialogText.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStorePreset.h"
#include "app/presets/PresetDialogHost.h"
#include "model/NameText.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Keys.h"
#include "platform/gui/Label.h"
#include "platform/text/AnsiCodePage.h"

TfmStoreName* fmStoreName = nullptr;

TfmStoreName::TfmStoreName(TComponent* Owner) : TForm(Owner)
{
    LoadLayout("FStoreName");
}

void TfmStoreName::FormShow(TObject*)
{
    qx::captionFromTable(*this, "SID_PST_NAME");
    qx::captionFromTable(*lblPresetName, "SID_PST_NAME");
    qx::captionFromTable(*btnOK, "SID_EXIT_OK");
    qx::captionFromTable(*bnCancel, "SID_EXIT_CANCEL");
}

void TfmStoreName::FormActivate(TObject*)
{
    const bool storing = StoreMode == 1;
    edName->SetEnabled(storing);
    if (storing) {
        edName->SetFocus();
        edName->SelectAll();
    }
}

void TfmStoreName::edNameKeyDown(TObject*, Word& Key, TShiftState)
{
    if (Key == VK_RETURN) {
        btnOK->Click();
    }
}

void TfmStoreName::SetNameText(const qx::PresetName& name)
{
    std::string text = qx::AnsiToUtf8(std::string(name.begin(), name.end()));
    text.erase(text.find_last_not_of(" \r") + 1);
    edName->SetText(text);
}

void TfmStoreName::btnOKClick(TObject*)
{
    const qx::PresetName name = qx::presetNameFromText(edName->Text());
    edName->SetText(qx::AnsiToUtf8(std::string(name.begin(), name.end())));
    if (StoreMode == 1) {
        store(name);
    } else {
        recall();
    }
}

// The lists' rows take the new name once the processor has acknowledged the
// store (ShowPresetRowName), so a store that fails or happens offline leaves
// them as they were.
void TfmStoreName::store(const qx::PresetName& name)
{
    qx::PresetDialogHost* host = qx::presetDialogHost();
    if (host != nullptr && host->IsConnected() && fmStorePreset != nullptr) {
        fmStorePreset->Hide();
    }
    Close();
    if (fmStorePreset != nullptr) {
        fmStorePreset->Close();
    }
    if (host != nullptr) {
        host->StorePreset(PresetIndex, name);
    }
}

void TfmStoreName::recall()
{
    qx::PresetDialogHost* host = qx::presetDialogHost();
    if (host != nullptr && host->IsConnected() && fmRecallPreset != nullptr) {
        fmRecallPreset->Hide();
    }
    Close();
    if (fmRecallPreset != nullptr) {
        fmRecallPreset->Close();
    }
    if (host != nullptr) {
        host->RecallPreset(PresetIndex);
    }
}

void TfmStoreName::bnCancelClick(TObject*)
{
    Close();
}
