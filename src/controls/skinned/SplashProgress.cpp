#include "controls/skinned/SplashProgress.h"

#include "controls/skinned/HtmlText.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gui/Timer.h"
#include "platform/text/EConvertError.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using qx::gdiplus::Argb;
using qx::gdiplus::Graphics;
using qx::gdiplus::LinearGradientBrush;
using qx::gdiplus::LinearGradientMode;
using qx::gdiplus::RectF;

namespace {

// The rim of a fill with a border colour: 1 for a width of 1, else half the width rounded up.
int borderInset(const TGDIPFill& fill)
{
    return fill.BorderWidth() == 1 ? 1 : (fill.BorderWidth() + 1) / 2;
}

// A horizontal or vertical gradient over a strip, defined over the strip grown by a pixel.
void gradientStrip(Graphics& g, const RectF& strip, Argb from, Argb to, LinearGradientMode mode)
{
    if (strip.Width <= 0 || strip.Height <= 0)
        return;
    const RectF grown{strip.X - 1, strip.Y - 1, strip.Width + 2, strip.Height + 2};
    g.FillRectangle(LinearGradientBrush(grown, from, to, mode), strip);
}

void edgeShading(Graphics& g, const RectF& r)
{
    gradientStrip(g, RectF{r.X, r.Y, 10, r.Height}, 0x1E000000u, 0x00000000u, LinearGradientMode::Horizontal);
    gradientStrip(g, RectF{r.X + r.Width - 10, r.Y, 10, r.Height}, 0x00000000u, 0x1E000000u,
                  LinearGradientMode::Horizontal);
}

} // namespace

bool qx::isNumericFormatPattern(const std::string& pattern)
{
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%')
            continue;
        ++i;
        if (i < pattern.size() && pattern[i] == '%')
            continue;
        // Flags, width and precision (no "*": it would take a whole-number argument).
        while (i < pattern.size() && std::strchr("-+ #0123456789.", pattern[i]))
            ++i;
        while (i < pattern.size() && std::strchr("hlLjzt", pattern[i]))
            ++i;
        if (i >= pattern.size() || !std::strchr("fFeEgGaA", pattern[i]))
            return false;
    }
    return true;
}

TGDIPSplashProgress::TGDIPSplashProgress()
    : backGroundFill_(std::make_unique<TGDIPFill>()), progressFill_(std::make_unique<TGDIPFill>())
{
    backGroundFill_->OnChange = [this](TObject*) { Changed(); };
    progressFill_->OnChange = [this](TObject*) { Changed(); };
}

TGDIPSplashProgress::~TGDIPSplashProgress() = default;

void TGDIPSplashProgress::Changed() { qx::fire(OnChange, this); }

void TGDIPSplashProgress::SetBackGroundFill(const TGDIPFill& Value)
{
    if (&Value != backGroundFill_.get())
        backGroundFill_->Assign(Value);
}

void TGDIPSplashProgress::SetProgressFill(const TGDIPFill& Value)
{
    if (&Value != progressFill_.get())
        progressFill_->Assign(Value);
}

void TGDIPSplashProgress::SetValueFormat(const std::string& Value)
{
    if (qx::isNumericFormatPattern(Value))
        update(valueFormat_, Value);
}

void TGDIPSplashProgress::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TGDIPSplashProgress*>(&Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    if (s == this)
        return;
    const TNotifyEvent saved = OnChange;
    OnChange = nullptr; // one notice at the end
    backGroundFill_->Assign(*s->backGroundFill_);
    progressFill_->Assign(*s->progressFill_);
    font_ = s->font_;
    progressFont_ = s->progressFont_;
    valueFormat_ = s->valueFormat_;
    valueType_ = s->valueType_;
    valuePosition_ = s->valuePosition_;
    valuePositionLeft_ = s->valuePositionLeft_;
    valuePositionTop_ = s->valuePositionTop_;
    valueVisible_ = s->valueVisible_;
    visible_ = s->visible_;
    left_ = s->left_;
    top_ = s->top_;
    width_ = s->width_;
    height_ = s->height_;
    step_ = s->step_;
    minimum_ = s->minimum_;
    maximum_ = s->maximum_;
    position_ = s->position_;
    ProgressAnimation = s->ProgressAnimation;
    GlowAnimation = s->GlowAnimation;
    OnChange = saved;
    Changed();
}

