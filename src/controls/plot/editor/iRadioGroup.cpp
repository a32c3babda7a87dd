#include "controls/plot/editor/iRadioGroup.h"

#include "controls/plot/base/iDrawing.h"
#include "platform/gui/Keys.h"
#include "platform/gui/canvas/Bitmap.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

int Nearest(double Value) { return static_cast<int>(std::nearbyint(Value)); }

} // namespace

TiRadioGroup::TiRadioGroup(TComponent* AOwner) : TiVCLComponent(AOwner), FItems(std::make_unique<TStringList>())
{
    SetTabStop(true);
    SetCaption("Radio Group");
    SetBounds(Left(), Top(), 97, 17);
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
    SetTransparent(true);
}

TiRadioGroup::~TiRadioGroup() { FItems->OnChange = nullptr; }

void TiRadioGroup::SetItems(const TStrings& Value) { FItems->Assign(Value); }

void TiRadioGroup::SetFont(const TFont& Value)
{
    FFont = Value;
    ItemsChanged();
}

void TiRadioGroup::ItemsChanged()
{
    FItemIndex = std::clamp(FItemIndex, -1, FItems->Count() - 1);
    InvalidateChange();
}

void TiRadioGroup::SetItemIndex(int Value)
{
    Value = std::clamp(Value, -1, FItems->Count() - 1);
    if (Value == FItemIndex)
        return;
    FItemIndex = Value;
    FMouseDownIndex = Value;
    InvalidateChange();
    DoChange();
}

void TiRadioGroup::SetColumns(int Value)
{
    if (Value <= 0 || Value == FColumns)
        return;
    FColumns = Value;
    InvalidateChange();
}

void TiRadioGroup::TextChanged()
{
    TiVCLComponent::TextChanged();
    InvalidateChange();
}

void TiRadioGroup::DoChange()
{
    if (IsLoading())
        return;
    if (OnChangeProtected)
        OnChangeProtected(this, "ItemIndex");
    qx::fire(OnChange, this);
    if (FUserGenerated)
        qx::fire(OnChangeUser, this);
}

void TiRadioGroup::CalcLayout(TCanvas& Canvas)
{
    const int count = FItems->Count();
    if (count == 0)
        return;
    Canvas.Font() = FFont;
    const int hT = Canvas.TextHeight("ABC");
    FMaxRows = count / FColumns + (count % FColumns != 0 ? 1 : 0);
    FItemsRowSpacing = (Height() - hT - hT / 4) / FMaxRows;
    FItemsRowStart = hT + Nearest(FItemsRowSpacing / 2);
    FItemsColStart = 14;
    FItemsColSpacing = (Width() - 14) / FColumns;
}

void TiRadioGroup::CalcLayout()
{
    TBitmap measure(1, 1);
    CalcLayout(measure.Canvas());
}

int TiRadioGroup::MaxRows()
{
    CalcLayout();
    return FMaxRows;
}

TPoint TiRadioGroup::ItemCenter(int Index)
{
    CalcLayout();
    const int row = Index % FMaxRows, column = Index / FMaxRows;
    return {FItemsColStart + Nearest(column * FItemsColSpacing), FItemsRowStart + Nearest(row * FItemsRowSpacing)};
}

int TiRadioGroup::ItemAt(int X, int Y)
{
    // A group too small for its items has no spacing: nothing can be hit.
    if (FItemsRowSpacing <= 0)
        return -1;
    const int row = Nearest((Y - FItemsRowStart) / FItemsRowSpacing);
    if (FColumns == 1)
        return row;
    if (FItemsColSpacing <= 0)
        return -1;
    return row + static_cast<int>(std::trunc((X - FItemsColStart + 6) / FItemsColSpacing)) * FMaxRows;
}

