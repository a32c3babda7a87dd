#pragma once
// The matrix editor of every output: four route buttons choose the inputs
// that feed it, four mix levels (0 to -60 dB, by up-down or typed) set how
// much of each, and the routing diagram draws every route as a line in its
// input's colour from the input's row to the output's row. A change belongs
// to its output alone (link groups play no part), is stored in the model and
// sent unless the busy flag is set. The handlers find their controls by
// composed names and do nothing when one is missing.

#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Geometry.h"

#include <vector>

class TCanvas;
class TComponent;
class TObject;

namespace qx {

class ChannelEditorHost;

// One line of the routing diagram, in the paint box's pixels.
struct RouteLine
{
    TPoint from;
    TPoint to;
    TColor color = 0;
    bool operator==(const RouteLine&) const = default;
};

class MatrixEditor
{
public:
    MatrixEditor(const TComponent& window, ChannelEditorHost& host);

    // `output` is the output number 1-8 of the handler; the input is the
    // sender's Tag.
    void RouteClick(TObject* sender, int output);
    void MixChanging(TObject* sender, int output, int newValue);
    // Enter or leaving the box: the typed level becomes the up-down's position.
    void CommitBox(TObject* sender, int output);

    // The lines of the model's routes, input A's first, for a paint box of
    // the given width and a window `extraHeight` pixels above its design height.
    std::vector<RouteLine> Lines(int width, int extraHeight) const;
    // The lines drawn into the paint box's back buffer, which is invalidated:
    // its next paint shows them.
    void PaintMatrix();
    // The paint box's paint: the back buffer drawn afresh from the model.
    void Paint(TCanvas& canvas);

private:
    void drawBuffer();

    const TComponent& window_;
    ChannelEditorHost& host_;
    TBitmap buffer_;
};

} // namespace qx
