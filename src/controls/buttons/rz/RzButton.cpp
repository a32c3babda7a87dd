#include "controls/buttons/rz/RzButton.h"

#include "controls/buttons/rz/RzGrafx.h"
#include "platform/gui/Keys.h"
#include "platform/gui/canvas/Bitmap.h"

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

bool TRzButton::pressedLook() const { return groupIndex_ != 0 ? (down_ || showDown_) : showDown_; }

void TRzButton::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect b = ClientRect();
    TRect f = b;
    InflateRect(f, -4, -4);
    if (groupIndex_ != 0 && pressedLook())
        OffsetRect(f, 1, 1);
    // Classic look (no themes here; hot tracking draws the classic face as well).
    if (groupIndex_ == 0 && ((Focused() && !showDown_) || clicking_)) {
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
    TRect c = ClientRect();
    InflateRect(c, -5, -5);
    if (pressedLook())
        OffsetRect(c, 1, 1);
    const unsigned align = alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    canvas.Brush().Color = Color();
    DrawCaption(canvas, c, align | DT_WORDBREAK | DT_EXPANDTABS);
    if (Focused() && showFocusRect_)
        DrawDottedFrame(canvas, f);
}
