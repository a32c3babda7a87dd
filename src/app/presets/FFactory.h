#pragma once
// Asks whether to return the processor to its factory default.

#include "platform/gui/Form.h"

class TButton;
class TLabel;

class TfmFactory : public TForm
{
public:
    explicit TfmFactory(TComponent* Owner);

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void bnCancelClick(TObject* Sender);

    TLabel* lbMessage = nullptr;
    TButton* btnOK = nullptr;
    TButton* bnCancel = nullptr;
};

extern TfmFactory* fmFactory;
