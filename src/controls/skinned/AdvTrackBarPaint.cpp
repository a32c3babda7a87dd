// Painting of the fader: background, track line, thumb picture and focus frame.

#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/PaintGuard.h"
#include "controls/skinned/Rounding.h"
#include "controls/skinned/TrackBarDrawing.h"
#include "controls/skinned/TrackBarThumbShape.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

using qx::trackbar::TGradientDirection;
using enum qx::trackbar::TGradientDirection;

namespace {

// The colours of one state of the slider.
struct SliderLook
{
    const TGDIPPicture* picture;
    const TGDIPPicture* completedPicture;
    TColor border, color, colorTo, completed, completedTo;
};

void fillPart(TCanvas& canvas, const TRect& r, TColor from, TColor to, TGradientDirection direction,
              int steps)
{
    if (r.IsEmpty())
        return;
    if (from != clNone && to != clNone) {
        DrawGradientDir(canvas, from, to, direction, r, steps);
    } else if (from != clNone || to != clNone) {
        canvas.Brush().Style = bsSolid;
        canvas.Brush().Color = from != clNone ? from : to;
        canvas.FillRect(r);
    }
}

void drawPicturePart(TCanvas& canvas, const TGDIPPicture& picture, const TRect& part, const TRect& whole,
                     bool stretch)
{
    if (picture.Empty() || part.IsEmpty())
        return;
    if (stretch)
        return picture.Draw(canvas, part);
    if (part.Left <= 0 || part.Right <= 0)
        return;
    canvas.SaveState();
    canvas.IntersectClipRect(part);
    picture.Draw(canvas, Bounds(whole.Left, whole.Top, picture.Width(), picture.Height()));
    canvas.RestoreState();
}

} // namespace

void TCustomTrackBar::Paint()
{
    // The widget's backing store already buffers the paint off screen.
    if (Canvas())
        PaintTo(*Canvas());
}

void TCustomTrackBar::PaintTo(TCanvas& canvas)
{
    qx::paintGuarded(canvas, [&] { drawBackground(canvas); });
    if (RatingMode()) {
        qx::paintGuarded(canvas, [&] { drawRatingCells(canvas); });
        return;
    }
    qx::paintGuarded(canvas, [&] { drawLabel(canvas); });
    qx::paintGuarded(canvas, [&] { DrawSlider(canvas); });
    qx::paintGuarded(canvas, [&] { drawTicks(canvas); });
    qx::paintGuarded(canvas, [&] { DrawThumb(canvas); });
    qx::paintGuarded(canvas, [&] {
        drawButton(canvas, true);
        drawButton(canvas, false);
    });
    if (Focused() && showFocus_) {
        TRect r = ClientRect();
        r.Right -= 1;
        r.Bottom -= 1;
        DrawFocusFrame(canvas, r, clBlack);
    }
}

void TCustomTrackBar::drawBackground(TCanvas& canvas)
{
    const bool enabled = Enabled();
    const TGDIPPicture& picture =
        enabled || backGroundDisabled_->Empty() ? *backGround_ : *backGroundDisabled_;
    const TColor from = enabled ? Color() : colorDisabled_;
    const TColor to = enabled ? colorTo_ : colorDisabledTo_;
    const TColor border = enabled ? borderColor_ : borderColorDisabled_;
    if (!picture.Empty()) {
        picture.Draw(canvas,
                     backGroundStretched_ ? ClientRect() : Bounds(0, 0, picture.Width(), picture.Height()));
    } else if (!transparent_) {
        fillPart(canvas, ClientRect(), from, to, direction_, 80);
    }
    if (border != clNone) {
        canvas.Brush().Style = bsClear;
        canvas.Pen().Style = psSolid;
        canvas.Pen().Width = kBorderWidth;
        canvas.Pen().Color = border;
        canvas.Rectangle(ClientRect());
    }
}

