#pragma once
// The fader: an integer Position between Min and Max moved by keys, the wheel, presses beside
// the thumb (page steps repeated by a timer), jumps and thumb drags, drawn as a track line
// with a thumb picture. A write of Position from code raises OnChange as a user move does.

#include "controls/skinned/AdvStyleIF.h"
#include "controls/skinned/ChangedValue.h"
#include "controls/skinned/GDIPicture.h"
#include "controls/skinned/TrackBarSettings.h"
#include "controls/skinned/TrackBarTypes.h"
#include "platform/gui/Control.h"

#include <functional>
#include <memory>
#include <string>

class TCanvas;
class TImageList;
class TTimer;
class TTrackHintWindow;
struct TSize;

using TTrackHintEvent = std::function<void(TObject* Sender, int Position, std::string& HintStr)>;
using TTrackLabelTextEvent = std::function<void(TObject* Sender, int Position, std::string& Value)>;
using TTickMarkTextEvent = std::function<void(TObject* Sender, int Index, std::string& Value)>;
// May change a tick's length, colours and text, or clear DefaultDraw to draw it itself.
using TDrawTickEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, TPoint Location, int Position, TTickMark TickPos,
                       int& Length, TColor& Color, TColor& TextColor, std::string& Text, bool& DefaultDraw)>;

class TCustomTrackBar : public TCustomControl
{
public:
    explicit TCustomTrackBar(TComponent* AOwner);
    ~TCustomTrackBar() override;

    int Position() const { return position_; }
    virtual void SetPosition(int Value);
    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int Value) { pageSize_ = Value; }
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation Value);
    TMoveOnClick MoveOnClick() const { return moveOnClick_; }
    void SetMoveOnClick(TMoveOnClick Value) { moveOnClick_ = Value; }
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool Value) { showFocus_ = Value; }
    // Shows the value in a hint window while the thumb is dragged.
    bool TrackHint() const { return trackHint_; }
    void SetTrackHint(bool Value) { trackHint_ = Value; }
    // The drag hint window, null until a hint was first shown.
    TTrackHintWindow* TrackHintWindow() const { return hintWindow_; }
    bool TrackHintShowing() const { return trackHintShow_; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    std::string Version() const { return "1.6.3.0"; }
    void SetVersion(const std::string&) {}

    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor Value) { storeAndInvalidate(colorTo_, Value); }
    TColor ColorDisabled() const { return colorDisabled_; }
    void SetColorDisabled(TColor Value) { colorDisabled_ = Value; }
    TColor ColorDisabledTo() const { return colorDisabledTo_; }
    void SetColorDisabledTo(TColor Value) { colorDisabledTo_ = Value; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value) { storeAndInvalidate(borderColor_, Value); }
    TColor BorderColorDisabled() const { return borderColorDisabled_; }
    void SetBorderColorDisabled(TColor Value) { borderColorDisabled_ = Value; }
    qx::trackbar::TGradientDirection Direction() const { return direction_; }
    void SetDirection(qx::trackbar::TGradientDirection Value) { storeAndInvalidate(direction_, Value); }
    bool BackGroundStretched() const { return backGroundStretched_; }
    void SetBackGroundStretched(bool Value) { storeAndInvalidate(backGroundStretched_, Value); }
    TGDIPPicture& BackGround() const { return *backGround_; }
    // With both pictures set the fader shows one cell per value from Min + 1 to Max.
    TGDIPPicture& RateActive() const { return *rateActive_; }
    TGDIPPicture& RateInActive() const { return *rateInActive_; }
    bool RatingMode() const { return !rateActive_->Empty() && !rateInActive_->Empty(); }
    // The cell of a value; empty when the value has none (below Min + 1 or past the area).
    TRect RatingCellRect(int value) const;
    TGDIPPicture& BackGroundDisabled() const { return *backGroundDisabled_; }

    TTrackBarThumb& Thumb() const { return *thumb_; }
    TTrackBarSlider& Slider() const { return *slider_; }
    TTrackBarTick& TickMark() const { return *tickMark_; }
    // Pictures drawn instead of the tick lines (referenced, not owned; forgotten when the
    // list goes): the picture of the tick's value, picture 0 for a value outside the list.
    TImageList* TickImages() const { return tickImages_; }
    void SetTickImages(TImageList* Value);
    TTrackBarButtons& Buttons() const { return *buttons_; }
    TTrackBarLabel& TrackLabel() const { return *trackLabel_; }

    // Geometry in client pixels (right and bottom exclusive).
    TRect InnerRect() const;
    TRect SlideArea() const;
    // The track line; all -1 when there is none.
    TRect SliderRect() const;
    TRect MinButtonRect() const;
    TRect MaxButtonRect() const;
    virtual TRect GetTopLeftTickRect() const;
    virtual TRect GetBottomRightTickRect() const;
    virtual TRect GetThumbRect() const;
    int ThumbPointerOffset() const;
    // The position label's strip, or with placed its text's place in the strip.
    TRect GetLabelRect(bool placed) const;
    // The label text: Format of TrackLabel.Format with Position, then OnGetTrackLabelText; a
    // pattern the formatter refuses shows as it stands.
    virtual std::string GetTrackLabelText() const;
    // Slide-area length less the thumb length: the distance the thumb travels.
    int TravelLength() const;

    // Draws the whole fader onto a canvas of the client size.
    void PaintTo(TCanvas& canvas);

    // Loads one of the predefined colour schemes; tsCustom only resets pictures and offsets.
    void SetComponentStyle(TVokStyle AStyle);

    virtual bool CanChangeThumbPointer(const TTrackBarThumb& thumb, TThumbPointer value);

    void Loaded() override;

    TNotifyEvent OnChange;
    TTrackHintEvent OnGetTrackHint;
    TTrackLabelTextEvent OnGetTrackLabelText;
    TTickMarkTextEvent OnGetTickMarkText;
    TDrawTickEvent OnDrawTick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void RepeatTimerTick();
    virtual bool CanPageStep() { return true; }
    virtual bool CanDragThumb() { return true; }
    virtual bool IsValidPosition(int v) const { return min_ <= v && v <= max_; }
    virtual int GetMinPosition() const { return min_; }
    virtual int GetMaxPosition() const { return max_; }
    virtual void StepDown();
    virtual void StepUp();
    virtual void PageStepToPress();
    virtual int GetThumbLength() const;
    virtual void DrawSlider(TCanvas& canvas);
    virtual void DrawThumb(TCanvas& canvas);
    virtual void DoChange();

    void KeyDown(Word& Key, TShiftState Shift) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;

