#pragma once
// The arithmetic of the main window's layout on resize.

namespace qx {

// Height of every response graph for dh pixels of extra height: 255 + dh,
// made odd.
int graphHeight(int dh);
// Left of a delay marker for a fader at `position` of `maximum` on a delay
// line `lineWidth` wide; a fader without range puts it at the line's start.
int delayMarkerLeft(int position, int maximum, int lineWidth);

} // namespace qx
