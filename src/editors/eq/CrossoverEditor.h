#pragma once
// The high-pass ("LowCut" controls) and low-pass ("HighCut" controls)
// editors of every channel: cut-off fader and value box, slope list, bypass
// button and the outputs' hidden Q up-downs. A change is stored for the
// channel's link group (outputs only) and sent for the channel; an output's
// graph draws the side's total, after a fader move once per pass of the
// message loop through the window's 1 ms timer tmHpLpCurve (an input's graph
// draws its FIR where the total would go).

#include "editors/eq/CrossoverCurve.h"

#include <array>
#include <cstdint>

class TComponent;
class TObject;

namespace qx {

class EqEditorHost;
struct OutputFilter;

class CrossoverEditor
{
public:
    CrossoverEditor(const TComponent& window, EqEditorHost& host);

    void CutoffChange(TObject* sender, CrossoverSide side);
    void SlopeChange(TObject* sender, CrossoverSide side);
    void BypassClick(TObject* sender, CrossoverSide side);
    void CommitCutoff(TObject* sender, CrossoverSide side);
    void QChanging(TObject* sender, int newValue, CrossoverSide side);
    void CurveTimer();
    // The side's total drawn one pass of the message loop later (a cut-off
    // handle dragged on the graph).
    void DeferCurve(int channel, CrossoverSide side, float frequencyHz, int slopeCode);
    // The slope code the side's bypass button and list give: 0 while
    // bypassed, else the list's item + 1, or the last one a list gave while
    // it shows no item.
    int SlopeCode(int channel, CrossoverSide side, bool bypassed, int item);
    // One side of an output graph drawn from the stored record.
    void UpdateSection(TObject* graph, CrossoverSide side);

private:
    struct Pending
    {
        CrossoverSide side = CrossoverSide::HighPass;
        int channel = 0;
        float frequencyHz = 0.0F;
        int slopeCode = 0;
    };

    void drawTotal(int channel, CrossoverSide side, int slopeCode, double frequencyHz);
    void store(int channel, CrossoverSide side, const OutputFilter& filter);
    // A slope or bypass change: drawn at once (unless FIR only), then stored and sent.
    void applyNow(int channel, CrossoverSide side, int position, int slope, bool draw);

    const TComponent& window_;
    EqEditorHost& host_;
    Pending pending_;
    // The last slope a list gave, kept for a list left without an item.
    std::array<std::array<std::uint8_t, 12>, 2> lastSlope_{};
};

} // namespace qx
