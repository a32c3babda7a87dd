#include "editors/channel/DynamicsEditor.h"

#include "codec/SharedConstants.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/DynamicsEntry.h"
#include "editors/channel/TransferPlot.h"
#include "model/LUnitControl.h"
#include "model/UnitView.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UpDown.h"

#include <array>
#include <cmath>

namespace qx {

namespace {

constexpr std::array<const char*, 5> kFields = {"Threshold", "Attack", "Release", "Ratio", "Knee"};
constexpr int kThresholdOffset = 180;
constexpr double kThresholdLowDb = -90.0;
constexpr double kThresholdHighDb = 20.0;
constexpr int kThresholdFactor = 2;
constexpr double kKneeLowDb = 0.0;
constexpr double kKneeHighDb = 12.0;

bool isOutput(int c) { return c >= kInputChannels && c < kChannels; }
bool onUpDown(DynamicsField which) { return which == DynamicsField::Ratio || which == DynamicsField::Knee; }

// The box text of a position after a control change.
std::string boxText(DynamicsField which, int position)
{
    switch (which) {
    case DynamicsField::Threshold:
        return UnitView::thresholdText(position);
    case DynamicsField::Attack:
        return UnitView::attackText(position);
    case DynamicsField::Release:
        return UnitView::releaseText(position);
    case DynamicsField::Ratio:
        return UnitView::ratioText(position);
    case DynamicsField::Knee:
        return UnitView::kneeText(position);
    }
    return {};
}

// The box text after typed entry: the release as a plain whole number.
std::string typedBoxText(DynamicsField which, int position)
{
    return which == DynamicsField::Release ? UnitView::gateTimeText(position) : boxText(which, position);
}

void setField(Dynamics& record, DynamicsField which, int value)
{
    const auto word = [](int v) { return static_cast<std::uint16_t>(v); };
    switch (which) {
    case DynamicsField::Threshold:
        record.threshold = word(value + kThresholdOffset);
        break;
    case DynamicsField::Attack:
        record.attack = word(value);
        break;
    case DynamicsField::Release:
        record.release = word(value);
        break;
    case DynamicsField::Ratio:
        record.ratio = word(value);
        break;
    case DynamicsField::Knee:
        record.knee = word(value);
        break;
    }
}

std::optional<long double> typedPosition(const std::string& text, DynamicsField which, int min, int max, bool limiter)
{
    switch (which) {
    case DynamicsField::Threshold:
        return decibelEntry(text, kThresholdLowDb, kThresholdHighDb, kThresholdFactor);
    case DynamicsField::Attack:
        return fineTimeEntry(text);
    case DynamicsField::Release:
        return wholeMsEntry(text, min, max);
    case DynamicsField::Ratio:
        return ratioEntry(text, limiter);
    case DynamicsField::Knee:
        return decibelEntry(text, kKneeLowDb, kKneeHighDb, 1);
    }
    return std::nullopt;
}

// The partner of a value box: its fader or up-down, behind one face.
struct Partner
{
    TAdvTrackBar* fader = nullptr;
    TUpDown* upDown = nullptr;
    explicit operator bool() const { return fader || upDown; }
    int Position() const { return fader ? fader->Position() : upDown->Position(); }
    int Min() const { return fader ? fader->Min() : upDown->Min(); }
    int Max() const { return fader ? fader->Max() : upDown->Max(); }
    void SetPosition(int p) const { fader ? fader->SetPosition(p) : upDown->SetPosition(p); }
};

} // namespace

DynamicsEditor::DynamicsEditor(const TComponent& window, ChannelEditorHost& host, DynamicsBlock block)
    : window_(window), host_(host), block_(block), pending_(kInputChannels)
{
}

std::string DynamicsEditor::name(const char* role, DynamicsField which) const
{
    return std::string(role) + (block_ == DynamicsBlock::Limiter ? "Limit" : "Comp") +
           kFields[static_cast<std::size_t>(which)];
}

void DynamicsEditor::changed(int channel, DynamicsField which, int value)
{
    if (auto* timer = findComponent<TTimer>(window_, block_ == DynamicsBlock::Limiter ? "tmLimitDisp" : "tmCompDisp"))
        timer->SetEnabled(true);
    pending_ = channel;
    host_.SetDynamicsPlotChannel(block_, channel);
    SetParam(channel, which, value);
    ShowLinked(channel, which, value);
}

void DynamicsEditor::FaderChange(TObject* sender, DynamicsField which)
{
    if (host_.IsBusy())
        return;
    auto* fader = channelSender<TAdvTrackBar>(sender);
    if (!fader || !isOutput(fader->Tag()))
        return;
    changed(fader->Tag(), which, fader->Position());
}

void DynamicsEditor::UpDownChanging(TObject* sender, DynamicsField which, int newValue)
{
    auto* upDown = channelSender<TUpDown>(sender);
    if (host_.IsBusy() || !upDown || !isOutput(upDown->Tag()))
        return;
    if (newValue < upDown->Min() || newValue > upDown->Max())
        return;
    const int c = upDown->Tag();
    auto* box = channelControl<TCurvyEdit>(window_, name("cvd", which), c);
    if (!box)
        return;
    box->SetText(boxText(which, newValue));
    changed(c, which, newValue);
}

void DynamicsEditor::SetParam(int channel, DynamicsField which, int value)
{
    LUnitControl& unit = host_.Unit();
    const bool limiter = block_ == DynamicsBlock::Limiter;
    Dynamics record = limiter ? unit.GetLimiter(channel) : unit.GetCompressor(channel);
    setField(record, which, value);
    if (host_.IsBusy())
        return;
    if (limiter)
        unit.SetLimiter(channel, record);
    else
        unit.SetCompressor(channel, record);
}

void DynamicsEditor::ShowLinked(int channel, DynamicsField which, int value)
{
    const BusyHold busy(host_);
    const std::string text = boxText(which, value);
    for (int m : linkGroupMembers(host_.Unit(), channel)) {
        auto* box = channelControl<TCurvyEdit>(window_, name("cvd", which), m);
        if (!box)
            continue;
        if (!onUpDown(which)) {
            if (auto* fader = channelControl<TAdvTrackBar>(window_, name("is", which), m)) {
                fader->SetPosition(value);
                box->SetText(text);
            }
        } else if (m != channel) {
            if (auto* upDown = channelControl<TUpDown>(window_, name("ud", which), m)) {
                upDown->SetPosition(value);
                box->SetText(text);
            }
        }
    }
}

void DynamicsEditor::CommitBox(TObject* sender, DynamicsField which)
{
    auto* box = channelSender<TCurvyEdit>(sender);
    if (!box)
        return;
    const int c = box->Tag();
    const Partner partner = onUpDown(which) ? Partner{nullptr, channelControl<TUpDown>(window_, name("ud", which), c)}
                                            : Partner{channelControl<TAdvTrackBar>(window_, name("is", which), c), nullptr};
    if (!partner)
        return;
    std::optional<long double> position =
        typedPosition(box->Text(), which, partner.Min(), partner.Max(), block_ == DynamicsBlock::Limiter);
    if (position && *position == partner.Position())
        position.reset();
    if (position)
        partner.SetPosition(static_cast<int>(std::trunc(*position)));
    box->SetText(typedBoxText(which, partner.Position()));
    if (!position)
        box->CaretToEnd();
}

void DynamicsEditor::MouseDown(TObject* sender)
{
    const auto* control = channelSender<TControl>(sender);
    if (control && isOutput(control->Tag()))
        PlotCurve(control->Tag());
}

void DynamicsEditor::CurveTimer()
{
    if (auto* timer = findComponent<TTimer>(window_, block_ == DynamicsBlock::Limiter ? "tmLimitDisp" : "tmCompDisp"))
        timer->SetEnabled(false);
    PlotCurve(pending_);
}

std::optional<TransferCurve> DynamicsEditor::CurveOf(int channel) const
{
    auto* threshold = channelControl<TAdvTrackBar>(window_, name("is", DynamicsField::Threshold), channel);
    auto* knee = channelControl<TUpDown>(window_, name("ud", DynamicsField::Knee), channel);
    auto* ratio = channelControl<TUpDown>(window_, name("ud", DynamicsField::Ratio), channel);
    if (!isOutput(channel) || !threshold || !knee || !ratio)
        return std::nullopt;
    // "Limit" stands at the up-down's top.
    const int index = ratio->Position() >= ratio->Max() ? kRatioIndexMax : ratio->Position();
    return compressorCurve(threshold->Position(), index, knee->Position());
}

void DynamicsEditor::PlotCurve(int channel)
{
    const std::optional<TransferCurve> curve = CurveOf(channel);
    if (!curve)
        return;
    const bool limiter = block_ == DynamicsBlock::Limiter;
    showTransferCurve(findComponent<TControl>(window_, limiter ? "ipLimit" : "ipComp"), *curve);
    const std::string output = "Out " + std::to_string(channel - kInputChannels + 1);
    if (auto* caption = findComponent<TControl>(window_, limiter ? "lbLimitName" : "lbCompName"))
        caption->SetCaption(output + "  " + std::string(host_.Translate(limiter ? "SID_LIMIT" : "SID_COMP")));
    if (auto* head = findComponent<TControl>(window_, limiter ? "lbHeadLimitOut" : "lbHeadCompOut"))
        head->SetCaption(output);
    host_.SetDynamicsPlotChannel(block_, channel);
}

} // namespace qx
