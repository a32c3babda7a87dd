#include "editors/channel/FLinkSel.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelDialogHost.h"
#include "editors/eq/FirTapBudget.h"

#include <array>
#include <bit>
#include <string>

TfmLinkSel* fmLinkSel = nullptr;

namespace {

int sideFirst(int c) { return c < qx::kInputChannels ? 0 : qx::kInputChannels; }
int sideEnd(int c) { return c < qx::kInputChannels ? qx::kInputChannels : qx::kChannels; }
unsigned sideBit(int c) { return 1U << (c - sideFirst(c)); }

// "C" of InC, "5" of Out5.
std::string shortName(int c) { return qx::channelSuffix(c).substr(c < qx::kInputChannels ? 2 : 3); }

} // namespace

TfmLinkSel::TfmLinkSel(TComponent* Owner) : TForm(Owner) { LoadLayout("FLinkSel"); }

TfmLinkSel::~TfmLinkSel()
{
    if (fmLinkSel == this)
        fmLinkSel = nullptr;
}

TRzBmpButton* TfmLinkSel::GridButton(int row, int column) const
{
    if (!qx::isChannelIndex(row) || !qx::isChannelIndex(column) || sideFirst(row) != sideFirst(column) ||
        column > row)
        return nullptr;
    const std::string side = row < qx::kInputChannels ? "LinkIn" : "LinkOut";
    return qx::findComponent<TRzBmpButton>(*this, "rzb" + shortName(row) + side + shortName(column));
}

void TfmLinkSel::FormShow(TObject*)
{
    qx::captionFromHost(*this, "SID_LINK_TITLE");
    qx::captionFromHost(*bnSet, "SID_SET");
    qx::captionFromHost(*bnExit, "SID_EXIT");
    GridEdited = 0;
}

void TfmLinkSel::rzbBLinkInAClick(TObject* Sender) { rowClick(Sender, 1); }
void TfmLinkSel::rzbCLinkInAClick(TObject* Sender) { rowClick(Sender, 2); }
void TfmLinkSel::rzbDLinkInDClick(TObject* Sender) { rowClick(Sender, 3); }
void TfmLinkSel::rzb2LinkOut1Click(TObject* Sender) { rowClick(Sender, 5); }
void TfmLinkSel::rzb3LinkOut1Click(TObject* Sender) { rowClick(Sender, 6); }
void TfmLinkSel::rzb4LinkOut1Click(TObject* Sender) { rowClick(Sender, 7); }
void TfmLinkSel::rzb5LinkOut1Click(TObject* Sender) { rowClick(Sender, 8); }
void TfmLinkSel::rzb6LinkOut1Click(TObject* Sender) { rowClick(Sender, 9); }
void TfmLinkSel::rzb7LinkOut1Click(TObject* Sender) { rowClick(Sender, 10); }
void TfmLinkSel::rzb8LinkOut8Click(TObject* Sender) { rowClick(Sender, 11); }

// The pressed button is already down and the row's others up. Rows whose
// buttons joined this row's channel stand alone again when it joins a group.
void TfmLinkSel::rowClick(TObject* sender, int row)
{
    GridEdited = 1;
    const int end = sideEnd(row);
    auto* button = dynamic_cast<TRzBmpButton*>(sender);
    if (row + 1 == end || !button)
        return;
    const int own = row - sideFirst(row);
    const int head = button->Tag();
    if (head == own) {
        for (int k = row + 1; k < end; ++k)
            if (TRzBmpButton* b = GridButton(k, row))
                b->SetEnabled(true);
    } else if (head < own) {
        for (int k = row + 1; k < end; ++k) {
            TRzBmpButton* b = GridButton(k, row);
            if (!b)
                continue;
            const bool joined = b->Down();
            b->SetEnabled(false);
            if (TRzBmpButton* alone = GridButton(k, k); joined && alone) {
                alone->SetDown(true);
                alone->Click();
            }
        }
    }
}

void TfmLinkSel::ShowLinkMask(int channel, std::uint16_t mask)
{
    if (!qx::isChannelIndex(channel))
        return;
    for (int k = channel; k < sideEnd(channel); ++k) {
        TRzBmpButton* b = GridButton(k, channel);
        if ((mask & sideBit(k)) && b) {
            b->SetDown(true);
            b->Click();
        }
    }
}

