#include "controls/buttons/rz/RzBmpBtn.h"

#include "controls/buttons/rz/RzGrafx.h"
#include "controls/buttons/Accelerators.h"
#include "controls/buttons/ButtonArt.h"
#include "platform/gui/Keys.h"
#include "platform/gui/canvas/Edges.h"

#include <algorithm>
#include <memory>

// ---- pictures ----

TRzButtonBitmaps::TRzButtonBitmaps() = default;

void TRzButtonBitmaps::SetPicture(Kind kind, const TBitmap& Value)
{
    pictures_[kind] = Value;
    changed();
}

void TRzButtonBitmaps::SetPictureName(Kind kind, const std::string& Value)
{
    TBitmap loaded;
    qx::buttons::loadPictureResource(loaded, Value);
    names_[kind] = Value;
    SetPicture(kind, loaded);
}

void TRzButtonBitmaps::SetTransparentColor(TColor Value)
{
    if (transparentColor_ == Value)
        return;
    transparentColor_ = Value;
    changed();
}

namespace qx::rz {

TBitmap embossedImage(const TBitmap& up)
{
    // The picture's dark pixels make the shape: a highlight one pixel down and right,
    // then the shadow in place, on the button face.
    const int w = up.Width(), h = up.Height();
    TBitmap e(w, h);
    auto dark = [&](int x, int y) {
        const TColor c = qx::colorFromRgbQuad(up.ScanLine(y)[x]);
        return (GetRValue(c) * 11 + GetGValue(c) * 16 + GetBValue(c) * 5) / 32 < 128;
    };
    for (int y = 0; y < h; ++y)
        std::ranges::fill(e.ScanLine(y), qx::rgbQuadFromColor(clBtnFace));
    for (int y = 0; y + 1 < h; ++y)
        for (int x = 0; x + 1 < w; ++x)
            if (dark(x, y))
                e.ScanLine(y + 1)[x + 1] = qx::rgbQuadFromColor(clWhite);
    for (int y = 0; y < h; ++y) {
        const auto row = e.ScanLine(y);
        for (int x = 0; x < w; ++x)
            if (dark(x, y))
                row[x] = qx::rgbQuadFromColor(clBtnShadow);
    }
    return e;
}

const TBitmap& downPattern()
{
    static const TBitmap pattern = [] {
        TBitmap p(8, 8);
        for (int y = 0; y < 8; ++y) {
            const auto row = p.ScanLine(y);
            for (int x = 0; x < 8; ++x)
                row[x] = qx::rgbQuadFromColor((x % 2) == (y % 2) ? clWhite : clBtnFace);
        }
        return p;
    }();
    return pattern;
}

} // namespace qx::rz

// ---- button ----

TRzBmpButton::TRzBmpButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(Left(), Top(), 80, 30);
    SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
    bitmaps_.OnChange = [this](TObject*) {
        if (buttonSize_ == bszButtonToBitmap)
            fitToBitmap();
        Invalidate();
    };
    SetColor(clBtnFace);
    SetParentFont(true);
    SetTabStop(true);
    // Borderless: what lies beneath shows through the transparent colour.
    SetFillsBackground(false);
}

TRzBmpButton::~TRzBmpButton() = default;

void TRzBmpButton::SetDown(bool Value)
{
    if (groupIndex_ == 0)
        Value = false;
    if (Value == down_ || (down_ && !allowAllUp_))
        return;
    down_ = Value;
    state_ = Value ? stStayDown : stUp;
    Invalidate();
    if (Value)
        notifyGroup();
}

void TRzBmpButton::SetAllowAllUp(bool Value)
{
    if (allowAllUp_ == Value)
        return;
    allowAllUp_ = Value;
    notifyGroup();
}

void TRzBmpButton::SetGroupIndex(int Value)
{
    if (groupIndex_ == Value)
        return;
    groupIndex_ = Value;
    notifyGroup();
}

void TRzBmpButton::SetButtonBorder(TButtonBorder Value)
{
    if (buttonBorder_ == Value)
        return;
    buttonBorder_ = Value;
    SetFillsBackground(Value != bbNone);
    fitToBitmap();
    Invalidate();
}

void TRzBmpButton::SetButtonSize(TBtnSize Value)
{
    if (buttonSize_ == Value)
        return;
    buttonSize_ = Value;
    fitToBitmap();
    Invalidate();
}

void TRzBmpButton::SetButtonStyle(TButtonStyle Value)
{
    if (buttonStyle_ == Value)
        return;
    buttonStyle_ = Value;
    fitToBitmap();
    Invalidate();
}

void TRzBmpButton::SetMargin(int Value)
{
    if (Value >= -1)
        changePainted(margin_, Value);
}

void TRzBmpButton::notifyGroup()
{
    if (groupIndex_ == 0 || !Parent()) {
        state_ = stUp;
        return;
    }
    TWinControl* parent = Parent();
    const int index = groupIndex_;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* sibling = dynamic_cast<TRzBmpButton*>(parent->Controls(i)))
            sibling->GroupChanged(index, this);
}

