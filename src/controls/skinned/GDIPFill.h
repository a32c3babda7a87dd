#pragma once
// TGDIPFill: how a rectangular area of a skinned control is filled, and the drawing of it: an
// optional shadow, a body of one gradient area or an upper and a mirrored lower area, pictures,
// border, glow and focus outline, anti-aliased and translucent. Persisted in settings files.

#include "controls/skinned/AdvGDIP.h"
#include "controls/skinned/AdvGDIPPicture.h"
#include "controls/skinned/ChangedValue.h"
#include "controls/skinned/Setting.h"
#include "platform/gui/Component.h"
#include "platform/gui/Events.h"

#include <memory>
#include <string>

class TMemIniFile;

enum TShadowType
{
    stRightBottom,
    stBottom,
    stSurround
};
enum TGlowMode
{
    gmNone,
    gmGradient,
    gmRadial,
    gmRadialGradient
};
enum TFillPicturePosition
{
    ppTopLeft,
    ppTopCenter,
    ppTopRight,
    ppBottomLeft,
    ppBottomCenter,
    ppBottomRight,
    ppTiled,
    ppStretched,
    ppCenterLeft,
    ppCenterCenter,
    ppCenterRight,
    ppCustom
};
enum TFillPictureMode
{
    pmInsideFill,
    pmOutsideFill
};
enum TFillPictureSize
{
    psOriginal,
    psCustom
};
enum TPictureMode
{
    pmStretch,
    pmNormal
};

class TGDIPFill : public TPersistent
{
public:
    using Graphics = qx::gdiplus::Graphics;
    using RectF = qx::gdiplus::RectF;

    TGDIPFill();
    ~TGDIPFill() override;

