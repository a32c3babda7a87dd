#include "controls/buttons/rz/RzBorder.h"

#include "controls/buttons/ButtonArt.h"

#include <algorithm>
#include <limits>

namespace {

int toInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

/// The outline the meter fills for a quad: its right and bottom corners pulled in by one.
std::array<TPoint, 4> fillOutline(const MeterQuad& q)
{
    return {q[0], TPoint{q[1].X - 1, q[1].Y}, TPoint{q[2].X - 1, q[2].Y - 1}, TPoint{q[3].X, q[3].Y - 1}};
}

} // namespace

TRzBorder::TRzBorder(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 50, 50);
}

void TRzBorder::SetFlatColor(TColor Value)
{
    if (flatColor_ != Value) {
        flatColor_ = Value;
        Invalidate();
    }
}

void TRzBorder::SetFlatColorAdjustment(int Value)
{
    if (flatColorAdjustment_ != Value) {
        flatColorAdjustment_ = Value;
        Invalidate();
    }
}

void TRzBorder::ApplyFrameControllerSettings()
{
    if (const TRzFrameController* fc = FrameController())
        qx::rz::applyPanelFrameSettings(*this, *fc, notifications_);
}

void TRzBorder::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove)
        frameLink_.removed(AComponent);
}

TRect TRzBorder::BorderClientRect() const
{
    TRect r = ClientRect();
    InflateRect(r, -borderWidth_, -borderWidth_);
    r = AdjustBorderRect(r, borderOuter_, borderInner_, borderSides_, bevelWidth_);
    if (r.Bottom < r.Top || r.Right < r.Left)
        return {};
    return r;
}

void TRzBorder::Paint()
{
    TRzPanelBorder b;
    b.outer = borderOuter_;
    b.inner = borderInner_;
    b.borderWidth = borderWidth_;
    b.sides = borderSides_;
    b.bevelWidth = bevelWidth_;
    b.borderColor = borderColor_;
    b.highlight = borderHighlight_;
    b.shadow = borderShadow_;
    b.flatColor = flatColor_;
    b.flatColorAdjustment = flatColorAdjustment_;
    b.color = FillColor();
    b.parentColor = Parent() ? Parent()->Color() : clBtnFace;
    b.transparent = !ControlStyle().Contains(csOpaque);
    DrawPanelBorder(*Canvas(), {0, 0, Width(), Height()}, b);
}

// ---- TRzMeter ----

TRzMeter::TRzMeter(TComponent* AOwner) : TRzBorder(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
    SetBorderOuter(fsStatus);
    SetColor(clWindow);
    SetParentColor(true);
    SetBounds(0, 0, 150, 30);
}

void TRzMeter::SetMin(int Value)
{
    if (min_ == Value)
        return;
    min_ = Value == max_ ? max_ - 1 : Value;
    Repaint();
}

void TRzMeter::SetMax(int Value)
{
    if (max_ == Value)
        return;
    max_ = Value == min_ ? min_ + 1 : Value;
    Repaint();
}

void TRzMeter::SetValue(int Value)
{
    if (Value == value_)
        return;
    // The lower bound first, so that Min > Max ends at Max.
    value_ = std::min(std::max(Value, min_), max_);
    Repaint();
}

void TRzMeter::AddValue(int Number)
{
    SetValue(toInt(static_cast<std::int64_t>(value_) + Number));
    Repaint();
}

int TRzMeter::Percent() const { return range() == 0 ? 0 : toInt(span() * 100 / range()); }

void TRzMeter::SetBitmap(const TBitmap& Value)
{
    bitmap_ = Value;
    Repaint();
}

void TRzMeter::SetBitmapResource(const std::string& Value)
{
    qx::buttons::loadPictureResource(bitmap_, Value);
    bitmapResource_ = Value;
    Repaint();
}

void TRzMeter::SetSegCount(int Index, int Value)
{
    change(segCount_[Index], std::clamp(Value, 1, 255));
}

