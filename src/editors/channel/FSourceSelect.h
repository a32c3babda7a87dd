#pragma once
// Gives each of the twelve channels its own signal or the sum of its pair
// (InA and InB, InC and InD, Out1 and Out2, ...): one list per channel whose
// Tag is the channel. Each show reads the model's source select mask; each
// choice stores its bit and is sent at once. There is no cancel.

#include "platform/gui/Form.h"

class TRzBmpButton;

class TfmSourceSelect : public TForm
{
public:
    explicit TfmSourceSelect(TComponent* Owner);
    ~TfmSourceSelect() override;

    void FormShow(TObject* Sender);
    // Every list's change.
    void cbInAChange(TObject* Sender);
    void bnExitClick(TObject* Sender);

    TRzBmpButton* bnExit = nullptr;

    // 1 while the lists are written from the model: their changes do nothing.
    int Updating = 0;
};

extern TfmSourceSelect* fmSourceSelect;
