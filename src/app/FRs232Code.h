#pragma once
// The control-code document for outside controllers, in two read-only windows: the Chinese
// edition (TfmRs232Code) and the English one (TfmRs232CodeEnglish). Each is a tall scrolling
// page of rich text and ten table pictures, scrolled by keys and wheel, with its column
// centred once the window is wider than the column.

#include "platform/gui/Events.h"
#include "platform/gui/Form.h"
#include "platform/gui/Keys.h"

#include <array>

class TAdvOfficeImage;
class TRTFLabel;

class TRs232CodeWindow : public TForm
{
public:
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void FormMouseWheelUp(TObject* Sender);
    void FormMouseWheelDown(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormShow(TObject* Sender);

    TRTFLabel* RTFLabel = nullptr;
    TAdvOfficeImage* AdvOfficeImage1 = nullptr;
    TAdvOfficeImage* AdvOfficeImage2 = nullptr;
    TAdvOfficeImage* AdvOfficeImage3 = nullptr;
    TAdvOfficeImage* AdvOfficeImage4 = nullptr;
    TAdvOfficeImage* AdvOfficeImage5 = nullptr;
    TAdvOfficeImage* AdvOfficeImage6 = nullptr;
    TAdvOfficeImage* AdvOfficeImage7 = nullptr;
    TAdvOfficeImage* AdvOfficeImage8 = nullptr;
    TAdvOfficeImage* AdvOfficeImage9 = nullptr;
    TAdvOfficeImage* AdvOfficeImage10 = nullptr;
    // The ten table pictures in order.
    std::array<TAdvOfficeImage*, 10> Pictures() const;

    // Where the column's left edge lies at an outer width.
    static int ColumnLeft(int outerWidth);

protected:
    explicit TRs232CodeWindow(TComponent* Owner) : TForm(Owner) {}
    // Called by each edition once its layout is loaded.
    void forwardWheel();
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
    void scrollBy(bool vertical, int delta);
};

class TfmRs232Code : public TRs232CodeWindow
{
public:
    explicit TfmRs232Code(TComponent* Owner);
};

class TfmRs232CodeEnglish : public TRs232CodeWindow
{
public:
    explicit TfmRs232CodeEnglish(TComponent* Owner);
};

extern TfmRs232Code* fmRs232Code;
extern TfmRs232CodeEnglish* fmRs232CodeEnglish;

namespace qx {
void registerRs232CodeWindows();
} // namespace qx
