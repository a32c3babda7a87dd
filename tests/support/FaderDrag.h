#pragma once
// A fader moved as a user moves it: its thumb dragged with the mouse through
// the fader's window. Needs Qt6::Test and the skinned controls.

#include "WindowSystemInput.h"
#include "controls/skinned/AdvTrackBar.h"

#include <QPoint>

#include <cmath>

namespace qx::test {

// The thumb taken at its centre and let go where the fader reads
// `position`, in one move: the fader takes the new position once, as from
// a quick drag. The target is reckoned from the fader's own geometry.
inline void dragFaderThroughWindow(TCustomTrackBar& fader, int position)
{
    const TRect thumb = fader.GetThumbRect();
    const TRect slide = fader.SlideArea();
    const bool vertical = fader.Orientation() == trVertical;
    const int travel = fader.TravelLength();
    const int thumbLength = (vertical ? slide.Height() : slide.Width()) - travel;
    const double span = double(fader.Max()) - fader.Min();
    const int along = span == 0 ? 0 : static_cast<int>(std::lround((position - fader.Min()) * travel / span));
    const QPoint from(thumb.Left + thumb.Width() / 2, thumb.Top + thumb.Height() / 2);
    const QPoint to = vertical ? QPoint(from.x(), slide.Bottom - thumbLength + thumbLength / 2 - along)
                               : QPoint(slide.Left + thumbLength / 2 + along, from.y());
    dragThroughWindow(fader.Widget(), from, to);
}

} // namespace qx::test
