#include "response/Plot.h"

#include <stdexcept>
#include <string>

Plot::Plot()
{
    for (auto& s : sections_) {
        s = std::make_unique<PlotSection>();
    }
}

namespace {
std::size_t checkedSection(int n)
{
    if (n < 0 || n >= Plot::kSectionCount) {
        throw std::out_of_range("plot section " + std::to_string(n) + " outside 0-47");
    }
    return static_cast<std::size_t>(n);
}
} // namespace

PlotSection& Plot::section(int n)
{
    return *sections_[checkedSection(n)];
}

const PlotSection& Plot::section(int n) const
{
    return *sections_[checkedSection(n)];
}

bool Plot::DrawSum(int channel)
{
    if (channel < 0 || channel >= kChannelNumberCount) {
        return false;
    }
    qx::Curve sum{};
    for (int n = 0; n < kSumSection; ++n) {
        const qx::CurveView points = curve(n);
        for (std::size_t i = 0; i < sum.size(); ++i) {
            sum[i] += points[i];
        }
    }
    if (view_ == qx::PlotView::Phase) {
        for (double& s : sum) {
            s = qx::wrapPhase(s);
        }
    }
    section(kSumSection).setCurve(sum);
    return true;
}

void Plot::SetPhaseMode(std::uint8_t view)
{
    view_ = view == 0 ? qx::PlotView::Magnitude : qx::PlotView::Phase;
    for (auto& s : sections_) {
        s->setView(view_);
    }
}

double Plot::sectionPosition(int n) const
{
    return qx::logFrequencyIndex(section(n).biquad().frequency);
}
