#include "controls/buttons/vr/VrButtons.h"

#include "controls/buttons/Accelerators.h"
#include "controls/buttons/ButtonArt.h"
#include "platform/gui/Keys.h"

namespace {

TFont arialBold(TColor color)
{
    TFont f;
    f.Name = "Arial";
    f.SetSize(12);
    f.Color = color;
    f.Style = fsBold;
    return f;
}

bool insideClient(const TControl& c, int X, int Y) { return X >= 0 && Y >= 0 && X < c.ClientWidth() && Y < c.ClientHeight(); }

} // namespace

// ---- demo button ----

TVrDemoButton::TVrDemoButton(TComponent* AOwner)
    : TVrCustomImageControl(AOwner), fontEnter_(arialBold(clRed)), fontLeave_(arialBold(clBlack))
{
    SetBounds(0, 0, 150, 25);
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks} + TControlStyle{csOpaque});
    SetColor(clBtnFace);
    SetTabStop(false);
    font3D_.OnChange = [this](TObject*) { Changed(); };
}

void TVrDemoButton::SetBitmap(const TBitmap& Value)
{
    bitmap_ = Value;
    Changed();
}

void TVrDemoButton::SetBitmapResource(const std::string& Value)
{
    TBitmap loaded;
    qx::buttons::loadPictureResource(loaded, Value);
    bitmapResource_ = Value;
    SetBitmap(loaded);
}

void TVrDemoButton::PaintImage()
{
    TCanvas& canvas = ImageCanvas();
    TRect r = ClientRect();
    if (down_)
        OffsetRect(r, 1, 1);
    TileVrBitmap(canvas, r, bitmap_);
    r = ClientRect();
    const TColor ring = focused_ ? focusColor_ : outlineColor_;
    DrawVrRings(canvas, r, ring, ring, outlineWidth_);
    if (down_)
        DrawVrRings(canvas, r, shadowColor_, highlightColor_, bevelWidth_);
    else if (!flat_ || hasMouse_)
        DrawVrRings(canvas, r, highlightColor_, shadowColor_, bevelWidth_);
    else
        InflateRect(r, -bevelWidth_, -bevelWidth_);
    canvas.Font() = hasMouse_ && Enabled() ? fontEnter_ : fontLeave_;
    if (!Enabled())
        canvas.Font().Color = disabledTextColor_;
    canvas.Brush().Style = bsClear;
    if (down_)
        OffsetRect(r, 1, 1);
    font3D_.Paint(canvas, r, Caption(), VrTextAlignmentFlags(textAlignment_) | DT_SINGLELINE);
    canvas.Brush().Style = bsSolid;
}

void TVrDemoButton::press(int X, int Y)
{
    if (!insideClient(*this, X, Y))
        return;
    pressed_ = down_ = true;
    SetMouseCapture(true);
    if (TabStop() && CanFocus())
        SetFocus();
    Repaint();
}

void TVrDemoButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVrCustomImageControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft)
        press(X, Y);
}

void TVrDemoButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TVrCustomImageControl::MouseMove(Shift, X, Y);
    if (!pressed_)
        return;
    const bool in = insideClient(*this, X, Y);
    if (in != down_) {
        down_ = in;
        Repaint();
    }
}

void TVrDemoButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        SetMouseCapture(false);
        const bool click = pressed_ && down_;
        down_ = pressed_ = false;
        if (click) {
            Repaint();
            raiseClick();
        }
    }
    TVrCustomImageControl::MouseUp(Button, Shift, X, Y);
}

void TVrDemoButton::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE && !down_)
        press(0, 0);
    TVrCustomImageControl::KeyDown(Key, Shift);
}

void TVrDemoButton::KeyUp(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        SetMouseCapture(false);
        if (pressed_ && down_) {
            down_ = false;
            Repaint();
            raiseClick();
        }
        pressed_ = false;
    }
    TVrCustomImageControl::KeyUp(Key, Shift);
}

void TVrDemoButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && Enabled() && qx::buttons::IsAccel(static_cast<char16_t>(Message.WParam), Caption()))
        raiseClick(); // the message goes on: it is not marked handled
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
        TVrCustomImageControl::Dispatch(Message);
        hasMouse_ = Message.Msg == CM_MOUSEENTER;
        Repaint();
        return;
    }
    TVrCustomImageControl::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED)
        Repaint();
}

