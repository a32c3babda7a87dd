#include "editors/channel/DelayEditor.h"

#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelEditorHost.h"
#include "editors/channel/DelayMarker.h"
#include "editors/channel/GainDelayEntry.h"
#include "model/LUnitControl.h"
#include "platform/gui/Label.h"
#include "platform/gui/Timer.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

namespace qx {

namespace {

constexpr int kLineStart = 40;
constexpr int kPixelsPerDash = 6;
constexpr int kMostDashes = 132;
// The marker is grabbed within this many pixels of its centre.
constexpr int kGrabReach = 15;
constexpr int kMarkerCentreOffset = 25;
constexpr int kLineEndMargin = 75;
constexpr int kThumbOffset = 15;
constexpr int kLineMargins = 90;

// The trail of dashes over `pixels` of the line.
std::string dashes(int pixels)
{
    return std::string(static_cast<std::size_t>(std::clamp(pixels / kPixelsPerDash, 0, kMostDashes)), '-');
}

void placeTimeLabel(const TControl& marker, TControl& time)
{
    time.SetLeft(marker.Left() + marker.Width());
    time.SetTop(marker.Top() + marker.Height() / 4);
}

struct DelayControls
{
    TCurvyEdit* box = nullptr;
    TAdvTrackBar* fader = nullptr;
    TControl* marker = nullptr;
    TControl* time = nullptr;
    TControl* line = nullptr;
    bool complete() const { return box && fader && marker && time && line; }
};

DelayControls delayControls(const TComponent& window, int c)
{
    return {channelControl<TCurvyEdit>(window, "cvdDelay", c), channelControl<TAdvTrackBar>(window, "isDelay", c),
            channelControl<TControl>(window, "imDelay", c), channelControl<TControl>(window, "lbFftDelayTime", c),
            channelControl<TControl>(window, "lbDelayLine", c)};
}

// The channel of a delay line label; -1 for another sender.
int lineChannel(TObject* sender)
{
    const auto* label = channelSender<TLabel>(sender);
    return label ? label->Tag() : -1;
}

} // namespace

DelayEditor::DelayEditor(const TComponent& window, ChannelEditorHost& host) : window_(window), host_(host) {}

void DelayEditor::FaderChange(TObject* sender)
{
    if (host_.IsBusy())
        return;
    auto* fader = channelSender<TAdvTrackBar>(sender);
    if (!fader)
        return;
    const int c = fader->Tag();
    // The guard turns the move back; the stored delay is then written and sent again.
    if (auto* guard = findComponent<TTimer>(window_, "tmSlider"); guard && guard->Enabled())
        fader->SetPosition(host_.Unit().GetDelay(c));
    const DelayControls k = delayControls(window_, c);
    if (!k.complete())
        return;
    const int n = fader->Position();
    k.marker->SetLeft(delayMarkerLeft(n, fader->Max(), k.line->Width()));
    placeTimeLabel(*k.marker, *k.time);
    const std::string text = delayText(n, host_.Unit().GetDelayUnit());
    k.box->SetText(text);
    k.time->SetCaption(text);
    host_.Unit().SetDelay(c, static_cast<std::uint16_t>(n));
    ShowLinkedDelay(c, n, k.marker->Left());
}

void DelayEditor::FaderEnter(TObject*)
{
    if (auto* guard = findComponent<TTimer>(window_, "tmSlider"))
        guard->SetEnabled(true);
}

void DelayEditor::GuardTimer()
{
    if (auto* guard = findComponent<TTimer>(window_, "tmSlider"))
        guard->SetEnabled(false);
}

void DelayEditor::ShowLinkedDelay(int channel, int samples, int markerLeft)
{
    const BusyHold busy(host_);
    const std::string text = delayText(samples, host_.Unit().GetDelayUnit());
    const std::string trail = dashes(markerLeft - kLineStart);
    for (int m : linkGroupMembers(host_.Unit(), channel)) {
        const DelayControls k = delayControls(window_, m);
        if (!k.complete())
            continue;
        k.marker->SetLeft(markerLeft);
        k.time->SetLeft(markerLeft + k.marker->Width());
        k.line->SetCaption(trail);
        k.box->SetText(text);
        k.time->SetCaption(text);
        k.fader->SetPosition(samples);
    }
}

void DelayEditor::DrawDelayLine(int channel)
{
    if (!isChannelIndex(channel))
        return;
    const DelayControls k = delayControls(window_, channel);
    if (!k.marker || !k.line || !k.time)
        return;
    placeTimeLabel(*k.marker, *k.time);
    k.line->SetCaption(dashes(k.marker->Left() - kLineStart));
}

void DelayEditor::CommitBox(TObject* sender)
{
    auto* box = channelSender<TCurvyEdit>(sender);
    if (!box)
        return;
    auto* fader = channelControl<TAdvTrackBar>(window_, "isDelay", box->Tag());
    if (!fader)
        return;
    const int unit = host_.Unit().GetDelayUnit();
    // The text written last would read back a hair off its delay (it has
    // three decimals): unchanged, it means the delay the fader holds.
    if (box->Text() == delayText(fader->Position(), unit))
        return;
    const std::optional<int> samples = delayEntry(box->Text(), unit);
    box->SetText("");
    if (samples)
        fader->SetPosition(*samples);
    box->SetText(delayText(fader->Position(), unit));
    box->CaretToEnd();
}

void DelayEditor::LineMouseDown(TObject* sender, int x, int y)
{
    const int c = lineChannel(sender);
    if (c < 0)
        return;
    const DelayControls k = delayControls(window_, c);
    if (!k.marker || !k.line)
        return;
    if (std::abs(x - k.marker->Left() + kMarkerCentreOffset) < kGrabReach &&
        std::abs(y - k.line->Height() / 2) < kGrabReach)
        dragging_ = true;
}

void DelayEditor::LineMouseMove(TObject* sender, int x, int y)
{
    const int c = lineChannel(sender);
    if (c < 0)
        return;
    const DelayControls k = delayControls(window_, c);
    if (!k.marker || !k.line || !k.fader)
        return;
    if (!dragging_) {
        k.line->SetCursor(crDefault);
        if (std::abs(x - k.marker->Left() + kMarkerCentreOffset) >= kGrabReach)
            return;
        if (std::abs(y - k.line->Height() / 2) < kGrabReach)
            k.line->SetCursor(crHandPoint);
        return;
    }
    const int span = k.line->Width() - kLineMargins;
    if (span <= 0)
        return;
    const int a = std::min(x, k.line->Width() - kLineEndMargin) - kThumbOffset;
    k.fader->SetPosition(static_cast<int>(static_cast<double>(a) * k.fader->Max() / span));
    k.line->SetCaption(dashes(a));
}

void DelayEditor::LineMouseUp() { dragging_ = false; }

void DelayEditor::UnitClick(TObject* sender)
{
    auto* button = dynamic_cast<TRzBmpButton*>(sender);
    if (!button || button->Tag() < kDelayUnitMs || button->Tag() > kDelayUnitFeet)
        return;
    const int unit = button->Tag();
    for (int c = 0; c < kChannels; ++c) {
        const DelayControls k = delayControls(window_, c);
        if (!k.box || !k.fader || !k.time)
            return;
        const std::string text = delayText(k.fader->Position(), unit);
        k.box->SetText(text);
        k.time->SetCaption(text);
    }
    if (!host_.IsBusy())
        host_.Unit().SetDelayUnit(static_cast<std::uint16_t>(unit));
}

} // namespace qx
