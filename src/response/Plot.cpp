#include "response/Plot.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>

Plot::Plot(qx::PlotGraph* graph) : graph_(graph)
{
    for (auto& s : sections_) {
        s = std::make_unique<PlotSection>();
    }
}

namespace {
constexpr std::array<TColor, 14> kHandleColours = {clRed,   clYellow,  clFuchsia, clAqua, clLime,
                                                   clBlue,  clSkyBlue, clPurple,  clTeal, clMaroon,
                                                   clCream, clOlive,   clGray,    clNavy};
constexpr std::array<TColor, Plot::kChannelNumberCount> kChannelColours = {
    clPurple, clOlive,   clTeal, clMaroon,  clRed,   clLime,   clYellow,
    clBlue,   clFuchsia, clAqua, clSkyBlue, clCream, clPurple, clOlive};

bool validSection(int n)
{
    return n >= 0 && n < Plot::kSectionCount;
}

std::size_t checkedSection(int n)
{
    if (n < 0 || n >= Plot::kSectionCount) {
        throw std::out_of_range("plot section " + std::to_string(n) + " outside 0-47");
    }
    return static_cast<std::size_t>(n);
}
} // namespace

Plot::~Plot()
{
    if (graph_) {
        graph_->PaySeries(this);
        graph_->PaySeries(&fillKey_);
    }
}

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
    const bool phase = view_ == qx::PlotView::Phase;
    section(kSumSection).setDerivedCurve([this, phase](qx::Curve& sum) {
        for (int n = 0; n < kSumSection; ++n) {
            if (section(n).flat()) {
                continue; // adds 0 to every point, which changes none of them
            }
            const qx::CurveView points = curve(n);
            for (std::size_t i = 0; i < sum.size(); ++i) {
                sum[i] += points[i];
            }
        }
        if (phase) {
            for (double& s : sum) {
                s = qx::wrapPhase(s);
            }
        }
    });
    if (hold_ == SumHold::Drawn) {
        heldChannel_ = channel;
        return true;
    }
    if (hold_ == SumHold::Open) {
        hold_ = SumHold::Drawn;
    }
    drawSum(channel);
    return true;
}

void Plot::drawSum(int channel)
{
    if (graph_) {
        graph_->OweSeries(this, [this, channel] { DrawSection(kSumSection, channelColour(channel)); });
    }
}

void Plot::HoldSumDrawing()
{
    hold_ = SumHold::Open;
    heldChannel_ = -1;
}

void Plot::ReleaseSumDrawing()
{
    const int owed = heldChannel_;
    hold_ = SumHold::Off;
    heldChannel_ = -1;
    if (owed >= 0) {
        drawSum(owed);
    }
}

bool Plot::DrawSection(int n, TColor colour)
{
    if (!validSection(n)) {
        return false;
    }
    if (graph_) {
        graph_->FFTDraw(curve(n).data(), qx::kGridSize, n, colour, TMyPlotStyle::Line);
    }
    return true;
}

bool Plot::RemoveSection(int n)
{
    if (!validSection(n)) {
        return false;
    }
    if (graph_) {
        graph_->RemovePlot(n);
    }
    return true;
}

bool Plot::ShowSectionHandle(int n, float y, int kind)
{
    if (!validSection(n)) {
        return false;
    }
    if (graph_) {
        const qx::BiquadSettings& s = section(n).biquad();
        graph_->DrawBlock(y, sectionPosition(n), handleColour(n), n, false, kind);
        graph_->SetBlockParameter(n, s.frequency, s.gain, s.q, s.filterCode);
    }
    return true;
}

bool Plot::ShowSectionCurve(int peqType, int n, float gain, float q, bool show)
{
    n = std::max(n, 0);
    if (!validSection(n)) {
        return false;
    }
    if (!graph_) {
        return true;
    }
    if (show) {
        graph_->DrawParam(peqType, gain, sectionPosition(n),
                          static_cast<float>(section(n).biquad().frequency), q, clYellow);
        drawCurveFill(peqType, n);
    }
    graph_->SetCurveDisplay(show);
    return true;
}

void Plot::drawCurveFill(int peqType, int n)
{
    const std::optional<PlotSection::BiquadOrigin> origin = section(n).biquadOrigin();
    if (!origin) {
        graph_->DrawCurveFill(peqType, curve(n).data(), qx::kGridSize);
        return;
    }
    // Drawn at once on a graph in sight. Out of sight, the section's own
    // curve when it still holds these settings (the sum reads it too), else
    // a curve made from them.
    graph_->OweSeries(&fillKey_, [this, peqType, n, origin = *origin] {
        if (section(n).holdsBiquad(origin)) {
            graph_->DrawCurveFill(peqType, curve(n).data(), qx::kGridSize);
            return;
        }
        PlotSection then;
        then.SetBiquadOrigin(origin);
        graph_->DrawCurveFill(peqType, then.curve().data(), qx::kGridSize);
    });
}

TColor Plot::handleColour(int n)
{
    const int count = static_cast<int>(kHandleColours.size());
    return kHandleColours[static_cast<std::size_t>(((n % count) + count) % count)];
}

TColor Plot::channelColour(int channel)
{
    if (channel < 0 || channel >= kChannelNumberCount) {
        return kChannelColours[0];
    }
    return kChannelColours[static_cast<std::size_t>(channel)];
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
