#include "editors/channel/GateEditor.h"

#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelEditorHost.h"
#include "editors/channel/DynamicsEntry.h"
#include "editors/channel/TransferPlot.h"
#include "model/LUnitControl.h"
#include "model/UnitView.h"

#include <array>
#include <cmath>

namespace qx {

namespace {

constexpr std::array<const char*, 4> kFields = {"Threshold", "Attack", "Release", "Hold"};
constexpr double kThresholdLowDb = -90.0;
constexpr double kThresholdHighDb = 20.0;
constexpr int kThresholdFactor = 2;

bool isInput(int c) { return c >= 0 && c < kInputChannels; }

std::string field(const char* role, GateField which) { return std::string(role) + "Gate" + kFields[static_cast<std::size_t>(which)]; }

std::string boxText(GateField which, int position)
{
    return which == GateField::Threshold ? UnitView::thresholdText(position) : UnitView::gateTimeText(position);
}

std::string inputName(int c) { return std::string("In ") + static_cast<char>('A' + c); }

} // namespace

GateEditor::GateEditor(const TComponent& window, ChannelEditorHost& host) : window_(window), host_(host) {}

void GateEditor::FaderChange(TObject* sender, GateField which)
{
    if (host_.IsBusy())
        return;
    auto* fader = channelSender<TAdvTrackBar>(sender);
    if (!fader || !isInput(fader->Tag()))
        return;
    const int c = fader->Tag();
    host_.SetDynamicsPlotChannel(DynamicsBlock::Gate, c);
    auto* box = channelControl<TCurvyEdit>(window_, field("cvd", which), c);
    if (!box)
        return;
    box->SetText(boxText(which, fader->Position()));
    if (!DrawCurve(c))
        return;
    // The gate's settings go nowhere: the record has no place for them.
    ShowLinked(c, which, fader->Position());
}

void GateEditor::ShowLinked(int channel, GateField which, int value)
{
    const BusyHold busy(host_);
    const std::string text = boxText(which, value);
    for (int m : linkGroupMembers(host_.Unit(), channel)) {
        auto* fader = channelControl<TAdvTrackBar>(window_, field("is", which), m);
        auto* box = channelControl<TCurvyEdit>(window_, field("cvd", which), m);
        if (!fader || !box)
            continue;
        fader->SetPosition(value);
        box->SetText(text);
    }
}

void GateEditor::CommitBox(TObject* sender, GateField which)
{
    auto* box = channelSender<TCurvyEdit>(sender);
    if (!box || !isInput(box->Tag()))
        return;
    auto* fader = channelControl<TAdvTrackBar>(window_, field("is", which), box->Tag());
    if (!fader)
        return;
    std::optional<long double> position =
        which == GateField::Threshold ? decibelEntry(box->Text(), kThresholdLowDb, kThresholdHighDb, kThresholdFactor)
                                      : wholeMsEntry(box->Text(), fader->Min(), fader->Max());
    if (position && *position == fader->Position())
        position.reset();
    if (position)
        fader->SetPosition(static_cast<int>(std::trunc(*position)));
    box->SetText(boxText(which, fader->Position()));
    if (!position)
        box->CaretToEnd();
}

void GateEditor::MouseDown(TObject* sender)
{
    const auto* control = channelSender<TControl>(sender);
    if (control && isInput(control->Tag()))
        PlotCurve(control->Tag());
}

std::optional<TransferCurve> GateEditor::CurveOf(int channel) const
{
    auto* threshold = channelControl<TAdvTrackBar>(window_, field("is", GateField::Threshold), channel);
    if (!isInput(channel) || !threshold)
        return std::nullopt;
    return gateCurve(threshold->Position());
}

bool GateEditor::DrawCurve(int channel)
{
    const std::optional<TransferCurve> curve = CurveOf(channel);
    if (!curve)
        return false;
    showTransferCurve(findComponent<TControl>(window_, "ipGate"), *curve);
    if (auto* caption = findComponent<TControl>(window_, "lbGateName"))
        caption->SetCaption(inputName(channel) + "  " + std::string(host_.Translate("SID_GATE")));
    return true;
}

void GateEditor::PlotCurve(int channel)
{
    if (!DrawCurve(channel))
        return;
    if (auto* head = findComponent<TControl>(window_, "lbHeadGateIn"))
        head->SetCaption(inputName(channel));
    host_.SetDynamicsPlotChannel(DynamicsBlock::Gate, channel);
}

} // namespace qx
