#pragma once
// The fader's settings objects: thumb, slider (the track line), tick marks, min/max buttons and
// the position label. Each raises OnChange after a change that the fader must repaint for;
// some take sizes from their pictures.

#include "controls/skinned/ChangedValue.h"
#include "controls/skinned/GDIPicture.h"
#include "controls/skinned/Setting.h"
#include "controls/skinned/TrackBarTypes.h"
#include "platform/gui/Component.h"
#include "platform/gui/Events.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <memory>
#include <string>

class TCustomTrackBar;

namespace qx {

/// Base of the settings objects: stores a changed value and notifies.
class TrackBarSettings : public TPersistent
{
public:
    TNotifyEvent OnChange;

protected:
    void Changed() { qx::fire(OnChange, this); }
    template <class T> void update(T& field, const T& value)
    {
        if (qx::storeChanged(field, value))
            Changed();
    }
    // An owned picture whose changes run the given rule.
    static std::unique_ptr<TGDIPPicture> makePicture(std::function<void()> rule);
};

} // namespace qx

class TTrackBarThumb : public qx::TrackBarSettings
{
public:
    explicit TTrackBarThumb(TCustomTrackBar* owner = nullptr);
    void Assign(const TPersistent& Source) override;

    QX_SETTING(TColor, Color, color_, update(color_, Value))
    QX_SETTING(TColor, ColorTo, colorTo_, update(colorTo_, Value))
    QX_SETTING(TColor, ColorMirror, colorMirror_, update(colorMirror_, Value))
    QX_SETTING(TColor, ColorMirrorTo, colorMirrorTo_, update(colorMirrorTo_, Value))
    QX_SETTING(TColor, BorderColor, borderColor_, update(borderColor_, Value))
    QX_SETTING(TColor, ColorHot, colorHot_, update(colorHot_, Value))
    QX_SETTING(TColor, ColorHotTo, colorHotTo_, update(colorHotTo_, Value))
    QX_SETTING(TColor, BorderColorHot, borderColorHot_, update(borderColorHot_, Value))
    QX_SETTING(TColor, ColorMirrorHot, colorMirrorHot_, colorMirrorHot_ = Value)
    QX_SETTING(TColor, ColorMirrorHotTo, colorMirrorHotTo_, colorMirrorHotTo_ = Value)
    QX_SETTING(TColor, ColorDown, colorDown_, update(colorDown_, Value))
    QX_SETTING(TColor, ColorDownTo, colorDownTo_, update(colorDownTo_, Value))
    QX_SETTING(TColor, BorderColorDown, borderColorDown_, update(borderColorDown_, Value))
    QX_SETTING(TColor, ColorMirrorDown, colorMirrorDown_, colorMirrorDown_ = Value)
    QX_SETTING(TColor, ColorMirrorDownTo, colorMirrorDownTo_, colorMirrorDownTo_ = Value)
    QX_SETTING(TColor, ColorDisabled, colorDisabled_, update(colorDisabled_, Value))
    QX_SETTING(TColor, ColorDisabledTo, colorDisabledTo_, update(colorDisabledTo_, Value))
    QX_SETTING(TColor, BorderColorDisabled, borderColorDisabled_, update(borderColorDisabled_, Value))
    QX_SETTING(TColor, ColorMirrorDisabled, colorMirrorDisabled_, update(colorMirrorDisabled_, Value))
    QX_SETTING(TColor, ColorMirrorDisabledTo, colorMirrorDisabledTo_, update(colorMirrorDisabledTo_, Value))
    QX_SETTING(TGDIPGradient, Gradient, gradient_, update(gradient_, Value))
    QX_SETTING(TGDIPGradient, GradientMirror, gradientMirror_, update(gradientMirror_, Value))
    QX_SETTING(TThumbShape, Shape, shape_, update(shape_, Value))
    QX_SETTING(bool, ShowAtMinMax, showAtMinMax_, update(showAtMinMax_, Value))
    QX_SETTING(TThumbStyle, Style, style_, update(style_, Value))