void TVrDemoButton::DoEnter()
{
    TVrCustomImageControl::DoEnter();
    focused_ = true;
    Repaint();
}

void TVrDemoButton::DoExit()
{
    TVrCustomImageControl::DoExit();
    focused_ = false;
    Repaint();
}

// ---- power button ----

TVrPowerButton::TVrPowerButton(TComponent* AOwner) : TVrCustomImageControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable});
    SetBounds(0, 0, 125, 25);
    SetColor(clBtnFace);
    SetTabStop(false);
    palette_.OnChange = [this](TObject*) { Changed(); };
    calcLayout();
}

void TVrPowerButton::SetActive(bool Value)
{
    if (active_ == Value)
        return;
    active_ = Value;
    Repaint();
}

void TVrPowerButton::calcLayout()
{
    TCanvas& canvas = *Canvas();
    canvas.Font() = Font();
    TRect c = ClientRect();
    InflateRect(c, -(bevelWidth_ + outlineWidth_), -(bevelWidth_ + outlineWidth_));
    TPoint pos;
    CalcVrImageTextLayout(canvas, c, {0, 0}, Caption(), static_cast<int>(layout_) + 1, margin_, spacing_,
                          {ledWidth_, ledHeight_}, pos, textBounds_);
    imageRect_ = Bounds(pos.X, pos.Y, ledWidth_, ledHeight_);
    Changed();
}

void TVrPowerButton::PaintImage()
{
    TCanvas& canvas = ImageCanvas();
    TRect r = ClientRect();
    const TColor ring = focused_ ? focusColor_ : outlineColor_;
    DrawVrRings(canvas, r, ring, ring, outlineWidth_);
    if (pressed_) {
        r = ClientRect();
        DrawVrRings(canvas, r, outlineColor_, highlightColor_, outlineWidth_);
        DrawVrRings(canvas, r, shadowColor_, outlineColor_, bevelWidth_);
    } else {
        DrawVrRings(canvas, r, highlightColor_, shadowColor_, bevelWidth_);
    }
    const TColor led = Enabled() ? palette_.Colors(active_ ? 1 : 0) : Color();
    TRect image = imageRect_;
    DrawVrRings(canvas, image, shadowColor_, highlightColor_, 1);
    DrawVrRings(canvas, image, clBlack, clBlack, 1);
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = led;
    canvas.FillRect(image);
    canvas.Font() = Font();
    canvas.Brush().Style = bsClear;
    DrawVrCaption(canvas, Caption(), textBounds_, Enabled());
    canvas.Brush().Style = bsSolid;
}

void TVrPowerButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        down_ = pressed_ = true;
        Repaint();
        if (TabStop() && CanFocus())
            SetFocus();
    }
    TVrCustomImageControl::MouseDown(Button, Shift, X, Y);
}

void TVrPowerButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    down_ = false;
    bool toggled = false;
    if (pressed_) {
        pressed_ = false;
        SetActive(!active_);
        toggled = true;
    }
    TVrCustomImageControl::MouseUp(Button, Shift, X, Y);
    if (toggled)
        TControl::Click();
}

void TVrPowerButton::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        spacePressed_ = true;
        pressed_ = true;
        Repaint();
    }
    TVrCustomImageControl::KeyDown(Key, Shift);
}

void TVrPowerButton::KeyUp(Word& Key, TShiftState Shift)
{
    // Only a Space that went down on this button toggles it.
    if (Key == VK_SPACE && spacePressed_) {
        spacePressed_ = false;
        SetMouseCapture(false);
        pressed_ = false;
        SetActive(!active_);
        TControl::Click();
    }
    TVrCustomImageControl::KeyUp(Key, Shift);
}

void TVrPowerButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && Enabled() && qx::buttons::IsAccel(static_cast<char16_t>(Message.WParam), Caption()))
        TControl::Click(); // no toggle; the message goes on
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (down_) {
            pressed_ = Message.Msg == CM_MOUSEENTER;
            Repaint();
        }
        break;
    case WM_SIZE:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        TVrCustomImageControl::Dispatch(Message);
        calcLayout();
        return;
    default:
        break;
    }
    TVrCustomImageControl::Dispatch(Message);
}

void TVrPowerButton::DoEnter()
{
    TVrCustomImageControl::DoEnter();
    focused_ = true;
    Repaint();
}

void TVrPowerButton::DoExit()
{
    TVrCustomImageControl::DoExit();
    focused_ = false;
    spacePressed_ = false;
    Repaint();
}
