#include "controls/buttons/rz/RzLabel.h"

#include "platform/gui/canvas/Bitmap.h"

#include <cmath>
#include <numbers>

TRzLabel::TRzLabel(TComponent* AOwner) : TLabel(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
    AcquireBlinkingControlsList().Add(this);
    SetColor(clBtnFace);
    SetParentColor(true);
    fontColor_ = currentColor_ = origColor_ = Font().Color;
}

TRzLabel::~TRzLabel()
{
    if (TRzBlinkingControlsList* list = BlinkingControlsList())
        list->Remove(this);
    ReleaseBlinkingListIfEmpty();
}

void TRzLabel::SetAngle(int Value)
{
    Value = ((Value % 360) + 360) % 360;
    if (Value == angle_)
        return;
    angle_ = Value;
    if (angle_ != 0 && rotation_ == roNone)
        rotation_ = roFlat;
    adjustSize();
    Repaint();
}

void TRzLabel::SetRotation(TRotation Value)
{
    if (Value == rotation_)
        return;
    rotation_ = Value;
    if (Value == roNone)
        angle_ = 0;
    if (Value == roFlat) {
        angle_ = 0;
        centerPoint_ = cpCenter;
    }
    Invalidate();
}

void TRzLabel::SetBlinking(bool Value)
{
    if (Value == blinking_)
        return;
    blinking_ = Value;
    if (!Value) {
        currentColor_ = fontColor_;
        Repaint();
    }
}

std::uint16_t TRzLabel::BlinkIntervalOff() const { return AcquireBlinkingControlsList().IntervalOff(); }
void TRzLabel::SetBlinkIntervalOff(std::uint16_t Value) { AcquireBlinkingControlsList().SetIntervalOff(Value); }
std::uint16_t TRzLabel::BlinkIntervalOn() const { return AcquireBlinkingControlsList().IntervalOn(); }
void TRzLabel::SetBlinkIntervalOn(std::uint16_t Value) { AcquireBlinkingControlsList().SetIntervalOn(Value); }

void TRzLabel::SetCondenseCaption(TRzCondenseCaption Value)
{
    if (Value != ccNone)
        SetAutoSize(false);
    changePainted(condenseCaption_, Value);
}

void TRzLabel::SetFlyByEnabled(bool Value)
{
    if (Value == flyByEnabled_)
        return;
    if (!Value && flyByEnabled_) {
        TFont f = Font();
        f.Color = origColor_;
        SetFont(f);
    }
    flyByEnabled_ = Value;
    Invalidate();
}

void TRzLabel::ApplyFrameControllerSettings()
{
    if (const TRzFrameController* fc = FrameController())
        qx::rz::applyPanelFrameSettings(*this, *fc, notifications_);
}

void TRzLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TLabel::Notification(AComponent, Operation);
    if (Operation == opRemove)
        frameLink_.removed(AComponent);
}

void TRzLabel::Loaded()
{
    TLabel::Loaded();
    adjustSize();
    if (rotation_ == roNone && angle_ != 0)
        rotation_ = roFlat;
    fontColor_ = currentColor_ = Font().Color;
}

void TRzLabel::BlinkStateChanged(TBlinkState State)
{
    // The list sends the ordinal of its own new state, so a blinking label shows the blink
    // colour while the list's state is bsOff.
    if (blinking_)
        setBlinkState(static_cast<int>(State) != 0);
}

void TRzLabel::setBlinkState(bool On)
{
    currentColor_ = On ? blinkColor_ : fontColor_;
    Repaint();
}

void TRzLabel::TextChanged()
{
    TLabel::TextChanged();
    adjustSize();
}