void TRzMeter::Paint()
{
    if (Height() < 4 || Width() < 4)
        return;
    const bool rectangular = meterShape_ == msRectangular;
    const TRect client = BorderClientRect();
    if (rectangular)
        TRzBorder::Paint();
    TRect r = rectangular ? client : TRect{0, 0, Width(), Height()};
    TBitmap b(std::max(r.Width(), 1), std::max(r.Height(), 1));
    TCanvas& canvas = b.Canvas();
    canvas.Font() = Font();
    canvas.Brush().Color = rectangular ? backColor_ : clBtnFace;
    canvas.FillRect({0, 0, b.Width(), b.Height()});
    int inset = 0;
    if (BorderOuter() == fsLowered || BorderOuter() == fsRaised) {
        MeterQuad q;
        if (!rectangular && MakeMeterQuad(q, r, trapezoidMin_, trapezoidShape_, direction_, trapezoidDir_)) {
            if (backColor_ != clBtnFace) {
                canvas.Brush().Color = backColor_;
                canvas.Pen().Color = backColor_;
                canvas.Polygon(fillOutline(q));
            }
            DrawQuadBevel(canvas, q, 1, BevelWidth());
        }
        inset = BevelWidth();
        InflateRect(r, -inset, -inset);
    }
    if (rectangular) {
        OffsetRect(r, -client.Left, -client.Top);
        --r.Left;
        --r.Top;
    }
    if (meterType_ == mtLED)
        drawSegments(canvas, r, inset);
    else
        drawBar(canvas, r, inset);
    if (rectangular)
        Canvas()->Draw(client.Left, client.Top, b);
    else
        Canvas()->Draw(0, 0, b);
}

void TRzMeter::drawBar(TCanvas& canvas, TRect r, int inset)
{
    TRect c = BorderClientRect();
    const bool trapezoid = meterShape_ == msTrapezoidal;
    const int narrow = trapezoidMin_ - 2 * inset;
    MeterQuad q1{}, q2{};
    bool q1ok = false, q2ok = false;
    if (trapezoid && trapezoidDir_ == tdSmallToLarge) {
        q1ok = MakeMeterQuad(q1, c, trapezoidMin_, trapezoidShape_, direction_, trapezoidDir_);
        q2ok = MakeMeterQuad(q2, r, narrow, trapezoidShape_, direction_, trapezoidDir_);
    }
    const std::int64_t s = span(), n = range() == 0 ? 1 : range();
    switch (direction_) {
    case dirRight: {
        const int e = toInt(s * r.Right / n);
        c.Right = e;
        r.Right = std::max(e, r.Left);
        break;
    }
    case dirDown: {
        const int e = toInt(s * r.Bottom / n);
        c.Bottom = e;
        r.Bottom = std::max(e, r.Top);
        break;
    }
    case dirUp:
        r.Top = std::min(toInt(static_cast<std::int64_t>(r.Bottom) + r.Top - s * r.Bottom / n), r.Bottom);
        c.Top = r.Top;
        break;
    case dirLeft:
        r.Left = std::min(toInt(static_cast<std::int64_t>(r.Right) + r.Left - s * r.Right / n), r.Right);
        c.Left = r.Left;
        break;
    }
    if (trapezoid && trapezoidDir_ == tdSmallToLarge) {
        q1ok = q1ok && ClipMeterQuad(q1, c, direction_, q1);
        q2ok = q2ok && ClipMeterQuad(q2, r, direction_, q2);
    }
    if (trapezoid && trapezoidDir_ == tdLargeToSmall)
        q2ok = MakeMeterQuad(q2, r, narrow, trapezoidShape_, direction_, trapezoidDir_);
    const bool drawQuad = trapezoid && q2ok && value_ > 0;
    if (!bitmap_.Empty()) {
        if (!trapezoid) {
            TileBitmap(canvas, bitmap_, r);
        } else if (drawQuad) {
            const TRegion clip = TRegion::FromPolygon(fillOutline(q2), fmWinding);
            canvas.SaveState();
            canvas.SelectClipRegion(&clip);
            TileBitmap(canvas, bitmap_, r);
            canvas.RestoreState();
        }
    } else {
        canvas.Brush().Style = brushStyle_;
        canvas.Brush().Color = barColor_;
        canvas.Pen().Color = barColor_;
        if (!trapezoid)
            brushStyle_ == bsSolid ? canvas.FillRect(r) : canvas.Rectangle(r);
        else if (drawQuad)
            canvas.Polygon(fillOutline(q2));
        canvas.Brush().Style = bsSolid;
    }
    const TRect full = BorderClientRect();
    if (meterType_ == mtBar3D && 2 * BevelWidth() < full.Width() && 2 * BevelWidth() < full.Height()) {
        if (!trapezoid) {
            DrawSideRings(canvas, r, clBtnHighlight, clBtnShadow, BevelWidth(), kAllSides);
        } else {
            if (trapezoidDir_ == tdLargeToSmall)
                q1ok = MakeMeterQuad(q1, c, trapezoidMin_, trapezoidShape_, direction_, trapezoidDir_);
            if (q1ok)
                DrawQuadBevel(canvas, q1, 2, BevelWidth());
        }
    }
    if (showPercent_) {
        const std::string text = std::to_string(Percent()) + "%";
        canvas.Brush().Style = bsClear;
        canvas.TextOut((ClientWidth() - canvas.TextWidth(text)) / 2, (ClientHeight() - canvas.TextHeight(text)) / 2, text);
        canvas.Brush().Style = bsSolid;
    }
}