void TCustomTrackBar::DrawSlider(TCanvas& canvas)
{
    const TTrackBarSlider& s = *slider_;
    if (s.Size() <= 0 || !s.Visible())
        return;
    const bool enabled = Enabled();
    const SliderLook look =
        enabled ? SliderLook{&s.Picture(), &s.PictureCompleted(), s.BorderColor(),     s.Color(),
                             s.ColorTo(),  s.ColorCompleted(),    s.ColorCompletedTo()}
                : SliderLook{s.PictureDisabled().Empty() ? &s.Picture() : &s.PictureDisabled(),
                             &s.PictureCompletedDisabled(),
                             s.BorderColorDisabled(),
                             s.ColorDisabled(),
                             s.ColorDisabledTo(),
                             s.ColorCompletedDisabled(),
                             s.ColorCompletedDisabledTo()};
    const TRect r = SliderRect();
    TRect completed{}, remaining = r;
    if (look.completed != clNone || !look.completedPicture->Empty()) {
        const TRect thumb = GetThumbRect();
        const int c = (vertical() ? thumb.Top : thumb.Left) + thumb_->Width() / 2;
        if (position_ == max_) {
            completed = r;
            remaining = {};
        } else if (position_ != min_) {
            completed = vertical() ? Rect(r.Left, c, r.Right, r.Bottom) : Rect(r.Left, r.Top, c, r.Bottom);
            remaining =
                vertical() ? Rect(r.Left, r.Top, r.Right, c + 1) : Rect(c - 1, r.Top, r.Right, r.Bottom);
        }
    }
    const bool hasPicture = !look.picture->Empty();
    canvas.SaveState();
    if (s.Rounded() && !hasPicture)
        canvas.IntersectClipRegion(TRegion::FromRoundRect(r, 7, 7));
    if (hasPicture) {
        drawPicturePart(canvas, *look.completedPicture, completed, r, s.PictureStretched());
        drawPicturePart(canvas, *look.picture, remaining, r, s.PictureStretched());
    } else {
        fillPart(canvas, completed, look.completed, look.completedTo, s.Direction(), s.Steps());
        fillPart(canvas, remaining, look.color, look.colorTo, s.Direction(), s.Steps());
    }
    canvas.RestoreState();
    if (look.border == clNone)
        return;
    canvas.Brush().Style = bsClear;
    canvas.Pen().Style = psSolid;
    canvas.Pen().Width = 1;
    canvas.Pen().Color = look.border;
    if (s.Rounded()) {
        canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 7, 7);
        if (s.Border3D()) {
            canvas.Pen().Color = clWhite;
            canvas.RoundRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1, 7, 7);
        }
    } else if (s.Border3D()) {
        DrawFrame3D(canvas, r, look.border, BlendColor(look.border, clWhite, 10));
    } else {
        canvas.Rectangle(r);
    }
}

void TCustomTrackBar::DrawThumb(TCanvas& canvas)
{
    const TTrackBarThumb& t = *thumb_;
    if (t.Size() < 1 || (!t.ShowAtMinMax() && (position_ == min_ || position_ == max_)))
        return;
    TGDIPPicture* picture = &t.Picture();
    qx::ThumbLook look{t.Color(),       t.ColorTo(),  t.ColorMirror(),   t.ColorMirrorTo(),
                       t.BorderColor(), t.Gradient(), t.GradientMirror()};
    if (thumbDown_) {
        if (!t.PictureDown().Empty())
            picture = &t.PictureDown();
        look = {t.ColorDown(),       t.ColorDownTo(), t.ColorMirrorDown(), t.ColorMirrorDownTo(),
                t.BorderColorDown(), t.Gradient(),    t.GradientMirror()};
    } else if (thumbHot_) {
        if (!t.PictureHot().Empty())
            picture = &t.PictureHot();
        look = {t.ColorHot(),       t.ColorHotTo(), t.ColorMirrorHot(), t.ColorMirrorHotTo(),
                t.BorderColorHot(), t.Gradient(),   t.GradientMirror()};
    }
    if (!Enabled()) {
        if (!t.PictureDisabled().Empty())
            picture = &t.PictureDisabled();
        look = {t.ColorDisabled(),         t.ColorDisabledTo(),     t.ColorMirrorDisabled(),
                t.ColorMirrorDisabledTo(), t.BorderColorDisabled(), t.Gradient(),
                t.GradientMirror()};
    }
    const TRect r = GetThumbRect();
    if (picture->Empty())
        return qx::drawThumbShape(canvas, r, look,
                                  {t.Shape(), t.Style(), tickMark_->Position(), vertical(), t.Size()});
    picture->GetImageSizes();
    canvas.Draw(r.Left, r.Top, *picture);
}