void TRzLabel::adjustSize()
{
    if (!AutoSize() || ComponentState().Contains(csReading) || Loading())
        return;
    TRect r = AdjustBorderRect(ClientRect(), borderOuter_, borderInner_, borderSides_, bevelWidth_);
    InflateRect(r, -borderWidth_, -borderWidth_);
    OffsetRect(r, -r.Left, -r.Top);
    TBitmap screen(1, 1);
    TCanvas& canvas = screen.Canvas();
    canvas.Font() = Font();
    unsigned flags = DT_CALCRECT | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : 0u);
    if (condenseCaption_ == ccAtEnd)
        flags |= DT_END_ELLIPSIS;
    else if (condenseCaption_ == ccWithinPath)
        flags |= DT_PATH_ELLIPSIS;
    canvas.DrawText(Caption().empty() ? std::string(" ") : Caption(), r, flags);
    int w = r.Right, h = r.Bottom;
    auto grow = [&](int n) {
        if (borderSides_.Contains(sdLeft)) w += n;
        if (borderSides_.Contains(sdRight)) w += n;
        if (borderSides_.Contains(sdTop)) h += n;
        if (borderSides_.Contains(sdBottom)) h += n;
    };
    grow(FrameStyleInset(borderOuter_, bevelWidth_));
    grow(borderWidth_);
    w += 2 * textMargin_;
    h += 2 * textMargin_;
    grow(FrameStyleInset(borderInner_, bevelWidth_));
    if (rotation_ == roNone && textStyle_ == tsShadow) {
        w += shadowDepth_;
        h += shadowDepth_;
    }
    if (rotation_ == roFlat && angle_ != 0 && angle_ != 180) {
        if (textStyle_ == tsShadow) {
            w += shadowDepth_ / 2;
            h += shadowDepth_ / 2;
        }
        double d = (angle_ % 90) * std::numbers::pi / 180;
        if (angle_ == 90 || angle_ == 270)
            d += std::numbers::pi / 2;
        const int rw = static_cast<int>(std::lround(w * std::cos(d) + h * std::sin(d)));
        const int rh = static_cast<int>(std::lround(w * std::sin(d) + h * std::cos(d)));
        w = rw;
        h = rh;
    }
    const int left = Alignment() == taRightJustify ? Left() + Width() - w : Left();
    SetBounds(left, Top(), w, h);
}

void TRzLabel::FontChanged()
{
    TLabel::FontChanged();
    adjustSize();
    if (!Loading() && !blinking_)
        fontColor_ = currentColor_ = Font().Color;
}

void TRzLabel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        if (flyByEnabled_) {
            origColor_ = Font().Color;
            TFont f = Font();
            f.Color = flyByColor_;
            SetFont(f);
        }
        break;
    case CM_MOUSELEAVE:
        if (flyByEnabled_) {
            TFont f = Font();
            f.Color = origColor_;
            SetFont(f);
        }
        break;
    case CM_TEXTCHANGED:
        TLabel::Dispatch(Message);
        Invalidate();
        return;
    default:
        break;
    }
    TLabel::Dispatch(Message);
}

TRzPanelBorder TRzLabel::border() const
{
    TRzPanelBorder b;
    b.outer = borderOuter_;
    b.inner = borderInner_;
    b.transparent = Transparent();
    b.parentColor = Parent() ? Parent()->Color() : clBtnFace;
    b.color = Color();
    b.flatColorAdjustment = flatColorAdjustment_;
    b.flatColor = flatColor_;
    b.shadow = borderShadow_;
    b.highlight = borderHighlight_;
    b.borderColor = borderColor_;
    b.bevelWidth = bevelWidth_;
    b.sides = borderSides_;
    b.borderWidth = borderWidth_;
    return b;
}

unsigned TRzLabel::textFlags() const
{
    unsigned flags = Alignment() == taLeftJustify ? DT_LEFT : Alignment() == taRightJustify ? DT_RIGHT : DT_CENTER;
    flags |= DT_EXPANDTABS;
    if (WordWrap())
        flags |= DT_WORDBREAK;
    if (!ShowAccelChar())
        flags |= DT_NOPREFIX;
    if (condenseCaption_ == ccAtEnd)
        flags |= DT_END_ELLIPSIS;
    else if (condenseCaption_ == ccWithinPath)
        flags |= DT_PATH_ELLIPSIS;
    return flags;
}

