#pragma once
// The link selection dialog: a lower-triangular grid of buttons per side,
// one row per channel and one button per channel at or above it. The down
// button of a row names the head of the row's group (the diagonal: the
// channel heads its own group or stands alone); a channel that belongs to a
// lower head cannot head a group, so its column is disabled in the rows
// below. Set stores and sends the groups, copies each head's settings into
// its new members and loads the state again, unless the groups would need more
// FIR taps than the processor has; Exit undoes the choices not set.

#include "platform/gui/Form.h"

#include <cstdint>

class TRzBmpButton;

namespace qx {
class ChannelDialogHost;
}

class TfmLinkSel : public TForm
{
public:
    explicit TfmLinkSel(TComponent* Owner);
    ~TfmLinkSel() override;

    void FormShow(TObject* Sender);
    // The row handlers (each bound to every button of its row).
    void rzbBLinkInAClick(TObject* Sender);
    void rzbCLinkInAClick(TObject* Sender);
    void rzbDLinkInDClick(TObject* Sender);
    void rzb2LinkOut1Click(TObject* Sender);
    void rzb3LinkOut1Click(TObject* Sender);
    void rzb4LinkOut1Click(TObject* Sender);
    void rzb5LinkOut1Click(TObject* Sender);
    void rzb6LinkOut1Click(TObject* Sender);
    void rzb7LinkOut1Click(TObject* Sender);
    void rzb8LinkOut8Click(TObject* Sender);
    void bnSetClick(TObject* Sender);
    void bnExitClick(TObject* Sender);

    // Presses, in column c, the buttons of the rows of c and above whose
    // bits the mask holds (bits of lower channels are ignored).
    void ShowLinkMask(int channel, std::uint16_t mask);
    // The taps the grid's groups would occupy: each head's FIR taps once per
    // channel of its group, into TapTotal.
    void CountFirTaps();
    // Each head's or lone channel's menu button gets its own name and its
    // curve overlay buttons; a member's overlay buttons are hidden.
    void ApplyGroupHeads();
    // Every member's menu button gets "member=head".
    void ApplyLinkCaptions();

    // The button of row `row`, column `column` (channels of one side).
    TRzBmpButton* GridButton(int row, int column) const;

    TRzBmpButton* bnSet = nullptr;
    TRzBmpButton* bnExit = nullptr;

    // Set by a grid click, cleared when the dialog is shown.
    int GridEdited = 0;
    // The tap count of the last CountFirTaps.
    int TapTotal = 0;

private:
    void rowClick(TObject* sender, int row);
    // The mask the grid gives column c: the rows at or above c whose button in c is down.
    std::uint16_t gridMask(int column) const;
    void showStoredMasks();
    // True (message shown, stored groups back in the grid) when the grid's
    // groups would raise the FIR taps past the budget.
    bool tapsRefused(qx::ChannelDialogHost& host);
};

extern TfmLinkSel* fmLinkSel;
