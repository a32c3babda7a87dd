#include "controls/skinned/AdvTrackBar.h"

#include "controls/skinned/Rounding.h"
#include "controls/skinned/TrackHintWindow.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Keys.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/text/EConvertError.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

TCustomTrackBar::TCustomTrackBar(TComponent* AOwner)
    : TCustomControl(AOwner), backGround_(std::make_unique<TGDIPPicture>()),
      backGroundDisabled_(std::make_unique<TGDIPPicture>()), rateActive_(std::make_unique<TGDIPPicture>()),
      rateInActive_(std::make_unique<TGDIPPicture>()), thumb_(std::make_unique<TTrackBarThumb>(this)),
      slider_(std::make_unique<TTrackBarSlider>(this)), tickMark_(std::make_unique<TTrackBarTick>()),
      buttons_(std::make_unique<TTrackBarButtons>(this)), trackLabel_(std::make_unique<TTrackBarLabel>())
{
    SetBounds(Left(), Top(), 150, 26);
    SetTabStop(true);
    SetColor(clNone);
    SetControlStyle(ControlStyle() >> csDoubleClicks);
    trackHint_ = ShowHint();
    const TNotifyEvent invalidate = [this](TObject*) { Invalidate(); };
    for (qx::TrackBarSettings* s : std::initializer_list<qx::TrackBarSettings*>{
             thumb_.get(), slider_.get(), tickMark_.get(), buttons_.get(), trackLabel_.get()})
        s->OnChange = invalidate;
    backGround_->OnChange = [this] { Invalidate(); };
    backGroundDisabled_->OnChange = [this] { Invalidate(); };
    rateActive_->OnChange = [this] { Invalidate(); };
    rateInActive_->OnChange = [this] { Invalidate(); };
}

TCustomTrackBar::~TCustomTrackBar() = default;

void TCustomTrackBar::SetTickImages(TImageList* Value)
{
    if (tickImages_ == Value)
        return;
    if (tickImages_)
        tickImages_->RemoveFreeNotification(this);
    tickImages_ = Value;
    if (Value)
        Value->FreeNotification(this);
    Invalidate();
}

void TCustomTrackBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == tickImages_) {
        tickImages_ = nullptr;
        Invalidate();
    }
}

void TCustomTrackBar::Loaded()
{
    TCustomControl::Loaded();
    thumb_->PictureChanged();
    buttons_->PictureChanged();
}

// ---- value model ----

int TCustomTrackBar::clampPosition(int v) const
{
    // With Max below Min every request lands on Min.
    if (max_ < min_ || v < min_)
        return min_;
    return v > max_ ? max_ : v;
}

void TCustomTrackBar::SetPosition(int Value)
{
    if (Value == position_)
        return;
    position_ = clampPosition(Value);
    Invalidate();
    DoChange();
}

void TCustomTrackBar::DoChange()
{
    qx::fire(OnChange, this);
}

void TCustomTrackBar::SetMin(int Value)
{
    if (Value == min_)
        return;
    min_ = Value;
    if (position_ < min_)
        SetPosition(min_);
    Invalidate();
}

