#pragma once
// The bitmap buttons and segmented meters as the show-state and meter code
// use them. Their family's headers and the fader's cannot meet in one source
// file, so these few operations reach them through plain controls.

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

} // namespace qx
