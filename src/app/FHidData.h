#pragma once
// The traffic monitor: one line per frame written to or read from the
// processor, listed while the window is open.

#include "platform/gui/Form.h"

#include <functional>
#include <string>

class TButton;
class TListBox;

class TfmHidData : public TForm
{
public:
    // The list keeps this many of the newest lines.
    static constexpr int kMaxLines = 10000;

    explicit TfmHidData(TComponent* Owner);
    ~TfmHidData() override;
    void bnClearClick(TObject* Sender);

    // Appends a line and selects it, while the window is shown; a hidden
    // window records nothing.
    void AddTraceLine(const std::string& line);

    // Told true when the window is shown and false when it is hidden, so
    // that the links make trace lines only while they can be recorded.
    std::function<void(bool shown)> OnShownChange;

    TListBox* hbHidData = nullptr;
    TButton* bnClear = nullptr;

protected:
    void DoShow() override;
    void DoHide() override;
};

extern TfmHidData* fmHidData;