void TCustomTrackBar::SetMax(int Value)
{
    if (Value == max_)
        return;
    max_ = Value;
    if (max_ < position_)
        SetPosition(max_);
    Invalidate();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (Value == orientation_)
        return;
    orientation_ = Value;
    if (!Loading())
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TCustomTrackBar::SetTransparent(bool Value)
{
    storeAndInvalidate(transparent_, Value);
}

bool TCustomTrackBar::CanChangeThumbPointer(const TTrackBarThumb&, TThumbPointer)
{
    return true;
}

void TCustomTrackBar::StepDown()
{
    if (position_ > min_)
        SetPosition(qx::addSaturated(position_, -buttons_->Step()));
}

void TCustomTrackBar::StepUp()
{
    if (position_ < max_)
        SetPosition(qx::addSaturated(position_, buttons_->Step()));
}

int TCustomTrackBar::GetThumbLength() const
{
    return thumb_->Width();
}

// ---- geometry ----

TRect TCustomTrackBar::axisRect(int alongStart, int alongEnd, int crossStart, int crossEnd) const
{
    return vertical() ? Rect(crossStart, alongStart, crossEnd, alongEnd)
                      : Rect(alongStart, crossStart, alongEnd, crossEnd);
}

TRect TCustomTrackBar::InnerRect() const
{
    TRect r = ClientRect();
    InflateRect(r, -(kBorderWidth + kOffset), -(kBorderWidth + kOffset));
    return r;
}

TRect TCustomTrackBar::MinButtonRect() const
{
    TRect r = InnerRect();
    if (vertical())
        r.Top = r.Bottom - buttons_->Size();
    else
        r.Right = r.Left + buttons_->Size();
    return r;
}

TRect TCustomTrackBar::MaxButtonRect() const
{
    TRect r = InnerRect();
    if (vertical())
        r.Bottom = r.Top + buttons_->Size();
    else
        r.Left = r.Right - buttons_->Size();
    return r;
}

TRect TCustomTrackBar::SlideArea() const
{
    TRect r = InnerRect();
    int& crossStart = vertical() ? r.Left : r.Top;
    crossStart += slider_->Offset();
    if (trackLabel_->Visible() && trackLabel_->Position() <= lpTopRight) {
        const TRect strip = GetLabelRect(false);
        crossStart += (vertical() ? strip.Width() : strip.Height()) + 1;
    }
    if (buttons_->Visible()) {
        const int spacing = buttons_->Spacing();
        if (vertical()) {
            r.Bottom = MinButtonRect().Top - spacing;
            r.Top = MaxButtonRect().Bottom + spacing;
        } else {
            r.Left = MinButtonRect().Right + spacing;
            r.Right = MaxButtonRect().Left - spacing;
        }
    }
    return r;
}

bool TCustomTrackBar::ticksOn(TTickMark side) const
{
    return tickMark_->Style() != tsNone && (tickMark_->Position() == side || tickMark_->Position() == tmBoth);
}

namespace {
constexpr TRect kNoRect{-1, -1, -1, -1};
}

TRect TCustomTrackBar::SliderRect() const
{
    if (slider_->Size() <= 0 || !slider_->Visible())
        return kNoRect;
    const TRect s = SlideArea();
    int start = vertical() ? s.Left : s.Top;
    if (ticksOn(tmTopLeft)) {
        const TRect t = GetTopLeftTickRect();
        start = (vertical() ? t.Right : t.Bottom) + tickMark_->Spacing();
    }
    return vertical() ? axisRect(s.Top, s.Bottom, start, start + slider_->Size())
                      : axisRect(s.Left, s.Right, start, start + slider_->Size());
}

int TCustomTrackBar::tickStripThickness() const
{
    if (!tickMark_->ShowText())
        return tickMark_->Size();
    TBitmap scratch(1, 1);
    scratch.Canvas().Font() = tickMark_->Font();
    return tickMark_->Size() + scratch.Canvas().TextHeight("gh") + 2 * 2;
}

TRect TCustomTrackBar::GetTopLeftTickRect() const
{
    if (!ticksOn(tmTopLeft))
        return kNoRect;
    const TRect s = SlideArea();
    const int offset = ThumbPointerOffset();
    const int start = vertical() ? s.Left : s.Top;
    const int thickness = tickStripThickness();
    return vertical() ? axisRect(s.Top + offset, s.Bottom - offset, start, start + thickness)
                      : axisRect(s.Left + offset, s.Right - offset, start, start + thickness);
}

TRect TCustomTrackBar::GetBottomRightTickRect() const
{
    if (!ticksOn(tmBottomRight))
        return kNoRect;
    const TRect s = SlideArea();
    const TRect slider = SliderRect();
    int start = vertical() ? s.Left : s.Top;
    if (slider != kNoRect)
        start = (vertical() ? slider.Right : slider.Bottom) + tickMark_->Spacing() -
                (slider_->Border3D() ? 1 : 0);
    else if (ticksOn(tmTopLeft))
        start = (vertical() ? GetTopLeftTickRect().Right : GetTopLeftTickRect().Bottom) +
                2 * tickMark_->Spacing();
    const int offset = ThumbPointerOffset();
    const int thickness = tickStripThickness();
    return vertical() ? axisRect(s.Top + offset, s.Bottom - offset, start, start + thickness)
                      : axisRect(s.Left + offset, s.Right - offset, start, start + thickness);
}

std::string TCustomTrackBar::GetTrackLabelText() const
{
    std::string text;
    try {
        text = ::Format(trackLabel_->Format(), position_);
    } catch (const EConvertError&) {
        text = trackLabel_->Format();
    }
    qx::fire(OnGetTrackLabelText, const_cast<TCustomTrackBar*>(this), position_, text);
    return text;
}

TSize TCustomTrackBar::labelTextSize(const std::string& text) const
{
    TBitmap scratch(1, 1);
    scratch.Canvas().Font() = trackLabel_->Font();
    return scratch.Canvas().TextExtent(text);
}

TRect TCustomTrackBar::GetLabelRect(bool placed) const
{
    std::string text = GetTrackLabelText();
    if (text.empty() && OnGetTrackLabelText)
        text = "Pos";
    const TSize size = labelTextSize(text);
    const int thickness = size.cy + trackLabel_->Spacing();
    const TRect inner = InnerRect();
    const bool top = trackLabel_->Position() <= lpTopRight;
    int start = (vertical() ? inner.Left : inner.Top) + slider_->Offset();
    if (!top) {
        const TRect ticks = GetBottomRightTickRect();
        start = ticks.Right < 0 ? 0 : (vertical() ? ticks.Right : ticks.Bottom) + 1;
    }
    const int alongStart = vertical() ? inner.Top : inner.Left;
    const int alongEnd = vertical() ? inner.Bottom : inner.Right;
    TRect r = axisRect(alongStart, alongEnd, start, start + thickness);
    if (!placed)
        return r;
    const int length = size.cx + 5;
    const TLabelPosition p = trackLabel_->Position();
    const bool atStart = p == lpTopLeft || p == lpBottomLeft;
    const bool atEnd = p == lpTopRight || p == lpBottomRight;
    int from;
    if (vertical()) // the text runs upward: its start is at the bottom
        from = atStart ? alongEnd - length
               : atEnd ? alongStart
                       : alongStart + (alongEnd - alongStart - length) / 2;
    else
        from = atStart ? alongStart
               : atEnd ? alongEnd - length
                       : alongStart + (alongEnd - alongStart - length) / 2;
    return axisRect(from, from + length, start, start + thickness);
}

int TCustomTrackBar::ThumbPointerOffset() const
{
    if (thumb_->Width() <= 0)
        return 0;
    switch (thumb_->ThumbPointer()) {
    case tpCenter:
        return thumb_->Width() / 2;
    case tpRight:
        return thumb_->Width();
    case tpLeft:
        break;
    }
    return 0;
}

int TCustomTrackBar::TravelLength() const
{
    const TRect s = SlideArea();
    return (vertical() ? s.Height() : s.Width()) - thumb_->Width();
}

double TCustomTrackBar::pixelsPerUnit() const
{
    return max_ == min_ ? 0.0 : double(TravelLength()) / (double(max_) - min_);
}

TRect TCustomTrackBar::GetThumbRect() const
{
    const TRect s = SlideArea();
    const int width = thumb_->Width();
    const int d =
        max_ == min_
            ? 0
            : qx::roundEven(double(TravelLength()) * (double(position_) - min_) / (double(max_) - min_));
    const int alongStart = vertical() ? s.Bottom - d - width : s.Left + d;
    const int size = thumb_->Size();
    if (thumb_->Shape() == tsLine && thumb_->Picture().Empty()) {
        const TRect inner = InnerRect();
        return vertical() ? axisRect(alongStart, alongStart + width, inner.Left, Width() - 1)
                          : axisRect(alongStart, alongStart + width, inner.Top, Height() - 1);
    }
    int cross;
    const TRect slider = SliderRect();
    if (slider != kNoRect) {
        const int start = vertical() ? slider.Left : slider.Top;
        cross = start + slider_->Size() / 2 - size / 2;
    } else if (tickMark_->Style() == tsNone) {
        cross = vertical() ? s.Left : s.Top;
    } else if (tickMark_->Position() == tmBottomRight) {
        const TRect t = GetBottomRightTickRect();
        cross = vertical() ? t.Left : t.Top;
    } else {
        const TRect t = GetTopLeftTickRect();
        cross = (vertical() ? t.Left : t.Top) + tickMark_->Spacing() - size / 2;
    }
    return axisRect(alongStart, alongStart + width, cross, cross + size);
}

// ---- keyboard and wheel ----

void TCustomTrackBar::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Shift.Contains(ssShift))
        return;
    switch (Key) {
    case VK_PRIOR:
        return SetPosition(qx::addSaturated(position_, pageSize_));
    case VK_NEXT:
        return SetPosition(qx::addSaturated(position_, -pageSize_));
    case VK_END:
        return SetPosition(vertical() ? GetMinPosition() : GetMaxPosition());
    case VK_HOME:
        return SetPosition(vertical() ? GetMaxPosition() : GetMinPosition());
    case VK_LEFT:
    case VK_DOWN:
        if (position_ > min_)
            SetPosition(position_ - 1);
        return;
    case VK_UP:
    case VK_RIGHT:
        if (position_ < max_)
            SetPosition(position_ + 1);
        return;
    default:
        return;
    }
}

