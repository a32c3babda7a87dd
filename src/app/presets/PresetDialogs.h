#pragma once
// The store, recall, name and factory-default dialogs as a whole.

#include "model/RecordFields.h"

namespace qx {

// Registers the four dialog classes with the property registry.
void registerPresetDialogs();
// Preset U(preset), 1-20, is named in both lists: recall row `preset`, store
// row `preset` - 1. Does nothing before the lists are made.
void ShowPresetRowName(int preset, const PresetName& name);

} // namespace qx
