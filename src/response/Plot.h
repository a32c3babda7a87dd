#pragma once
// The response model of one graph: 48 sections, each one filter stage with
// its curve, and the channel total summed from them. Callers set the
// sections that changed and sum once; the graph reads curves through
// read-only views.
//
// Section map, the same on every channel graph: 0-13 PEQ bands, 30 output
// FIR, 31 input FIR or high-pass total, 32 low-pass total, 33 channel total,
// 34-38 crossover stages (scratch), 39-46 other channels' totals. Sections
// 0-32 are summed, so an unused one holds a flat curve. The two gain
// overview graphs keep the twelve channel totals in sections 0-11.

#include <array>
#include <cstdint>
#include <memory>

#include "response/PlotGraph.h"
#include "response/PlotSection.h"

class Plot
{
public:
    static constexpr int kSectionCount = 48;
    static constexpr int kPeqSections = 14;
    static constexpr int kOutputFirSection = 30;
    static constexpr int kHighPassSection = 31; // also the input FIR
    static constexpr int kLowPassSection = 32;
    static constexpr int kSumSection = 33;
    static constexpr int kFirstStageSection = 34;
    static constexpr int kStageCount = 5;
    static constexpr int kFirstOverlaySection = 39;
    static constexpr int kChannelNumberCount = 14; // 12 channels and the two overviews

    // 48 flat sections in magnitude view, drawn on graph (not owned, outlives
    // the plot; null draws nothing).
    explicit Plot(qx::PlotGraph* graph = nullptr);
    // Hands the graph a total it has not drawn yet.
    ~Plot();
    // Section 33 computes from the others through the plot.
    Plot(const Plot&) = delete;
    Plot& operator=(const Plot&) = delete;

    // Section n (0-47); std::out_of_range for any other number.
    PlotSection& section(int n);
    const PlotSection& section(int n) const;
    qx::CurveView curve(int n) const { return section(n).curve(); }

    // Adds sections 0-32 point by point into section 33; in phase view each
    // sum is wrapped into -18..18; draws it as plot number 33 in the
    // channel's curve colour. False, and nothing done, for a channel outside
    // 0..13. The sum is made when it is first read: at once on a graph in
    // sight, when the graph is shown on one out of sight (or when the plot
    // goes away), from the sections as they are then.
    bool DrawSum(int channel);
    // While held, the sum is drawn on the graph at the first DrawSum only;
    // a later one is made as usual but drawn at the release, once, in the
    // colour of the last channel given (a load sets the sections several
    // times over).
    void HoldSumDrawing();
    void ReleaseSumDrawing();
    // Section n's curve as plot number n; false for a section outside 0..47.
    bool DrawSection(int n, TColor colour);
    bool RemoveSection(int n);
    // Places band handle n at the section's frequency and height y, in the
    // handle colour of n, with the section's parameters for its text. Kind:
    // 1 PEQ band, 2 low-pass, 3 high-pass. False for n outside 0..47.
    bool ShowSectionHandle(int n, float y, int kind);
    // Shows section n's parameter text and filled curve, or hides them; a
    // negative n is section 0. False for n above 47. A graph out of sight
    // takes a biquad's filled curve when it is next drawn, computed from the
    // section's settings as they were at the call.
    bool ShowSectionCurve(int peqType, int n, float gain, float q, bool show);

    // 0 magnitude, any other value phase: sets the view of every section,
    // effective at each section's next computation.
    void SetPhaseMode(std::uint8_t view);
    qx::PlotView view() const { return view_; }

    // x of section n's frequency on the grid's log axis (the handle
    // position); std::out_of_range for a section outside 0..47.
    double sectionPosition(int n) const;

    qx::PlotGraph* graph() const { return graph_; }

    // Handle colour of a section (14 colours repeated) and curve colour of a
    // channel number (0..13); out-of-range numbers wrap or give the first.
    static TColor handleColour(int n);
    static TColor channelColour(int channel);

private:
    enum class SumHold
    {
        Off,
        Open,  // held, the sum not drawn yet
        Drawn, // held, the sum drawn once
    };
    void drawSum(int channel);
    void drawCurveFill(int peqType, int n);

    qx::PlotGraph* graph_ = nullptr;
    SumHold hold_ = SumHold::Off;
    int heldChannel_ = -1; // the sum owed at the release, -1 for none
    char fillKey_ = 0;     // its address names the owed filled curve to the graph
    qx::PlotView view_ = qx::PlotView::Magnitude;
    std::array<std::unique_ptr<PlotSection>, kSectionCount> sections_;
};
