#pragma once
// The traffic monitor: one line per frame written to or read from the
// processor, listed while the window is open.

#include "platform/gui/Form.h"

#include <string>

class TButton;
class TListBox;

class TfmHidData : public TForm
{
public:
    // The list keeps this many of the newest lines.
    static constexpr int kMaxLines = 10000;

    explicit TfmHidData(TComponent* Owner);
    void bnClearClick(TObject* Sender);

    // Appends a line and selects it, while the window is shown; a hidden
    // window records nothing.
    void AddTraceLine(const std::string& line);

    TListBox* hbHidData = nullptr;
    TButton* bnClear = nullptr;
};

extern TfmHidData* fmHidData;