    TThumbPointer ThumbPointer() const { return thumbPointer_; }
    void SetThumbPointer(TThumbPointer Value);
    int Size() const { return size_; }
    void SetSize(int Value);
    int Width() const { return width_; }
    void SetWidth(int Value);
    int Steps() const { return steps_; }

    TGDIPPicture& Picture() const { return *picture_; }
    TGDIPPicture& PictureHot() const { return *pictureHot_; }
    TGDIPPicture& PictureDown() const { return *pictureDown_; }
    TGDIPPicture& PictureDisabled() const { return *pictureDisabled_; }

    // Sizes from the thumb picture, as after loading a layout.
    void PictureChanged();

private:
    TCustomTrackBar* owner_;
    TColor color_ = 15653832, colorTo_ = 16178633, colorMirror_ = 15586496, colorMirrorTo_ = 16245200;
    TColor borderColor_ = 10317632;
    TColor colorHot_ = 15465983, colorHotTo_ = 11332863, borderColorHot_ = 10079963;
    TColor colorMirrorHot_ = 5888767, colorMirrorHotTo_ = 10807807;
    TColor colorDown_ = 7778289, colorDownTo_ = 4296947, borderColorDown_ = 4548219;
    TColor colorMirrorDown_ = 946929, colorMirrorDownTo_ = 5021693;
    TColor colorDisabled_ = 0, colorDisabledTo_ = 0, borderColorDisabled_ = 0;
    TColor colorMirrorDisabled_ = 0, colorMirrorDisabledTo_ = 0;
    TGDIPGradient gradient_ = ggVertical, gradientMirror_ = ggRadial;
    TThumbShape shape_ = tsPointer;
    TThumbPointer thumbPointer_ = tpCenter;
    TThumbStyle style_ = tstOffice2007;
    bool showAtMinMax_ = true;
    int size_ = 15;
    int width_ = 10;
    int steps_ = 64;
    std::unique_ptr<TGDIPPicture> picture_, pictureHot_, pictureDown_, pictureDisabled_;
};

class TTrackBarSlider : public qx::TrackBarSettings
{
public:
    explicit TTrackBarSlider(TCustomTrackBar* owner = nullptr);
    void Assign(const TPersistent& Source) override;

    QX_SETTING(TColor, Color, color_, update(color_, Value))
    QX_SETTING(TColor, ColorTo, colorTo_, update(colorTo_, Value))
    QX_SETTING(TColor, BorderColor, borderColor_, update(borderColor_, Value))
    QX_SETTING(TColor, ColorDisabled, colorDisabled_, update(colorDisabled_, Value))
    QX_SETTING(TColor, ColorDisabledTo, colorDisabledTo_, update(colorDisabledTo_, Value))
    QX_SETTING(TColor, BorderColorDisabled, borderColorDisabled_, update(borderColorDisabled_, Value))
    QX_SETTING(TColor, ColorCompleted, colorCompleted_, update(colorCompleted_, Value))
    QX_SETTING(TColor, ColorCompletedTo, colorCompletedTo_, update(colorCompletedTo_, Value))
    QX_SETTING(TColor, ColorCompletedDisabled, colorCompletedDisabled_,
               update(colorCompletedDisabled_, Value))
    QX_SETTING(TColor, ColorCompletedDisabledTo, colorCompletedDisabledTo_,
               update(colorCompletedDisabledTo_, Value))
    QX_SETTING(qx::trackbar::TGradientDirection, Direction, direction_, update(direction_, Value))
    QX_SETTING(bool, PictureStretched, pictureStretched_, update(pictureStretched_, Value))
    QX_SETTING(int, Size, size_, update(size_, Value))
    QX_SETTING(bool, Border3D, border3D_, update(border3D_, Value))
    QX_SETTING(bool, Rounded, rounded_, update(rounded_, Value))
    QX_SETTING(bool, Visible, visible_, update(visible_, Value))
    QX_SETTING(int, Offset, offset_, update(offset_, Value))
    int Steps() const { return steps_; }

    TGDIPPicture& Picture() const { return *picture_; }
    TGDIPPicture& PictureDisabled() const { return *pictureDisabled_; }
    TGDIPPicture& PictureCompleted() const { return *pictureCompleted_; }
    TGDIPPicture& PictureCompletedDisabled() const { return *pictureCompletedDisabled_; }

private:
    void pictureChanged();

