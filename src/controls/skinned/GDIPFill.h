#pragma once
// TGDIPFill: how a rectangular area of a skinned control is filled, and the drawing of it: an
// optional shadow, a body of one gradient area or an upper and a mirrored lower area, pictures,
// border, glow and focus outline, anti-aliased and translucent. Persisted in settings files.

#include "controls/skinned/ChangedValue.h"
#include "controls/skinned/AdvGDIP.h"
#include "controls/skinned/AdvGDIPPicture.h"
#include "platform/gui/Component.h"
#include "platform/gui/Events.h"

#include <memory>
#include <string>

class TMemIniFile;

enum TShadowType { stRightBottom, stBottom, stSurround };
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };
enum TFillPicturePosition {
    ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight, ppTiled, ppStretched,
    ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
enum TFillPictureSize { psOriginal, psCustom };
enum TPictureMode { pmStretch, pmNormal };

#define QX_FILL_PROPERTY(Type, Name, field)                                                                            \
    Type Name() const { return field; }                                                                                \
    void Set##Name(Type Value) { update(field, Value); }

class TGDIPFill : public TPersistent
{
public:
    using Graphics = qx::gdiplus::Graphics;
    using RectF = qx::gdiplus::RectF;

    TGDIPFill();
    ~TGDIPFill() override;

    QX_FILL_PROPERTY(TColor, Color, set_.color)
    QX_FILL_PROPERTY(TColor, ColorTo, set_.colorTo)
    QX_FILL_PROPERTY(TColor, ColorMirror, set_.colorMirror)
    QX_FILL_PROPERTY(TColor, ColorMirrorTo, set_.colorMirrorTo)
    QX_FILL_PROPERTY(TAdvGradientType, GradientType, set_.gradientType)
    QX_FILL_PROPERTY(TAdvGradientType, GradientMirrorType, set_.gradientMirrorType)
    QX_FILL_PROPERTY(qx::gdiplus::HatchStyle, HatchStyle, set_.hatchStyle)
    QX_FILL_PROPERTY(qx::gdiplus::HatchStyle, HatchStyleMirror, set_.hatchStyleMirror)
    QX_FILL_PROPERTY(bool, BackGroundPictureAspectRatio, set_.backGroundPictureAspectRatio)
    QX_FILL_PROPERTY(TFillPictureMode, BackGroundPictureMode, set_.backGroundPictureMode)
    QX_FILL_PROPERTY(TFillPicturePosition, BackGroundPicturePosition, set_.backGroundPicturePosition)
    QX_FILL_PROPERTY(int, BackGroundPictureLeft, set_.backGroundPictureLeft)
    QX_FILL_PROPERTY(int, BackGroundPictureTop, set_.backGroundPictureTop)
    QX_FILL_PROPERTY(TPictureMode, BackGroundPictureAspectMode, set_.backGroundPictureAspectMode)
    QX_FILL_PROPERTY(TFillPicturePosition, PicturePosition, set_.picturePosition)
    QX_FILL_PROPERTY(int, PictureLeft, set_.pictureLeft)
    QX_FILL_PROPERTY(int, PictureTop, set_.pictureTop)
    QX_FILL_PROPERTY(TFillPictureSize, PictureSize, set_.pictureSize)
    QX_FILL_PROPERTY(int, PictureWidth, set_.pictureWidth)
    QX_FILL_PROPERTY(int, PictureHeight, set_.pictureHeight)
    QX_FILL_PROPERTY(bool, PictureAspectRatio, set_.pictureAspectRatio)
    QX_FILL_PROPERTY(TPictureMode, PictureAspectMode, set_.pictureAspectMode)
    QX_FILL_PROPERTY(int, Opacity, set_.opacity)
    QX_FILL_PROPERTY(int, OpacityTo, set_.opacityTo)
    QX_FILL_PROPERTY(int, OpacityMirror, set_.opacityMirror)
    QX_FILL_PROPERTY(int, OpacityMirrorTo, set_.opacityMirrorTo)
    QX_FILL_PROPERTY(TColor, BorderColor, set_.borderColor)
    QX_FILL_PROPERTY(int, BorderOpacity, set_.borderOpacity)
    QX_FILL_PROPERTY(int, BorderWidth, set_.borderWidth)
    QX_FILL_PROPERTY(int, Rounding, set_.rounding)
    QX_FILL_PROPERTY(TFillRoundingType, RoundingType, set_.roundingType)
    QX_FILL_PROPERTY(TColor, ShadowColor, set_.shadowColor)
    QX_FILL_PROPERTY(int, ShadowOffset, set_.shadowOffset)
    QX_FILL_PROPERTY(TShadowType, ShadowType, set_.shadowType)
    QX_FILL_PROPERTY(int, Angle, set_.angle)
    QX_FILL_PROPERTY(TGlowMode, Glow, set_.glow)
    QX_FILL_PROPERTY(TColor, GlowGradientColor, set_.glowGradientColor)
    QX_FILL_PROPERTY(TColor, GlowRadialColor, set_.glowRadialColor)

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
    void Fill(Graphics* graphics, const RectF& r, int borderOpacity, int opacity, int opacityTo, int opacityMirror,
              int opacityMirrorTo, RectF* content = nullptr);
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
    template <class T>
    void update(T& field, const T& value)
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

#undef QX_FILL_PROPERTY

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
