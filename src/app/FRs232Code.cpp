#include "app/FRs232Code.h"

#include "controls/skinned/AdvOfficeImage.h"
#include "controls/skinned/RTFLabel.h"
#include "platform/gui/FormScroller.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"


TfmRs232Code* fmRs232Code = nullptr;
TfmRs232CodeEnglish* fmRs232CodeEnglish = nullptr;

namespace {

constexpr int kLineStep = 30;
constexpr int kColumnWidth = 750;
constexpr int kMargin = 50;

} // namespace

TfmRs232Code::TfmRs232Code(TComponent* Owner) : TRs232CodeWindow(Owner)
{
    LoadLayout("FRs232Code");
    forwardWheel();
}

TfmRs232CodeEnglish::TfmRs232CodeEnglish(TComponent* Owner) : TRs232CodeWindow(Owner)
{
    LoadLayout("FRs232CodeEnglish");
    forwardWheel();
}

void TRs232CodeWindow::forwardWheel()
{
    // The wheel over the text or a picture scrolls the window as over its background.
    const auto wheel = [this](TObject*, TShiftState shift, int delta, TPoint at, bool& handled) {
        handled = DoMouseWheel(shift, delta, at);
    };
    RTFLabel->OnMouseWheel = wheel;
    for (TAdvOfficeImage* image : Pictures())
        image->OnMouseWheel = wheel;
}

std::array<TAdvOfficeImage*, 10> TRs232CodeWindow::Pictures() const
{
    return {AdvOfficeImage1, AdvOfficeImage2, AdvOfficeImage3, AdvOfficeImage4, AdvOfficeImage5,
            AdvOfficeImage6, AdvOfficeImage7, AdvOfficeImage8, AdvOfficeImage9, AdvOfficeImage10};
}

int TRs232CodeWindow::ColumnLeft(int outerWidth)
{
    return outerWidth < kColumnWidth ? kMargin : (outerWidth - kColumnWidth) / 2 + kMargin;
}

void TRs232CodeWindow::scrollBy(bool vertical, int delta)
{
    Scroller().SetPosition(vertical, Scroller().Position(vertical) + delta);
}

void TRs232CodeWindow::FormKeyDown(TObject*, Word& Key, TShiftState)
{
    switch (Key) {
    case VK_PRIOR: scrollBy(true, -Height()); break;
    case VK_NEXT: scrollBy(true, Height()); break;
    case VK_UP: scrollBy(true, -kLineStep); break;
    case VK_DOWN: scrollBy(true, kLineStep); break;
    case VK_LEFT: scrollBy(false, -kLineStep); break;
    case VK_RIGHT: scrollBy(false, kLineStep); break;
    default: break;
    }
}

void TRs232CodeWindow::FormMouseWheelUp(TObject*) { scrollBy(true, -kLineStep); }
void TRs232CodeWindow::FormMouseWheelDown(TObject*) { scrollBy(true, kLineStep); }

bool TRs232CodeWindow::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TForm::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (WheelDelta > 0)
        FormMouseWheelUp(this);
    else if (WheelDelta < 0)
        FormMouseWheelDown(this);
    return WheelDelta != 0;
}

void TRs232CodeWindow::FormResize(TObject*)
{
    if (!RTFLabel)
        return;
    const int left = ColumnLeft(Width());
    RTFLabel->SetLeft(left);
    for (TAdvOfficeImage* image : Pictures())
        if (image)
            image->SetLeft(left);
}

// The next showing starts at 755 x 666 in the normal state, whatever the user did.
void TRs232CodeWindow::FormClose(TObject*, TCloseAction&)
{
    SetHeight(666);
    SetWidth(755);
    SetWindowState(wsNormal);
}

void TRs232CodeWindow::FormShow(TObject*) {}

void qx::registerRs232CodeWindows()
{
    using T = TRs232CodeWindow;
    auto base = registerClass<T, TForm>("TRs232CodeWindow");
    base.method("FormKeyDown", &T::FormKeyDown)
        .method("FormResize", &T::FormResize)
        .method("FormClose", &T::FormClose)
        .method("FormShow", &T::FormShow)
        .field("RTFLabel", &T::RTFLabel)
        .field("AdvOfficeImage1", &T::AdvOfficeImage1)
        .field("AdvOfficeImage2", &T::AdvOfficeImage2)
        .field("AdvOfficeImage3", &T::AdvOfficeImage3)
        .field("AdvOfficeImage4", &T::AdvOfficeImage4)
        .field("AdvOfficeImage5", &T::AdvOfficeImage5)
        .field("AdvOfficeImage6", &T::AdvOfficeImage6)
        .field("AdvOfficeImage7", &T::AdvOfficeImage7)
        .field("AdvOfficeImage8", &T::AdvOfficeImage8)
        .field("AdvOfficeImage9", &T::AdvOfficeImage9)
        .field("AdvOfficeImage10", &T::AdvOfficeImage10);
    registerClass<TfmRs232Code, T>("TfmRs232Code");
    registerClass<TfmRs232CodeEnglish, T>("TfmRs232CodeEnglish");
}