void TCustomTrackBar::drawTicks(TCanvas& canvas)
{
    const TTrackBarTick& t = *tickMark_;
    if (t.Size() <= 0 || t.Style() != tsAuto)
        return;
    const TRect sides[] = {GetTopLeftTickRect(), GetBottomRightTickRect()};
    const TRect& any = ticksOn(tmTopLeft) ? sides[0] : sides[1];
    const int stripStart = vertical() ? any.Top : any.Left;
    int last = (std::max(Width(), Height()) - 2 * stripStart) / 2;
    if (OnDrawTick || t.ShowText() || max_ < last)
        last = max_;
    const double k = last == min_ ? 0.0 : double(TravelLength()) / (double(last) - min_);
    // A drawing handler sees every value, unless the range is too long to walk.
    constexpr std::int64_t kEveryValueLimit = 100000;
    const bool everyValue = OnDrawTick && std::int64_t{last} - min_ < kEveryValueLimit;
    int drawn = -1000000;
    for (std::int64_t i = min_; i <= last;) {
        const int o = qx::saturate((double(i) - min_) * k);
        drawn = o;
        // The next value whose tick lies at least 2 pixels further on.
        std::int64_t next = k > 0 ? min_ + std::int64_t(std::ceil((drawn + 2) / k)) : std::int64_t{last} + 1;
        if (k > 0 && qx::saturate((double(next) - min_) * k) < drawn + 2)
            ++next;
        const auto value = static_cast<int>(i);
        i = everyValue ? i + 1 : std::max(i + 1, next);
        for (const TTickMark side : {tmTopLeft, tmBottomRight})
            if (ticksOn(side))
                drawTick(canvas, value, o, side, sides[side == tmTopLeft ? 0 : 1]);
    }
}

void TCustomTrackBar::drawTick(TCanvas& canvas, int value, int offset, TTickMark side, const TRect& strip)
{
    const TTrackBarTick& t = *tickMark_;
    const bool topLeft = side == tmTopLeft;
    const int at = vertical() ? strip.Bottom - offset : strip.Left + offset;
    int length = t.Size();
    TColor colour = Enabled() ? t.Color() : t.ColorDisabled();
    TColor textColour = t.Font().Color;
    std::string text;
    if (t.ShowText()) {
        text = std::to_string(value);
        qx::fire(OnGetTickMarkText, this, value, text);
    }
    bool draw = true;
    // The line lies at the strip's edge next to the track; a text takes the rest of the strip.
    const int lineStart =
        topLeft ? (vertical() ? strip.Right : strip.Bottom) - length : (vertical() ? strip.Left : strip.Top);
    const TPoint location = vertical() ? TPoint{lineStart, at} : TPoint{at, lineStart};
    qx::fire(OnDrawTick, this, &canvas, location, value, side, length, colour, textColour, text, draw);
    if ((t.ShowImageAtThumbOnly() && value != position_) ||
        (t.ShowImageAtSteps() > 1 && value % t.ShowImageAtSteps() != 0))
        draw = false;
    if (!draw)
        return;
    const auto line = [&](int along, TColor c) {
        canvas.Pen().Style = psSolid;
        canvas.Pen().Width = 1;
        canvas.Pen().Color = c;
        if (vertical()) {
            canvas.MoveTo(lineStart, along);
            canvas.LineTo(lineStart + length, along);
        } else {
            canvas.MoveTo(along, lineStart);
            canvas.LineTo(along, lineStart + length);
        }
    };
    if (tickImages_ && tickImages_->Count() > 0) {
        const int index = value >= 0 && value < tickImages_->Count() ? value : 0;
        const int middle = lineStart + length / 2;
        const TPoint centre = vertical() ? TPoint{middle, at} : TPoint{at, middle};
        tickImages_->Draw(canvas, centre.X - tickImages_->Width() / 2, centre.Y - tickImages_->Height() / 2, index);
    } else {
        line(at, colour);
        if (t.Line3D())
            line(vertical() ? at - 1 : at + 1, BlendColor(colour, clWhite, 10));
    }
    if (text.empty())
        return;
    canvas.Brush().Style = bsClear;
    canvas.Font() = t.Font();
    canvas.Font().Color = textColour;
    const TSize size = canvas.TextExtent(text);
    if (!vertical()) {
        const int y = topLeft ? lineStart - size.cy : lineStart + length;
        canvas.TextOut(at - size.cx / 2, y, text);
    } else if (t.RotateFontVert()) {
        canvas.Font().Orientation = topLeft ? 900 : 2700;
        const int x = topLeft ? lineStart - size.cy : lineStart + length + size.cy;
        canvas.TextOut(x, topLeft ? at + size.cx / 2 : at - size.cx / 2, text);
    } else {
        const int x = topLeft ? lineStart - size.cx - 1 : lineStart + length + 1;
        canvas.TextOut(x, at - size.cy / 2, text);
    }
}

