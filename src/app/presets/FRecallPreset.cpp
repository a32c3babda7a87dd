#include "app/presets/FRecallPreset.h"

#include "app/presets/FStoreName.h"
#include "platform/gui/Label.h"
#include "platform/text/Format.h"

TfmRecallPreset* fmRecallPreset = nullptr;

TfmRecallPreset::TfmRecallPreset(TComponent* Owner)
    : PresetListForm(Owner, "SID_RECALL_PRESET")
{
    LoadLayout("FRecallPreset");
}

void TfmRecallPreset::PresetChosen(int row)
{
    if (fmStoreName == nullptr) {
        return;
    }
    fmStoreName->SetNameText(RowName(row - 1));
    fmStoreName->SetPresetIndex(row - 1);
    fmStoreName->SetMode(0);
    fmStoreName->lTitle->SetCaption(row == 1 ? std::string("F00 : ") : Format("U%02d : ", row - 1));
    fmStoreName->Show();
}