void TRzLabel::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect r = DrawPanelBorder(canvas, {0, 0, Width(), Height()}, border());
    canvas.Brush().Color = Color();
    if (!Transparent()) {
        canvas.Brush().Style = bsSolid;
        canvas.FillRect(r);
    }
    canvas.Brush().Style = bsClear;
    canvas.Font() = Font();
    if (rotation_ == roCurve)
        drawArcText(canvas);
    else
        drawFlatText(canvas);
    canvas.Font().Orientation = 0;
    canvas.Brush().Style = bsSolid;
}

void TRzLabel::drawStyled(TCanvas& canvas, const std::function<void(int dx, int dy)>& draw, int shadowOffset)
{
    if (!Enabled()) {
        canvas.Font().Color = clGrayText;
        draw(0, 0);
        return;
    }
    const bool raised = textStyle_ == tsRaised;
    if (raised || textStyle_ == tsRecessed) {
        const TColor a = raised ? highlightColor_ : shadowColor_;
        const TColor b = raised ? shadowColor_ : highlightColor_;
        if (!raised || !lightTextStyle_) {
            canvas.Font().Color = b;
            draw(1, 1);
        }
        if (raised || !lightTextStyle_) {
            canvas.Font().Color = a;
            draw(-1, -1);
        }
    } else if (textStyle_ == tsShadow) {
        canvas.Font().Color = shadowColor_;
        draw(shadowOffset, shadowOffset);
    }
    canvas.Font().Color = currentColor_;
    draw(0, 0);
}

void TRzLabel::drawFlatText(TCanvas& canvas)
{
    TRect t = AdjustBorderRect(ClientRect(), borderOuter_, borderInner_, borderSides_, bevelWidth_);
    InflateRect(t, -(borderWidth_ + textMargin_), -(borderWidth_ + textMargin_));
    const unsigned flags = textFlags();
    if (rotation_ == roNone) {
        if (Layout() != tlTop) {
            TRect measure = t;
            canvas.DrawText(Caption(), measure, flags | DT_CALCRECT);
            const int free = t.Height() - measure.Height();
            OffsetRect(t, 0, Layout() == tlBottom ? free : free / 2);
        }
        if ((flags & DT_RIGHT) && textStyle_ == tsShadow)
            OffsetRect(t, -shadowDepth_, 0);
        if (Layout() == tlBottom && textStyle_ == tsShadow)
            OffsetRect(t, 0, -shadowDepth_);
        drawStyled(canvas, [&](int dx, int dy) {
            TRect moved = t;
            OffsetRect(moved, dx, dy);
            canvas.DrawText(Caption(), moved, flags);
        }, shadowDepth_);
        return;
    }
    drawRotatedText(canvas, t);
}

TRzLabel::TextAnchor TRzLabel::rotatedAnchor(TCanvas& canvas, const TRect& t) const
{
    // The anchor point and how the text hangs from it, by the angle and Alignment.
    const int px = Width() / 2, py = Height() / 2;
    const double a = (angle_ + 90) * std::numbers::pi / 180;
    const int h = canvas.TextHeight("Pp"), q = h / 4;
    const int e = textStyle_ == tsShadow ? shadowDepth_ / 2 : 0;
    const int h2 = h + e, f = canvas.TextWidth(Caption()) + e;
    const int cx = px - static_cast<int>(std::lround(std::cos(a) * q));
    const TAlignment align = Alignment();
    switch (angle_) {
    case 0: {
        const int y = py - h2 / 2;
        if (align == taCenter)
            return {px, y, TextAnchor::CentreTop};
        return {align == taRightJustify ? t.Right - (f - e) - 2 * e : t.Left + e, y, TextAnchor::LeftTop};
    }
    case 90: {
        const int y = align == taCenter ? t.Bottom - (t.Bottom - f) / 2 : align == taRightJustify ? t.Top + e + f : t.Bottom - e;
        return {cx, y, TextAnchor::LeftBaseline};
    }
    case 180: {
        const int x = align == taCenter ? t.Right - (t.Right - f) / 2 : align == taRightJustify ? t.Left + f : t.Right - e;
        return {x, py - h2 / 4, TextAnchor::LeftBaseline};
    }
    case 270: {
        const int y = align == taCenter ? (t.Bottom - f) / 2 : align == taRightJustify ? t.Bottom - f - e : t.Top + e;
        return {cx, y, TextAnchor::LeftBaseline};
    }
    default:
        return {cx, py + static_cast<int>(std::lround(std::sin(a) * q)), TextAnchor::CentreBaseline};
    }
}