void TRzBmpButton::GroupChanged(int GroupIndex, TRzBmpButton* Sender)
{
    if (GroupIndex != groupIndex_ || Sender == this)
        return;
    if (Sender->down_ && down_) {
        down_ = false;
        state_ = stUp;
        Invalidate();
    }
    allowAllUp_ = Sender->allowAllUp_;
}

void TRzBmpButton::Click()
{
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TRzBmpButton::Loaded()
{
    TCustomControl::Loaded();
    fitToBitmap();
}

void TRzBmpButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Enabled() && !Focused() && Showing() && CanFocus())
        SetFocus();
    if (Button == mbLeft && Enabled() && (Focused() || !CanFocus())) {
        if (!down_) {
            state_ = stPressed;
            Repaint();
        }
        dragging_ = true;
    }
}

void TRzBmpButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!dragging_)
        return;
    VisualState s = down_ ? stStayDown : stUp;
    if (inside(X, Y))
        s = down_ ? stStayDown : stPressed;
    if (s != state_) {
        state_ = s;
        Repaint();
    }
}

void TRzBmpButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!dragging_)
        return;
    dragging_ = false;
    const bool in = inside(X, Y);
    notifyGroup();
    finishClick(in);
}

void TRzBmpButton::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_RETURN) {
        Click();
        Key = 0; // taken here: no dialog key follows
    } else if (Key == VK_SPACE && Enabled()) {
        if (!down_) {
            state_ = stPressed;
            Repaint();
        }
        dragging_ = true;
    }
}

void TRzBmpButton::KeyUp(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (!dragging_)
        return;
    dragging_ = false;
    state_ = stUp;
    finishClick(true);
}

void TRzBmpButton::finishClick(bool Inside)
{
    if (groupIndex_ == 0) {
        Repaint();
    } else if (Inside) {
        SetDown(!down_);
    } else {
        if (down_)
            state_ = stStayDown;
        Repaint();
    }
    if (Inside)
        Click();
}

void TRzBmpButton::DblClick()
{
    if (down_)
        TCustomControl::DblClick();
}

void TRzBmpButton::DoEnter()
{
    TCustomControl::DoEnter();
    hasFocus_ = true;
    Invalidate();
}

void TRzBmpButton::DoExit()
{
    TCustomControl::DoExit();
    hasFocus_ = false;
    Invalidate();
}

void TRzBmpButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        mouseOver_ = Message.Msg == CM_MOUSEENTER;
        TCustomControl::Dispatch(Message);
        if (!bitmaps_.Hot().Empty())
            Invalidate();
        return;
    case WM_SIZE:
        fitToBitmap();
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case CM_DIALOGCHAR:
        if (Enabled() && qx::buttons::IsAccel(static_cast<char16_t>(Message.WParam), Caption())) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    default:
        TCustomControl::Dispatch(Message);
    }
}

void TRzBmpButton::fitToBitmap()
{
    if (Loading() || buttonSize_ == bszNeither || bitmaps_.Up().Empty())
        return;
    if (buttonSize_ == bszButtonToBitmap) {
        const int b = buttonBorder_ == bbNone ? 0 : buttonBorder_ == bbSingle ? 1 : newLook() ? 2 : 3;
        const int w = bitmaps_.Up().Width() + 2 * b, h = bitmaps_.Up().Height() + 2 * b;
        if (w != Width() || h != Height())
            SetBounds(Left(), Top(), w, h);
    }
    Invalidate();
}

const TBitmap* TRzBmpButton::choosePicture(TBitmap& embossed) const
{
    const TRzButtonBitmaps& p = bitmaps_;
    switch (state_) {
    case stUp:
        if (mouseOver_ && !p.Hot().Empty())
            return &p.Hot();
        if (hasFocus_ && showFocus_ && !p.UpAndFocused().Empty())
            return &p.UpAndFocused();
        return &p.Up();
    case stDisabled:
        if (!p.Disabled().Empty())
            return &p.Disabled();
        embossed = qx::rz::embossedImage(p.Up());
        return &embossed;
    case stPressed: return p.Down().Empty() ? &p.Up() : &p.Down();
    case stStayDown:
        if (!p.StayDown().Empty())
            return &p.StayDown();
        return p.Down().Empty() ? &p.Up() : &p.Down();
    }
    return &p.Up();
}

