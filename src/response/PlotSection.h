#pragma once
// One filter stage of a response graph (a PEQ band, a crossover stage, an
// FIR, or a copy of another channel's total) with its response curve over
// the frequency grid. A setter only stores its settings (and the view they
// are to be computed in); the curve is computed when it is first read after
// them, so a section nobody reads (a band of a channel whose graph is not
// shown) costs nothing. Settings equal to those the curve was computed from,
// in the same view, compute nothing again, and a stage that leaves the signal
// as it is gets its flat curve without evaluating the grid (or holding one). Every curve
// point is finite. A read may compute: a section belongs to one thread.

#include <functional>
#include <memory>
#include <optional>
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
    // A curve made elsewhere (the sum of other sections), made when the curve
    // is first read; each of its points is made finite then.
    void setDerivedCurve(std::function<void(qx::Curve&)> derive);

    // Takes effect with the section's next setting.
    void setView(qx::PlotView view) { view_ = view; }

    // What a biquad's curve is computed from: a section given it computes
    // the same points.
    struct BiquadOrigin
    {
        qx::BiquadSettings settings;
        qx::PlotView view = qx::PlotView::Magnitude;
    };
    // The origin of the curve the current settings call for, when they are
    // a biquad's; nothing for any other source.
    std::optional<BiquadOrigin> biquadOrigin() const;
    // The current settings are those of origin, bit for bit.
    bool holdsBiquad(const BiquadOrigin& origin) const;
    // Sets the section (and its view) to origin.
    void SetBiquadOrigin(const BiquadOrigin& origin);

    // The view stays on this section's points for the section's life.
    qx::CurveView curve() const
    {
        update();
        return points();
    }
    // The curve is flat (every point 0), the stage leaving the signal as it
    // is; asking holds no points.
    bool flat() const
    {
        update();
        return flat_;
    }
    qx::PlotView view() const { return view_; }
    const qx::BiquadSettings& biquad() const { return biquad_; }
    const qx::FirSettings& fir() const { return fir_; }
    // Points of the curve's computation that had no finite value.
    int nonFinitePoints() const
    {
        update();
        return nonFinite_;
    }

    // Writes the coefficients of the stage. An unknown filter code, or a
    // stage whose coefficients would not be finite (Q = 0 for codes 1-6 and
    // 17, a NaN or huge input), gives the flat stage and false. Code 11 with
    // a = 0 and code 13 with b = 0 give the limits of their prototypes: flat,
    // and the first-order 1 / (1 + a's).
    static bool DesignBiquad(const qx::BiquadSettings& stage, qx::BiquadCoefficients& out);

private:
    // The kind of setting a curve comes from.
    enum class Source
    {
        None,
        Biquad,
        FirDesign,
        FirCoefficients,
        Points,
        Derived,
    };
    // What a curve is computed from.
    struct Origin
    {
        Source source = Source::None;
        qx::PlotView view = qx::PlotView::Magnitude;
        qx::BiquadSettings biquad;
        qx::FirSettings fir;
        std::vector<float> taps; // of a coefficient list only
    };
    // The settings now call for a curve from source in the current view.
    void setPending(Source source);
    // True when the curve holds what the current settings call for.
    bool computedFromCurrent() const;
    // Computes the curve when the settings changed since it was computed.
    void update() const;
    void takePoints(qx::CurveView points) const;

    void ComputeBiquadResponse() const;
    void ComputeFirDesignResponse() const;
    void ComputeFirCoefficientResponse(std::span<const double> taps) const;

    // The current settings.
    qx::BiquadSettings biquad_;
    qx::FirSettings fir_;
    std::vector<float> taps_;
    std::function<void(qx::Curve&)> derive_;
    qx::PlotView view_ = qx::PlotView::Magnitude;
    Source pending_ = Source::None;
    qx::PlotView pendingView_ = qx::PlotView::Magnitude;

    // The points, made (all 0) when first needed.
    qx::Curve& points() const;
    // The curve is flat: its points, if any were made, are all 0.
    void setFlat() const;

    // The curve and what it was computed from. A flat curve that nobody
    // read holds no points (most sections of most plots are flat).
    mutable bool stale_ = false;
    mutable Origin computed_;
    mutable int nonFinite_ = 0;
    mutable bool flat_ = true;
    mutable std::unique_ptr<qx::Curve> curve_;
};
