#include "response/Plot.h"

#include <stdexcept>
#include <string>

Plot::Plot()
{
    for (auto& section : sections_) {
        section = std::make_unique<PlotSection>();
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

PlotSection& Plot::Section(int n)
{
    return *sections_[checkedSection(n)];
}

const PlotSection& Plot::Section(int n) const
{
    return *sections_[checkedSection(n)];
}

bool Plot::DrawSum(int channel)
{
    if (channel < 0 || channel >= kChannelCount) {
        return false;
    }
    qx::Curve sum{};
    for (int n = 0; n < kSumSection; ++n) {
        const qx::CurveView curve = Curve(n);
        for (std::size_t i = 0; i < sum.size(); ++i) {
            sum[i] += curve[i];
        }
    }
    if (view_ == qx::PlotView::Phase) {
        for (double& s : sum) {
            s = qx::WrapPhase(s);
        }
    }
    Section(kSumSection).SetCurve(sum);
    return true;
}

void Plot::SetPhaseMode(std::uint8_t view)
{
    view_ = view == 0 ? qx::PlotView::Magnitude : qx::PlotView::Phase;
    for (auto& section : sections_) {
        section->SetView(view_);
    }
}

double Plot::SectionPosition(int n) const
{
    return qx::LogFrequencyIndex(Section(n).Biquad().frequency);
}
