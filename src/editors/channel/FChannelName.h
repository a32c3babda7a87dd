#pragma once
// Renames one channel: opened by a click on the channel's label of the block
// diagram, with the present name selected; OK (or Enter) stores, shows and
// sends the name, cut to 8 bytes of the ANSI code page.

#include "platform/gui/Events.h"
#include "platform/gui/Form.h"

#include <string>

class TEdit;
class TLabel;
class TRzBmpButton;

class TfmChannelName : public TForm
{
public:
    explicit TfmChannelName(TComponent* Owner);
    ~TfmChannelName() override;

    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void edNameKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void btnOKClick(TObject* Sender);
    void bnCancelClick(TObject* Sender);

    // The channel renamed (0-11): "InA :" or "Out3 :" beside the box.
    void SetChannel(int channel);
    void SetNameText(const std::string& text);

    TLabel* lbChannelName = nullptr;
    TLabel* lbChannel = nullptr;
    TEdit* edName = nullptr;
    TRzBmpButton* btnOK = nullptr;
    TRzBmpButton* bnCancel = nullptr;

    int Channel = 0;
};

extern TfmChannelName* fmChannelName;
