#pragma once
// TAdvProgressBar: the level-coloured progress gauge. Blocks turn from green to yellow, orange
// and red with the percentage; Position writes repaint at once (the GUI thread is busy in the
// transfer loops), but only about once a percent.

#include "controls/skinned/Setting.h"
#include "platform/gui/Control.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <string>

class TCanvas;
class TTimer;

enum TGaugeOrientation
{
    goHorizontal,
    goVertical
};

// What one paint hands to PaintLevelGauge.
struct TGaugeSettings
{
    TColor Level0Color, Level0ColorTo, Level1Color, Level1ColorTo, Level2Color, Level2ColorTo, Level3Color,
        Level3ColorTo;
    int Level1Perc, Level2Perc;
    TColor BorderColor, Level0BkColor, Level1BkColor, Level2BkColor;
    bool ShowBorder, Stacked, ShowPercentage, ShowPosition;
    TFont Font;
    bool CompletionSmooth, ShowGradient;
    int Steps;
    int Position; // the percentage
    int Value;    // the raw position
    int Max;
    TColor BackgroundColor;
    TGaugeOrientation Orientation;
    bool Rounded;
    TColor ParentColor;
    std::string Format;
    bool Infinite;
    int InfinitePos;
};

// Draws the gauge into r (the client rectangle at the origin).
void PaintLevelGauge(TCanvas& canvas, const TRect& r, TGaugeSettings s);
// Solid bands from `from` toward `to` across x (acrossX) or y; count 0 counts as 1.
void FillGradientBands(TCanvas& canvas, TColor from, TColor to, bool acrossX, const TRect& r, int count);

namespace qx {
// The text of the bar: the percentage with "%" or the value, or the pattern formatted with
// value and max when it holds only numeric conversions (else the plain text).
std::string gaugeText(const TGaugeSettings& s);
} // namespace qx

class TAdvProgressBar : public TGraphicControl
{
public:
    explicit TAdvProgressBar(TComponent* AOwner);
    ~TAdvProgressBar() override;

    int Position() const { return position_; }
    void SetPosition(int Value);
    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);

    QX_SETTING(TColor, Level0Color, s_.Level0Color, s_.Level0Color = Value; Invalidate())
    QX_SETTING(TColor, Level0ColorTo, s_.Level0ColorTo, s_.Level0ColorTo = Value; Invalidate())
    QX_SETTING(TColor, Level1Color, s_.Level1Color, s_.Level1Color = Value; Invalidate())
    QX_SETTING(TColor, Level1ColorTo, s_.Level1ColorTo, s_.Level1ColorTo = Value; Invalidate())
    QX_SETTING(TColor, Level2Color, s_.Level2Color, s_.Level2Color = Value; Invalidate())
    QX_SETTING(TColor, Level2ColorTo, s_.Level2ColorTo, s_.Level2ColorTo = Value; Invalidate())
    QX_SETTING(TColor, Level3Color, s_.Level3Color, s_.Level3Color = Value; Invalidate())
    QX_SETTING(TColor, Level3ColorTo, s_.Level3ColorTo, s_.Level3ColorTo = Value; Invalidate())
    QX_SETTING(int, Level1Perc, s_.Level1Perc, s_.Level1Perc = Value; Invalidate())
    QX_SETTING(int, Level2Perc, s_.Level2Perc, s_.Level2Perc = Value; Invalidate())
    QX_SETTING(TColor, BorderColor, s_.BorderColor, s_.BorderColor = Value; Invalidate())
    QX_SETTING(bool, ShowBorder, s_.ShowBorder, s_.ShowBorder = Value; Invalidate())
    QX_SETTING(bool, Stacked, s_.Stacked, s_.Stacked = Value; Invalidate())
    QX_SETTING(bool, ShowPercentage, s_.ShowPercentage, s_.ShowPercentage = Value; Invalidate())
    QX_SETTING(bool, CompletionSmooth, s_.CompletionSmooth, s_.CompletionSmooth = Value; Invalidate())
    QX_SETTING(bool, ShowGradient, s_.ShowGradient, s_.ShowGradient = Value; Invalidate())
    QX_SETTING(int, Steps, s_.Steps, s_.Steps = Value; Invalidate())
    QX_SETTING(TColor, BackgroundColor, s_.BackgroundColor, s_.BackgroundColor = Value; Invalidate())
    QX_SETTING(TGaugeOrientation, Orientation, s_.Orientation, s_.Orientation = Value; Invalidate())
    QX_SETTING(bool, ShowPosition, s_.ShowPosition, s_.ShowPosition = Value; Invalidate())
    QX_SETTING(bool, Rounded, s_.Rounded, s_.Rounded = Value; Invalidate())
    QX_SETTING(std::string, Format, s_.Format, s_.Format = Value; Invalidate())
    QX_SETTING(TFont, Font, s_.Font, s_.Font = Value; Invalidate())
    TColor Level0BkColor() const { return s_.Level0BkColor; }
    void SetLevel0BkColor(TColor Value) { setBackground(s_.Level0BkColor, Value); }
    TColor Level1BkColor() const { return s_.Level1BkColor; }
    void SetLevel1BkColor(TColor Value) { setBackground(s_.Level1BkColor, Value); }
    TColor Level2BkColor() const { return s_.Level2BkColor; }
    void SetLevel2BkColor(TColor Value) { setBackground(s_.Level2BkColor, Value); }

    bool Infinite() const { return s_.Infinite; }
    void SetInfinite(bool Value);
    bool Animated() const { return animated_; }
    void SetAnimated(bool Value);
    int InfiniteInterval() const { return infiniteInterval_; }
    void SetInfiniteInterval(int Value);
    int InfinitePos() const { return s_.InfinitePos; }
    std::string Version() const { return "1.2.0.1"; }
    void SetVersion(const std::string&) {}

    // The settings a paint hands to PaintLevelGauge.
    TGaugeSettings Settings() const;
    // Draws the bar onto a canvas at the origin (the rounded corners left as they were).
    void PaintTo(TCanvas& canvas);

protected:
    void Paint() override;
    // The synchronous repaint of a Position write.
    virtual void PaintNow() { Repaint(); }
    virtual void InfiniteTimerTick();

private:
    void setBackground(TColor& field, TColor value);
    void updateTimer();

    TGaugeSettings s_;
    int position_ = 50, min_ = 0, max_ = 100;
    int maxIncrement_ = 1;
    bool animated_ = false;
    bool infiniteInc_ = false;
    int infiniteInterval_ = 50;
    int oldBlockPos_ = 0, oldPos_ = 0;
    TTimer* timer_ = nullptr;
};
