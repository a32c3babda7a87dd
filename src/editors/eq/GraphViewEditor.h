#pragma once
// The two radio groups above each channel graph: the view (magnitude or
// phase) and the content ("EQ", "FIR" or "EQ+FIR"). A switch recomputes the
// channel's sections in the chosen view and content, sets the y axis and
// refreshes the channel's overlays. Also the FIR section of a channel graph
// (30 on outputs, 31 on inputs) from the stored settings and the window's
// coefficient buffers.

#include "editors/eq/OutputFirEditor.h"
#include "model/FirImage.h"
#include "model/RecordFields.h"

class TComponent;
class TObject;

namespace qx {

class EqEditorHost;

class GraphViewEditor
{
public:
    // pending: the window's pending FIR designs, each reset to the stored one
    // by its FIR section update; buffers and counts: the coefficient buffers.
    GraphViewEditor(const TComponent& window, EqEditorHost& host, PendingFirDesigns& pending,
                    const FirBuffers& buffers, const FirCounts& counts);

    void MagnitudeView(TObject* sender);
    void PhaseView(TObject* sender);
    void ContentChange(TObject* sender);
    // Recomputes the FIR section of the graph's channel, sums and repaints.
    void UpdateFirSection(TObject* graph);

private:
    void showView(TObject* sender, bool phase);

    const TComponent& window_;
    EqEditorHost& host_;
    PendingFirDesigns& pending_;
    const FirBuffers& buffers_;
    const FirCounts& counts_;
};

} // namespace qx
