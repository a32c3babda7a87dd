#pragma once
// Asks before a channel's PEQ goes back to its factory bands: OK resets the
// channel that the EQ reset button stored, Cancel changes nothing.

#include "platform/gui/Form.h"

class TLabel;
class TRzBmpButton;

class TfmPeqRst : public TForm
{
public:
    explicit TfmPeqRst(TComponent* Owner);
    ~TfmPeqRst() override;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnExitClick(TObject* Sender);

    void SetChannel(int channel) { Channel = channel; }

    TLabel* lbReset = nullptr;
    TRzBmpButton* btnOK = nullptr;
    TRzBmpButton* btnCancel = nullptr;

    // The channel to reset (0-11); another value makes OK only close.
    int Channel = 0;
};

extern TfmPeqRst* fmPeqRst;
