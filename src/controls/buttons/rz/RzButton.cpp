#include "controls/buttons/rz/RzButton.h"

#include "controls/buttons/Accelerators.h"
#include "controls/buttons/rz/RzGrafx.h"
#include "platform/gui/Button.h"
#include "platform/gui/Keys.h"
#include "platform/gui/canvas/Bitmap.h"

using qx::rz::TGradientDirection;
using enum qx::rz::TGradientDirection;

TRzCustomButton::TRzCustomButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csSetCaption, csOpaque, csDoubleClicks, csReplicatable});
    SetBounds(0, 0, 115, 17);
    SetTabStop(true);
}

void TRzCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (CanFocus())
        SetFocus();
    if (Focused() || !CanFocus()) {
        showDown_ = true;
        RepaintFace();
        dragging_ = true;
    }
}

void TRzCustomButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!dragging_)
        return;
    const bool in = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    if (in != showDown_) {
        showDown_ = in;
        RepaintFace();
    }
}

void TRzCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!dragging_)
        return;
    dragging_ = false;
    showDown_ = false;
    if (X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight())
        ButtonClicked();
    RepaintFace();
}

void TRzCustomButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
        mouseOver_ = Message.Msg == CM_MOUSEENTER;
        TCustomControl::Dispatch(Message);
        if (hotTrack_ || UseThemes())
            Invalidate();
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TRzCustomButton::EnabledChanged()
{
    if (!Enabled() && Focused()) {
        if (TForm* form = GetParentForm(this))
            form->SetFocus();
    }
    Invalidate();
}

void TRzCustomButton::DoEnter()
{
    TCustomControl::DoEnter();
    Repaint();
}

void TRzCustomButton::DoExit()
{
    TCustomControl::DoExit();
    Repaint();
}

void TRzCustomButton::DrawCaption(TCanvas& canvas, TRect r, unsigned flags)
{
    canvas.Brush().Style = bsClear;
    canvas.Font() = Font();
    TRect measure = r;
    canvas.DrawText(Caption(), measure, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
    const int a = measure.Height();
    switch (alignmentVertical_) {
    case avTop: r.Bottom = r.Top + a; break;
    case avCenter:
        r.Top = (r.Bottom + r.Top - a) / 2;
        r.Bottom = r.Top + a;
        break;
    case avBottom: r.Top = r.Bottom - a - 1; break;
    }
    auto drawAt = [&](int dx, int dy, TColor color) {
        TRect moved = r;
        OffsetRect(moved, dx, dy);
        canvas.Font().Color = color;
        canvas.DrawText(Caption(), moved, flags);
    };
    if (Enabled()) {
        if (textStyle_ == tsRaised) {
            if (!lightTextStyle_)
                drawAt(1, 1, textShadowColor_);
            drawAt(-1, -1, textHighlightColor_);
        } else if (textStyle_ == tsRecessed) {
            drawAt(1, 1, textHighlightColor_);
            if (!lightTextStyle_)
                drawAt(-1, -1, textShadowColor_);
        } else if (textStyle_ == tsShadow) {
            drawAt((flags & DT_RIGHT) ? 0 : textShadowDepth_, textShadowDepth_, textShadowColor_);
        }
        canvas.Font().Color = Font().Color;
        if ((flags & DT_RIGHT) && textStyle_ == tsShadow)
            OffsetRect(r, -textShadowDepth_, 0);
    } else {
        canvas.Font().Color = ColorsLookAlike(Color(), clGrayText) ? cl3DDkShadow : clGrayText;
    }
    canvas.DrawText(Caption(), r, flags);
    canvas.Brush().Style = bsSolid;
}

// ---- TRzButton ----

TRzButton::TRzButton(TComponent* AOwner) : TRzCustomButton(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
}

void TRzButton::SetAllowAllUp(bool Value)
{
    if (allowAllUp_ == Value)
        return;
    allowAllUp_ = Value;
    notifyGroup();
}

void TRzButton::SetGroupIndex(int Value)
{
    if (groupIndex_ == Value)
        return;
    groupIndex_ = Value;
    notifyGroup();
}

void TRzButton::SetDown(bool Value)
{
    if (groupIndex_ == 0)
        Value = false;
    if (Value == down_ || (down_ && !allowAllUp_ && groupIndex_ != 0))
        return;
    down_ = Value;
    Invalidate();
    if (Value)
        notifyGroup();
}

void TRzButton::notifyGroup()
{
    if (groupIndex_ == 0 || !Parent())
        return;
    TWinControl* parent = Parent();
    const int index = groupIndex_;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* sibling = dynamic_cast<TRzButton*>(parent->Controls(i)))
            sibling->GroupChanged(index, this);
}