    TCustomTrackBar* owner_;
    TColor color_ = clWhite, colorTo_ = clBlack, borderColor_ = 12752500;
    TColor colorDisabled_ = 0, colorDisabledTo_ = 0, borderColorDisabled_ = 0;
    TColor colorCompleted_ = clNone, colorCompletedTo_ = clNone;
    TColor colorCompletedDisabled_ = clNone, colorCompletedDisabledTo_ = clNone;
    qx::trackbar::TGradientDirection direction_ = qx::trackbar::gdHorizontal;
    bool pictureStretched_ = false;
    int size_ = 2;
    bool border3D_ = true;
    bool rounded_ = false;
    bool visible_ = true;
    int offset_ = 10;
    int steps_ = 20;
    std::unique_ptr<TGDIPPicture> picture_, pictureDisabled_, pictureCompleted_, pictureCompletedDisabled_;
};

class TTrackBarTick : public qx::TrackBarSettings
{
public:
    TTrackBarTick();
    void Assign(const TPersistent& Source) override;

    QX_SETTING(TColor, Color, color_, update(color_, Value))
    QX_SETTING(TColor, ColorDisabled, colorDisabled_, update(colorDisabled_, Value))
    QX_SETTING(bool, Line3D, line3D_, update(line3D_, Value))
    QX_SETTING(TTickMark, Position, position_, update(position_, Value))
    QX_SETTING(bool, RotateFontVert, rotateFontVert_, update(rotateFontVert_, Value))
    QX_SETTING(TTickStyle, Style, style_, update(style_, Value))
    QX_SETTING(bool, ShowText, showText_, update(showText_, Value))
    QX_SETTING(bool, ShowImageAtThumbOnly, showImageAtThumbOnly_, update(showImageAtThumbOnly_, Value))
    QX_SETTING(int, ShowImageAtSteps, showImageAtSteps_, update(showImageAtSteps_, Value))
    QX_SETTING(int, Spacing, spacing_, update(spacing_, Value))
    QX_SETTING(int, Size, size_, update(size_, Value))
    QX_SETTING(TFont, Font, font_, update(font_, Value))

    TGDIPPicture& Picture() const { return *picture_; }
    TGDIPPicture& PictureDisabled() const { return *pictureDisabled_; }

private:
    TColor color_ = clBlack, colorDisabled_ = 0;
    bool line3D_ = false;
    TTickMark position_ = tmBottomRight;
    bool rotateFontVert_ = true;
    TTickStyle style_ = tsAuto;
    bool showText_ = false;
    bool showImageAtThumbOnly_ = false;
    int showImageAtSteps_ = 1;
    int spacing_ = 8;
    int size_ = 4;
    TFont font_;
    std::unique_ptr<TGDIPPicture> picture_, pictureDisabled_;
};

class TTrackBarButtons : public qx::TrackBarSettings
{
public:
    explicit TTrackBarButtons(TCustomTrackBar* owner = nullptr);
    void Assign(const TPersistent& Source) override;

