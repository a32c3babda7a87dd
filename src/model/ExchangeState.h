#pragma once
// The main window's fields of the exchanges with the processor: connection
// flags, the acknowledgement step, the bulk transfer kind and the preset
// numbers of the transfers.

#include "model/UnitFile.h"

namespace qx {

// Values of ExchangeState::transferKind.
inline constexpr int kTransferNone = 0;
inline constexpr int kTransferPresetFile = 12;
inline constexpr int kTransferUnitDownloadFir = 14;

// Values of ExchangeState::ackStep: what the next acknowledgement starts.
inline constexpr int kStepIdle = 0;
inline constexpr int kStepRecall = 1;
inline constexpr int kStepStore = 2;
inline constexpr int kStepFactoryDefault = 3;
inline constexpr int kStepReadStoredPreset = 4;
inline constexpr int kStepDownloadPresets = 5;
inline constexpr int kStepReloadState = 6;
inline constexpr int kStepLocked = 8;
inline constexpr int kStepStored = 9;
inline constexpr int kStepDownloadHeader = 10;

struct ExchangeState
{
    bool connecting = false;
    bool connected = false;
    bool online = false;
    // What the next acknowledgement starts; 0 idle.
    int ackStep = 0;
    int transferKind = kTransferNone;
    // 0: coefficient blocks belong to the current settings; 1-20: to the
    // stored preset a unit upload reads.
    int presetFirSlot = 0;
    // 0 factory default, 1-20 user presets.
    int currentPreset = 0;
    int downloadSlot = 0;
    int uploadSlot = 0;
    MemoryHeader unitFileHeader{};
};

} // namespace qx
