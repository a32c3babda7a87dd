#pragma once
// The recall list: the factory preset F00 and the user presets U01-U20;
// choosing one opens the name dialog to confirm the recall.

#include "app/presets/PresetListForm.h"

class TfmRecallPreset : public qx::PresetListForm
{
public:
    explicit TfmRecallPreset(TComponent* Owner);

protected:
    void PresetChosen(int row) override;
};

extern TfmRecallPreset* fmRecallPreset;