    QX_SETTING(bool, Visible, visible_, update(visible_, Value))
    QX_SETTING(TColor, Color, color_, update(color_, Value))
    QX_SETTING(TColor, ColorTo, colorTo_, update(colorTo_, Value))
    QX_SETTING(TColor, ColorHot, colorHot_, update(colorHot_, Value))
    QX_SETTING(TColor, ColorHotTo, colorHotTo_, update(colorHotTo_, Value))
    QX_SETTING(TColor, ColorDown, colorDown_, update(colorDown_, Value))
    QX_SETTING(TColor, ColorDownTo, colorDownTo_, update(colorDownTo_, Value))
    QX_SETTING(TColor, BorderColor, borderColor_, update(borderColor_, Value))
    QX_SETTING(TColor, BorderColorHot, borderColorHot_, update(borderColorHot_, Value))
    QX_SETTING(TColor, BorderColorDown, borderColorDown_, update(borderColorDown_, Value))
    QX_SETTING(TColor, ColorMirror, colorMirror_, colorMirror_ = Value)
    QX_SETTING(TColor, ColorMirrorTo, colorMirrorTo_, colorMirrorTo_ = Value)
    QX_SETTING(TColor, ColorMirrorHot, colorMirrorHot_, colorMirrorHot_ = Value)
    QX_SETTING(TColor, ColorMirrorHotTo, colorMirrorHotTo_, colorMirrorHotTo_ = Value)
    QX_SETTING(TColor, ColorMirrorDown, colorMirrorDown_, colorMirrorDown_ = Value)
    QX_SETTING(TColor, ColorMirrorDownTo, colorMirrorDownTo_, colorMirrorDownTo_ = Value)
    QX_SETTING(TGDIPGradient, Gradient, gradient_, update(gradient_, Value))
    QX_SETTING(TGDIPGradient, GradientMirror, gradientMirror_, update(gradientMirror_, Value))
    QX_SETTING(int, InitRepeatPause, initRepeatPause_, initRepeatPause_ = Value)
    QX_SETTING(int, RepeatPause, repeatPause_, repeatPause_ = Value)
    QX_SETTING(bool, RepeatClick, repeatClick_, repeatClick_ = Value)
    QX_SETTING(bool, RotateText, rotateText_, update(rotateText_, Value))
    QX_SETTING(TTrackButtonShape, Shape, shape_, update(shape_, Value))
    QX_SETTING(int, Spacing, spacing_, update(spacing_, Value))
    QX_SETTING(int, Step, step_, step_ = Value)
    QX_SETTING(int, Rounding, rounding_, update(rounding_, Value))

    int Size() const { return size_; }
    void SetSize(int Value);

    TGDIPPicture& MinPicture() const { return *minPicture_; }
    TGDIPPicture& MaxPicture() const { return *maxPicture_; }
    TGDIPPicture& MinPictureHot() const { return *minPictureHot_; }
    TGDIPPicture& MinPictureDown() const { return *minPictureDown_; }
    TGDIPPicture& MaxPictureHot() const { return *maxPictureHot_; }
    TGDIPPicture& MaxPictureDown() const { return *maxPictureDown_; }

    // Size from the button pictures, as after loading a layout.
    void PictureChanged();

private:
    TCustomTrackBar* owner_;
    bool visible_ = false;
    TColor color_ = 15653832, colorTo_ = 16178633, colorHot_ = 15465983, colorHotTo_ = 11332863;
    TColor colorDown_ = 7778289, colorDownTo_ = 4296947;
    TColor borderColor_ = 9262895, borderColorHot_ = 10079963, borderColorDown_ = 4548219;
    TColor colorMirror_ = 15586496, colorMirrorTo_ = 16245200, colorMirrorHot_ = 5888767;
    TColor colorMirrorHotTo_ = 10807807, colorMirrorDown_ = 946929, colorMirrorDownTo_ = 5021693;
    TGDIPGradient gradient_ = ggVertical, gradientMirror_ = ggVertical;
    int initRepeatPause_ = 400;
    int repeatPause_ = 100;
    bool repeatClick_ = true;
    bool rotateText_ = true;
    int size_ = 20;
    TTrackButtonShape shape_ = bsRound;
    int spacing_ = 2;
    int step_ = 1;
    int rounding_ = 0;
    std::unique_ptr<TGDIPPicture> minPicture_, maxPicture_, minPictureHot_, minPictureDown_, maxPictureHot_,
        maxPictureDown_;
};

class TTrackBarLabel : public qx::TrackBarSettings
{
public:
    TTrackBarLabel();
    void Assign(const TPersistent& Source) override;

    QX_SETTING(bool, Visible, visible_, update(visible_, Value))
    QX_SETTING(TLabelPosition, Position, position_, update(position_, Value))
    QX_SETTING(TFont, Font, font_, update(font_, Value))
    QX_SETTING(std::string, Format, format_, update(format_, Value))
    QX_SETTING(int, Spacing, spacing_, update(spacing_, Value))

private:
    bool visible_ = false;
    TLabelPosition position_ = lpTopCenter;
    TFont font_;
    std::string format_ = "Pos: %d";
    int spacing_ = 4;
};
