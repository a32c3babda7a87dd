#include "editors/channel/GainEditor.h"

#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelEditorHost.h"
#include "editors/channel/GainDelayEntry.h"
#include "model/LUnitControl.h"

#include <optional>
#include <string>

namespace qx {

namespace {

const char* mirror(GainSide side) { return side == GainSide::GainPage ? "Backup" : ""; }
const char* twinMirror(GainSide side) { return side == GainSide::GainPage ? "" : "Backup"; }

std::string phaseCaption(const ChannelEditorHost& host, bool inverse)
{
    return std::string(host.Translate(inverse ? "SID_PHASE_ON" : "SID_PHASE_OFF"));
}

} // namespace

GainEditor::GainEditor(const TComponent& window, ChannelEditorHost& host) : window_(window), host_(host) {}

void GainEditor::FaderChange(TObject* sender, GainSide side)
{
    if (host_.IsBusy())
        return;
    auto* fader = channelSender<TAdvTrackBar>(sender);
    if (!fader)
        return;
    const int c = fader->Tag();
    auto* box = channelControl<TCurvyEdit>(window_, std::string("cvdGain") + mirror(side), c);
    auto* twinBox = channelControl<TCurvyEdit>(window_, std::string("cvdGain") + twinMirror(side), c);
    auto* twin = channelControl<TAdvTrackBar>(window_, std::string("isGain") + twinMirror(side), c);
    if (!box || !twinBox || !twin)
        return;
    // The twin's own handler runs first when its position differs; its call
    // back into this fader finds the value already there.
    twin->SetPosition(fader->Position());
    const std::string text = GainText(fader->Position());
    box->SetText(text);
    twinBox->SetText(text);
    host_.Unit().SetGain(c, static_cast<std::uint16_t>(fader->Position() - fader->Min()));
    ShowLinkedGain(c, fader->Position());
}

void GainEditor::ShowLinkedGain(int channel, int position)
{
    const BusyHold busy(host_);
    const std::string text = GainText(position);
    for (int m : linkGroupMembers(host_.Unit(), channel)) {
        auto* box = channelControl<TCurvyEdit>(window_, "cvdGain", m);
        auto* fader = channelControl<TAdvTrackBar>(window_, "isGain", m);
        auto* twinBox = channelControl<TCurvyEdit>(window_, "cvdGainBackup", m);
        auto* twin = channelControl<TAdvTrackBar>(window_, "isGainBackup", m);
        if (!box || !fader || !twinBox || !twin)
            continue;
        box->SetText(text);
        twinBox->SetText(text);
        fader->SetPosition(position);
        twin->SetPosition(position);
    }
}

void GainEditor::CommitBox(TObject* sender, GainSide side)
{
    auto* box = channelSender<TCurvyEdit>(sender);
    if (!box)
        return;
    auto* fader = channelControl<TAdvTrackBar>(window_, std::string("isGain") + mirror(side), box->Tag());
    if (!fader)
        return;
    std::optional<int> position = channelGainEntry(box->Text());
    box->SetText("");
    if (position && *position == fader->Position())
        position.reset();
    if (position)
        fader->SetPosition(*position);
    box->SetText(GainText(fader->Position()));
    if (!position)
        box->CaretToEnd();
}

void GainEditor::PhaseClick(TObject* sender, GainSide side)
{
    auto* button = channelSender<TRzBmpButton>(sender);
    if (!button)
        return;
    const int c = button->Tag();
    auto* twin = channelControl<TRzBmpButton>(window_, std::string("rzbPhase") + twinMirror(side), c);
    if (!twin)
        return;
    const bool inverse = button->Down();
    twin->SetDown(inverse);
    button->SetCaption(phaseCaption(host_, inverse));
    twin->SetCaption(button->Caption());
    host_.Unit().SetPolarity(c, inverse ? 1 : 0);
    MirrorPhaseToLinked(c, inverse);
}

void GainEditor::MirrorPhaseToLinked(int channel, bool inverse)
{
    const std::string caption = phaseCaption(host_, inverse);
    for (int m : linkGroupMembers(host_.Unit(), channel)) {
        auto* button = channelControl<TRzBmpButton>(window_, "rzbPhase", m);
        auto* twin = channelControl<TRzBmpButton>(window_, "rzbPhaseBackup", m);
        if (!button || !twin)
            return;
        button->SetDown(inverse);
        twin->SetDown(inverse);
        button->SetCaption(caption);
        twin->SetCaption(caption);
    }
}

// Mute is the channel's own: it is never shown on the other members.
void GainEditor::MuteClick(TObject* sender, GainSide side)
{
    auto* button = dynamic_cast<TRzBmpButton*>(sender);
    if (!button)
        return;
    const int c = side == GainSide::ChannelPage ? host_.ShownPage() : button->Tag();
    if (!isChannelIndex(c))
        return;
    auto* twin = channelControl<TRzBmpButton>(window_, std::string("rzbMute") + twinMirror(side), c);
    if (!twin)
        return;
    twin->SetDown(button->Down());
    host_.Unit().SetMute(c, button->Down() ? 1 : 0);
}

} // namespace qx
