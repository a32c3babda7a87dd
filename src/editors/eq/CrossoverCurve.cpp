#include "editors/eq/CrossoverCurve.h"

#include "codec/SharedConstants.h"
#include "response/BiquadDesign.h"
#include "response/Plot.h"

#include <algorithm>
#include <array>
#include <functional>

namespace qx {

namespace {

constexpr double kStageQ = 0.71;
constexpr double kIdleFrequencyHz = 1000.0;
constexpr double kOutOfSightHz = 32000.0;
constexpr double kOutOfSightQ = 0.05;
constexpr int kLowPassHandle = 2;
constexpr int kHighPassHandle = 3;
constexpr int kButterworthLast = 8;
constexpr int kBesselLast = 16;

struct Stage
{
    int code = kFilterFlat;
    float a = 0.0F;
    float b = 0.0F;
};

// The three stage forms of one side: first order, damped and two-coefficient.
struct SideCodes
{
    int first;
    int damped;
    int prototype;
};

SideCodes codesOf(CrossoverSide side)
{
    return side == CrossoverSide::HighPass
               ? SideCodes{kFilterHighPass1Scaled, kFilterHighPass2Damped, kFilterHighPass2Prototype}
               : SideCodes{kFilterLowPass1Scaled, kFilterLowPass2Damped, kFilterLowPass2Prototype};
}

int totalOf(CrossoverSide side)
{
    return side == CrossoverSide::HighPass ? Plot::kHighPassSection : Plot::kLowPassSection;
}

int handleOf(CrossoverSide side) { return side == CrossoverSide::HighPass ? kHighPassHandle : kLowPassHandle; }

// The five stages of a response row 2-20.
std::array<Stage, Plot::kStageCount> stagesOf(int row, const SideCodes& codes)
{
    std::array<Stage, Plot::kStageCount> stages{};
    if (row <= kButterworthLast) {
        const auto& d = kButterworthDampings[static_cast<std::size_t>(row - 1)];
        if (d[0] == 1.0F)
            stages[0] = {codes.first, 1.0F, 0.0F};
        for (std::size_t k = 1; k < d.size(); ++k)
            if (d[k] != 0.0F)
                stages[k] = {codes.damped, d[k], 0.0F};
        return stages;
    }
    if (row <= kBesselLast) {
        const auto& p = kBesselCoefficients[static_cast<std::size_t>(row - kButterworthLast - 1)];
        if (p[0].a != 0.0F)
            stages[0] = {codes.first, p[0].a, 0.0F};
        for (std::size_t k = 1; k < p.size(); ++k)
            if (p[k].a != 0.0F)
                stages[k] = {codes.prototype, p[k].a, p[k].b};
        return stages;
    }
    // Linkwitz-Riley: two equal Butterworth filters of half the slope.
    const Stage first{codes.first, 1.0F, 0.0F};
    auto damped = [&](int order, int value) {
        return Stage{codes.damped, kButterworthDampings[static_cast<std::size_t>(order - 1)][static_cast<std::size_t>(value)],
                     0.0F};
    };
    switch (row) {
    case 17:
        stages[0] = stages[1] = first;
        break;
    case 18:
        stages[0] = stages[1] = damped(2, 1);
        break;
    case 19:
        stages[0] = stages[1] = first;
        stages[2] = stages[3] = damped(3, 1);
        break;
    default:
        stages[0] = stages[1] = damped(4, 2);
        stages[2] = stages[3] = damped(4, 1);
        break;
    }
    return stages;
}

} // namespace

int crossoverResponseRow(int slopeCode)
{
    return slopeCode >= 0 && slopeCode <= kSlopeCodeMax ? kSlopeResponseRows[static_cast<std::size_t>(slopeCode)] : 0;
}

void computeCrossoverCurve(Plot& plot, CrossoverSide side, int slopeCode, double f)
{
    const int row = crossoverResponseRow(slopeCode);
    const SideCodes codes = codesOf(side);
    PlotSection& total = plot.section(totalOf(side));
    for (int k = 0; k < Plot::kStageCount; ++k)
        plot.section(Plot::kFirstStageSection + k).SetBiquad(0.0, kIdleFrequencyHz, kStageQ, kFilterFlat, 0.0F, 0.0F);
    if (row <= 1) {
        total.SetBiquad(0.0, f, kStageQ, row == 0 ? kFilterFlat : codes.first, row == 0 ? 0.0F : 1.0F, 0.0F);
    } else {
        Stage last;
        const auto stages = stagesOf(row, codes);
        std::array<PlotView, Plot::kStageCount> views{};
        for (int k = 0; k < Plot::kStageCount; ++k) {
            PlotSection& stage = plot.section(Plot::kFirstStageSection + k);
            views[static_cast<std::size_t>(k)] = stage.view();
            const Stage& s = stages[static_cast<std::size_t>(k)];
            if (s.code == kFilterFlat)
                continue;
            stage.SetBiquad(0.0, f, kStageQ, s.code, s.a, s.b);
            last = s;
        }
        total.SetBiquad(0.0, f, kStageQ, last.code, last.a, last.b);
        // The sum is made when the total is first read (a graph out of sight
        // reads it when it comes into sight), from the stages as set now: the
        // other side sets the same stage sections after this one.
        total.setDerivedCurve([stages, views, f](Curve& sum) {
            PlotSection stage;
            for (std::size_t k = 0; k < stages.size(); ++k) {
                const Stage& s = stages[k];
                if (s.code == kFilterFlat)
                    continue; // a flat stage adds 0 to every point, which changes none of them
                stage.setView(views[k]);
                stage.SetBiquad(0.0, f, kStageQ, s.code, s.a, s.b);
                const CurveView points = stage.curve();
                std::transform(sum.begin(), sum.end(), points.begin(), sum.begin(), std::plus<>());
            }
        });
    }
    plot.ShowSectionHandle(totalOf(side), 0.0F, handleOf(side));
}

void flattenCrossover(Plot& plot, CrossoverSide side)
{
    plot.section(totalOf(side)).SetBiquad(0.0, kOutOfSightHz, kOutOfSightQ, kFilterFlat, 0.0F, 0.0F);
    plot.ShowSectionHandle(totalOf(side), 0.0F, handleOf(side));
}

} // namespace qx
