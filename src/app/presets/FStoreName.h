#pragma once
// The name dialog of both preset lists: in store mode it asks for the name
// to store under, in recall mode it shows the name for confirmation.

#include <string>

#include "model/RecordFields.h"
#include "platform/gui/Events.h"
#include "platform/gui/Form.h"

class TButton;
class TEdit;
class TLabel;

class TfmStoreName : public TForm
{
public:
    explicit TfmStoreName(TComponent* Owner);

    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void edNameKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void btnOKClick(TObject* Sender);
    void bnCancelClick(TObject* Sender);

    // edName shows the name without its trailing blanks and carriage returns.
    void SetNameText(const qx::PresetName& name);
    void SetPresetIndex(int index) { PresetIndex = index; }
    void SetMode(std::uint8_t mode) { StoreMode = mode; }

    TLabel* lblPresetName = nullptr;
    TLabel* lTitle = nullptr;
    TEdit* edName = nullptr;
    TButton* btnOK = nullptr;
    TButton* bnCancel = nullptr;

    // Store: 0-19 (0 = U01); recall: 0-20 (0 = F00).
    int PresetIndex = 0;
    // 1: OK stores; 0: OK recalls.
    std::uint8_t StoreMode = 0;

private:
    void store(const qx::PresetName& name);
    void recall();
};

extern TfmStoreName* fmStoreName;
