#pragma once
// The bitmap buttons, segmented meters and PEQ grids as the show-state and
// meter code use them. Their family's headers and the fader's cannot meet in
// one source file, so these few operations reach them through plain controls.

#include <span>

class TControl;

namespace qx {

// Sets a bitmap button's Down from code; returns its Down afterwards (false
// for a control that is no bitmap button).
bool setButtonDown(TControl* button, bool down);
// Presses a bitmap button as a user would; nothing for another control.
void pressButton(TControl* button);
// Whether the control is a bitmap button.
bool isBitmapButton(const TControl* control);
// Sets a segmented meter's value; false for a control that is no meter.
bool setMeterValue(TControl* meter, int value);

// One band of a PEQ grid row: frequency in Hz, Q as its step (index), gain
// in dB, PEQ type and whether the band is bypassed.
struct PeqRowValues
{
    double frequencyHz = 1000.0;
    int qStep = 0;
    double gainDb = 0.0;
    int type = 0;
    bool bypassed = false;
};
// Whether the control is a PEQ grid.
bool isPeqGrid(const TControl* control);
// Highlights row 0 of a PEQ grid and writes the rows from the first on.
void showPeqRows(TControl* grid, std::span<const PeqRowValues> rows);

} // namespace qx
