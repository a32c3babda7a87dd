// A section computes its curve only when its settings or its view changed;
// whatever sequence of settings it is given, its curve is the one a new
// section gets from the last settings.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "response/PlotSection.h"

namespace {

using Setting = std::function<void(PlotSection&)>;

// The first point whose bits differ, or -1.
int firstDifference(qx::CurveView a, qx::CurveView b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::memcmp(&a[i], &b[i], sizeof(double)) != 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The curve of a new section given only the last setting, in view.
void expectCurveOfLastSetting(const PlotSection& section, const Setting& last, qx::PlotView view)
{
    PlotSection fresh;
    fresh.setView(view);
    last(fresh);
    EXPECT_EQ(firstDifference(section.curve(), fresh.curve()), -1);
    EXPECT_EQ(section.nonFinitePoints(), fresh.nonFinitePoints());
}

Setting peq(double gain, double frequency, double q, int code)
{
    return [=](PlotSection& s) { s.SetPeq(gain, frequency, q, code); };
}

Setting biquad(double frequency, double q, int code, float a, float b)
{
    return [=](PlotSection& s) { s.SetBiquad(0, frequency, q, code, a, b); };
}

Setting firDesign(int type, int window, double lowCut, double highCut, int taps)
{
    return [=](PlotSection& s) { s.SetFirDesign(type, window, lowCut, highCut, taps); };
}

Setting firTaps(std::vector<float> taps)
{
    return [taps](PlotSection& s) { s.SetFirCoefficients(taps); };
}

// Reads the curve, which computes it.
const Setting read = [](PlotSection& s) { (void)s.curve(); };

Setting points(double value)
{
    return [value](PlotSection& s) {
        qx::Curve c{};
        c.fill(value);
        s.setCurve(c);
    };
}

TEST(PlotSection, CurveIsThatOfTheLastSettings)
{
    const Setting peak = peq(6, 1000, 1.4, 1);
    const Setting lowPass = biquad(800, 0.71, 13, 1.3617F, 0.618F);
    const Setting design = firDesign(1, 3, 20, 2000, 512);
    const Setting taps = firTaps({0.25F, 0.5F, 0.25F});
    struct Case
    {
        std::string name;
        std::vector<Setting> settings; // the last one decides
    };
    const Case cases[] = {
        {"a peak back to its settings", {peak, peq(-6, 1000, 1.4, 1), peak}},
        {"a peak after another frequency", {peak, peq(6, 1001, 1.4, 1), peak}},
        {"a peak after another Q", {peak, peq(6, 1000, 1.41, 1), peak}},
        {"a peak after another code", {peak, peq(6, 1000, 1.4, 2), peak}},
        {"a peak after a flat band", {peak, peq(0, 1000, 1.4, 10), peak}},
        {"a peak after its 0 dB form", {peak, peq(0, 1000, 1.4, 1), peak}},
        {"a gain of -0 after +0", {peq(0.0, 1000, 1, 18), peq(-0.0, 1000, 1, 18)}},
        {"a prototype after other coefficients", {lowPass, biquad(800, 0.71, 13, 1.3617F, 0.5F), lowPass}},
        {"a prototype after b = 0", {lowPass, biquad(800, 0.71, 13, 1.3617F, 0.0F), lowPass}},
        {"a peak after given points", {peak, points(3.0), peak}},
        {"a peak after a FIR", {peak, taps, peak}},
        {"a design after another window", {design, firDesign(1, 4, 20, 2000, 512), design}},
        {"a design after other taps", {design, firDesign(1, 3, 20, 2000, 544), design}},
        {"a design after a cut-off", {design, firDesign(1, 3, 20, 2001, 512), design}},
        {"a design after a peak", {design, peak, design}},
        {"a design after given points", {design, points(-1.0), design}},
        {"a design after its own coefficients", {design, taps, design}},
        {"taps after other taps", {taps, firTaps({0.25F, 0.5F, 0.26F}), taps}},
        {"taps after a shorter list", {taps, firTaps({0.25F, 0.5F}), taps}},
        {"taps after given points", {taps, points(2.0), taps}},
        {"taps after a NaN tap", {taps, firTaps({0.25F, std::nanf(""), 0.25F}), taps}},
        {"a NaN tap twice", {firTaps({std::nanf("")}), firTaps({std::nanf("")})}},
        {"points after the same settings", {peak, points(1.0), peak, points(1.0)}},
        {"a peak read, changed and back", {peak, read, peq(-6, 1000, 1.4, 1), read, peak}},
        {"a peak read, changed unread and back", {peak, read, peq(-6, 1000, 1.4, 1), peak}},
        {"a design read, changed and back", {design, read, firDesign(1, 4, 20, 2000, 512), read, design}},
        {"taps read, changed and back", {taps, read, firTaps({0.25F, 0.5F}), read, taps}},
        {"a peak read after given points", {peak, read, points(3.0), read, peak}},
    };
    for (const Case& c : cases) {
        for (qx::PlotView view : {qx::PlotView::Magnitude, qx::PlotView::Phase}) {
            SCOPED_TRACE(c.name + (view == qx::PlotView::Phase ? " (phase)" : ""));
            PlotSection section;
            section.setView(view);
            for (const Setting& set : c.settings) {
                set(section);
            }
            expectCurveOfLastSetting(section, c.settings.back(), view);
        }
    }
}

TEST(PlotSection, SameSettingsInAnotherViewAreComputedAgain)
{
    const Setting settings[] = {peq(6, 1000, 1.4, 3), firDesign(2, 0, 300, 0, 256), firTaps({0.5F, 0.5F}),
                                peq(0, 1000, 1.4, 1)};
    for (const Setting& set : settings) {
        PlotSection section;
        set(section);
        section.setView(qx::PlotView::Phase);
        set(section);
        expectCurveOfLastSetting(section, set, qx::PlotView::Phase);
        section.setView(qx::PlotView::Magnitude);
        set(section);
        expectCurveOfLastSetting(section, set, qx::PlotView::Magnitude);
    }
}

// The caller may keep its coefficients in one buffer and change them there.
TEST(PlotSection, CoefficientsChangedInTheCallersBufferAreComputedAgain)
{
    std::vector<float> buffer{0.25F, 0.5F, 0.25F};
    PlotSection section;
    section.SetFirCoefficients(buffer);
    buffer[1] = -0.5F;
    section.SetFirCoefficients(buffer);
    expectCurveOfLastSetting(section, firTaps(buffer), qx::PlotView::Magnitude);
}

// A setting is computed in the view of its time, whenever the curve is read.
TEST(PlotSection, ASettingKeepsTheViewItWasGivenIn)
{
    const Setting settings[] = {peq(6, 1000, 1.4, 3), firDesign(2, 0, 300, 0, 256), firTaps({0.5F, 0.5F})};
    for (const Setting& set : settings) {
        PlotSection section;
        set(section);
        section.setView(qx::PlotView::Phase);
        expectCurveOfLastSetting(section, set, qx::PlotView::Magnitude);
    }
}

} // namespace