void TRzBmpButton::layout(TCanvas& canvas, const TRect& client, const TBitmap* picture, TRect& captionRect,
                          TRect& pictureRect) const
{
    const TPoint cs{client.Width(), client.Height()};
    TPoint ps{0, 0};
    if (picture && !picture->Empty() && buttonSize_ == bszNeither)
        ps = {picture->Width(), picture->Height()};
    TRect text{0, 0, cs.X, 0};
    TPoint ts{0, 0};
    if (!Caption().empty()) {
        canvas.Font() = Font();
        canvas.DrawText(Caption(), text, DT_CALCRECT);
        ts = {text.Width(), text.Height()};
    }
    const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    auto axis = [horizontal](TPoint& p) -> int& { return horizontal ? p.X : p.Y; };
    auto cross = [horizontal](TPoint& p) -> int& { return horizontal ? p.Y : p.X; };
    TPoint pp{0, 0}, tp{0, 0};
    TPoint csv = cs, psv = ps, tsv = ts;
    cross(pp) = cross(csv) / 2 - cross(psv) / 2;
    cross(tp) = cross(csv) / 2 - cross(tsv) / 2;
    int s = spacing_, m = margin_;
    if (ts.X == 0 || ps.X == 0)
        s = 0;
    if (m == -1) {
        if (s == -1) {
            m = (axis(csv) - (axis(psv) + axis(tsv))) / 3;
            s = m;
        } else {
            m = axis(csv) / 2 - (axis(psv) + s + axis(tsv)) / 2;
        }
    } else if (s == -1) {
        s = (axis(csv) - (m + axis(psv))) / 2 - axis(tsv) / 2;
    }
    switch (layout_) {
    case blGlyphLeft:
    case blGlyphTop:
        axis(pp) = m;
        axis(tp) = m + axis(psv) + s;
        break;
    case blGlyphRight:
    case blGlyphBottom:
        axis(pp) = axis(csv) - m - axis(psv);
        axis(tp) = axis(pp) - s - axis(tsv);
        break;
    }
    captionRect = text;
    OffsetRect(captionRect, client.Left + tp.X, client.Top + tp.Y);
    pictureRect = client;
    if (ps.X != 0 && ps.Y != 0)
        pictureRect = Bounds(client.Left + pp.X, client.Top + pp.Y, ps.X, ps.Y);
}

void TRzBmpButton::Paint()
{
    if (!Enabled()) {
        state_ = stDisabled;
        dragging_ = false;
    } else if (state_ == stDisabled) {
        // A down button re-enabled shows pressed until its state is set again.
        state_ = down_ ? stPressed : stUp;
    }
    TBitmap off(std::max(Width(), 1), std::max(Height(), 1));
    if (buttonBorder_ == bbNone) {
        // The toolkit composites the parent's drawing under the face's transparent pixels.
        off.SetPixelFormat(pf32bit);
        off.AlphaFormat = afPremultiplied;
        for (int y = 0; y < off.Height(); ++y)
            std::ranges::fill(off.ScanLine(y), TRGBQuad{});
    }
    TCanvas& canvas = off.Canvas();
    canvas.Font() = Font();
    TRect r = ClientRect();
    canvas.Brush().Color = Color();
    const int bevel = newLook() ? 1 : 2;
    switch (buttonBorder_) {
    case bbNone: break;
    case bbSingle:
        canvas.FillRect(r);
        canvas.Brush().Color = clBlack;
        canvas.FrameRect(r);
        canvas.Brush().Color = Color();
        InflateRect(r, -1, -1);
        break;
    case bbButton: {
        const bool sunken = state_ == stPressed || state_ == stStayDown;
        DrawEdge(canvas, r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
        InflateRect(r, -1, -1);
        break;
    }
    }
    if (state_ == stStayDown && buttonBorder_ != bbNone) {
        const int k = newLook() ? 2 : 1;
        if (showDownPattern_)
            canvas.Brush().Bitmap = &qx::rz::downPattern();
        canvas.FillRect({r.Left - bevel, r.Top - bevel, r.Right - k + bevel, r.Bottom - k + bevel});
        canvas.Brush().Bitmap = nullptr;
    }
    TBitmap embossed;
    const bool noPicture = bitmaps_.Up().Empty() && !(state_ == stDisabled && !bitmaps_.Disabled().Empty());
    const TBitmap* picture = noPicture ? nullptr : choosePicture(embossed);
    TRect captionRect, pictureRect;
    layout(canvas, r, picture, captionRect, pictureRect);
    if (picture && !picture->Empty()) {
        const TColor key = bitmaps_.TransparentColor();
        const TRect whole{0, 0, picture->Width(), picture->Height()};
        switch (buttonSize_) {
        case bszNeither: BlitTransparent(canvas, *picture, pictureRect, whole, key); break;
        case bszButtonToBitmap: StretchBlitTransparent(canvas, *picture, r, whole, key); break;
        case bszStretchToButton: StretchBitmapTransparent(canvas, *picture, r, key); break;
        case bszTileToButton: TileBitmapTransparent(canvas, *picture, r, key); break;
        }
    }
    canvas.Font() = Font();
    if (!Caption().empty()) {
        canvas.Brush().Style = bsClear;
        if (state_ == stDisabled) {
            TRect shifted = captionRect;
            OffsetRect(shifted, 1, 1);
            canvas.Font().Color = clWhite;
            DrawTextCentered(canvas, Caption(), shifted);
            canvas.Font().Color = clGray;
        } else if (state_ == stPressed || state_ == stStayDown) {
            OffsetRect(captionRect, captionDownOffset_, captionDownOffset_);
        }
        DrawTextCentered(canvas, Caption(), captionRect);
        canvas.Brush().Style = bsSolid;
    }
    if (hasFocus_ && showFocus_) {
        canvas.Brush().Color = clBtnFace;
        TRect focus = captionRect;
        InflateRect(focus, 2, 2);
        canvas.DrawFocusRect(focus);
    }
    canvas.Detach();
    Canvas()->Draw(0, 0, off);
}