void TRzMeter::drawSegments(TCanvas& canvas, TRect r, int inset)
{
    const int n = segCount_[0] + segCount_[1] + segCount_[2];
    const std::int64_t lit = range() == 0 ? 0 : n * span() / range();
    const bool trapezoid = meterShape_ == msTrapezoidal;
    MeterQuad q{};
    bool quadOk = false;
    if (trapezoid) {
        quadOk = MakeMeterQuad(q, r, trapezoidMin_ - 2 * inset, trapezoidShape_, direction_, trapezoidDir_);
        InflateMeterQuad(q, -segSpacing_);
    }
    InflateRect(r, -(segSpacing_ + 1), -segSpacing_);
    canvas.Pen().Style = psSolid;
    canvas.Pen().Width = 1;
    canvas.Pen().Color = clBlack;
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = segColor_[0];
    const int gaps = segSpacing_ * (n - 2);
    const bool vertical = direction_ == dirUp || direction_ == dirDown;
    const int w = vertical ? r.Width() : (r.Width() - gaps) / n;
    const int h = vertical ? (r.Height() - gaps) / n : r.Height();
    int x = r.Left, y = r.Top;
    if (direction_ == dirUp)
        y = r.Bottom - h;
    if (direction_ == dirLeft)
        x = r.Right - w;
    int zone = 0, inZone = 0;
    for (int k = 0; k < n; ++k) {
        if (k < lit) {
            if (zone < 3 && inZone >= segCount_[zone]) {
                ++zone;
                if (zone < 3) {
                    inZone = 0;
                    canvas.Brush().Color = segColor_[zone];
                }
            }
        } else if (k == std::max<std::int64_t>(lit, 0)) {
            canvas.Brush().Color = segOffColor_;
        }
        if (!trapezoid) {
            canvas.FillRect({x, y + 1, x + w, y + h});
        } else if (MeterQuad part; quadOk && ClipMeterQuad(q, {x, y, x + w, y + h}, direction_, part)) {
            canvas.Polygon(fillOutline(part));
        }
        switch (direction_) {
        case dirUp: y -= segSpacing_ + h; break;
        case dirDown: y += segSpacing_ + h; break;
        case dirLeft: x -= segSpacing_ + w; break;
        case dirRight: x += segSpacing_ + w; break;
        }
        ++inZone;
    }
}
