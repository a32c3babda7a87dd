#include "editors/eq/GraphMouseEditor.h"

#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/eq/CrossoverEditor.h"
#include "editors/eq/EqEditorHost.h"
#include "model/ControlNames.h"
#include "model/LUnitControl.h"
#include "platform/gui/ScrollBox.h"
#include "platform/gui/Screen.h"
#include "platform/gui/Timer.h"
#include "platform/text/Format.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace qx {

namespace {

constexpr int kLastHandle = 35;
constexpr int kLastBandHandle = 30;
constexpr int kHighPassHandle = 31;
constexpr int kLowPassHandle = 32;
constexpr int kHandleKindBand = 1;
constexpr int kNoBand = 15;
constexpr int kHitPixels = 5;
constexpr int kHitDb = 2;
constexpr double kGridPoints = 4096.0;
constexpr double kTopFrequencyHz = 24000.0;
constexpr double kLowestHz = 19.7;
constexpr double kBelowLowestHz = 19.6;
constexpr double kHighestHz = 20160.0;
constexpr double kDragLimitDb = 12.0;
constexpr int kScreenPixelsPerInch = 96;
constexpr double kHoverScale = 1.5;
// A grid row is 26 pixels high; its scroll box shows 130 of them.
constexpr int kGridRowHeight = 26;
constexpr int kGridShownHeight = 130;
constexpr TColor kDraggedFont = 0x008000;
constexpr TColor kIdleFont = 0x000000;

template <class T>
T* part(const TComponent& window, const std::string& prefix, int channel)
{
    return findComponent<T>(window, prefix + channelSuffix(channel));
}

std::string bandButton(int band, int channel) { return "rzbEq" + std::to_string(band + 1) + channelSuffix(channel); }

TColor fontColour(const TControl& control) { return control.Font().Color; }

void setFontColour(TControl& control, TColor colour)
{
    TFont font = control.Font();
    font.Color = colour;
    control.SetFont(font);
}

// The point under the mouse in the graph's axis units.
double axisX(const LMyFFTDrawHpLp6dB& graph, int x)
{
    const int left = graph.Page(LMyFFTDrawHpLp6dB::MainPage).Placement().Left;
    return graph.XMin() + static_cast<double>(x - left) / graph.GetPlotWidth() * (graph.XMax() - graph.XMin());
}

double axisY(const LMyFFTDrawHpLp6dB& graph, int y)
{
    const int top = graph.Page(LMyFFTDrawHpLp6dB::MainPage).Placement().Top;
    return static_cast<double>(y - top) / graph.GetPlotHeight() * (graph.YMax() - graph.YMin());
}

} // namespace

GraphMouseEditor::GraphMouseEditor(const TComponent& window, EqEditorHost& host, CrossoverEditor& crossover,
                                   int& dragHandle)
    : window_(window), host_(host), crossover_(crossover), dragHandle_(dragHandle)
{
}

GraphMouseEditor::Target GraphMouseEditor::target(TObject* sender) const
{
    auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(sender);
    if (!graph || graph->Tag() < 0 || graph->Tag() >= kChannelCount)
        return {};
    // A plot area without width or height maps no point.
    if (graph->GetPlotWidth() <= 0 || graph->GetPlotHeight() <= 0 || graph->XMax() <= graph->XMin())
        return {};
    const int c = graph->Tag();
    auto* grid = part<TMyPEQType8>(window_, "peqPeq", c);
    if (!grid)
        return {};
    // The gain overview graphs share the handlers with Tag 0.
    const bool overview = graph->Name() != "fftDraw" + channelSuffix(c);
    return {graph, grid, c, overview};
}

bool GraphMouseEditor::placed(const Target& t, int n) const
{
    if (t.overview)
        return false;
    if (n == kHighPassHandle || n == kLowPassHandle)
        return t.channel >= kInputCount;
    return n < t.grid->GetChannelNumber() && n <= kLastBandHandle;
}

