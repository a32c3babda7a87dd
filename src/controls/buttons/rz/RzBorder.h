#pragma once
// TRzBorder, a configurable frame, and TRzMeter, a border showing a value between Min and
// Max as a bar or as LED segments in three colour zones.

#include "controls/buttons/rz/RzFrameController.h"
#include "controls/buttons/rz/RzGrafx.h"
#include "platform/gui/Control.h"
#include "platform/gui/canvas/Bitmap.h"

#include <cstdint>

/// A non-windowed frame: outer and inner frame styles, border rings and flat colours.
class TRzBorder : public TGraphicControl, public IRzFrameControllerClient
{
public:
    explicit TRzBorder(TComponent* AOwner);

    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value) { change(bevelWidth_, Value); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value) { change(borderWidth_, Value); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value) { change(borderColor_, Value); }
    TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(TColor Value) { change(borderHighlight_, Value); }
    TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(TColor Value) { change(borderShadow_, Value); }
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx Value) { change(borderInner_, Value); }
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx Value) { change(borderOuter_, Value); }
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides Value) { change(borderSides_, Value); }
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor Value);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int Value);
    std::uint16_t FrameControllerNotifications() const { return notifications_; }
    void SetFrameControllerNotifications(std::uint16_t Value) { notifications_ = Value; }
    TRzFrameController* FrameController() const { return frameLink_.get(); }
    void SetFrameController(TRzFrameController* Value) { frameLink_.set(Value); }
    void ApplyFrameControllerSettings() override;

    /// The area inside the borders; empty (all 0) when the borders leave nothing.
    TRect BorderClientRect() const;

protected:
    void Paint() override;
    /// The colour passed to the border painter as the face.
    virtual TColor FillColor() const { return 0xFFFF; }
    void Notification(TComponent* AComponent, TOperation Operation) override;

    template <class T>
    void change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Repaint();
    }

private:
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TColor borderColor_ = clBtnFace;
    TColor borderHighlight_ = clBtnHighlight;
    TColor borderShadow_ = clBtnShadow;
    TFrameStyleEx borderInner_ = fsNone;
    TFrameStyleEx borderOuter_ = fsGroove;
    TSides borderSides_ = kAllSides;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    std::uint16_t notifications_ = kAllFrameControllerNotifications;
    qx::rz::FrameControllerLink frameLink_{*this};
};

enum TRzMeterType { mtNormal, mtBar3D, mtLED };
enum TRzMeterShape { msRectangular, msTrapezoidal };

/// A segmented or bar meter. Min and Max never become equal through the setters; Value is
/// kept between them.
class TRzMeter : public TRzBorder
{
public:
    explicit TRzMeter(TComponent* AOwner);

    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    int Value() const { return value_; }
    virtual void SetValue(int Value);
    void AddValue(int Number);
    /// (Value - Min) x 100 div (Max - Min).
    int Percent() const;

    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor Value) { change(barColor_, Value); }
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor Value) { change(backColor_, Value); }
    TRzMeterType MeterType() const { return meterType_; }
    void SetMeterType(TRzMeterType Value) { change(meterType_, Value); }
    TRzMeterShape MeterShape() const { return meterShape_; }
    void SetMeterShape(TRzMeterShape Value) { change(meterShape_, Value); }
    TTrapDirect TrapezoidDir() const { return trapezoidDir_; }
    void SetTrapezoidDir(TTrapDirect Value) { change(trapezoidDir_, Value); }
    TTrapShape TrapezoidShape() const { return trapezoidShape_; }
    void SetTrapezoidShape(TTrapShape Value) { change(trapezoidShape_, Value); }
    int TrapezoidMin() const { return trapezoidMin_; }
    void SetTrapezoidMin(int Value) { change(trapezoidMin_, Value); }
    TDirection Direction() const { return direction_; }
    void SetDirection(TDirection Value) { change(direction_, Value); }
    TBitmap* Bitmap() { return &bitmap_; }
    void SetBitmap(const TBitmap& Value);
    /// Layout form: the bitmap by picture resource name.
    const std::string& BitmapResource() const { return bitmapResource_; }
    void SetBitmapResource(const std::string& Value);
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle Value) { change(brushStyle_, Value); }
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool Value) { change(showPercent_, Value); }
    int SegSpacing() const { return segSpacing_; }
    void SetSegSpacing(int Value) { change(segSpacing_, static_cast<std::uint8_t>(Value)); }
    TColor SegOffColor() const { return segOffColor_; }
    void SetSegOffColor(TColor Value) { change(segOffColor_, Value); }
    /// Segment count of zone 0..2, 1..255.
    int SegCount(int Index) const { return segCount_[Index]; }
    void SetSegCount(int Index, int Value);
    TColor SegColor(int Index) const { return segColor_[Index]; }
    void SetSegColor(int Index, TColor Value) { change(segColor_[Index], Value); }

protected:
    void Paint() override;
    TColor FillColor() const override { return backColor_; }

private:
    void drawBar(TCanvas& canvas, TRect r, int inset);
    void drawSegments(TCanvas& canvas, TRect r, int inset);
    std::int64_t span() const { return static_cast<std::int64_t>(value_) - min_; }
    std::int64_t range() const { return static_cast<std::int64_t>(max_) - min_; }

    int min_ = 0, max_ = 100, value_ = 0;
    TColor barColor_ = clRed, backColor_ = clBlack;
    TRzMeterType meterType_ = mtLED;
    TRzMeterShape meterShape_ = msRectangular;
    TTrapDirect trapezoidDir_ = tdLargeToSmall;
    TTrapShape trapezoidShape_ = tsCenter;
    int trapezoidMin_ = 6;
    TDirection direction_ = dirRight;
    TBitmap bitmap_;
    std::string bitmapResource_;
    TBrushStyle brushStyle_ = bsSolid;
    bool showPercent_ = true;
    std::uint8_t segSpacing_ = 2;
    TColor segOffColor_ = clBlack;
    int segCount_[3] = {5, 3, 2};
    TColor segColor_[3] = {clGreen, clYellow, clRed};
};
