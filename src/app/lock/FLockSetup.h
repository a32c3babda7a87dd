#pragma once
// Sends a new lock password to the processor and then ends the connection.

#include "platform/gui/Events.h"
#include "platform/gui/Form.h"

class TButton;
class TEdit;
class TLabel;
class TTimer;

class TfmLockSetup : public TForm
{
public:
    explicit TfmLockSetup(TComponent* Owner);

    void FormShow(TObject* Sender);
    void edNameKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void btnOKClick(TObject* Sender);
    void btnExitClick(TObject* Sender);
    void tmCloseTimer(TObject* Sender);

    TLabel* lblLockPassword = nullptr;
    TEdit* edName = nullptr;
    TButton* btnOK = nullptr;
    TButton* btnExit = nullptr;
    TTimer* tmClose = nullptr;
};

extern TfmLockSetup* fmLockSetup;
