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

    // 48 flat sections in magnitude view.
    Plot();

    // Section n (0-47); std::out_of_range for any other number.
    PlotSection& section(int n);
    const PlotSection& section(int n) const;
    qx::CurveView curve(int n) const { return section(n).curve(); }

    // Adds sections 0-32 point by point into section 33; in phase view each
    // sum is wrapped into -18..18. False, and nothing done, for a channel
    // outside 0..13. Drawing the total in the channel's colour comes with
    // the graph control.
    bool DrawSum(int channel);

    // 0 magnitude, any other value phase: sets the view of every section,
    // effective at each section's next computation.
    void SetPhaseMode(std::uint8_t view);
    qx::PlotView view() const { return view_; }

    // x of section n's frequency on the grid's log axis (the handle
    // position); std::out_of_range for a section outside 0..47.
    double sectionPosition(int n) const;

private:
    qx::PlotView view_ = qx::PlotView::Magnitude;
    std::array<std::unique_ptr<PlotSection>, kSectionCount> sections_;
};
