#pragma once
// The store list: the 20 user presets U01-U20 with their names; choosing one
// opens the name dialog in store mode.

#include "app/presets/PresetListForm.h"

class TfmStorePreset : public qx::PresetListForm
{
public:
    explicit TfmStorePreset(TComponent* Owner);

protected:
    void PresetChosen(int row) override;
};

extern TfmStorePreset* fmStorePreset;
