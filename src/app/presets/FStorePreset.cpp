#include "app/presets/FStorePreset.h"

#include "app/presets/FStoreName.h"
#include "platform/gui/Label.h"
#include "platform/text/Format.h"

TfmStorePreset* fmStorePreset = nullptr;

TfmStorePreset::TfmStorePreset(TComponent* Owner)
    : PresetListForm(Owner, "SID_SAVE_PRESET")
{
    LoadLayout("FStorePreset");
}

void TfmStorePreset::PresetChosen(int row)
{
    if (fmStoreName == nullptr) {
        return;
    }
    fmStoreName->SetNameText(RowName(row - 1));
    fmStoreName->SetPresetIndex(row - 1);
    fmStoreName->SetMode(1);
    fmStoreName->lTitle->SetCaption(Format("U%02d : ", row));
    fmStoreName->Show();
}