void TRzLabel::drawRotatedText(TCanvas& canvas, const TRect& t)
{
    const TextAnchor anchor = rotatedAnchor(canvas, t);
    const std::string text = Caption();
    const int w = canvas.TextWidth(text);
    const int ascent = canvas.TextAscent();
    // TextOut turns the text about the top-left corner of its first cell: find that corner
    // from the anchor along the text's direction and its upright.
    const double rad = angle_ * std::numbers::pi / 180;
    const double dirX = std::cos(rad), dirY = -std::sin(rad), upX = -std::sin(rad), upY = -std::cos(rad);
    double sx = anchor.x, sy = anchor.y;
    if (anchor.kind == TextAnchor::CentreTop || anchor.kind == TextAnchor::CentreBaseline) {
        sx -= dirX * w / 2.0;
        sy -= dirY * w / 2.0;
    }
    if (anchor.kind == TextAnchor::LeftBaseline || anchor.kind == TextAnchor::CentreBaseline) {
        sx += upX * ascent;
        sy += upY * ascent;
    }
    const int x = static_cast<int>(std::lround(sx)), y = static_cast<int>(std::lround(sy));
    const int e = textStyle_ == tsShadow ? shadowDepth_ / 2 : 0;
    canvas.Font().Orientation = angle_ * 10;
    canvas.SaveState();
    canvas.IntersectClipRect(t);
    drawStyled(canvas, [&](int dx, int dy) {
        // The shadow lies e right and down; the text itself e left and up of the anchor.
        const bool main = textStyle_ == tsShadow && dx == 0 && dy == 0;
        canvas.TextOut(x + dx - (main ? e : 0), y + dy - (main ? e : 0), Caption());
    }, e);
    canvas.RestoreState();
}

void TRzLabel::drawArcText(TCanvas& canvas)
{
    const int b = borderWidth_, m = 2 * b, W = Width(), H = Height();
    TPoint c{W / 2, H / 2};
    int rx = W / 2 - m, ry = H / 2 - m;
    switch (centerPoint_) {
    case cpUpperLeft: c = {b, b}; rx = W - m; ry = H - m; break;
    case cpUpperCenter: c = {W / 2, b}; rx = W / 2 - m; ry = H - m; break;
    case cpUpperRight: c = {W - b, b}; rx = W - m; ry = H - m; break;
    case cpLeftCenter: c = {b, H / 2}; rx = W - m; ry = H / 2 - m; break;
    case cpCenter: break;
    case cpRightCenter: c = {W - b, H / 2}; rx = W - m; ry = H / 2 - m; break;
    case cpLowerLeft: c = {b, H - b}; rx = W - m; ry = H - m; break;
    case cpLowerCenter: c = {W / 2, H - b}; rx = W / 2 - m; ry = H - m; break;
    case cpLowerRight: c = {W - b, H - b}; rx = W - m; ry = H - m; break;
    }
    // A radius of 0 or less leaves nothing to set the text along.
    if (rx <= 0 || ry <= 0)
        return;
    double theta = angle_ * std::numbers::pi / 180;
    const int hy = canvas.TextHeight("Yy");
    const int step = canvas.TextWidth("w") + 2;
    for (const char ch : Caption()) {
        const std::string s(1, ch);
        const int x = c.X - static_cast<int>(std::lround((rx - hy) * std::sin(theta)));
        const int y = c.Y - static_cast<int>(std::lround((ry - hy) * std::cos(theta)));
        canvas.Font().Orientation = static_cast<int>(std::lround(theta * 1800 / std::numbers::pi));
        drawStyled(canvas, [&](int dx, int dy) { canvas.TextOut(x + dx, y + dy, s); }, shadowDepth_);
        theta -= static_cast<double>(step) / rx;
    }
}