bool TCustomTrackBar::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos);
    if (WheelDelta < 0 && position_ > min_)
        SetPosition(position_ - 1);
    else if (WheelDelta > 0 && position_ < max_)
        SetPosition(position_ + 1);
    return true;
}

// ---- mouse ----

int TCustomTrackBar::positionFromPixels(double pixels, int length) const
{
    const int v = qx::roundEven(pixels / length * (double(max_) - min_) + min_);
    const int clamped = clampPosition(v);
    return IsValidPosition(clamped) ? clamped : position_;
}

void TCustomTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!Focused() && CanFocus())
        SetFocus();
    if (ControlStyle().Contains(csCaptureMouse))
        SetMouseCapture(true);
    TRect track = SlideArea();
    InflateRect(track, 4, 4);
    const TPoint p{X, Y};
    const bool inMin = buttons_->Visible() && MinButtonRect().Contains(p);
    const bool inMax = buttons_->Visible() && MaxButtonRect().Contains(p);
    const TRect thumb = GetThumbRect();
    if (!RatingMode() && !thumb.Contains(p) && Button == mbLeft && moveOnClick_ != mcStep && !inMin &&
        !inMax) {
        const int length = TravelLength();
        if (length > 0) {
            const TRect s = SlideArea();
            const double pixels =
                vertical() ? s.Bottom - thumb_->Width() - Y : X - s.Left - ThumbPointerOffset();
            SetPosition(positionFromPixels(pixels, length));
        }
        if (moveOnClick_ == mcMoveSlide)
            thumbDown_ = sliding_ = true;
        return;
    }
    if (Button != mbLeft || RatingMode())
        return;
    if (thumb.Contains(p)) {
        if (CanDragThumb()) {
            sliding_ = thumbDown_ = true;
            repaintThumb();
            thumbCenterOffsetX_ = X - (thumb.Left + thumb.Width() / 2);
            thumbCenterOffsetY_ = Y - (thumb.Top + thumb.Height() / 2);
        }
        return;
    }
    if (track.Contains(p) && CanPageStep()) {
        sliderButtonDown_ = true;
        sliderDownPt_ = p;
        PageStepToPress();
        startRepeatTimer();
        return;
    }
    if (inMin && !minButtonDown_) {
        minButtonDown_ = true;
        Invalidate();
        if (buttons_->RepeatClick())
            startRepeatTimer();
    }
    if (inMax && !maxButtonDown_) {
        maxButtonDown_ = true;
        Invalidate();
        if (buttons_->RepeatClick())
            startRepeatTimer();
    }
}