bool GraphMouseEditor::hit(const Target& t, int n, int x, int y, double scale) const
{
    const LMyFFTDrawHpLp6dB& graph = *t.graph;
    const int hx = static_cast<int>(graph.GetBlockPos(n).X * scale);
    const double xv = axisX(graph, x);
    const int xp = static_cast<int>(graph.GetPlotWidth() * (xv - graph.XMin()) / (graph.XMax() - graph.XMin()) *
                                    scale);
    // Heights are compared in negated dB: the band's gain from its grid row.
    const double gn = n <= kLastBandHandle ? -t.grid->GetGainValue(n) : 0.0;
    const double yv = std::trunc(axisY(graph, y)) + graph.YMin() + (gn > 0.0 ? 1.0 : 0.0);
    return std::abs(xp - hx) < kHitPixels && std::trunc(std::abs(yv - gn)) < kHitDb;
}

void GraphMouseEditor::MouseDown(TObject* sender, bool leftButton, int x, int y)
{
    const Target t = target(sender);
    if (!t.graph)
        return;
    dragHandle_ = -1;
    if (!leftButton)
        return;
    for (int n = kLastHandle; n >= 0; --n) {
        if (!placed(t, n) || !hit(t, n, x, y, 1.0))
            continue;
        dragHandle_ = n;
        // A cut-off handle has no band button: the search ends on it.
        auto* button = findComponent<TRzBmpButton>(window_, bandButton(n, t.channel));
        if (!button)
            return;
        button->SetDown(true);
        button->Click();
        // The picked band's row scrolled into an input grid's view.
        if (auto* scroll = part<TScrollBox>(window_, "scbPeq", t.channel)) {
            TControlScrollBar& bar = *scroll->VertScrollBar();
            const int rowTop = button->Tag() * kGridRowHeight;
            if (rowTop < bar.Position() || rowTop >= bar.Position() + kGridShownHeight)
                bar.SetPosition(rowTop);
        }
    }
}

void GraphMouseEditor::MouseMove(TObject* sender, int x, int y)
{
    const Target t = target(sender);
    if (!t.graph)
        return;
    if (x == lastX_ && y == lastY_)
        return;
    lastX_ = x;
    lastY_ = y;
    if (dragHandle_ == -1) {
        const double scale = Screen()->PixelsPerInch() == kScreenPixelsPerInch ? kHoverScale : 1.0;
        t.graph->SetCursor(crDefault);
        for (int n = kLastHandle; n >= 0; --n)
            if (placed(t, n) && hit(t, n, x, y, scale)) {
                t.graph->SetCursor(crCross);
                return;
            }
        return;
    }
    const int d = dragHandle_;
    const double xv = axisX(*t.graph, x);
    double f = std::pow(10.0, std::log10(kTopFrequencyHz) * xv / kGridPoints);
    f = IndexToFreq(FreqToIndex(f));
    if (f < kBelowLowestHz)
        f = kLowestHz;
    if (f > kHighestHz)
        f = kHighestHz;
    const double g0 = d <= kLastBandHandle ? -t.grid->GetGainValue(d) : 0.0;
    const double yv = std::clamp(axisY(*t.graph, y) + t.graph->YMin() + (g0 > 0.0 ? 1.0 : 0.0), -kDragLimitDb,
                                 kDragLimitDb);
    const int gainIndex = static_cast<int>(std::trunc(-yv * 10.0)) + kGainIndexZeroDb;
    if (d <= kLastBandHandle)
        dragBand(t, d, f, gainIndex);
    else
        dragCutoff(t, d == kHighPassHandle, f);
}

void GraphMouseEditor::dragBand(const Target& t, int d, double f, int gainIndex)
{
    const int c = t.channel;
    auto* button = findComponent<TRzBmpButton>(window_, bandButton(d, c));
    if (!button || !part<TControl>(window_, "lbFftParam", c))
        return;
    TMyPEQType8& grid = *t.grid;
    const double q = grid.GetQValue(d);
    const int type = grid.GetTypeValue(d);
    const double gain = (gainIndex - kGainIndexZeroDb) * 0.1;
    // The grid's change handler stays out of the way while a handle is dragged.
    grid.SetFreqValue(d, f);
    grid.SetGainValue(d, gain);
    button->SetDown(true);
    const int bypass = grid.GetBypassValue(d) != 0 ? 1 : 0;
    if (auto* timer = findComponent<TTimer>(window_, "tmMouseEqCurve"))
        timer->SetEnabled(true);
    pending_ = {c, d, static_cast<float>(f), gain, static_cast<float>(q), type, bypass};
    const PeqBand band{static_cast<std::uint16_t>(gainIndex),
                       static_cast<std::uint16_t>(std::clamp(FreqToIndex(f), 0, kFreqIndexMax)),
                       static_cast<std::uint8_t>(QToIndex(q)), static_cast<std::uint8_t>(type)};
    grid.SetNowIndex(d);
    host_.Unit().SetPeqBand(c, d, band, static_cast<std::uint8_t>(bypass));
}

