#pragma once
// Renames several channels at once: a box per channel filled with its name
// when the dialog is shown; Set stores, shows and sends each name that was
// changed (cut to 8 bytes of the ANSI code page), in channel order.

#include "platform/gui/Form.h"

class TEdit;
class TGroupBox;
class TRzBmpButton;

class TfmChNameList : public TForm
{
public:
    explicit TfmChNameList(TComponent* Owner);
    ~TfmChNameList() override;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnCancelClick(TObject* Sender);

    TRzBmpButton* btnOK = nullptr;
    TRzBmpButton* btnCancel = nullptr;

private:
    // The name box of channel c ("edMatrixChNameInA" .. "edMatrixChNameOut8").
    TEdit* nameBox(int channel) const;
};

extern TfmChNameList* fmChNameList;
