#pragma once
// One element of a paint drawn so that a failure inside it draws nothing more of that element
// and does not leave the paint: the exception box would repaint and fail again.

#include "platform/gui/canvas/Canvas.h"

#include <exception>

namespace qx {

template <class Draw> void paintGuarded(TCanvas& canvas, Draw&& draw)
{
    canvas.SaveState();
    try {
        draw();
    } catch (const std::exception&) {
        // Nothing is drawn for this element.
    }
    canvas.RestoreState();
}

} // namespace qx
