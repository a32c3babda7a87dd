#include "controls/buttons/rz/RzShapeButton.h"

#include "controls/buttons/Accelerators.h"
#include "controls/buttons/ButtonArt.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {

struct Offset
{
    int dx, dy;
};

// Offsets from an opaque pixel at which each ring lies, by ring and side (side 0: right and
// bottom, side 1: left and top).
const std::vector<Offset> kRing1Side0{{1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}};
const std::vector<Offset> kRing1Side1{{-1, 0}, {-1, -1}, {0, -1}};
const std::vector<Offset> kRing2Side0{{2, -2}, {2, -1}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {-1, 2}, {-2, 2}};
const std::vector<Offset> kRing2Side1{{-2, 1}, {-2, 0}, {-2, -1}, {-2, -2}, {-1, -2}, {0, -2}, {1, -2}};
const std::vector<Offset> kRing3Side0{{3, -3}, {3, -2}, {3, -1}, {3, 0}, {3, 1}, {3, 2}, {3, 3},
                                      {2, 3},  {1, 3},  {0, 3},  {-1, 3}, {-2, 3}, {-3, 3}};
const std::vector<Offset> kRing3Side1{{-3, 2}, {-3, 1}, {-3, 0}, {-3, -1}, {-3, -2}, {-3, -3},
                                      {-2, -3}, {-1, -3}, {0, -3}, {1, -3}, {2, -3}};

const std::vector<Offset>& ringOffsets(int ring, int side)
{
    static const std::vector<Offset>* table[3][2] = {
        {&kRing1Side0, &kRing1Side1}, {&kRing2Side0, &kRing2Side1}, {&kRing3Side0, &kRing3Side1}};
    return *table[ring - 1][side];
}

} // namespace

TRzShapeButton::TRzShapeButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 80, 80);
    SetControlStyle({csCaptureMouse});
    SetParentFont(true);
}

void TRzShapeButton::SetAutoSize(bool Value)
{
    if (autoSize_ == Value)
        return;
    autoSize_ = Value;
    SetBounds(Left(), Top(), Width(), Height());
}

void TRzShapeButton::SetBitmap(const TBitmap& Value)
{
    bitmap_ = Value;
    regenerate();
}

void TRzShapeButton::SetBitmapResource(const std::string& Value)
{
    TBitmap loaded;
    qx::buttons::loadPictureResource(loaded, Value);
    bitmapResource_ = Value;
    SetBitmap(loaded);
}

void TRzShapeButton::SetCaptionPosition(TRzCaptionPosition Value)
{
    if (captionPosition_ == Value)
        return;
    captionPosition_ = Value;
    Invalidate();
}

void TRzShapeButton::SetCaptionXY(int X, int Y)
{
    if (X == captionX_ && Y == captionY_)
        return;
    captionX_ = X;
    captionY_ = Y;
    captionPosition_ = cpXY;
    Invalidate();
}

void TRzShapeButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (autoSize_ && !ComponentState().Contains(csReading) && !bitmap_.Empty()) {
        AWidth = bitmap_.Width() + 4;
        AHeight = bitmap_.Height() + 4;
    }
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

TBitmap TRzShapeButton::generate(bool down) const
{
    TBitmap target = bitmap_;
    const TColor key = ColorToRGB(bitmap_.TransparentColor());
    const int w = bitmap_.Width(), h = bitmap_.Height();
    auto seeThrough = [key](TRGBQuad p) { return qx::colorFromRgbQuad(p) == key; };
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && !seeThrough(bitmap_.ScanLine(y)[x]);
    };
    TColor highlight = bevelHighlightColor_;
    if (ColorToRGB(highlight) == key)
        highlight = ColorDarkenedBy(highlight, 1);
    const int steps = std::min(bevelWidth_ + (borderStyle_ == bsSingle ? 1 : 0), 3);
    for (int ring = 1; ring <= steps; ++ring) {
        const TBitmap current = target;
        const bool last = ring == steps;
        for (int side = 0; side < 2; ++side) {
            if (down && last && side == 0)
                continue;
            TColor color;
            if (last && borderStyle_ == bsSingle)
                color = borderColor_;
            else if (!down)
                color = side == 0 ? bevelShadowColor_ : highlight;
            else
                color = side == 0 ? highlight : bevelShadowColor_;
            const TRGBQuad paint = qx::rgbQuadFromColor(color);
            for (int y = 0; y < h; ++y) {
                const auto before = current.ScanLine(y);
                const auto out = target.ScanLine(y);
                for (int x = 0; x < w; ++x) {
                    if (!seeThrough(before[x]))
                        continue;
                    for (const Offset& o : ringOffsets(ring, side))
                        if (opaque(x - o.dx, y - o.dy)) {
                            out[x] = paint;
                            break;
                        }
                }
            }
        }
    }
    return target;
}