void TCustomTrackBar::startRepeatTimer()
{
    if (!repeatTimer_) {
        repeatTimer_ = new TTimer(this);
        repeatTimer_->SetEnabled(false);
        repeatTimer_->OnTimer = [this](TObject*) { RepeatTimerTick(); };
    }
    repeatTimer_->SetInterval(static_cast<unsigned>(std::max(0, buttons_->InitRepeatPause())));
    repeatTimer_->SetEnabled(true);
}

void TCustomTrackBar::PageStepToPress()
{
    const TRect s = SlideArea();
    const double k = pixelsPerUnit();
    const int offset = ThumbPointerOffset();
    const int moved = qx::roundEven((double(position_) - min_) * k);
    if (vertical()) {
        const int t = s.Bottom - moved;
        const int p = sliderDownPt_.Y;
        const int c = t > p ? p : p + offset;
        if (std::abs(c - t) < k)
            return;
        SetPosition(qx::addSaturated(position_, t > p ? pageSize_ : -pageSize_));
    } else {
        const int t = s.Left + moved;
        const int p = sliderDownPt_.X;
        const int c = t > p ? p - offset : p;
        if (std::abs(c - t) < k)
            return;
        SetPosition(qx::addSaturated(position_, t > p ? -pageSize_ : pageSize_));
    }
}

