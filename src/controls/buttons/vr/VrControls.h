#pragma once
// The Vr control base: batched repainting, an off-screen image control, the LED palette,
// three-dimensional text and the family's drawing routines.

#include "platform/gui/Control.h"
#include "platform/gui/canvas/Bitmap.h"

#include <string>

enum TVrTextAlignment {
    vtaLeft, vtaCenter, vtaRight, vtaTopLeft, vtaTop, vtaTopRight, vtaBottomLeft, vtaBottom, vtaBottomRight
};
enum TVrImageTextLayout { ImageLeft, ImageRight, ImageTop, ImageBottom };
enum TVrFont3DStyle { f3dNone, f3dRaised, f3dSunken, f3dShadow };

/// The family's pointing-hand cursor, registered under this screen cursor number.
inline constexpr TCursor crVrHandPoint = 99;
/// Loads the hand cursor picture of the program's resources and registers it
/// as screen cursor crVrHandPoint.
void registerHandPointCursor();

/// DrawText flags of a text alignment (callers add DT_SINGLELINE).
unsigned VrTextAlignmentFlags(TVrTextAlignment Alignment);

/// A control that repaints on change unless loading or inside BeginUpdate/EndUpdate.
class TVrCustomControl : public TCustomControl
{
public:
    explicit TVrCustomControl(TComponent* AOwner);
    const std::string& Version() const { return version_; }
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

protected:
    virtual void Changed();

private:
    std::string version_ = "1.4.5";
    int updateCount_ = 0;
};

/// Draws everything into an off-screen image filled with Color, copied in one blit.
class TVrCustomImageControl : public TVrCustomControl
{
public:
    using TVrCustomControl::TVrCustomControl;

protected:
    /// Sizes the image to the control and fills it with Color.
    virtual void PrepareImage();
    TCanvas& ImageCanvas() { return image_.Canvas(); }
    /// Draws the picture into the image; the base draws nothing.
    virtual void PaintImage() {}
    void Paint() override;

private:
    TBitmap image_;
};

/// A persistent object that raises OnChange, held back inside BeginUpdate/EndUpdate.
class TVrPersistent : public TPersistent
{
public:
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    TNotifyEvent OnChange;

protected:
    void Changed();
    template <class T>
    void change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    int updateCount_ = 0;
};

/// The two colours of an LED: Low (off) and High (on).
class TVrPalette : public TVrPersistent
{
public:
    TColor Low() const { return low_; }
    void SetLow(TColor Value) { change(low_, Value); }
    TColor High() const { return high_; }
    void SetHigh(TColor Value) { change(high_, Value); }
    /// Low for index 0 or less, High otherwise.
    TColor Colors(int Index) const { return Index <= 0 ? low_ : high_; }
    void Assign(const TPersistent& Source) override;
    /// Recolours a picture in place: DarkColor pixels become Low, LightColor pixels High.
    void ToBMP(TBitmap& Bitmap, TColor DarkColor, TColor LightColor) const;

private:
    TColor low_ = clGreen;
    TColor high_ = clLime;
};

/// Text drawn raised, sunken or shadowed.
class TVrFont3D : public TVrPersistent
{
public:
    TVrFont3DStyle Style() const { return style_; }
    void SetStyle(TVrFont3DStyle Value) { change(style_, Value); }
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value) { change(highlightColor_, Value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value) { change(shadowColor_, Value); }
    int HighlightDepth() const { return highlightDepth_; }
    void SetHighlightDepth(int Value) { change(highlightDepth_, Value); }
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int Value) { change(shadowDepth_, Value); }
    void Assign(const TPersistent& Source) override;
    void Paint(TCanvas& Canvas, const TRect& R, const std::string& Text, unsigned Flags) const;

private:
    TVrFont3DStyle style_ = f3dNone;
    TColor highlightColor_ = clBtnHighlight, shadowColor_ = clBtnShadow;
    int highlightDepth_ = 1, shadowDepth_ = 1;
};

void DrawVrRing(TCanvas& Canvas, const TRect& R, TColor TopLeftColor, TColor BottomRightColor);
/// Count rings from the outside in; R ends shrunk by Count on every side.
void DrawVrRings(TCanvas& Canvas, TRect& R, TColor TopLeftColor, TColor BottomRightColor, int Count);
void TileVrBitmap(TCanvas& Canvas, const TRect& R, const TBitmap& Bitmap);
void DrawVrCaption(TCanvas& Canvas, const std::string& Text, const TRect& R, bool Enabled);
void CalcVrImageTextLayout(TCanvas& Canvas, const TRect& Client, TPoint Offset, const std::string& Caption,
                           int LayoutCode, int Margin, int Spacing, TPoint ImageSize, TPoint& ImagePos, TRect& TextBounds);