private:
    bool vertical() const { return orientation_ == trVertical; }
    // A rectangle from spans along and across the axis.
    TRect axisRect(int alongStart, int alongEnd, int crossStart, int crossEnd) const;
    bool ticksOn(TTickMark side) const;
    double pixelsPerUnit() const;
    int clampPosition(int v) const;
    int positionFromPixels(double pixels, int length) const;
    void startRepeatTimer();
    void showDragHint(int value, int x, int y);
    void pointerLeft();
    // A release in rating mode: the value of the cell under p, or Min just left of the first.
    void rateAt(TPoint p);
    void repaintThumb() { Invalidate(); }
    void drawBackground(TCanvas& canvas);
    // Ticks of the automatic tick style: lines or pictures, with their texts.
    void drawTicks(TCanvas& canvas);
    void drawLabel(TCanvas& canvas);
    // The tick strips' thickness: the tick length, plus the text height with tick texts.
    int tickStripThickness() const;
    void drawTick(TCanvas& canvas, int value, int offset, TTickMark side, const TRect& strip);
    void drawRatingCells(TCanvas& canvas);
    TPoint ratingCellSize() const;
    TSize labelTextSize(const std::string& text) const;
    // The min (or max) button: its picture for the state, else a glossy face with a minus or plus.
    void drawButton(TCanvas& canvas, bool isMin);
    template <class T> void storeAndInvalidate(T& field, const T& value)
    {
        if (qx::storeChanged(field, value))
            Invalidate();
    }

    int position_ = 0, min_ = 0, max_ = 10, pageSize_ = 1;
    TTrackBarOrientation orientation_ = trHorizontal;
    TMoveOnClick moveOnClick_ = mcStep;
    bool showFocus_ = false;
    bool transparent_ = true;
    TColor colorTo_ = clNone, colorDisabled_ = clNone, colorDisabledTo_ = clNone;
    TColor borderColor_ = clNone, borderColorDisabled_ = clNone;
    qx::trackbar::TGradientDirection direction_ = qx::trackbar::gdHorizontal;
    bool backGroundStretched_ = false;
    std::unique_ptr<TGDIPPicture> backGround_, backGroundDisabled_, rateActive_, rateInActive_;
    std::unique_ptr<TTrackBarThumb> thumb_;
    std::unique_ptr<TTrackBarSlider> slider_;
    std::unique_ptr<TTrackBarTick> tickMark_;
    std::unique_ptr<TTrackBarButtons> buttons_;
    std::unique_ptr<TTrackBarLabel> trackLabel_;
    TImageList* tickImages_ = nullptr;

    // Interaction state.
    bool sliding_ = false;
    bool thumbHot_ = false, thumbDown_ = false;
    int thumbCenterOffsetX_ = 0, thumbCenterOffsetY_ = 0;
    bool sliderButtonDown_ = false;
    TPoint sliderDownPt_;
    bool minButtonHot_ = false, minButtonDown_ = false, maxButtonHot_ = false, maxButtonDown_ = false;
    TTimer* repeatTimer_ = nullptr;
    bool trackHint_ = false;
    int hintTickIndex_ = -1;
    TTrackHintWindow* hintWindow_ = nullptr;
    bool trackHintShow_ = false;
    static constexpr int kBorderWidth = 1;
    static constexpr int kOffset = 2;
};

/// The published fader; behaviour is all in TCustomTrackBar.
class TAdvTrackBar : public TCustomTrackBar
{
public:
    using TCustomTrackBar::TCustomTrackBar;
};