void TCustomTrackBar::drawButton(TCanvas& canvas, bool isMin)
{
    const TTrackBarButtons& b = *buttons_;
    if (!b.Visible())
        return;
    const bool down = isMin ? minButtonDown_ : maxButtonDown_;
    const bool hot = isMin ? minButtonHot_ : maxButtonHot_;
    const TRect r = isMin ? MinButtonRect() : MaxButtonRect();
    TGDIPPicture& picture = down  ? (isMin ? b.MinPictureDown() : b.MaxPictureDown())
                            : hot ? (isMin ? b.MinPictureHot() : b.MaxPictureHot())
                                  : (isMin ? b.MinPicture() : b.MaxPicture());
    if (!picture.Empty()) {
        picture.GetImageSizes();
        canvas.SaveState();
        if (!vertical())
            canvas.IntersectClipRect(r);
        canvas.Draw(r.Left, r.Top, picture);
        canvas.RestoreState();
        return;
    }
    const qx::ThumbLook look =
        down ? qx::ThumbLook{b.ColorDown(),       b.ColorDownTo(), b.ColorMirrorDown(), b.ColorMirrorDownTo(),
                             b.BorderColorDown(), b.Gradient(),    b.GradientMirror()}
        : hot ? qx::ThumbLook{b.ColorHot(),       b.ColorHotTo(), b.ColorMirrorHot(), b.ColorMirrorHotTo(),
                              b.BorderColorHot(), b.Gradient(),   b.GradientMirror()}
              : qx::ThumbLook{b.Color(),       b.ColorTo(),  b.ColorMirror(),   b.ColorMirrorTo(),
                              b.BorderColor(), b.Gradient(), b.GradientMirror()};
    TRect face = r;
    if (b.Shape() == bsRound) {
        const int d = b.Size();
        const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
        face = Bounds(cx - d / 2, cy - d / 2, d, d);
        canvas.SaveState();
        canvas.IntersectClipRegion(TRegion::FromEllipse(face));
        qx::drawGlossy(canvas, face, look, look.border, BlendColor(look.border, clWhite, 30), true);
        canvas.RestoreState();
    } else {
        qx::drawGlossy(canvas, face, look, look.border, BlendColor(look.border, clWhite, 30), false);
    }
    // The minus or plus glyph: a bar 3 thick, outlined in the fill colour, its middle in the border colour.
    const int length = (b.Size() / 2 - 4) / 2 * 2 + 4;
    const int cx = face.Left + face.Width() / 2, cy = face.Top + face.Height() / 2;
    const bool along = vertical() && b.RotateText();
    auto bar = [&](bool horizontal) {
        const TRect g = horizontal ? Bounds(cx - length / 2, cy - 1, length, 3)
                                   : Bounds(cx - 1, cy - length / 2, 3, length);
        canvas.Brush().Style = bsSolid;
        canvas.Brush().Color = look.border;
        canvas.Pen().Style = psSolid;
        canvas.Pen().Color = look.color;
        canvas.Rectangle(g);
    };
    bar(!along);
    if (!isMin)
        bar(along);
}

void TCustomTrackBar::drawLabel(TCanvas& canvas)
{
    if (!trackLabel_->Visible())
        return;
    const std::string text = GetTrackLabelText();
    const TRect r = GetLabelRect(true);
    canvas.Brush().Style = bsClear;
    canvas.Font() = trackLabel_->Font();
    if (vertical()) {
        canvas.Font().Orientation = 900;
        canvas.TextOut(r.Left + 3, r.Bottom, text);
        return;
    }
    const TLabelPosition p = trackLabel_->Position();
    const unsigned horizontal = p == lpTopLeft || p == lpBottomLeft     ? DT_LEFT
                                : p == lpTopRight || p == lpBottomRight ? DT_RIGHT
                                                                        : DT_CENTER;
    TRect box = r;
    canvas.DrawText(text, box, DT_SINGLELINE | horizontal | (p <= lpTopRight ? DT_VCENTER : DT_BOTTOM));
}

void TCustomTrackBar::drawRatingCells(TCanvas& canvas)
{
    for (std::int64_t v = std::int64_t{min_} + 1; v <= max_; ++v) {
        const TRect r = RatingCellRect(static_cast<int>(v));
        if (r.IsEmpty())
            return;
        if (r.Left <= 0 || r.Bottom <= 0)
            continue;
        const TGDIPPicture& picture = position_ < v ? *rateInActive_ : *rateActive_;
        canvas.Draw(r.Left, r.Top, picture);
    }
}
