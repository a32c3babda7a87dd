#pragma once
// The arithmetic of the main window's layout on resize.

namespace qx {

// Height of every response graph for dh pixels of extra height: 255 + dh,
// made odd.
int graphHeight(int dh);

} // namespace qx