void TiRadioGroup::iPaint(TCanvas& Canvas)
{
    SetTransparent(true);
    DrawBackGround(Canvas, BackGroundColor());
    Canvas.Font() = FFont;
    Canvas.Brush().Style = bsSolid;
    CalcLayout(Canvas);

    const int hT = Canvas.TextHeight("ABC"), wA = Canvas.TextWidth("A");
    const int h = hT / 2, W = Width(), H = Height();
    const auto line = [&Canvas](TColor color, int x1, int y1, int x2, int y2) {
        Canvas.Pen().Color = color;
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
    };
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Width = 1;
    line(clBtnHighlight, 1, h + 1, W - 2, h + 1);
    line(clBtnHighlight, 1, h + 1, 1, H - 1);
    Canvas.Pen().Color = clBtnShadow;
    const std::array<TPoint, 5> outline{{{0, h}, {W - 2, h}, {W - 2, H - 2}, {0, H - 2}, {0, h}}};
    Canvas.Polyline(outline);
    line(clBtnHighlight, W - 1, h + 1, W - 1, H - 1);
    line(clBtnHighlight, W - 1, H - 1, 0, H - 1);

    TRect caption{wA, 0, wA + Canvas.TextWidth(Caption()), Canvas.TextHeight(Caption())};
    Canvas.Brush().Color = clWindow;
    Canvas.FillRect(caption);
    DrawTextFlags(Canvas, Caption(), caption, iTextFlags::Left | iTextFlags::VCenter, Enabled(), BackGroundColor());

    struct Segment
    {
        int x1, y1, x2, y2;
    };
    static constexpr Segment dark[] = {{-4, -2, -4, 2}, {-3, 2, -3, 3},  {-3, -3, -3, -5},
                                       {-3, -4, -1, -4}, {-1, -5, 3, -5}, {3, -4, 5, -4}};
    static constexpr Segment shadow[] = {{-5, -2, -5, 2}, {-4, 2, -4, 4},  {-4, -3, -4, -5},
                                         {-3, -5, -1, -5}, {-1, -6, 3, -6}, {3, -5, 5, -5}};
    static constexpr Segment face[] = {{6, -3, 6, -5},  {6, 2, 6, 6},   {5, -2, 5, 2},  {4, -3, 4, -2},
                                       {4, 2, 4, 4},    {5, 4, 5, 6},   {-5, 5, -1, 5}, {3, 5, 5, 5},
                                       {-1, 4, 3, 4},   {3, 3, 4, 3},   {-3, 3, -1, 3}};
    static constexpr Segment light[] = {{5, -3, 5, -5}, {6, -2, 6, 2},  {5, 2, 5, 4},
                                        {3, 4, 5, 4},   {-1, 5, 3, 5},  {-3, 4, -1, 4}};
    const auto rim = [&](TColor color, const auto& segments, int x, int y) {
        for (const Segment& s : segments)
            line(color, x + s.x1, y + s.y1, x + s.x2, y + s.y2);
    };

    TRect focusText{};
    const int focusIndex = FMouseDown ? FMouseDownIndex : FItemIndex;
    for (int i = 0; i < FItems->Count(); ++i) {
        const int row = i % FMaxRows, column = i / FMaxRows;
        const int x = FItemsColStart + Nearest(column * FItemsColSpacing);
        const int y = FItemsRowStart + Nearest(row * FItemsRowSpacing);
        const bool pressed = (FMouseDown || FKeyDown) && FMouseDownIndex == i;
        const TColor fill = pressed ? TColor(clBtnFace) : TColor(0xFFFFFF);
        Canvas.Pen().Color = fill;
        Canvas.Brush().Style = bsSolid;
        Canvas.Brush().Color = fill;
        Canvas.Rectangle(x - 3, y - 4, x + 5, y + 4);
        rim(cl3DDkShadow, dark, x, y);
        rim(clBtnShadow, shadow, x, y);
        rim(clBtnFace, face, x, y);
        rim(clBtnHighlight, light, x, y);

        const std::string text = FItems->Get(i);
        const int tw = Canvas.TextWidth(text), th = Canvas.TextHeight(text);
        TRect r{x + 12, y - th / 2, x + 12 + tw, y + th / 2};
        Canvas.Brush().Style = bsClear;
        Canvas.Font().Color = FFont.Color;
        DrawTextFlags(Canvas, text, r, iTextFlags::Left | iTextFlags::VCenter | iTextFlags::NoClip, Enabled(),
                      BackGroundColor());
        if (i == FItemIndex) {
            Canvas.Pen().Color = 0;
            Canvas.Brush().Style = bsSolid;
            Canvas.Brush().Color = 0;
            Canvas.Ellipse(x - 1, y - 2, x + 3, y + 2);
        }
        if (i == focusIndex)
            focusText = {x + 12 - 1, y - th / 2 - 1, x + 12 + tw + 1, y + th / 2 + 3};
    }
    if (HasFocus() && focusIndex >= 0 && focusIndex < FItems->Count()) {
        Canvas.Font().Color = 0xFFFFFF;
        Canvas.Brush().Style = bsSolid;
        Canvas.Brush().Color = 0;
        DrawFocusRectangle(Canvas, focusText);
    }
}

void TiRadioGroup::iMouseDown(TMouseButton Button, TShiftState, int X, int Y)
{
    if (Button != mbLeft)
        return;
    FocusControl(*this);
    CalcLayout();
    FMouseDown = true;
    FMouseDownIndex = ItemAt(X, Y);
    InvalidateChange();
}

void TiRadioGroup::iMouseMove(TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    FMouseDownIndex = ItemAt(X, Y);
    InvalidateChange();
}

void TiRadioGroup::iMouseUp(TMouseButton, TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    InvalidateChange();
    FMouseDown = false;
    if (!UserGenerated() || FMouseDownIndex < 0 || FMouseDownIndex >= FItems->Count() ||
        ItemAt(X, Y) != FMouseDownIndex)
        return;
    FUserGenerated = true;
    struct Reset
    {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{FUserGenerated};
    SetItemIndex(FMouseDownIndex);
}

void TiRadioGroup::iWantSpecialKey(Word& CharCode, std::intptr_t& Result)
{
    if (CharCode >= VK_LEFT && CharCode <= VK_DOWN)
        Result = 1;
}

void TiRadioGroup::Dispatch(TMessage& Message)
{
    TiVCLComponent::Dispatch(Message);
    if (Message.Msg == WM_GETDLGCODE)
        Message.Result |= DLGC_WANTARROWS;
}

void TiRadioGroup::iKeyDown(Word& Key, TShiftState)
{
    FKeyDown = true;
    const int count = FItems->Count();
    if (Key == VK_RIGHT || Key == VK_DOWN) {
        Key = 0;
        if (count > 0)
            SetItemIndex(FItemIndex + 1 >= count ? 0 : FItemIndex + 1);
    } else if (Key == VK_LEFT || Key == VK_UP) {
        Key = 0;
        if (count > 0 && FItemIndex >= 0)
            SetItemIndex(FItemIndex == 0 ? count - 1 : FItemIndex - 1);
    }
    InvalidateChange();
}

void TiRadioGroup::iKeyUp(Word&, TShiftState)
{
    FKeyDown = false;
    InvalidateChange();
}

void TiRadioGroup::iKillFocus()
{
    FMouseDown = false;
    FKeyDown = false;
    InvalidateChange();
    TiVCLComponent::iKillFocus();
}

void TiRadioGroup::iSetFocus()
{
    TiVCLComponent::iSetFocus();
    RepaintNow();
}