void TRzButton::GroupChanged(int GroupIndex, TRzButton* Sender)
{
    if (GroupIndex != groupIndex_ || Sender == this)
        return;
    if (Sender->down_ && down_) {
        down_ = false;
        Invalidate();
    }
    allowAllUp_ = Sender->allowAllUp_;
}

void TRzButton::Click()
{
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    TRzCustomButton::Click();
}

void TRzButton::ButtonClicked()
{
    if (groupIndex_ != 0)
        SetDown(!down_);
    else
        RepaintFace();
    clicking_ = true;
    Click();
    clicking_ = false;
}

void TRzButton::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && !Shift.Contains(ssAlt)) {
        keyToggle_ = true;
        showDown_ = true;
        RepaintFace();
    }
    TRzCustomButton::KeyDown(Key, Shift);
}

void TRzButton::KeyUp(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        showDown_ = false;
        if (keyToggle_) {
            keyToggle_ = false;
            ButtonClicked();
        }
        RepaintFace();
    }
    TRzCustomButton::KeyUp(Key, Shift);
}

void TRzButton::DoExit()
{
    TRzCustomButton::DoExit();
    keyToggle_ = false;
    showDown_ = false;
    RepaintFace();
}

void TRzButton::SetHotTrack(bool Value)
{
    TRzCustomButton::SetHotTrack(Value);
    SetFillsBackground(!Value);
    Invalidate();
}

bool TRzButton::active() const
{
    TForm* form = GetParentForm(this);
    TControl* focused = form ? form->ActiveControl() : nullptr;
    if (dynamic_cast<TRzButton*>(focused) || dynamic_cast<TButton*>(focused))
        return focused == this;
    return default_;
}