void GraphMouseEditor::dragCutoff(const Target& t, bool highPass, double f)
{
    const int c = t.channel;
    const std::string side = highPass ? "LowCut" : "HighCut";
    auto* fader = part<TAdvTrackBar>(window_, "is" + side + "Freq", c);
    auto* box = part<TCurvyEdit>(window_, "cvd" + side + "Freq", c);
    auto* list = part<TRzComboBox>(window_, "rzc" + side + "Slop", c);
    auto* bypass = part<TRzBmpButton>(window_, "rzb" + side + "Bypass", c);
    if (!fader || !box || !list || !bypass)
        return;
    // The low-pass box is written by its fader's handler.
    if (highPass)
        box->SetText(f >= 1000.0 ? Format("%4.2fKHz", f / 1000.0) : Format("%4.1fHz", f));
    fader->SetPosition(FreqToIndex(f));
    const CrossoverSide crossoverSide = highPass ? CrossoverSide::HighPass : CrossoverSide::LowPass;
    const int slope = crossover_.SlopeCode(c, crossoverSide, bypass->Down(), list->ItemIndex());
    crossover_.DeferCurve(c, crossoverSide, static_cast<float>(f), slope);
    LUnitControl& unit = host_.Unit();
    OutputFilter filter = unit.GetOutputFilter(c);
    if (highPass) {
        filter.highPassFrequency = static_cast<std::uint16_t>(fader->Position());
        filter.highPassSlope = static_cast<std::uint8_t>(slope);
        unit.SetHighPass(fader->Tag(), filter);
    } else {
        filter.lowPassFrequency = static_cast<std::uint16_t>(fader->Position());
        filter.lowPassSlope = static_cast<std::uint8_t>(slope);
        unit.SetLowPass(fader->Tag(), filter);
    }
    // The selected band lets go while a cut-off moves; the cut-off's box turns green.
    if (const int row = t.grid->GetNowIndex(); row != kNoBand) {
        auto* selected = findComponent<TRzBmpButton>(window_, bandButton(row, c));
        if (!selected)
            return;
        t.grid->SetNowIndex(-1);
        selected->SetDown(false);
    }
    setFontColour(*box, kDraggedFont);
}

void GraphMouseEditor::MouseUp(TObject* sender)
{
    auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(sender);
    if (!graph)
        return;
    const int c = graph->Tag();
    auto* lowCut = part<TControl>(window_, "cvdLowCutFreq", c);
    auto* highCut = part<TControl>(window_, "cvdHighCutFreq", c);
    if (lowCut && highCut)
        for (TControl* box : {lowCut, highCut})
            if (c < kInputCount || fontColour(*box) == kDraggedFont)
                setFontColour(*box, kIdleFont);
    // A release anywhere ends the drag.
    dragHandle_ = -1;
}

void GraphMouseEditor::CurveTimer()
{
    if (auto* timer = findComponent<TTimer>(window_, "tmMouseEqCurve"))
        timer->SetEnabled(false);
    const Pending p = pending_;
    Plot* plot = host_.ChannelPlot(p.channel);
    if (!plot || p.channel < 0 || p.channel >= kChannelCount)
        return;
    host_.ShowPeqValues(p.channel, true, p.q, p.gainDb, p.frequencyHz);
    host_.FocusPeqKeyBox(p.channel);
    plot->section(p.band).SetPeq(p.bypass ? 0.0 : p.gainDb, p.frequencyHz, p.q,
                                 p.bypass ? kFilterFlat : peqTypeFilterCode(p.type));
    plot->ShowSectionHandle(p.band, static_cast<float>(p.gainDb), kHandleKindBand);
    plot->ShowSectionCurve(p.type, p.band, static_cast<float>(p.gainDb), p.q, true);
    plot->DrawSum(p.channel);
    auto* hint = part<TControl>(window_, "lbFftParam", p.channel);
    if (!hint)
        return;
    hint->SetVisible(true);
    if (auto* graph = part<LMyFFTDrawHpLp6dB>(window_, "fftDraw", p.channel))
        graph->UpdateCurvePage();
}

} // namespace qx
