#pragma once
// The fader's settings objects: thumb, slider (the track line), tick marks, min/max buttons and
// the position label. Each raises OnChange after a change that the fader must repaint for;
// some take sizes from their pictures.

#include "controls/skinned/ChangedValue.h"
#include "controls/skinned/GDIPicture.h"
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
    template <class T>
    void update(T& field, const T& value)
    {
        if (qx::storeChanged(field, value))
            Changed();
    }
    // An owned picture whose changes run the given rule.
    static std::unique_ptr<TGDIPPicture> makePicture(std::function<void()> rule);
};

} // namespace qx

#define QX_NOTIFYING(Type, Name, field)                                                                                \
    Type Name() const { return field; }                                                                                \
    void Set##Name(Type Value) { update(field, Value); }
#define QX_PLAIN(Type, Name, field)                                                                                    \
    Type Name() const { return field; }                                                                                \
    void Set##Name(Type Value) { field = Value; }

class TTrackBarThumb : public qx::TrackBarSettings
{
public:
    explicit TTrackBarThumb(TCustomTrackBar* owner = nullptr);
    void Assign(const TPersistent& Source) override;

    QX_NOTIFYING(TColor, Color, color_)
    QX_NOTIFYING(TColor, ColorTo, colorTo_)
    QX_NOTIFYING(TColor, ColorMirror, colorMirror_)
    QX_NOTIFYING(TColor, ColorMirrorTo, colorMirrorTo_)
    QX_NOTIFYING(TColor, BorderColor, borderColor_)
    QX_NOTIFYING(TColor, ColorHot, colorHot_)
    QX_NOTIFYING(TColor, ColorHotTo, colorHotTo_)
    QX_NOTIFYING(TColor, BorderColorHot, borderColorHot_)
    QX_PLAIN(TColor, ColorMirrorHot, colorMirrorHot_)
    QX_PLAIN(TColor, ColorMirrorHotTo, colorMirrorHotTo_)
    QX_NOTIFYING(TColor, ColorDown, colorDown_)
    QX_NOTIFYING(TColor, ColorDownTo, colorDownTo_)
    QX_NOTIFYING(TColor, BorderColorDown, borderColorDown_)
    QX_PLAIN(TColor, ColorMirrorDown, colorMirrorDown_)
    QX_PLAIN(TColor, ColorMirrorDownTo, colorMirrorDownTo_)
    QX_NOTIFYING(TColor, ColorDisabled, colorDisabled_)
    QX_NOTIFYING(TColor, ColorDisabledTo, colorDisabledTo_)
    QX_NOTIFYING(TColor, BorderColorDisabled, borderColorDisabled_)
    QX_NOTIFYING(TColor, ColorMirrorDisabled, colorMirrorDisabled_)
    QX_NOTIFYING(TColor, ColorMirrorDisabledTo, colorMirrorDisabledTo_)
    QX_NOTIFYING(TGDIPGradient, Gradient, gradient_)
    QX_NOTIFYING(TGDIPGradient, GradientMirror, gradientMirror_)
    QX_NOTIFYING(TThumbShape, Shape, shape_)
    QX_NOTIFYING(bool, ShowAtMinMax, showAtMinMax_)
    QX_NOTIFYING(TThumbStyle, Style, style_)

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

    QX_NOTIFYING(TColor, Color, color_)
    QX_NOTIFYING(TColor, ColorTo, colorTo_)
    QX_NOTIFYING(TColor, BorderColor, borderColor_)
    QX_NOTIFYING(TColor, ColorDisabled, colorDisabled_)
    QX_NOTIFYING(TColor, ColorDisabledTo, colorDisabledTo_)
    QX_NOTIFYING(TColor, BorderColorDisabled, borderColorDisabled_)
    QX_NOTIFYING(TColor, ColorCompleted, colorCompleted_)
    QX_NOTIFYING(TColor, ColorCompletedTo, colorCompletedTo_)
    QX_NOTIFYING(TColor, ColorCompletedDisabled, colorCompletedDisabled_)
    QX_NOTIFYING(TColor, ColorCompletedDisabledTo, colorCompletedDisabledTo_)
    QX_NOTIFYING(TGradientDirection, Direction, direction_)
    QX_NOTIFYING(bool, PictureStretched, pictureStretched_)
    QX_NOTIFYING(int, Size, size_)
    QX_NOTIFYING(bool, Border3D, border3D_)
    QX_NOTIFYING(bool, Rounded, rounded_)
    QX_NOTIFYING(bool, Visible, visible_)
    QX_NOTIFYING(int, Offset, offset_)
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
    TGradientDirection direction_ = gdHorizontal;
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

