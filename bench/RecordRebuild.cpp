#include "RecordRebuild.h"

#include <algorithm>
#include <functional>

#include "DirectResponse.h"
#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "model/FactoryDefault.h"
#include "response/Plot.h"

namespace qx::bench {
namespace {

constexpr double kCrossoverQ = 0.71;
constexpr BiquadSettings kFlatReset{kFilterFlat, 32000.0, 0.0, 0.05, 0.0F, 0.0F};

RebuildStep biquadStep(int plot, int section, const BiquadSettings& stage)
{
    RebuildStep step;
    step.plot = plot;
    step.section = section;
    step.biquad = stage;
    return step;
}

RebuildStep otherStep(RebuildStep::Kind kind, int plot, int section)
{
    RebuildStep step;
    step.kind = kind;
    step.plot = plot;
    step.section = section;
    return step;
}

void peqSteps(const UnitRecord& record, int channel, std::vector<RebuildStep>& steps)
{
    const int bands = channel < kInputCount ? kInputBandCount : kOutputBandCount;
    const unsigned bypassMask = readWord(record, rec::peqBypassMask(channel));
    for (int b = 0; b < bands; ++b) {
        const std::size_t at =
            channel < kInputCount ? rec::inputBand(channel, b) : rec::outputBand(channel - kInputCount, b);
        const double frequency = IndexToFreq(readWord(record, at + rec::kBandFreq));
        const double q = IndexToQ(record[at + rec::kBandQ]);
        if ((bypassMask >> b) & 1U) {
            steps.push_back(biquadStep(channel, b, {kFilterFlat, frequency, 0.0, q, 0.0F, 0.0F}));
            continue;
        }
        const auto gain = static_cast<double>(IndexToGain(readWord(record, at + rec::kBandGain)));
        steps.push_back(biquadStep(
            channel, b, {peqTypeFilterCode(record[at + rec::kBandType]), frequency, gain, q, 0.0F, 0.0F}));
    }
}

// One side's crossover: stages 34-38 by slope row, added into the side's total.
void crossoverSteps(int channel, bool highPass, int slopeCode, double frequency,
                    std::vector<RebuildStep>& steps)
{
    const int total = highPass ? Plot::kHighPassSection : Plot::kLowPassSection;
    const int firstOrder = highPass ? kFilterHighPass1Scaled : kFilterLowPass1Scaled;
    const int damped = highPass ? kFilterHighPass2Damped : kFilterLowPass2Damped;
    const int twoCoefficient = highPass ? kFilterHighPass2Prototype : kFilterLowPass2Prototype;
    for (int s = 0; s < Plot::kStageCount; ++s) {
        steps.push_back(biquadStep(channel, Plot::kFirstStageSection + s,
                                   {kFilterFlat, 1000.0, 0.0, kCrossoverQ, 0.0F, 0.0F}));
    }
    const int row = slopeResponseRow(slopeCode);
    if (row <= 1) {
        const int code = row == 0 ? kFilterFlat : firstOrder;
        steps.push_back(biquadStep(channel, total, {code, frequency, 0.0, kCrossoverQ, 1.0F, 0.0F}));
        return;
    }
    BiquadSettings last;
    const auto stage = [&](int s, int code, float a, float b) {
        last = {code, frequency, 0.0, kCrossoverQ, a, b};
        steps.push_back(biquadStep(channel, Plot::kFirstStageSection + s, last));
    };
    if (row <= 8) {
        const auto& dampings = kButterworthDampings[static_cast<std::size_t>(row - 1)];
        if (dampings[0] == 1.0F) {
            stage(0, firstOrder, 1.0F, 0.0F);
        }
        for (int s = 1; s < Plot::kStageCount; ++s) {
            if (dampings[static_cast<std::size_t>(s)] != 0.0F) {
                stage(s, damped, dampings[static_cast<std::size_t>(s)], 0.0F);
            }
        }
    } else if (row <= 16) {
        const auto& pairs = kBesselCoefficients[static_cast<std::size_t>(row - 9)];
        if (pairs[0].a != 0.0F) {
            stage(0, firstOrder, pairs[0].a, 0.0F);
        }
        for (int s = 1; s < Plot::kStageCount; ++s) {
            const BesselPair& p = pairs[static_cast<std::size_t>(s)];
            if (p.a != 0.0F) {
                stage(s, twoCoefficient, p.a, p.b);
            }
        }
    } else {
        // Linkwitz-Riley: two equal Butterworth filters of half the slope.
        const bool firstPair = row == 17 || row == 19;
        const float pairDamping = row == 18 ? 1.4142F : 1.8478F;
        for (int s = 0; s < 2; ++s) {
            if (firstPair) {
                stage(s, firstOrder, 1.0F, 0.0F);
            } else {
                stage(s, damped, pairDamping, 0.0F);
            }
        }
        if (row >= 19) {
            const float secondDamping = row == 19 ? 1.0F : 0.7654F;
            stage(2, damped, secondDamping, 0.0F);
            stage(3, damped, secondDamping, 0.0F);
        }
    }
    steps.push_back(biquadStep(channel, total, last));
    steps.push_back(otherStep(RebuildStep::Kind::SumStages, channel, total));
}

void outputSteps(const UnitRecord& record, const FirBuffers& buffers, int channel,
                 std::vector<RebuildStep>& steps)
{
    const std::size_t filter = rec::outputFilter(channel - kInputCount);
    const unsigned mode = readWord(record, filter + rec::kFilterMode);
    for (const bool highPass : {true, false}) {
        const int total = highPass ? Plot::kHighPassSection : Plot::kLowPassSection;
        if (mode == 1) {
            steps.push_back(biquadStep(channel, total, kFlatReset));
            continue;
        }
        const double frequency = IndexToFreq(
            readWord(record, filter + (highPass ? rec::kFilterHighPassFreq : rec::kFilterLowPassFreq)));
        const int slope = record[filter + (highPass ? rec::kFilterHighPassSlope : rec::kFilterLowPassSlope)];
        crossoverSteps(channel, highPass, slope, frequency, steps);
    }
    const int type = record[filter + rec::kFilterFirType];
    const int taps = readWord(record, filter + rec::kFilterFirTaps);
    if (mode == 0 || type == 0) {
        steps.push_back(biquadStep(channel, Plot::kOutputFirSection, kFlatReset));
    } else if (type >= 4) {
        RebuildStep step = otherStep(RebuildStep::Kind::FirCoefficients, channel, Plot::kOutputFirSection);
        step.coefficients = std::span<const float>(buffers[static_cast<std::size_t>(channel)])
                                .first(static_cast<std::size_t>(std::min(taps, kFirSlots)));
        steps.push_back(step);
    } else {
        RebuildStep step = otherStep(RebuildStep::Kind::FirDesign, channel, Plot::kOutputFirSection);
        step.fir = {type, record[filter + rec::kFilterFirWindow],
                    IndexToFreq(readWord(record, filter + rec::kFilterFirLowCut)),
                    IndexToFreq(readWord(record, filter + rec::kFilterFirHighCut)), taps * 32 + 256};
        steps.push_back(step);
    }
}

void inputSteps(const UnitRecord& record, const FirBuffers& buffers, int channel,
                std::vector<RebuildStep>& steps)
{
    if (readWord(record, rec::input(channel) + rec::kInFirBypass) != 0) {
        steps.push_back(biquadStep(channel, Plot::kHighPassSection, kFlatReset));
        return;
    }
    const int count = std::min<int>(readWord(record, rec::input(channel) + rec::kInFirTapCount), kFirSlots);
    RebuildStep step = otherStep(RebuildStep::Kind::FirCoefficients, channel, Plot::kHighPassSection);
    step.coefficients = std::span<const float>(buffers[static_cast<std::size_t>(channel)])
                            .first(static_cast<std::size_t>(count));
    steps.push_back(step);
}

std::vector<double> widened(std::span<const float> coefficients)
{
    std::vector<double> taps(coefficients.begin(), coefficients.end());
    if (taps.empty()) {
        taps.push_back(1.0);
    }
    return taps;
}

std::vector<double> designedTaps(const FirSettings& design)
{
    std::vector<double> taps;
    if (!DesignFirTaps(design, taps)) {
        taps.assign(1, 1.0);
    }
    taps.resize(std::min(taps.size(), static_cast<std::size_t>(std::max(design.tapCount, 1))));
    return taps;
}

} // namespace

std::vector<RebuildStep> rebuildSteps(const UnitRecord& record, const FirBuffers& buffers)
{
    std::vector<RebuildStep> steps;
    for (int c = 0; c < kChannelCount; ++c) {
        peqSteps(record, c, steps);
        c < kInputCount ? inputSteps(record, buffers, c, steps) : outputSteps(record, buffers, c, steps);
        steps.push_back(otherStep(RebuildStep::Kind::ChannelSum, c, Plot::kSumSection));
        RebuildStep copy =
            otherStep(RebuildStep::Kind::CopyTotal, c < kInputCount ? kInputOverview : kOutputOverview, c);
        copy.sourcePlot = c;
        steps.push_back(copy);
    }
    return steps;
}

void runOnPlots(std::span<const RebuildStep> steps, PlotArray& plots)
{
    for (const RebuildStep& step : steps) {
        Plot& plot = plots[static_cast<std::size_t>(step.plot)];
        PlotSection& section = plot.section(step.section);
        switch (step.kind) {
        case RebuildStep::Kind::Biquad: {
            const BiquadSettings& s = step.biquad;
            section.SetBiquad(s.gain, s.frequency, s.q, s.filterCode, s.a, s.b);
            break;
        }
        case RebuildStep::Kind::FirDesign:
            section.SetFirDesign(step.fir.type, step.fir.window, step.fir.lowCut, step.fir.highCut,
                                 step.fir.tapCount);
            break;
        case RebuildStep::Kind::FirCoefficients:
            section.SetFirCoefficients(step.coefficients);
            break;
        case RebuildStep::Kind::SumStages: {
            Curve sum{};
            for (int s = 0; s < Plot::kStageCount; ++s) {
                const CurveView stage = plot.curve(Plot::kFirstStageSection + s);
                std::transform(sum.begin(), sum.end(), stage.begin(), sum.begin(), std::plus<>());
            }
            section.setCurve(sum);
            break;
        }
        case RebuildStep::Kind::ChannelSum:
            plot.DrawSum(step.plot);
            break;
        case RebuildStep::Kind::CopyTotal:
            section.setCurve(plots[static_cast<std::size_t>(step.sourcePlot)].curve(Plot::kSumSection));
            break;
        }
    }
}

void runDirect(std::span<const RebuildStep> steps, DirectPlots& plots)
{
    for (const RebuildStep& step : steps) {
        Curve& target = plots.at(step.plot, step.section);
        switch (step.kind) {
        case RebuildStep::Kind::Biquad:
            directBiquadCurve(step.biquad, plots.view, target);
            break;
        case RebuildStep::Kind::FirDesign:
            directFirCurve(designedTaps(step.fir), plots.view, target);
            break;
        case RebuildStep::Kind::FirCoefficients:
            directFirCurve(widened(step.coefficients), plots.view, target);
            break;
        case RebuildStep::Kind::SumStages:
            for (std::size_t i = 0; i < target.size(); ++i) {
                double s = 0.0;
                for (int k = 0; k < Plot::kStageCount; ++k) {
                    s += plots.at(step.plot, Plot::kFirstStageSection + k)[i];
                }
                target[i] = s;
            }
            break;
        case RebuildStep::Kind::ChannelSum:
            directSum(std::span<const Curve>(&plots.at(step.plot, 0), Plot::kSumSection), plots.view, target);
            break;
        case RebuildStep::Kind::CopyTotal:
            target = plots.at(step.sourcePlot, Plot::kSumSection);
            break;
        }
    }
}

UnitRecord busyRecord()
{
    UnitRecord r = kFactoryDefaultRecord;
    for (int c = 0; c < kChannelCount; ++c) {
        const int bands = c < kInputCount ? kInputBandCount : kOutputBandCount;
        for (int b = 0; b < bands; ++b) {
            const std::size_t at =
                c < kInputCount ? rec::inputBand(c, b) : rec::outputBand(c - kInputCount, b);
            writeWord(r, at + rec::kBandGain, static_cast<unsigned>(60 + (b * 37 + c * 11) % 121));
            r[at + rec::kBandQ] = static_cast<std::uint8_t>((b * 7 + c) % 60);
            r[at + rec::kBandType] = static_cast<std::uint8_t>((b + c) % (kPeqTypeMax + 1));
        }
        writeWord(r, rec::peqBypassMask(c), 1U << 2); // band 3 bypassed
    }
    for (int n = 0; n < kInputCount; ++n) {
        writeWord(r, rec::input(n) + rec::kInFirTapCount, kFirSlots);
        writeWord(r, rec::input(n) + rec::kInFirBypass, 0);
    }
    for (int i = 0; i < kOutputCount; ++i) {
        const std::size_t f = rec::outputFilter(i);
        writeWord(r, f + rec::kFilterMode, 2);
        writeWord(r, f + rec::kFilterHighPassFreq, 40);
        writeWord(r, f + rec::kFilterLowPassFreq, 250);
        r[f + rec::kFilterHighPassSlope] = 19; // Bessel 48 dB per octave
        r[f + rec::kFilterLowPassSlope] = 20;  // Linkwitz-Riley 48 dB per octave
        r[f + rec::kFilterFirType] = static_cast<std::uint8_t>(1 + i % 3);
        r[f + rec::kFilterFirWindow] = static_cast<std::uint8_t>(i % kFirWindowCount);
        writeWord(r, f + rec::kFilterFirLowCut, 60);
        writeWord(r, f + rec::kFilterFirHighCut, 240);
        writeWord(r, f + rec::kFilterFirTaps, 24); // 1024 taps
    }
    return r;
}

FirBuffers busyFirBuffers()
{
    std::vector<double> taps;
    DesignFirTaps({kFirLowPass, 9, 0.0, IndexToFreq(200), kFirSlots}, taps);
    FirChannelBuffer buffer{};
    std::copy_n(taps.begin(), kFirSlots, buffer.begin());
    FirBuffers buffers;
    buffers.fill(buffer);
    return buffers;
}

} // namespace qx::bench
