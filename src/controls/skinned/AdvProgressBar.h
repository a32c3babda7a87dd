#pragma once
// TAdvProgressBar: the level-coloured progress gauge. Blocks turn from green to yellow, orange
// and red with the percentage; Position writes repaint at once (the GUI thread is busy in the
// transfer loops), but only about once a percent.

#include "platform/gui/Control.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <string>

class TCanvas;
class TTimer;

enum TGaugeOrientation { goHorizontal, goVertical };

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

#define QX_GAUGE_PROPERTY(Type, Name, field)                                                                           \
    Type Name() const { return field; }                                                                                \
    void Set##Name(Type Value)                                                                                         \
    {                                                                                                                  \
        field = Value;                                                                                                 \
        Invalidate();                                                                                                  \
    }
    QX_GAUGE_PROPERTY(TColor, Level0Color, s_.Level0Color)
    QX_GAUGE_PROPERTY(TColor, Level0ColorTo, s_.Level0ColorTo)
    QX_GAUGE_PROPERTY(TColor, Level1Color, s_.Level1Color)
    QX_GAUGE_PROPERTY(TColor, Level1ColorTo, s_.Level1ColorTo)
    QX_GAUGE_PROPERTY(TColor, Level2Color, s_.Level2Color)
    QX_GAUGE_PROPERTY(TColor, Level2ColorTo, s_.Level2ColorTo)
    QX_GAUGE_PROPERTY(TColor, Level3Color, s_.Level3Color)
    QX_GAUGE_PROPERTY(TColor, Level3ColorTo, s_.Level3ColorTo)
    QX_GAUGE_PROPERTY(int, Level1Perc, s_.Level1Perc)
    QX_GAUGE_PROPERTY(int, Level2Perc, s_.Level2Perc)
    QX_GAUGE_PROPERTY(TColor, BorderColor, s_.BorderColor)
    QX_GAUGE_PROPERTY(bool, ShowBorder, s_.ShowBorder)
    QX_GAUGE_PROPERTY(bool, Stacked, s_.Stacked)
    QX_GAUGE_PROPERTY(bool, ShowPercentage, s_.ShowPercentage)
    QX_GAUGE_PROPERTY(bool, CompletionSmooth, s_.CompletionSmooth)
    QX_GAUGE_PROPERTY(bool, ShowGradient, s_.ShowGradient)
    QX_GAUGE_PROPERTY(int, Steps, s_.Steps)
    QX_GAUGE_PROPERTY(TColor, BackgroundColor, s_.BackgroundColor)
    QX_GAUGE_PROPERTY(TGaugeOrientation, Orientation, s_.Orientation)
    QX_GAUGE_PROPERTY(bool, ShowPosition, s_.ShowPosition)
    QX_GAUGE_PROPERTY(bool, Rounded, s_.Rounded)
    QX_GAUGE_PROPERTY(std::string, Format, s_.Format)
    QX_GAUGE_PROPERTY(TFont, Font, s_.Font)
#undef QX_GAUGE_PROPERTY
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
