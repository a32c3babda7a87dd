#pragma once
// The input-FIR access dialog: the fixed access code shows the curve selectors of the input
// graph pages and takes the Lock menu's Input FIR item away for the rest of the run. The
// code is compared here; nothing is sent to the processor.

#include "platform/gui/Events.h"
#include "platform/gui/Form.h"
#include "platform/gui/Keys.h"

class TEdit;
class TLabel;
class TRzBmpButton;
class TShape;
class TTimer;

class TfmInFirPassWord : public TForm
{
public:
    explicit TfmInFirPassWord(TComponent* Owner);
    void FormShow(TObject* Sender);
    void edNameKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void btnOKClick(TObject* Sender);
    void bnCancelClick(TObject* Sender);

    TShape* imBase = nullptr;
    TLabel* lbInFirPassword = nullptr;
    TEdit* edName = nullptr;
    TRzBmpButton* btnOK = nullptr;
    TRzBmpButton* bnCancel = nullptr;
    TTimer* tmCheck = nullptr;
    TTimer* tmCmd = nullptr;
};

extern TfmInFirPassWord* fmInFirPassWord;

namespace qx {
inline constexpr const char* kInputFirAccessCode = "2963";
void registerInFirPassWord();
} // namespace qx
