// The main window's gain, delay, link and channel-name handlers and the
// operations its channel dialogs call: each hands its work to the editors
// in editors/channel.

#include "app/FMain.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/vr/VrButtons.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelNameEditor.h"
#include "editors/channel/DelayEditor.h"
#include "editors/channel/FChNameList.h"
#include "editors/channel/FCopy.h"
#include "editors/channel/FLinkSel.h"
#include "editors/channel/FPeqRst.h"
#include "editors/channel/GainEditor.h"
#include "editors/channel/LinkEditor.h"
#include "model/LUnitControl.h"
#include "model/NameText.h"
#include "model/ReplyDispatcher.h"
#include "platform/gui/PropertyRegistry.h"

#include <algorithm>

namespace {
constexpr Word kEnter = 13;
}

qx::GainEditor& TfmMain::GainEdit()
{
    if (!GainEditing)
        GainEditing = std::make_unique<qx::GainEditor>(*this, *this);
    return *GainEditing;
}

qx::DelayEditor& TfmMain::DelayEdit()
{
    if (!DelayEditing)
        DelayEditing = std::make_unique<qx::DelayEditor>(*this, *this);
    return *DelayEditing;
}

qx::LinkEditor& TfmMain::LinkEdit()
{
    if (!LinkEditing)
        LinkEditing = std::make_unique<qx::LinkEditor>(*this, *this);
    return *LinkEditing;
}

qx::ChannelNameEditor& TfmMain::NameEdit()
{
    if (!NameEditing)
        NameEditing = std::make_unique<qx::ChannelNameEditor>(*this, *this);
    return *NameEditing;
}

using qx::GainSide;

void TfmMain::isGainInAChange(TObject* Sender) { GainEdit().FaderChange(Sender, GainSide::ChannelPage); }
void TfmMain::isGainBackupInAChange(TObject* Sender) { GainEdit().FaderChange(Sender, GainSide::GainPage); }
void TfmMain::cvdGainInAExit(TObject* Sender) { GainEdit().CommitBox(Sender, GainSide::ChannelPage); }
void TfmMain::cvdGainBackupInAExit(TObject* Sender) { GainEdit().CommitBox(Sender, GainSide::GainPage); }

void TfmMain::cvdGainInAKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        GainEdit().CommitBox(Sender, GainSide::ChannelPage);
}

void TfmMain::cvdGainBackupInAKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        GainEdit().CommitBox(Sender, GainSide::GainPage);
}

void TfmMain::rzbPhaseInAClick(TObject* Sender) { GainEdit().PhaseClick(Sender, GainSide::ChannelPage); }
void TfmMain::rzbPhaseBackupInAClick(TObject* Sender) { GainEdit().PhaseClick(Sender, GainSide::GainPage); }
void TfmMain::rzbMuteInAClick(TObject* Sender) { GainEdit().MuteClick(Sender, GainSide::ChannelPage); }
void TfmMain::rzbMuteBackupInAClick(TObject* Sender) { GainEdit().MuteClick(Sender, GainSide::GainPage); }
void TfmMain::ShowLinkedGain(int channel, int position) { GainEdit().ShowLinkedGain(channel, position); }
void TfmMain::MirrorPhaseToLinked(int channel, bool inverse) { GainEdit().MirrorPhaseToLinked(channel, inverse); }

void TfmMain::isDelayInAChange(TObject* Sender) { DelayEdit().FaderChange(Sender); }
void TfmMain::isDelayInAEnter(TObject* Sender) { DelayEdit().FaderEnter(Sender); }
void TfmMain::isDelayInAMouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TfmMain::tmSliderTimer(TObject*) { DelayEdit().GuardTimer(); }
void TfmMain::tmDlyDownTimer(TObject*) {}
void TfmMain::cvdDelayInAExit(TObject* Sender) { DelayEdit().CommitBox(Sender); }

void TfmMain::cvdDelayInBKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        DelayEdit().CommitBox(Sender);
}

void TfmMain::lbDelayLineInAMouseDown(TObject* Sender, TMouseButton, TShiftState, int X, int Y)
{
    DelayEdit().LineMouseDown(Sender, X, Y);
}

void TfmMain::lbDelayLineInAMouseMove(TObject* Sender, TShiftState, int X, int Y)
{
    DelayEdit().LineMouseMove(Sender, X, Y);
}

void TfmMain::lbDelayLineInAMouseUp(TObject*, TMouseButton, TShiftState, int, int) { DelayEdit().LineMouseUp(); }
void TfmMain::rzbUnit0Click(TObject* Sender) { DelayEdit().UnitClick(Sender); }
void TfmMain::ShowLinkedDelay(int channel, int samples, int markerLeft)
{
    DelayEdit().ShowLinkedDelay(channel, samples, markerLeft);
}
void TfmMain::DrawDelayLine(int channel) { DelayEdit().DrawDelayLine(channel); }

std::uint16_t TfmMain::LinkGroupMask(int channel) const
{
    return UnitControl ? UnitControl->GetLinkGroup(channel) : 0;
}

