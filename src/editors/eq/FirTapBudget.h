#pragma once
// The FIR tap budget: the processor runs the FIR filters of all 12 channels
// on one resource of 12288 taps. The window counts the taps that the current
// settings occupy (the tap rule summed over the channels) and every FIR change
// asks first, with the change in taps times the size of the channel's link
// group. A change that lowers the count is always granted, so a state loaded
// over the budget can be brought back under it.

namespace qx {

// True when the change of `delta` taps on a count of `reserved` must be
// refused: it raises the count past the budget.
bool firTapsRefused(int reserved, int delta);

} // namespace qx
