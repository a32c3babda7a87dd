#pragma once
// The curve work of showing a whole unit state: every section of the 14
// plots set from a record (PEQ bands, crossover stages and totals, output
// and input FIRs), each channel summed and copied onto its gain overview.
// The work is listed once as steps and run on two back ends: the response
// model, and the direct reference evaluation.

#include <array>
#include <span>
#include <vector>

#include "model/FirImage.h"
#include "model/UnitRecord.h"
#include "response/BiquadDesign.h"
#include "response/CurvePoint.h"
#include "response/FirDesign.h"
#include "response/FrequencyGrid.h"

class Plot;

namespace qx::bench {

inline constexpr int kPlotCount = 14;
inline constexpr int kInputOverview = 12;
inline constexpr int kOutputOverview = 13;

struct RebuildStep
{
    enum class Kind
    {
        Biquad,          // biquad settings into a section
        FirDesign,       // a designed FIR into a section
        FirCoefficients, // a coefficient list into a section
        SumStages,       // the crossover stages 34-38 added into a section
        ChannelSum,      // sections 0-32 into the total
        CopyTotal,       // another plot's total into a section
    };
    Kind kind = Kind::Biquad;
    int plot = 0;
    int section = 0;
    BiquadSettings biquad;
    FirSettings fir;
    std::span<const float> coefficients;
    int sourcePlot = 0;
};

// The record must outlive the steps' coefficient views into buffers.
std::vector<RebuildStep> rebuildSteps(const UnitRecord& record, const FirBuffers& buffers);

using PlotArray = std::array<Plot, kPlotCount>;
void runOnPlots(std::span<const RebuildStep> steps, PlotArray& plots);

// The reference back end: 48 plain curves per plot.
struct DirectPlots
{
    explicit DirectPlots(PlotView v) : view(v), curves(kPlotCount * 48) {}
    Curve& at(int plot, int section) { return curves[static_cast<std::size_t>(plot * 48 + section)]; }
    PlotView view;
    std::vector<Curve> curves;
};
void runDirect(std::span<const RebuildStep> steps, DirectPlots& plots);

// A full state: every PEQ band in use, 48 dB per octave crossovers on both
// sides, 1024-tap designed FIRs on the outputs and 2048 coefficients on the
// inputs.
UnitRecord busyRecord();
FirBuffers busyFirBuffers();

} // namespace qx::bench
