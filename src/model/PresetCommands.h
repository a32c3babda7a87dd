#pragma once
// Store, recall and factory default: each sends its command and follows the
// processor's acknowledgements through the dispatcher's steps. A recall and a
// factory default end by reading the new state back. All need a connected
// processor; offline a store or recall does nothing, and the factory default
// tells the user to connect first.
//
// A store marks its preset used and renames its rows only once the processor
// has acknowledged it, so a store lost on the way leaves the preset list as
// it was.

#include "model/RecordFields.h"

class LUnitControl;

namespace qx {

class ExchangeHost;
class MeterMonitor;
struct ExchangeState;

class PresetCommands
{
public:
    PresetCommands(ExchangeHost& host, ExchangeState& state, LUnitControl& unit, MeterMonitor& meters);

    // Stores the current settings as preset row + 1 (row 0-19) under the name.
    void StorePreset(int row, const PresetName& name);
    // Recalls preset `row` (0 the factory preset, 1-20 user presets).
    void RecallPreset(int row);
    // The File menu item: the confirmation dialog, or the connect-first text.
    void FactoryDefaultClick();
    // The confirmation dialog's OK.
    void LoadFactoryDefault();
    // The 10 ms tick that moves the bar while the processor works.
    void OnPresetLoadCountTimer();
    // Acknowledgement step 9: the processor has stored the preset.
    void OnStored();
    // Forgets a store still waiting for its acknowledgement (the link is gone).
    void Abandon();

private:
    ExchangeHost& host_;
    ExchangeState& state_;
    LUnitControl& unit_;
    MeterMonitor& meters_;
    int storingRow_ = -1;
    PresetName storingName_{};
};

} // namespace qx
