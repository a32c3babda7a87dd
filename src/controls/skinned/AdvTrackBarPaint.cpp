// Painting of the fader: background, track line, thumb picture and focus frame.

#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/PaintGuard.h"
#include "controls/skinned/TrackBarDrawing.h"
#include "controls/skinned/TrackBarThumbShape.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>

namespace {

// The colours of one state of the slider.
struct SliderLook
{
    const TGDIPPicture* picture;
    const TGDIPPicture* completedPicture;
    TColor border, color, colorTo, completed, completedTo;
};

void fillPart(TCanvas& canvas, const TRect& r, TColor from, TColor to, TGradientDirection direction, int steps)
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

void drawPicturePart(TCanvas& canvas, const TGDIPPicture& picture, const TRect& part, const TRect& whole, bool stretch)
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
    qx::paintGuarded(canvas, [&] { DrawSlider(canvas); });
    qx::paintGuarded(canvas, [&] { drawTicks(canvas); });
    qx::paintGuarded(canvas, [&] { DrawThumb(canvas); });
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
    const TGDIPPicture& picture = enabled || backGroundDisabled_->Empty() ? *backGround_ : *backGroundDisabled_;
    const TColor from = enabled ? Color() : colorDisabled_;
    const TColor to = enabled ? colorTo_ : colorDisabledTo_;
    const TColor border = enabled ? borderColor_ : borderColorDisabled_;
    if (!picture.Empty()) {
        picture.Draw(canvas, backGroundStretched_ ? ClientRect() : Bounds(0, 0, picture.Width(), picture.Height()));
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
        enabled ? SliderLook{&s.Picture(), &s.PictureCompleted(), s.BorderColor(), s.Color(), s.ColorTo(),
                             s.ColorCompleted(), s.ColorCompletedTo()}
                : SliderLook{s.PictureDisabled().Empty() ? &s.Picture() : &s.PictureDisabled(),
                             &s.PictureCompletedDisabled(), s.BorderColorDisabled(), s.ColorDisabled(),
                             s.ColorDisabledTo(), s.ColorCompletedDisabled(), s.ColorCompletedDisabledTo()};
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
            remaining = vertical() ? Rect(r.Left, r.Top, r.Right, c + 1) : Rect(c - 1, r.Top, r.Right, r.Bottom);
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
    qx::ThumbLook look{t.Color(), t.ColorTo(), t.ColorMirror(), t.ColorMirrorTo(), t.BorderColor(), t.Gradient(),
                       t.GradientMirror()};
    if (thumbDown_) {
        if (!t.PictureDown().Empty())
            picture = &t.PictureDown();
        look = {t.ColorDown(), t.ColorDownTo(), t.ColorMirrorDown(), t.ColorMirrorDownTo(), t.BorderColorDown(),
                t.Gradient(), t.GradientMirror()};
    } else if (thumbHot_) {
        if (!t.PictureHot().Empty())
            picture = &t.PictureHot();
        look = {t.ColorHot(), t.ColorHotTo(), t.ColorMirrorHot(), t.ColorMirrorHotTo(), t.BorderColorHot(),
                t.Gradient(), t.GradientMirror()};
    }
    if (!Enabled()) {
        if (!t.PictureDisabled().Empty())
            picture = &t.PictureDisabled();
        look = {t.ColorDisabled(), t.ColorDisabledTo(), t.ColorMirrorDisabled(), t.ColorMirrorDisabledTo(),
                t.BorderColorDisabled(), t.Gradient(), t.GradientMirror()};
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
    if (t.ShowText() || max_ < last)
        last = max_;
    const double k = last == min_ ? 0.0 : double(TravelLength()) / (last - min_);
    const TColor colour = Enabled() ? t.Color() : t.ColorDisabled();
    canvas.Pen().Style = psSolid;
    canvas.Pen().Width = 1;
    int drawn = -1000000;
    for (int i = min_; i <= last; ++i) {
        const int o = static_cast<int>((i - min_) * k);
        if (o < drawn + 2)
            continue;
        drawn = o;
        if (t.ShowImageAtThumbOnly() && i != position_)
            continue;
        if (t.ShowImageAtSteps() > 1 && i % t.ShowImageAtSteps() != 0)
            continue;
        for (const TTickMark side : {tmTopLeft, tmBottomRight}) {
            if (!ticksOn(side))
                continue;
            const TRect& strip = sides[side == tmTopLeft ? 0 : 1];
            const auto tick = [&](int along, TColor c) {
                canvas.Pen().Color = c;
                if (vertical()) {
                    canvas.MoveTo(strip.Left, along);
                    canvas.LineTo(strip.Left + t.Size(), along);
                } else {
                    canvas.MoveTo(along, strip.Top);
                    canvas.LineTo(along, strip.Top + t.Size());
                }
            };
            const int at = vertical() ? strip.Bottom - o : strip.Left + o;
            tick(at, colour);
            if (t.Line3D())
                tick(vertical() ? at - 1 : at + 1, BlendColor(colour, clWhite, 10));
        }
    }
}