void TRzButton::Dispatch(TMessage& Message)
{
    const bool plain = KeyDataToShiftState(Message.LParam).Empty();
    if (Message.Msg == CM_DIALOGKEY && plain && CanFocus() &&
        ((Message.WParam == VK_RETURN && active()) || (Message.WParam == VK_ESCAPE && cancel_))) {
        Click();
        Message.Result = 1;
        return;
    }
    if (Message.Msg == CM_DIALOGCHAR && CanFocus() && qx::buttons::IsAccel(static_cast<char16_t>(Message.WParam), Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    TRzCustomButton::Dispatch(Message);
}

bool TRzButton::pressedLook() const { return groupIndex_ != 0 ? (down_ || showDown_) : showDown_; }

void TRzButton::paintHotTrackFace(TCanvas& canvas, TRect& b)
{
    auto line = [&](int x0, int y0, int x1, int y1, TColor c) {
        canvas.Pen().Color = c;
        canvas.MoveTo(x0, y0);
        canvas.LineTo(x1, y1);
    };
    const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
    const TColor dark = Enabled() ? ColorDarkenedBy(parent, 20) : parent;
    const TColor light = Enabled() ? ColorLightenedBy(parent, 20) : parent;
    line(b.Left, b.Top + 2, b.Left, b.Bottom - 2, dark);
    line(b.Left + 2, b.Top, b.Right - 2, b.Top, dark);
    line(b.Right - 1, b.Top + 2, b.Right - 1, b.Bottom - 2, light);
    line(b.Left + 2, b.Bottom - 1, b.Right - 2, b.Bottom - 1, light);
    canvas.SetPixel(b.Left + 1, b.Top + 1, dark);
    canvas.SetPixel(b.Right - 2, b.Top + 1, dark);
    canvas.SetPixel(b.Left + 1, b.Bottom - 2, dark);
    canvas.SetPixel(b.Right - 2, b.Bottom - 2, light);
    InflateRect(b, -1, -1);
    TColor frame = frameColor_;
    if (!Enabled())
        frame = Color() == clBtnFace ? ColorLightenedBy(clBtnShadow, 30) : ColorDarkenedBy(Color(), 80);
    line(b.Left, b.Top + 1, b.Left, b.Bottom - 1, frame);
    line(b.Left + 1, b.Top, b.Right - 1, b.Top, frame);
    line(b.Right - 1, b.Top + 1, b.Right - 1, b.Bottom - 1, frame);
    line(b.Left + 1, b.Bottom - 1, b.Right - 1, b.Bottom - 1, frame);
    InflateRect(b, -1, -1);
    canvas.Brush().Style = bsSolid;
    if (!Enabled() || pressedLook()) {
        canvas.Brush().Color = Enabled() ? ColorDarkenedBy(Color(), 10) : Color();
        canvas.FillRect(b);
        return;
    }
    line(b.Left, b.Bottom - 2, b.Right, b.Bottom - 2, ColorDarkenedBy(Color(), 20));
    line(b.Left, b.Bottom - 1, b.Right, b.Bottom - 1, ColorDarkenedBy(Color(), 30));
    b.Bottom -= 2;
    FillGradient(canvas, b, gdHorizontalEnd, ColorLightenedBy(Color(), 30), ColorDarkenedBy(Color(), 10), 1);
    if (mouseOver_) {
        if (HotTrackColorType() == htctActual) {
            PaintGradientRing(canvas, b, gdHorizontalEnd, BlendColors(clWhite, HotTrackColor(), 190), HotTrackColor());
        } else {
            const TColor c = ContrastHueColor(HotTrackColor(), 180);
            PaintGradientRing(canvas, b, gdHorizontalEnd, c, ColorDarkenedBy(c, 30));
        }
    } else if (groupIndex_ == 0 && (active() || Focused())) {
        TColor h = HighlightColor();
        if (ColorsLookAlike(h, clBtnFace))
            h = ColorDarkenedBy(h, 30);
        const TColor l = ColorLightenedBy(Color(), 30);
        PaintGradientRing(canvas, b, gdHorizontalEnd, BlendColors(h, l, 60), BlendColors(h, l, 160));
    }
}

void TRzButton::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect b = ClientRect();
    TRect f = b;
    InflateRect(f, HotTrack() ? -3 : -4, HotTrack() ? -3 : -4);
    if (groupIndex_ != 0 && pressedLook())
        OffsetRect(f, 1, 1);
    if (HotTrack())
        paintHotTrackFace(canvas, b);
    else
        paintClassicFace(canvas, b);
    TRect c = ClientRect();
    InflateRect(c, -5, -5);
    if (pressedLook() && !HotTrack())
        OffsetRect(c, 1, 1);
    const unsigned align = alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    canvas.Brush().Color = Color();
    DrawCaption(canvas, c, align | DT_WORDBREAK | DT_EXPANDTABS);
    if (Focused() && showFocusRect_)
        DrawDottedFrame(canvas, f);
}

void TRzButton::paintClassicFace(TCanvas& canvas, TRect& b)
{
    if (groupIndex_ == 0 && ((active() && !showDown_) || clicking_)) {
        canvas.Brush().Color = clWindowFrame;
        canvas.FrameRect(b);
        InflateRect(b, -1, -1);
    }
    if (Color() == clBtnFace) {
        if (groupIndex_ != 0)
            b = DrawFrameStyleEdges(canvas, b, pressedLook() ? fsLowered : fsButtonUp);
        else
            b = DrawPushButtonEdges(canvas, b, showDown_);
    } else if (groupIndex_ != 0 && pressedLook()) {
        b = DrawColoredFrameStyleEdges(canvas, b, Color(), fsLowered);
    } else {
        b = DrawColoredButtonEdges(canvas, b, Color(), groupIndex_ == 0 && showDown_);
    }
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = Color();
    canvas.FillRect(b);
    if (groupIndex_ != 0 && down_ && showDownPattern_) {
        TBitmap pattern(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                pattern.Canvas().SetPixel(x, y, (x % 2) == (y % 2) ? (Color() == clSilver ? clGray : clSilver) : Color());
        canvas.Brush().Bitmap = &pattern;
        canvas.FillRect(b);
        canvas.Brush().Bitmap = nullptr;
    }
}
