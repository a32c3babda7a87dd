#include "editors/eq/CurveOverlays.h"

#include "controls/buttons/vr/VrButtons.h"
#include "editors/eq/EqEditorHost.h"
#include "model/ControlNames.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

#include <algorithm>

namespace qx {

namespace {

bool isInput(int c) { return c < kInputCount; }

// Section `to` takes the total of `source` as it is when first read: a copy
// nobody draws costs nothing. Until the next refresh it keeps that curve.
void copyTotal(PlotSection& to, const Plot& source)
{
    to.setDerivedCurve([&source](Curve& out) {
        const CurveView total = source.curve(Plot::kSumSection);
        std::copy(total.begin(), total.end(), out.begin());
    });
}
int sideFirst(int c) { return isInput(c) ? 0 : kInputCount; }
int sideEnd(int c) { return isInput(c) ? kInputCount : kChannelCount; }
// The channel's letter or digit in the buttons' names ("B" of InB, "3" of Out3).
std::string sideMark(int c) { return channelSuffix(c).substr(isInput(c) ? 2 : 3); }

std::string graphName(int graph)
{
    if (graph == kInputOverview)
        return "fftDrawGainIn";
    if (graph == kOutputOverview)
        return "fftDrawGainOut";
    return "fftDraw" + channelSuffix(graph);
}

} // namespace

std::string overlayButtonName(int c, int graph)
{
    if (graph >= kInputOverview)
        return "vrbShow" + sideMark(c) + "Gain";
    return "vrbShow" + sideMark(c) + channelSuffix(graph);
}

int overlaySection(int c, int graph)
{
    return graph >= kInputOverview ? c : Plot::kFirstOverlaySection + c - sideFirst(c);
}

CurveOverlays::CurveOverlays(const TComponent& window, EqEditorHost& host, OverlayMasks& masks)
    : window_(window), host_(host), masks_(masks)
{
}

void CurveOverlays::MarkCurveChanged(int c)
{
    if (c < 0 || c >= kChannelCount)
        return;
    // The channel's own graph gets the bit too; it never copies its own curve.
    for (int g = sideFirst(c); g < sideEnd(c); ++g)
        masks_[static_cast<std::size_t>(g)] |= 1 << c;
    masks_[static_cast<std::size_t>(isInput(c) ? kInputOverview : kOutputOverview)] |= 1 << c;
}

void CurveOverlays::RefreshChannel(int g)
{
    if (g < 0 || g >= kChannelCount)
        return;
    Plot* plot = host_.ChannelPlot(g);
    auto* graph = findComponent<LMyFFTDrawHpLp6dB>(window_, graphName(g));
    if (!plot || !graph)
        return;
    int& mask = masks_[static_cast<std::size_t>(g)];
    for (int c = sideFirst(g); c < sideEnd(g); ++c) {
        if (c == g)
            continue;
        auto* toggle = findComponent<TVrPowerButton>(window_, overlayButtonName(c, g));
        Plot* source = host_.ChannelPlot(c);
        if (!toggle || !source)
            return;
        if ((mask & (1 << c)) == 0)
            continue;
        // Copied whether shown or not, so switching the button on draws the latest curve.
        mask &= ~(1 << c);
        const int section = overlaySection(c, g);
        copyTotal(plot->section(section), *source);
        if (toggle->Active())
            plot->DrawSection(section, Plot::channelColour(c));
    }
    graph->UpdateCurvePage();
}

void CurveOverlays::RefreshOverviews()
{
    Plot* inputs = host_.ChannelPlot(kInputOverview);
    Plot* outputs = host_.ChannelPlot(kOutputOverview);
    if (!inputs || !outputs)
        return;
    for (int c = 0; c < kChannelCount; ++c)
        if (Plot* source = host_.ChannelPlot(c))
            copyTotal((isInput(c) ? inputs : outputs)->section(c), *source);
    for (int c = 0; c < kChannelCount; ++c) {
        const int overview = isInput(c) ? kInputOverview : kOutputOverview;
        auto* toggle = findComponent<TVrPowerButton>(window_, overlayButtonName(c, overview));
        if (!toggle)
            return;
        int& mask = masks_[static_cast<std::size_t>(overview)];
        // The bits of buttons that are off stay set.
        if (toggle->Active() && (mask & (1 << c)) != 0) {
            mask &= ~(1 << c);
            (isInput(c) ? inputs : outputs)->DrawSection(c, Plot::channelColour(c));
        }
    }
    for (const int overview : {kInputOverview, kOutputOverview})
        if (auto* graph = findComponent<LMyFFTDrawHpLp6dB>(window_, graphName(overview)))
            graph->UpdateCurvePage();
}

void CurveOverlays::ToggleClick(TObject* sender, int g)
{
    auto* toggle = dynamic_cast<TVrPowerButton*>(sender);
    if (!toggle || g < 0 || g > kOutputOverview)
        return;
    const int c = toggle->Tag();
    Plot* plot = host_.ChannelPlot(g);
    auto* graph = findComponent<LMyFFTDrawHpLp6dB>(window_, graphName(g));
    if (c < 0 || c >= kChannelCount || !plot || !graph)
        return;
    // The graph's copy is drawn as it was last refreshed; it is not copied again.
    masks_[static_cast<std::size_t>(g)] &= ~(1 << c);
    const int section = overlaySection(c, g);
    if (toggle->Active())
        plot->DrawSection(section, Plot::channelColour(c));
    else
        plot->RemoveSection(section);
    graph->UpdateCurvePage();
}

void CurveOverlays::ShowAllClick(TObject* sender)
{
    auto* toggle = dynamic_cast<TVrPowerButton*>(sender);
    if (!toggle)
        return;
    const int c = toggle->Tag();
    auto* graph = findComponent<LMyFFTDrawHpLp6dB>(window_, "fftDraw" + channelSuffix(c));
    auto* box = findComponent<TControl>(window_, "rzgFft" + channelSuffix(c));
    if (c < 0 || c >= kChannelCount || !graph || !box)
        return;
    graph->SetParameterDisplay(toggle->Active());
    box->Repaint();
}

void CurveOverlays::ShowButtons(int c, bool visible)
{
    if (c < 0 || c >= kChannelCount || !findComponent<TControl>(window_, "rzbMenu" + channelSuffix(c)))
        return;
    const auto show = [&](int g) {
        auto* toggle = findComponent<TVrPowerButton>(window_, overlayButtonName(c, g));
        Plot* plot = host_.ChannelPlot(g);
        if (!toggle || !plot)
            return false;
        toggle->SetVisible(visible);
        if (!visible) {
            toggle->SetActive(false);
            masks_[static_cast<std::size_t>(g)] &= ~(1 << c);
            plot->RemoveSection(overlaySection(c, g));
        }
        return true;
    };
    if (!show(isInput(c) ? kInputOverview : kOutputOverview))
        return;
    for (int g = sideFirst(c); g < sideEnd(c); ++g)
        if (g != c && !show(g))
            return;
}

} // namespace qx