    QX_NOTIFYING(TColor, Color, color_)
    QX_NOTIFYING(TColor, ColorDisabled, colorDisabled_)
    QX_NOTIFYING(bool, Line3D, line3D_)
    QX_NOTIFYING(TTickMark, Position, position_)
    QX_NOTIFYING(bool, RotateFontVert, rotateFontVert_)
    QX_NOTIFYING(TTickStyle, Style, style_)
    QX_NOTIFYING(bool, ShowText, showText_)
    QX_NOTIFYING(bool, ShowImageAtThumbOnly, showImageAtThumbOnly_)
    QX_NOTIFYING(int, ShowImageAtSteps, showImageAtSteps_)
    QX_NOTIFYING(int, Spacing, spacing_)
    QX_NOTIFYING(int, Size, size_)
    QX_NOTIFYING(TFont, Font, font_)

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

    QX_NOTIFYING(bool, Visible, visible_)
    QX_NOTIFYING(TColor, Color, color_)
    QX_NOTIFYING(TColor, ColorTo, colorTo_)
    QX_NOTIFYING(TColor, ColorHot, colorHot_)
    QX_NOTIFYING(TColor, ColorHotTo, colorHotTo_)
    QX_NOTIFYING(TColor, ColorDown, colorDown_)
    QX_NOTIFYING(TColor, ColorDownTo, colorDownTo_)
    QX_NOTIFYING(TColor, BorderColor, borderColor_)
    QX_NOTIFYING(TColor, BorderColorHot, borderColorHot_)
    QX_NOTIFYING(TColor, BorderColorDown, borderColorDown_)
    QX_PLAIN(TColor, ColorMirror, colorMirror_)
    QX_PLAIN(TColor, ColorMirrorTo, colorMirrorTo_)
    QX_PLAIN(TColor, ColorMirrorHot, colorMirrorHot_)
    QX_PLAIN(TColor, ColorMirrorHotTo, colorMirrorHotTo_)
    QX_PLAIN(TColor, ColorMirrorDown, colorMirrorDown_)
    QX_PLAIN(TColor, ColorMirrorDownTo, colorMirrorDownTo_)
    QX_NOTIFYING(TGDIPGradient, Gradient, gradient_)
    QX_NOTIFYING(TGDIPGradient, GradientMirror, gradientMirror_)
    QX_PLAIN(int, InitRepeatPause, initRepeatPause_)
    QX_PLAIN(int, RepeatPause, repeatPause_)
    QX_PLAIN(bool, RepeatClick, repeatClick_)
    QX_NOTIFYING(bool, RotateText, rotateText_)
    QX_NOTIFYING(TTrackButtonShape, Shape, shape_)
    QX_NOTIFYING(int, Spacing, spacing_)
    QX_PLAIN(int, Step, step_)
    QX_NOTIFYING(int, Rounding, rounding_)

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

    QX_NOTIFYING(bool, Visible, visible_)
    QX_NOTIFYING(TLabelPosition, Position, position_)
    QX_NOTIFYING(TFont, Font, font_)
    QX_NOTIFYING(std::string, Format, format_)
    QX_NOTIFYING(int, Spacing, spacing_)

private:
    bool visible_ = false;
    TLabelPosition position_ = lpTopCenter;
    TFont font_;
    std::string format_ = "Pos: %d";
    int spacing_ = 4;
};

#undef QX_NOTIFYING
#undef QX_PLAIN
