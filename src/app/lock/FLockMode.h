#pragma once
// Lets the user turn the processor's lock into a one-time lock.

#include "platform/gui/Form.h"

class TButton;
class TLabel;

class TfmLockMode : public TForm
{
public:
    explicit TfmLockMode(TComponent* Owner);

    void FormShow(TObject* Sender);
    void btnOneTimeClick(TObject* Sender);
    void btnPermanentClick(TObject* Sender);
    void btnCancelClick(TObject* Sender);

    TLabel* lbExit = nullptr;
    TButton* btnOneTime = nullptr;
    TButton* btnPermanent = nullptr;
    TButton* btnCancel = nullptr;
};

extern TfmLockMode* fmLockMode;
