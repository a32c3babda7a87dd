#pragma once
// Where the delay page puts a channel's delay marker on its delay line.

namespace qx {

// Left of a delay marker for a fader at `position` of `maximum` on a delay
// line `lineWidth` wide; a fader without range puts it at the line's start.
inline int delayMarkerLeft(int position, int maximum, int lineWidth)
{
    if (maximum <= 0)
        return 40;
    return 40 + static_cast<int>(static_cast<long long>(position) * (lineWidth - 90) / maximum);
}

} // namespace qx