    QX_SETTING(TColor, Color, set_.color, update(set_.color, Value))
    QX_SETTING(TColor, ColorTo, set_.colorTo, update(set_.colorTo, Value))
    QX_SETTING(TColor, ColorMirror, set_.colorMirror, update(set_.colorMirror, Value))
    QX_SETTING(TColor, ColorMirrorTo, set_.colorMirrorTo, update(set_.colorMirrorTo, Value))
    QX_SETTING(TAdvGradientType, GradientType, set_.gradientType, update(set_.gradientType, Value))
    QX_SETTING(TAdvGradientType, GradientMirrorType, set_.gradientMirrorType,
               update(set_.gradientMirrorType, Value))
    QX_SETTING(qx::gdiplus::HatchStyle, HatchStyle, set_.hatchStyle, update(set_.hatchStyle, Value))
    QX_SETTING(qx::gdiplus::HatchStyle, HatchStyleMirror, set_.hatchStyleMirror,
               update(set_.hatchStyleMirror, Value))
    QX_SETTING(bool, BackGroundPictureAspectRatio, set_.backGroundPictureAspectRatio,
               update(set_.backGroundPictureAspectRatio, Value))
    QX_SETTING(TFillPictureMode, BackGroundPictureMode, set_.backGroundPictureMode,
               update(set_.backGroundPictureMode, Value))
    QX_SETTING(TFillPicturePosition, BackGroundPicturePosition, set_.backGroundPicturePosition,
               update(set_.backGroundPicturePosition, Value))
    QX_SETTING(int, BackGroundPictureLeft, set_.backGroundPictureLeft,
               update(set_.backGroundPictureLeft, Value))
    QX_SETTING(int, BackGroundPictureTop, set_.backGroundPictureTop, update(set_.backGroundPictureTop, Value))
    QX_SETTING(TPictureMode, BackGroundPictureAspectMode, set_.backGroundPictureAspectMode,
               update(set_.backGroundPictureAspectMode, Value))
    QX_SETTING(TFillPicturePosition, PicturePosition, set_.picturePosition,
               update(set_.picturePosition, Value))
    QX_SETTING(int, PictureLeft, set_.pictureLeft, update(set_.pictureLeft, Value))
    QX_SETTING(int, PictureTop, set_.pictureTop, update(set_.pictureTop, Value))
    QX_SETTING(TFillPictureSize, PictureSize, set_.pictureSize, update(set_.pictureSize, Value))
    QX_SETTING(int, PictureWidth, set_.pictureWidth, update(set_.pictureWidth, Value))
    QX_SETTING(int, PictureHeight, set_.pictureHeight, update(set_.pictureHeight, Value))
    QX_SETTING(bool, PictureAspectRatio, set_.pictureAspectRatio, update(set_.pictureAspectRatio, Value))
    QX_SETTING(TPictureMode, PictureAspectMode, set_.pictureAspectMode, update(set_.pictureAspectMode, Value))
    QX_SETTING(int, Opacity, set_.opacity, update(set_.opacity, Value))
    QX_SETTING(int, OpacityTo, set_.opacityTo, update(set_.opacityTo, Value))
    QX_SETTING(int, OpacityMirror, set_.opacityMirror, update(set_.opacityMirror, Value))
    QX_SETTING(int, OpacityMirrorTo, set_.opacityMirrorTo, update(set_.opacityMirrorTo, Value))
    QX_SETTING(TColor, BorderColor, set_.borderColor, update(set_.borderColor, Value))
    QX_SETTING(int, BorderOpacity, set_.borderOpacity, update(set_.borderOpacity, Value))
    QX_SETTING(int, BorderWidth, set_.borderWidth, update(set_.borderWidth, Value))
    QX_SETTING(int, Rounding, set_.rounding, update(set_.rounding, Value))
    QX_SETTING(TFillRoundingType, RoundingType, set_.roundingType, update(set_.roundingType, Value))
    QX_SETTING(TColor, ShadowColor, set_.shadowColor, update(set_.shadowColor, Value))
    QX_SETTING(int, ShadowOffset, set_.shadowOffset, update(set_.shadowOffset, Value))
    QX_SETTING(TShadowType, ShadowType, set_.shadowType, update(set_.shadowType, Value))
    QX_SETTING(int, Angle, set_.angle, update(set_.angle, Value))
    QX_SETTING(TGlowMode, Glow, set_.glow, update(set_.glow, Value))
    QX_SETTING(TColor, GlowGradientColor, set_.glowGradientColor, update(set_.glowGradientColor, Value))
    QX_SETTING(TColor, GlowRadialColor, set_.glowRadialColor, update(set_.glowRadialColor, Value))

    TAdvGDIPPicture& BackGroundPicture() const { return *backGroundPicture_; }
    TAdvGDIPPicture& Picture() const { return *picture_; }
    void SetBackGroundPicture(const TAdvGDIPPicture& Value);
    void SetPicture(const TAdvGDIPPicture& Value);

    bool Focus = false;
    TColor FocusColor = clBlack;
    // The body rectangle shrunk by BorderWidth, written by every Fill.
    RectF FocusRect;

    // Copies every published setting and both pictures from another fill, then Changed.
    void Assign(const TPersistent& Source) override;
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate()
    {
        if (updateCount_ > 0)
            --updateCount_;
    }

    // Draws the fill into r. An opacity of 255 takes the fill's own; another value replaces it
    // for this call. Returns the body rectangle after the shadow's share; without a drawing
    // context nothing is drawn and content is left as it was.
    void Fill(Graphics* graphics, const RectF& r, int borderOpacity, int opacity, int opacityTo,
              int opacityMirror, int opacityMirrorTo, RectF* content = nullptr);
    void Fill(Graphics* graphics, const RectF& r, RectF* content = nullptr)
    {
        Fill(graphics, r, 255, 255, 255, 255, 255, content);
    }
    void DrawGradientBackGround(Graphics& graphics, const RectF& r, bool mirror, int opacity, int opacityTo,
                                int opacityMirror, int opacityMirrorTo);
    void DrawGlow(Graphics& graphics, const RectF& r);