void TRzShapeButton::regenerate()
{
    SetBounds(Left(), Top(), Width(), Height());
    if (!ComponentState().Contains(csReading) && !Loading()) {
        if (bitmap_.Empty()) {
            bitmapUp_ = TBitmap();
            bitmapDown_ = TBitmap();
            mask_.reset();
            SetWindowRgn(nullptr);
        } else {
            bitmapUp_ = generate(false);
            bitmapDown_ = generate(true);
            applyHitMask();
        }
    }
    Invalidate();
}

void TRzShapeButton::applyHitMask()
{
    // The shape and its rings take clicks: every pixel of the up image that is not the
    // picture's transparent colour.
    mask_ = TRegion::FromMask(bitmapUp_.CreateMask(bitmap_.TransparentColor()));
    // Clicks on see-through pixels go to what lies beneath.
    if (preciseClick_)
        SetWindowRgn(&*mask_);
}

void TRzShapeButton::SetPreciseClick(bool Value)
{
    preciseClick_ = Value;
    SetWindowRgn(Value && mask_ ? &*mask_ : nullptr);
}

void TRzShapeButton::Loaded()
{
    TGraphicControl::Loaded();
    if (!bitmap_.Empty())
        regenerate();
}

bool TRzShapeButton::PtInMask(int X, int Y) const
{
    return !mask_ || mask_->Contains({X, Y});
}

bool TRzShapeButton::hit(int X, int Y) const
{
    if (preciseClick_)
        return PtInMask(X, Y);
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TRzShapeButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (!preciseClick_ || PtInMask(X, Y)) {
        down_ = true;
        Repaint();
    }
    dragging_ = true;
}

void TRzShapeButton::followMask(bool inside)
{
    if (preciseShowHint_ && !inside) {
        if (!hintSaved_) {
            hintSaved_ = true;
            savedShowHint_ = ShowHint();
            savedParentShowHint_ = ParentShowHint();
            SetShowHint(false);
            SetParentShowHint(false);
        }
        return;
    }
    if (!preciseClick_ || inside) {
        if (hintSaved_) {
            hintSaved_ = false;
            SetShowHint(savedShowHint_);
            SetParentShowHint(savedParentShowHint_);
        }
        if (cursorSaved_) {
            cursorSaved_ = false;
            SetCursor(savedCursor_);
        }
        return;
    }
    if (!cursorSaved_) {
        cursorSaved_ = true;
        savedCursor_ = Cursor();
        SetCursor(crDefault);
    }
}

void TRzShapeButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    followMask(PtInMask(X, Y));
    if (!dragging_)
        return;
    const bool in = hit(X, Y);
    if (in != down_) {
        down_ = in;
        Repaint();
    }
}

void TRzShapeButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!dragging_)
        return;
    dragging_ = false;
    const bool in = hit(X, Y);
    if (down_) {
        down_ = false;
        Repaint();
    }
    if (in)
        Click();
}

void TRzShapeButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && Enabled() && qx::buttons::IsAccel(static_cast<char16_t>(Message.WParam), Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    TGraphicControl::Dispatch(Message);
}

void TRzShapeButton::Paint()
{
    TCanvas& canvas = *Canvas();
    const TBitmap& picture = down_ ? bitmapDown_ : bitmapUp_;
    TRect d = ClientRect();
    if (!picture.Empty()) {
        if (down_)
            OffsetRect(d, 1, 1);
        canvas.BlitTransparent(Bounds(d.Left, d.Top, picture.Width(), picture.Height()), picture,
                               {0, 0, picture.Width(), picture.Height()}, ColorToRGB(bitmap_.TransparentColor()));
    }
    if (Caption().empty())
        return;
    canvas.Font() = Font();
    TRect c = ClientRect();
    if (captionPosition_ == cpXY) {
        c = {0, 0, ClientWidth(), 0};
        canvas.DrawText(Caption(), c, DT_CALCRECT);
        OffsetRect(c, captionX_, captionY_);
    }
    canvas.Brush().Style = bsClear;
    if (down_)
        OffsetRect(c, 1, 1);
    DrawTextCentered(canvas, Caption(), c);
    canvas.Brush().Style = bsSolid;
}