void TCustomTrackBar::RepeatTimerTick()
{
    repeatTimer_->SetInterval(static_cast<unsigned>(std::max(0, buttons_->RepeatPause())));
    if (!MouseCapture())
        return;
    try {
        if (sliderButtonDown_)
            PageStepToPress();
        else if (minButtonDown_)
            StepDown();
        else if (maxButtonDown_)
            StepUp();
        else
            repeatTimer_->SetEnabled(false);
    } catch (...) {
        repeatTimer_->SetEnabled(false);
        throw;
    }
}

void TCustomTrackBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (RatingMode())
        return;
    const TPoint p{X, Y};
    if (sliding_) {
        const TRect s = SlideArea();
        const int w = GetThumbLength();
        const int length = (vertical() ? s.Height() : s.Width()) - w;
        if (length <= 0)
            return;
        const double pixels = vertical() ? s.Bottom - w - Y + thumbCenterOffsetY_ + w / 2
                                         : X - s.Left - thumbCenterOffsetX_ - w / 2;
        const int v = positionFromPixels(pixels, length);
        if (v != position_ && trackHint_ && v != hintTickIndex_)
            showDragHint(v, X, Y);
        sliderButtonDown_ = false;
        SetPosition(v);
        return;
    }
    if (buttons_->Visible()) {
        const bool inMin = MinButtonRect().Contains(p), inMax = MaxButtonRect().Contains(p);
        if (inMin != minButtonHot_) {
            minButtonHot_ = inMin;
            if (!inMin)
                minButtonDown_ = false;
            Invalidate();
        }
        if (inMax != maxButtonHot_) {
            maxButtonHot_ = inMax;
            if (!inMax)
                maxButtonDown_ = false;
            Invalidate();
        }
    }
    const bool inThumb = GetThumbRect().Contains(p);
    if (inThumb && CanDragThumb() && !thumbHot_) {
        thumbHot_ = true;
        repaintThumb();
    } else if (!inThumb && (thumbHot_ || thumbDown_)) {
        thumbHot_ = thumbDown_ = false;
        repaintThumb();
    }
}

