#pragma once
// One filter stage of a response graph (a PEQ band, a crossover stage, an
// FIR, or a copy of another channel's total) with its response curve over
// the frequency grid. Each setter stores its settings and recomputes this
// section's curve at once, so only the section that changed costs anything;
// settings equal to those the curve was computed from (in the same view)
// compute nothing, and a stage that leaves the signal as it is gets its flat
// curve without evaluating the grid. Every curve point is finite.

#include <span>
#include <vector>

#include "response/BiquadDesign.h"
#include "response/CurvePoint.h"
#include "response/FirDesign.h"
#include "response/FrequencyGrid.h"

class PlotSection
{
public:
    // A new section: a high shelf at 1000 Hz, 0 dB, Q 0.4, which is flat.
    PlotSection();

    // Gain (dB), frequency (Hz), Q and filter code; a and b keep theirs.
    void SetPeq(double gain, double frequency, double q, int filterCode);
    void SetBiquad(double gain, double frequency, double q, int filterCode, float a, float b);
    // FIR design type 0-3, window 0-10, cut-offs in Hz and the tap count.
    void SetFirDesign(int firType, int firWindow, double lowCut, double highCut, int tapCount);
    // The response of a coefficient list; its size is the tap count.
    void SetFirCoefficients(std::span<const float> coefficients);
    // Replaces the curve by given points (a copy of another channel's total
    // or a sum of stages), each made finite.
    void setCurve(qx::CurveView points);

    // Takes effect at the section's next computation.
    void setView(qx::PlotView view) { view_ = view; }

    qx::CurveView curve() const { return curve_; }
    qx::PlotView view() const { return view_; }
    const qx::BiquadSettings& biquad() const { return biquad_; }
    const qx::FirSettings& fir() const { return fir_; }
    // Points of the last computation that had no finite value.
    int nonFinitePoints() const { return nonFinite_; }

    // Writes the coefficients of the stage. An unknown filter code, or a
    // stage whose coefficients would not be finite (Q = 0 for codes 1-6 and
    // 17, a NaN or huge input), gives the flat stage and false. Code 11 with
    // a = 0 and code 13 with b = 0 give the limits of their prototypes: flat,
    // and the first-order 1 / (1 + a's).
    static bool DesignBiquad(const qx::BiquadSettings& stage, qx::BiquadCoefficients& out);

private:
    // What the curve was last computed from.
    enum class Source
    {
        None,
        Biquad,
        FirDesign,
        FirCoefficients,
        Points,
    };
    // True when the curve was computed from source in the current view.
    bool computedFrom(Source source) const { return source_ == source && computedView_ == view_; }
    void markComputed(Source source);

    void ComputeBiquadResponse();
    void ComputeFirDesignResponse();
    void ComputeFirCoefficientResponse(std::span<const double> taps);

    qx::BiquadSettings biquad_;
    qx::FirSettings fir_;
    qx::PlotView view_ = qx::PlotView::Magnitude;
    int nonFinite_ = 0;
    qx::Curve curve_{};

    Source source_ = Source::None;
    qx::PlotView computedView_ = qx::PlotView::Magnitude;
    qx::BiquadSettings computedBiquad_;
    qx::FirSettings computedFir_;
    std::vector<float> computedTaps_;
};
