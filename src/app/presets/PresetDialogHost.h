#pragma once
// What the preset dialogs need from the main window: whether a processor is
// connected, and the store, recall and factory-default operations. The main
// window implements it; tests use a recording fake.

#include "model/RecordFields.h"

namespace qx {

class PresetDialogHost
{
public:
    virtual ~PresetDialogHost() = default;

    virtual bool IsConnected() const = 0;
    // Row 0-19 is preset row + 1; the name is exactly 14 Windows-1252 bytes.
    virtual void StorePreset(int row, const PresetName& name) = 0;
    // Row 0 is the factory preset, 1-20 the user presets.
    virtual void RecallPreset(int row) = 0;
    virtual void LoadFactoryDefault() = 0;

protected:
    PresetDialogHost() = default;
    PresetDialogHost(const PresetDialogHost&) = default;
    PresetDialogHost& operator=(const PresetDialogHost&) = default;
};

// The host of the four preset dialogs (not owned); the main window sets
// itself when it is made. Without one their OK buttons only close them.
void setPresetDialogHost(PresetDialogHost* host);
PresetDialogHost* presetDialogHost();

} // namespace qx