std::uint16_t TfmLinkSel::gridMask(int column) const
{
    unsigned mask = 0;
    for (int k = column; k < sideEnd(column); ++k)
        if (TRzBmpButton* b = GridButton(k, column); b && b->Down())
            mask |= sideBit(k);
    return static_cast<std::uint16_t>(mask);
}

void TfmLinkSel::showStoredMasks()
{
    if (qx::ChannelDialogHost* host = qx::channelDialogHost())
        for (int c = 0; c < qx::kChannels; ++c)
            ShowLinkMask(c, host->GetLinkMask(c));
}

void TfmLinkSel::CountFirTaps()
{
    TapTotal = 0;
    qx::ChannelDialogHost* host = qx::channelDialogHost();
    if (!host)
        return;
    for (int c = 0; c < qx::kChannels; ++c)
        TapTotal += host->FirTapsInUse(c) * std::popcount(static_cast<unsigned>(gridMask(c)));
}

// Groups that would need more taps than the processor has are refused as a
// whole and the stored groups come back; the dialog stays open. Groups that
// lower the count are let through, so a state loaded over the budget can be
// brought back under it.
bool TfmLinkSel::tapsRefused(qx::ChannelDialogHost& host)
{
    CountFirTaps();
    int inUse = 0;
    for (int c = 0; c < qx::kChannels; ++c)
        inUse += host.FirTapsInUse(c);
    if (!qx::firTapsRefused(inUse, TapTotal - inUse))
        return false;
    host.ShowInformation("SID_INFO_ERROR_FIR_TAPS");
    showStoredMasks();
    return true;
}

// Head by head in channel order: the copies into the head's new members,
// then the head's mask. A member whose copy is refused does not join: it
// keeps its stored mask and the head's mask leaves it out; the members it
// heads stay in its group, so none of their masks is written either.
void TfmLinkSel::bnSetClick(TObject*)
{
    qx::ChannelDialogHost* host = qx::channelDialogHost();
    if (!host) {
        Close();
        return;
    }
    if (tapsRefused(*host))
        return;
    bool changed = false;
    bool anyRefused = false;
    std::array<bool, qx::kChannels> kept{};
    const auto keepGroupOf = [&](int k) {
        const std::uint16_t group = host->GetLinkMask(k);
        for (int m = k; m < sideEnd(k); ++m)
            if (m == k || (group & sideBit(k) && group & sideBit(m)))
                kept[static_cast<std::size_t>(m)] = true;
    };
    for (int c = 0; c < qx::kChannels; ++c) {
        if (kept[static_cast<std::size_t>(c)])
            continue;
        const std::uint16_t stored = host->GetLinkMask(c);
        unsigned mask = gridMask(c);
        for (int k = c; k < sideEnd(c); ++k) {
            if (!(mask & sideBit(k)) || (stored & sideBit(k)))
                continue;
            if (kept[static_cast<std::size_t>(k)]) {
                mask &= ~sideBit(k);
                continue;
            }
            changed = true;
            if (k >= qx::kInputChannels)
                host->ShowLinkCaption(c, k);
            if (!host->CopyChannel(c, k, false, qx::CopyTargets::TargetOnly)) {
                keepGroupOf(k);
                anyRefused = true;
                mask &= ~sideBit(k);
            }
        }
        if (mask != stored) {
            host->SetLinkGroup(c, static_cast<std::uint16_t>(mask));
            changed = true;
        }
    }
    if (anyRefused) {
        showStoredMasks();
        ApplyLinkCaptions();
    }
    if (changed) {
        host->FinishLinkChange();
        ApplyGroupHeads();
        host->ShowGainPage();
    }
    Close();
}

void TfmLinkSel::bnExitClick(TObject*)
{
    if (GridEdited)
        showStoredMasks();
    Close();
}

void TfmLinkSel::ApplyGroupHeads()
{
    qx::ChannelDialogHost* host = qx::channelDialogHost();
    if (!host)
        return;
    for (int c = 0; c < qx::kChannels; ++c) {
        TRzBmpButton* own = GridButton(c, c);
        const bool heads = own && own->Down();
        host->ShowOverlayButtons(c, heads);
        if (heads)
            host->ShowLinkCaption(c, c);
    }
}

void TfmLinkSel::ApplyLinkCaptions()
{
    qx::ChannelDialogHost* host = qx::channelDialogHost();
    if (!host)
        return;
    for (int c = 0; c < qx::kChannels; ++c)
        for (int k = c; k < sideEnd(c); ++k)
            if (TRzBmpButton* b = GridButton(k, c); b && b->Down())
                host->ShowLinkCaption(c, k);
}
