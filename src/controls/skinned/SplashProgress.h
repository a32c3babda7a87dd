#pragma once
// The splash screen's progress bar: its settings and drawing (TGDIPSplashProgress: background
// fill, progress fill, edge shading, value text, glass highlight) and the control that shows
// them in the splash window with an animated position and a moving glow.

#include "controls/skinned/ChangedValue.h"
#include "controls/skinned/GDIPFill.h"
#include "platform/gui/Control.h"
#include "platform/gui/Events.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class TTimer;

enum TGDIPProgressValueType
{
    vtPercentage,
    vtAbsolute
};
enum TGDIPProgressValuePosition
{
    vpProgressCenter,
    vpProgressRight,
    vpCenter,
    vpLeft,
    vpRight,
    vpCustom
};

class TGDIPSplashProgress : public TPersistent
{
public:
    using Graphics = qx::gdiplus::Graphics;
    using RectF = qx::gdiplus::RectF;

    TGDIPSplashProgress();
    ~TGDIPSplashProgress() override;

    TGDIPFill& BackGroundFill() const { return *backGroundFill_; }
    TGDIPFill& ProgressFill() const { return *progressFill_; }
    void SetBackGroundFill(const TGDIPFill& Value);
    void SetProgressFill(const TGDIPFill& Value);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value) { update(font_, Value); }
    const TFont& ProgressFont() const { return progressFont_; }
    void SetProgressFont(const TFont& Value) { update(progressFont_, Value); }

    const std::string& ValueFormat() const { return valueFormat_; }
    // Takes only a pattern whose conversions are numeric ("%.0f%%"); another is refused and
    // the pattern stays as it was.
    void SetValueFormat(const std::string& Value);
    TGDIPProgressValueType ValueType() const { return valueType_; }
    void SetValueType(TGDIPProgressValueType Value) { update(valueType_, Value); }
    TGDIPProgressValuePosition ValuePosition() const { return valuePosition_; }
    void SetValuePosition(TGDIPProgressValuePosition Value) { update(valuePosition_, Value); }
    int ValuePositionLeft() const { return valuePositionLeft_; }
    void SetValuePositionLeft(int Value) { update(valuePositionLeft_, Value); }
    int ValuePositionTop() const { return valuePositionTop_; }
    void SetValuePositionTop(int Value) { update(valuePositionTop_, Value); }
    bool ValueVisible() const { return valueVisible_; }
    void SetValueVisible(bool Value) { update(valueVisible_, Value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value)
    {
        visible_ = Value;
        Changed();
    }
    int Left() const { return left_; }
    void SetLeft(int Value) { update(left_, Value); }
    int Top() const { return top_; }
    void SetTop(int Value) { update(top_, Value); }
    int Width() const { return width_; }
    void SetWidth(int Value) { update(width_, Value); }
    int Height() const { return height_; }
    void SetHeight(int Value) { update(height_, Value); }
    double Step() const { return step_; }
    void SetStep(double Value) { step_ = Value; }
    double Minimum() const { return minimum_; }
    void SetMinimum(double Value) { update(minimum_, Value); }
    double Maximum() const { return maximum_; }
    void SetMaximum(double Value) { update(maximum_, Value); }
    double Position() const { return position_; }
    void SetPosition(double Value) { update(position_, Value); }

    bool ProgressAnimation = false;
    bool GlowAnimation = false;

    void Assign(const TPersistent& Source) override;

    RectF GetInsideRectF(const TRect& r) const;
    RectF CalculateProgressRectangle(const TRect& r, double minimum, double maximum, double position) const;
    // The value text for a position, none when the pattern cannot format it.
    std::optional<std::string> ValueText(double minimum, double maximum, double position) const;
    void Draw(Graphics& graphics, const TRect& r, double minimum, double maximum, double position);

    TNotifyEvent OnChange;

private:
    void Changed();
    template <class T> void update(T& field, const T& value)
    {
        if (qx::storeChanged(field, value))
            Changed();
    }
    TRect insideRect(const TRect& r) const;
    void drawValueText(Graphics& graphics, const TRect& r, double minimum, double maximum, double position);

    std::unique_ptr<TGDIPFill> backGroundFill_;
    std::unique_ptr<TGDIPFill> progressFill_;
    TFont font_;
    TFont progressFont_;
    std::string valueFormat_ = "%.0f%%";
    TGDIPProgressValueType valueType_ = vtAbsolute;
    TGDIPProgressValuePosition valuePosition_ = vpCenter;
    int valuePositionLeft_ = 0, valuePositionTop_ = 0;
    bool valueVisible_ = false;
    bool visible_ = false;
    int left_ = 50, top_ = 100, width_ = 300, height_ = 17;
    double step_ = 10.0, minimum_ = 0.0, maximum_ = 100.0, position_ = 0.0;
};

namespace qx {
// True when every conversion of a format pattern is a floating-point one (or "%%").
bool isNumericFormatPattern(const std::string& pattern);
} // namespace qx

using TAdvSmoothProgressBarPositionChanged = std::function<void(TObject* Sender, double Value)>;

class TAdvSplashProgressBar : public TGraphicControl
{
public:
    explicit TAdvSplashProgressBar(TComponent* AOwner);
    ~TAdvSplashProgressBar() override;

    double Step() const { return step_; }
    void SetStep(double Value);
    double Minimum() const { return minimum_; }
    void SetMinimum(double Value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double Value);
    double Position() const { return position_; }
    void SetPosition(double Value);
    bool GlowAnimation() const { return glowAnimation_; }
    void SetGlowAnimation(bool Value);
    bool ProgressAnimation() const { return progressAnimation_; }
    void SetProgressAnimation(bool Value);
    TGDIPSplashProgress& Appearance() const { return *appearance_; }
    void SetAppearance(const TGDIPSplashProgress& Value);
    std::string Version() const { return "1.2.0.0"; }
    void SetVersion(const std::string&) {}

    void Next() { Next(step_); }
    void Next(double step) { GoToValue(position_ + step); }
    void Previous() { Previous(step_); }
    void Previous(double step) { GoToValue(position_ - step); }
    void GoToValue(double value) { SetPosition(value); }
    void GoToEnd() { SetPosition(maximum_); }
    void GoToStart() { SetPosition(minimum_); }
    bool AnimationInProgress() const;
    // The shown (animated) value.
    double ShownValue() const { return positionTemp_; }

    // One tick of the 10 ms animation timer.
    void AnimationTick();

    TNotifyEvent OnChange; // never raised
    TAdvSmoothProgressBarPositionChanged OnPositionChanged;

protected:
    void Paint() override;
    void Resize() override;

private:
    bool animating(bool flag) const;
    void setShown(double value);
    void resynchronise();

    double step_ = 10.0, minimum_ = 0.0, maximum_ = 100.0, position_ = 0.0;
    bool glowAnimation_ = false, progressAnimation_ = false;
    double positionTo_ = 0.0, positionTemp_ = 0.0;
    int glowCount_ = 3000;
    double glowPos_ = -40.0;
    std::unique_ptr<TGDIPSplashProgress> appearance_;
    TTimer* animationTimer_ = nullptr;
};