TRect TGDIPSplashProgress::insideRect(const TRect& r) const
{
    TRect inner{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    if (backGroundFill_->BorderColor() != clNone) {
        const int b = borderInset(*backGroundFill_);
        inner = TRect{inner.Left + b, inner.Top + b, inner.Right - b, inner.Bottom - b};
    }
    return inner;
}

RectF TGDIPSplashProgress::GetInsideRectF(const TRect& r) const
{
    const TRect i = insideRect(r);
    return RectF{static_cast<float>(i.Left), static_cast<float>(i.Top), static_cast<float>(i.Right - i.Left),
                 static_cast<float>(i.Bottom - i.Top)};
}

RectF TGDIPSplashProgress::CalculateProgressRectangle(const TRect& r, double minimum, double maximum,
                                                      double position) const
{
    const TRect i = insideRect(r);
    const int bw = progressFill_->BorderColor() != clNone && progressFill_->BorderWidth() != 0
                       ? progressFill_->BorderWidth()
                       : 0;
    const double available = i.Right - bw - i.Left;
    const double w = maximum - minimum > 0 ? std::min(available, (position - minimum) / (maximum - minimum) * available)
                                           : 0.0;
    return RectF{static_cast<float>(i.Left + bw / 2.0), static_cast<float>(i.Top + bw / 2.0), static_cast<float>(w),
                 static_cast<float>(i.Bottom - bw - i.Top)};
}

std::optional<std::string> TGDIPSplashProgress::ValueText(double minimum, double maximum, double position) const
{
    const double p = std::clamp(position, std::min(minimum, maximum), std::max(minimum, maximum));
    double value = p;
    if (valueType_ == vtPercentage)
        value = maximum > minimum ? (p - minimum) / (maximum - minimum) * 100.0 : maximum;
    if (!qx::isNumericFormatPattern(valueFormat_))
        return std::nullopt;
    try {
        return Format(valueFormat_, value);
    } catch (const EConvertError&) {
        return std::nullopt; // e.g. two conversions for the one value
    }
}

void TGDIPSplashProgress::Draw(Graphics& graphics, const TRect& r, double minimum, double maximum, double position)
{
    backGroundFill_->Fill(&graphics, RectF{static_cast<float>(r.Left), static_cast<float>(r.Top),
                                           static_cast<float>(r.Right - r.Left - 1),
                                           static_cast<float>(r.Bottom - r.Top - 1)});
    const RectF progress = CalculateProgressRectangle(r, minimum, maximum, position);
    if (progress.Width > 0) {
        progressFill_->Fill(&graphics, progress);
        edgeShading(graphics, progress);
    }
    const RectF inner = GetInsideRectF(r);
    edgeShading(graphics, inner);
    if (valueVisible_)
        drawValueText(graphics, r, minimum, maximum, position);
    gradientStrip(graphics, RectF{inner.X, inner.Y, inner.Width, inner.Height / 2.5f}, 0xB4FFFFFFu, 0x00FFFFFFu,
                  LinearGradientMode::Vertical);
    gradientStrip(graphics, RectF{inner.X, inner.Y + inner.Height - inner.Height / 5, inner.Width, inner.Height / 5},
                  0x00FFFFFFu, 0xFFFFFFFFu, LinearGradientMode::Vertical);
}

void TGDIPSplashProgress::drawValueText(Graphics& graphics, const TRect& r, double minimum, double maximum,
                                        double position)
{
    const std::optional<std::string> text = ValueText(minimum, maximum, position);
    if (!text || text->empty())
        return;
    const RectF inner = GetInsideRectF(r);
    const RectF p = CalculateProgressRectangle(r, minimum, maximum, position);
    const RectF size = graphics.MeasureString(*text, qx::gptext::MakeFont(font_), inner);
    const float tw = size.Width, th = size.Height;
    float x = inner.X;
    float y = static_cast<float>(r.Top) + (inner.Height - th) / 2;
    switch (valuePosition_) {
    case vpProgressCenter:
        x = p.Width >= tw ? inner.X + (p.Width - tw) / 2 : inner.X;
        break;
    case vpProgressRight:
        x = p.Width >= tw ? inner.X + p.Width - tw : inner.X;
        break;
    case vpCenter:
        x = static_cast<float>(r.Left) + (inner.Width - tw) / 2;
        break;
    case vpLeft:
        x = inner.X;
        break;
    case vpRight:
        x = static_cast<float>(r.Left) + inner.Width - tw;
        break;
    case vpCustom:
        x = static_cast<float>(r.Left + valuePositionLeft_);
        y = static_cast<float>(r.Top + valuePositionTop_);
        break;
    }
    const TFont& font = p.X + p.Width > x + tw / 2 ? progressFont_ : font_;
    graphics.DrawString(*text, qx::gptext::MakeFont(font), RectF{x, y, 0, 0}, qx::gdiplus::StringFormat(),
                        qx::gdiplus::SolidBrush(ArgbFromColor(font.Color)));
}

// --- the control --------------------------------------------------------------------------

TAdvSplashProgressBar::TAdvSplashProgressBar(TComponent* AOwner)
    : TGraphicControl(AOwner), appearance_(std::make_unique<TGDIPSplashProgress>())
{
    SetBounds(Left(), Top(), 150, 17);
    appearance_->OnChange = [this](TObject*) { resynchronise(); };
    animationTimer_ = new TTimer(this);
    animationTimer_->SetInterval(10);
    animationTimer_->OnTimer = [this](TObject*) { AnimationTick(); };
    animationTimer_->SetEnabled(true);
}

TAdvSplashProgressBar::~TAdvSplashProgressBar() { appearance_->OnChange = nullptr; }

bool TAdvSplashProgressBar::animating(bool flag) const
{
    return flag && !ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading);
}

bool TAdvSplashProgressBar::AnimationInProgress() const
{
    return animating(progressAnimation_) && std::fabs(positionTemp_ - positionTo_) >= 0.001;
}