std::uint16_t TfmMain::GetLinkMask(int channel) const { return UnitControl ? UnitControl->GetLinkMask(channel) : 0; }
void TfmMain::SetLinkGroup(int channel, std::uint16_t mask) { UnitControl->SetLinkMask(channel, mask); }

bool TfmMain::CopyChannel(int source, int target, bool reload, qx::CopyTargets targets)
{
    return LinkEdit().CopyChannel(source, target, reload, targets);
}

void TfmMain::FinishLinkChange() { LinkEdit().FinishLinkChange(); }
void TfmMain::ShowLinkCaption(int head, int channel) { LinkEdit().ShowLinkCaption(head, channel); }
void TfmMain::ReloadStateOnAcknowledge() { Replies->state().ackStep = qx::kStepReloadState; }

void TfmMain::CopyFirCoefficients(int source, int target)
{
    if (!qx::isChannelIndex(source) || !qx::isChannelIndex(target))
        return;
    const auto s = static_cast<std::size_t>(source);
    const auto t = static_cast<std::size_t>(target);
    FirTaps[t] = FirTaps[s];
    const int count = std::clamp(FirTaps[s], 0, qx::kFirSlots);
    std::copy_n(FirCoeffs[s].begin(), count, FirCoeffs[t].begin());
}

void TfmMain::ShowGainPage()
{
    if (auto* gain = qx::findComponent<TRzBmpButton>(*this, "rzbMenuGain")) {
        gain->Click();
        gain->SetDown(true);
    }
}

std::string TfmMain::ChannelNameText(int channel) const
{
    const auto record = UnitControl->ChannelRecord(channel);
    return qx::textOfName(record.first(std::min(record.size(), qx::rec::kChannelNameSize)));
}

void TfmMain::SetChannelName(int channel, const qx::ChannelName& name) { NameEdit().SetChannelName(channel, name); }
void TfmMain::lbMatrixChNameInAClick(TObject* Sender) { NameEdit().LabelClick(Sender); }

void TfmMain::vrbEqResetInAClick(TObject* Sender)
{
    auto* button = dynamic_cast<TVrDemoButton*>(Sender);
    if (!button || !fmPeqRst)
        return;
    fmPeqRst->SetChannel(button->Tag());
    fmPeqRst->ShowModal();
}

void TfmMain::LinkClick(TObject*)
{
    if (fmLinkSel)
        fmLinkSel->ShowModal();
}

void TfmMain::CopyClick(TObject*)
{
    if (fmCopy)
        fmCopy->ShowModal();
}

void TfmMain::ChNameListClick(TObject*)
{
    if (fmChNameList)
        fmChNameList->ShowModal();
}

void qx::registerChannelHandlers()
{
    registerClass<TfmMain, TForm>("TfmMain")
        .method("isGainInAChange", &TfmMain::isGainInAChange)
        .method("isGainBackupInAChange", &TfmMain::isGainBackupInAChange)
        .method("cvdGainInAKeyDown", &TfmMain::cvdGainInAKeyDown)
        .method("cvdGainInAExit", &TfmMain::cvdGainInAExit)
        .method("cvdGainBackupInAKeyDown", &TfmMain::cvdGainBackupInAKeyDown)
        .method("cvdGainBackupInAExit", &TfmMain::cvdGainBackupInAExit)
        .method("rzbPhaseInAClick", &TfmMain::rzbPhaseInAClick)
        .method("rzbPhaseBackupInAClick", &TfmMain::rzbPhaseBackupInAClick)
        .method("rzbMuteInAClick", &TfmMain::rzbMuteInAClick)
        .method("rzbMuteBackupInAClick", &TfmMain::rzbMuteBackupInAClick)
        .method("isDelayInAChange", &TfmMain::isDelayInAChange)
        .method("isDelayInAEnter", &TfmMain::isDelayInAEnter)
        .method("isDelayInAMouseDown", &TfmMain::isDelayInAMouseDown)
        .method("tmSliderTimer", &TfmMain::tmSliderTimer)
        .method("tmDlyDownTimer", &TfmMain::tmDlyDownTimer)
        .method("cvdDelayInBKeyDown", &TfmMain::cvdDelayInBKeyDown)
        .method("cvdDelayInAExit", &TfmMain::cvdDelayInAExit)
        .method("lbDelayLineInAMouseDown", &TfmMain::lbDelayLineInAMouseDown)
        .method("lbDelayLineInAMouseMove", &TfmMain::lbDelayLineInAMouseMove)
        .method("lbDelayLineInAMouseUp", &TfmMain::lbDelayLineInAMouseUp)
        .method("rzbUnit0Click", &TfmMain::rzbUnit0Click)
        .method("lbMatrixChNameInAClick", &TfmMain::lbMatrixChNameInAClick)
        .method("vrbEqResetInAClick", &TfmMain::vrbEqResetInAClick)
        .method("LinkClick", &TfmMain::LinkClick)
        .method("CopyClick", &TfmMain::CopyClick)
        .method("ChNameListClick", &TfmMain::ChNameListClick);
}