void TCustomTrackBar::showDragHint(int value, int x, int y)
{
    hintTickIndex_ = value;
    std::string text = std::to_string(value);
    qx::fire(OnGetTrackHint, this, value, text);
    if (!hintWindow_)
        hintWindow_ = new TTrackHintWindow(this);
    TRect r = hintWindow_->CalcHintRect(100, text);
    const TPoint screen = ClientToScreen(TPoint{x, y});
    OffsetRect(r, screen.X + 10, screen.Y);
    hintWindow_->ActivateHint(r, text);
    trackHintShow_ = true;
}

void TCustomTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
    sliderButtonDown_ = false;
    const TPoint p{X, Y};
    if (RatingMode()) {
        if (Button == mbLeft)
            rateAt(p);
    } else if (Button == mbLeft) {
        if (trackHintShow_) {
            hintWindow_->ReleaseHandle();
            trackHintShow_ = false;
        }
        sliding_ = false;
        if (thumbDown_) {
            thumbDown_ = false;
            if (!GetThumbRect().Contains(p))
                thumbHot_ = false;
            repaintThumb();
        }
        if (buttons_->Visible()) {
            if (MinButtonRect().Contains(p) && minButtonDown_) {
                minButtonDown_ = false;
                Invalidate();
                StepDown();
            }
            if (MaxButtonRect().Contains(p) && maxButtonDown_) {
                maxButtonDown_ = false;
                Invalidate();
                StepUp();
            }
        }
    }
    SetMouseCapture(false);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

TPoint TCustomTrackBar::ratingCellSize() const
{
    rateActive_->GetImageSizes();
    rateInActive_->GetImageSizes();
    return {std::max(rateActive_->Width(), rateInActive_->Width()),
            std::max(rateActive_->Height(), rateInActive_->Height())};
}

TRect TCustomTrackBar::RatingCellRect(int value) const
{
    const TPoint cell = ratingCellSize();
    const TRect s = SlideArea();
    if (value <= min_ || value > max_ || cell.X <= 0 || cell.Y <= 0)
        return {};
    const std::int64_t index = std::int64_t{value} - min_ - 1;
    const std::int64_t perRow = std::max<std::int64_t>(1, s.Width() / cell.X);
    const std::int64_t top = s.Top + index / perRow * cell.Y;
    if (top >= s.Bottom)
        return {};
    const int left = s.Left + static_cast<int>(index % perRow) * cell.X;
    return Bounds(left, static_cast<int>(top), cell.X, cell.Y);
}

void TCustomTrackBar::rateAt(TPoint p)
{
    for (std::int64_t v = std::int64_t{min_} + 1; v <= max_; ++v) {
        const TRect r = RatingCellRect(static_cast<int>(v));
        if (r.IsEmpty())
            break;
        if (r.Contains(p))
            return SetPosition(static_cast<int>(v));
    }
    const TRect first = RatingCellRect(min_ + 1);
    if (!first.IsEmpty() && p.X >= first.Left - 4 && p.X < first.Left && p.Y >= first.Top &&
        p.Y <= first.Bottom)
        SetPosition(min_);
}

void TCustomTrackBar::pointerLeft()
{
    if (minButtonHot_ || minButtonDown_ || maxButtonHot_ || maxButtonDown_) {
        minButtonHot_ = minButtonDown_ = maxButtonHot_ = maxButtonDown_ = false;
        Invalidate();
    }
    if ((thumbHot_ || thumbDown_) && !sliding_) {
        thumbHot_ = thumbDown_ = false;
        repaintThumb();
    }
}

void TCustomTrackBar::Dispatch(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    if (Message.Msg == CM_MOUSELEAVE)
        pointerLeft();
}

void TCustomTrackBar::DoEnter()
{
    TCustomControl::DoEnter();
    Repaint();
}

void TCustomTrackBar::DoExit()
{
    TCustomControl::DoExit();
    Repaint();
}