void TAdvSplashProgressBar::setShown(double value)
{
    position_ = value;
    qx::fire(OnPositionChanged, this, value);
}

void TAdvSplashProgressBar::SetPosition(double Value)
{
    position_ = std::clamp(Value, std::min(minimum_, maximum_), std::max(minimum_, maximum_));
    if (animating(progressAnimation_)) {
        positionTo_ = position_;
        return;
    }
    positionTo_ = positionTemp_ = position_;
    qx::fire(OnPositionChanged, this, position_);
    Invalidate();
}

void TAdvSplashProgressBar::SetMinimum(double Value)
{
    if (!qx::storeChanged(minimum_, Value))
        return;
    if (position_ < minimum_) {
        positionTo_ = minimum_;
        if (!animating(progressAnimation_))
            position_ = positionTemp_ = minimum_;
    }
    Invalidate();
}

void TAdvSplashProgressBar::SetMaximum(double Value)
{
    if (!qx::storeChanged(maximum_, Value))
        return;
    if (position_ > maximum_) {
        positionTo_ = maximum_;
        if (!animating(progressAnimation_))
            position_ = positionTemp_ = maximum_;
    }
    Invalidate();
}

void TAdvSplashProgressBar::SetStep(double Value)
{
    if (qx::storeChanged(step_, Value))
        Invalidate();
}

void TAdvSplashProgressBar::SetGlowAnimation(bool Value)
{
    if (qx::storeChanged(glowAnimation_, Value))
        Invalidate();
}

void TAdvSplashProgressBar::SetProgressAnimation(bool Value)
{
    if (!qx::storeChanged(progressAnimation_, Value))
        return;
    if (!Value)
        SetPosition(positionTo_); // settles the shown value
    Invalidate();
}

void TAdvSplashProgressBar::SetAppearance(const TGDIPSplashProgress& Value)
{
    if (&Value != appearance_.get())
        appearance_->Assign(Value); // raises the resynchronisation
}

void TAdvSplashProgressBar::resynchronise()
{
    const TGDIPSplashProgress& a = *appearance_;
    SetBounds(a.Left(), a.Top(), a.Width(), a.Height());
    SetVisible(a.Visible());
    SetStep(a.Step());
    SetMinimum(a.Minimum());
    SetMaximum(a.Maximum());
    SetPosition(a.Position());
    SetGlowAnimation(a.GlowAnimation);
    SetProgressAnimation(a.ProgressAnimation);
    Invalidate();
}

void TAdvSplashProgressBar::AnimationTick()
{
    if (animating(progressAnimation_)) {
        const double s = std::fabs(positionTo_ - positionTemp_) / 15.0;
        if (std::fabs(positionTemp_ - positionTo_) <= 1e-6) {
            positionTemp_ = positionTo_;
            setShown(positionTemp_);
        } else {
            const double stepBy = std::max(s, 1e-6);
            positionTemp_ += positionTemp_ < positionTo_ ? std::min(stepBy, positionTo_ - positionTemp_)
                                                         : -std::min(stepBy, positionTemp_ - positionTo_);
            setShown(positionTemp_);
            Invalidate();
        }
    }
    if (animating(glowAnimation_) && position_ > minimum_) {
        if (glowCount_ >= 1500)
            glowPos_ += 3;
        const RectF p = appearance_->CalculateProgressRectangle(TRect{0, 0, Width(), Height()}, minimum_, maximum_,
                                                                position_);
        if (p.Width >= glowPos_) {
            glowCount_ += 10;
        } else {
            glowCount_ = 0;
            glowPos_ = -60.0;
        }
        Invalidate();
    }
}

void TAdvSplashProgressBar::Resize()
{
    TGraphicControl::Resize();
    Invalidate();
}

void TAdvSplashProgressBar::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    Graphics g(*canvas);
    g.SetSmoothingMode(qx::gdiplus::SmoothingMode::AntiAlias);
    g.SetTextRenderingHint(qx::gdiplus::TextRenderingHint::ClearTypeGridFit);
    const TRect r{0, 0, Width(), Height()};
    appearance_->Draw(g, r, minimum_, maximum_, position_);
    if (animating(glowAnimation_) && position_ > 0) {
        const RectF p = appearance_->CalculateProgressRectangle(r, minimum_, maximum_, position_);
        const RectF inner = appearance_->GetInsideRectF(r);
        g.SetClip(p);
        const float x = static_cast<float>(glowPos_);
        g.FillRectangle(LinearGradientBrush(RectF{x - 30, inner.Y, 30, inner.Height}, 0x00FFFFFFu, 0x78FFFFFFu,
                                            LinearGradientMode::Horizontal),
                        RectF{x - 30, inner.Y, 30, inner.Height});
        g.FillRectangle(LinearGradientBrush(RectF{x, inner.Y, 30, inner.Height}, 0x78FFFFFFu, 0x00FFFFFFu,
                                            LinearGradientMode::Horizontal),
                        RectF{x, inner.Y, 30, inner.Height});
        g.ResetClip();
    }
}
