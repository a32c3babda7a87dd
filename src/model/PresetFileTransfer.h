#pragma once
// File > Open and File > Save of a preset file. Saving writes the current
// record and the main window's coefficients. Opening checks the file's size
// and marker before anything changes, takes it into the record and the
// coefficient buffers and, when a processor is connected, sends all of it at
// once and counts the acknowledgements until the meter reply queued behind
// the burst ends the transfer.

#include "model/FirImage.h"

class LUnitControl;

namespace qx {

class ExchangeHost;
class MeterMonitor;
struct ExchangeState;

inline constexpr int kPresetFileProgress = 1910;

class PresetFileTransfer
{
public:
    PresetFileTransfer(ExchangeHost& host, ExchangeState& state, LUnitControl& unit, FirBuffers& firBuffers,
                       MeterMonitor& meters);

    // File > Open: the open below with the busy flag set, then the FIR views.
    void OpenClick();
    void OpenPresetFile();
    // File > Save.
    void SavePresetFile();

private:
    ExchangeHost& host_;
    ExchangeState& state_;
    LUnitControl& unit_;
    FirBuffers& firBuffers_;
    MeterMonitor& meters_;
};

} // namespace qx
