#pragma once
// Copies one channel's settings onto another channel of the same side: a
// source and a target list for the inputs and for the outputs, each with its
// Copy button. The dialog stays open after a copy.

#include "platform/gui/Form.h"

class TRzBmpButton;
class TRzComboBox;

class TfmCopy : public TForm
{
public:
    explicit TfmCopy(TComponent* Owner);
    ~TfmCopy() override;

    void FormShow(TObject* Sender);
    // Both Copy buttons: Tag 0 the inputs, Tag 1 the outputs.
    void bnInChCopyClick(TObject* Sender);
    void bnExitClick(TObject* Sender);

    TRzComboBox* cbInSource = nullptr;
    TRzComboBox* cbInDestination = nullptr;
    TRzComboBox* cbOutSource = nullptr;
    TRzComboBox* cbOutDestination = nullptr;
    TRzBmpButton* bnInChCopy = nullptr;
    TRzBmpButton* bnOutChCopy = nullptr;
    TRzBmpButton* bnExit = nullptr;
};

extern TfmCopy* fmCopy;