    // Settings-file persistence in the given section; a bad hex digit in a picture text throws
    // EConvertError "No Hex-Number" with the settings read before it applied.
    void SaveToFile(TMemIniFile& ini, const std::string& section) const;
    void LoadFromFile(TMemIniFile& ini, const std::string& section);
    void SaveToFile(const std::string& fileName, const std::string& section) const;
    void LoadFromFile(const std::string& fileName, const std::string& section);

    // The clipboard under the format "GDI+ Fill": the published settings written as a layout
    // text of a saver object, pictures as hex data. Loading without that format changes nothing.
    void SaveToClipBoard() const;
    void LoadFromClipBoard();

    TNotifyEvent OnChange;

private:
    void Changed();
    template <class T> void update(T& field, const T& value)
    {
        if (qx::storeChanged(field, value))
            Changed();
    }
    void fillRadialHalf(Graphics& graphics, const RectF& r, TColor c1, TColor c2, int a1, int a2, bool upper,
                        TFillRoundingType type);
    void drawBody(Graphics& graphics, const RectF& r, int opacity, int opacityTo, int opacityMirror,
                  int opacityMirrorTo);
    RectF drawShadow(Graphics& graphics, RectF r);

    // The published settings other than the pictures, copied together by Assign.
    struct Settings
    {
        TColor color = 0xC0C0C0, colorTo = 0x808080, colorMirror = clNone, colorMirrorTo = clNone;
        TAdvGradientType gradientType = gtVertical, gradientMirrorType = gtSolid;
        qx::gdiplus::HatchStyle hatchStyle = qx::gdiplus::HatchStyle::Horizontal;
        qx::gdiplus::HatchStyle hatchStyleMirror = qx::gdiplus::HatchStyle::Horizontal;
        bool backGroundPictureAspectRatio = false;
        TFillPictureMode backGroundPictureMode = pmOutsideFill;
        TFillPicturePosition backGroundPicturePosition = ppTopLeft;
        int backGroundPictureLeft = 0, backGroundPictureTop = 0;
        TPictureMode backGroundPictureAspectMode = pmStretch;
        TFillPicturePosition picturePosition = ppTopLeft;
        int pictureLeft = 0, pictureTop = 0;
        TFillPictureSize pictureSize = psOriginal;
        int pictureWidth = 50, pictureHeight = 50;
        bool pictureAspectRatio = false;
        TPictureMode pictureAspectMode = pmStretch;
        int opacity = 255, opacityTo = 255, opacityMirror = 255, opacityMirrorTo = 255;
        TColor borderColor = clNone;
        int borderOpacity = 255, borderWidth = 1, rounding = 0;
        TFillRoundingType roundingType = rtBoth;
        TColor shadowColor = 0x808080;
        int shadowOffset = 0;
        TShadowType shadowType = stRightBottom;
        int angle = 0;
        TGlowMode glow = gmNone;
        TColor glowGradientColor = 0xFFFFFF, glowRadialColor = 0xFFFFFF;
    };
    Settings set_;
    std::unique_ptr<TAdvGDIPPicture> backGroundPicture_, picture_;
    int updateCount_ = 0;
};

namespace qx {

struct PictureSize
{
    double width = 0;
    double height = 0;
};

// The picture size fitted into the area keeping its aspect; pmNormal keeps a smaller picture.
PictureSize AspectFitSize(double pw, double ph, double aw, double ah, TPictureMode mode);

// Where a picture of w x h goes in the target rectangle for a placement (ppTiled: empty).
TRect FillPictureRect(TFillPicturePosition position, int w, int h, const TRect& target, int customLeft,
                      int customTop, bool aspectRatio, TPictureMode aspectMode);

// Upper-case hexadecimal, two digits a byte.
std::string StreamToHexText(const Bytes& bytes);
// Decodes the first length div 2 pairs that the text holds; throws EConvertError
// "No Hex-Number" at a character that is not a hex digit.
Bytes HexTextToStream(const std::string& text, std::size_t length);

} // namespace qx
