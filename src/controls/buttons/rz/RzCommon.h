#pragma once
// Shared types and drawing routines of the Rz controls: colour arithmetic on a 0..240
// hue/saturation/luminance scale, borders and bevels by frame style, the drop-down arrow
// and text helpers. Every routine resolves system colours before computing with them.

#include "platform/gui/EnumSet.h"
#include "platform/gui/canvas/Canvas.h"

#include <cstdint>
#include <string>

enum TFrameStyleEx {
    fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup,
    fsFlatBold, fsFlatRounded
};
/// fsNone .. fsFlatBold of TFrameStyleEx.
using TFrameStyle = TFrameStyleEx;

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = qx::EnumSet<TSide>;
inline constexpr TSides kAllSides{sdLeft, sdTop, sdRight, sdBottom};

// The skinned family has an enumeration of the same name: each family keeps its own in a
// namespace, so that one source file may use both.
namespace qx::rz {
enum TGradientDirection {
    gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox, gdVerticalEnd,
    gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox
};
} // namespace qx::rz
enum TDirection { dirUp, dirDown, dirLeft, dirRight };
enum TRzGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
enum TRzVisualStyle { vsClassic, vsWinXP, vsGradient };
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TBlinkState { bsOn, bsOff };
enum TAlignmentVertical { avTop, avCenter, avBottom };
enum TFramingPreference { fpCustomFraming, fpXPThemes };
enum TRzHotTrackColorType { htctComplement, htctActual };

/// Bits of TRzFrameControllerNotifications (all set by default).
inline constexpr std::uint16_t kAllFrameControllerNotifications = 0xFFFF;

/// Desktop colour scheme: 0 blue, 1 olive, 2 silver. There is no desktop theme here, so
/// it stays 0 and every themed branch takes its classic path.
inline constexpr std::uint8_t XPColorScheme = 0;

namespace qx::rz {

/// Themes are never on: the desktop theme engine reports none.
inline constexpr bool kThemesEnabled = false;

/// The frame settings a frame controller and a combo box both hold.
struct FrameLook
{
    bool hotTrack = false;
    TFrameStyleEx hotStyle = fsFlatBold;
    TSides sides = kAllSides;
    TFrameStyleEx style = fsFlat;
    bool visible = false;
    TFramingPreference framingPreference = fpXPThemes;

    /// An old layout's "FrameFlat": hot tracking, and when on the status and lowered styles.
    void readOldFrameFlat(bool on)
    {
        hotTrack = on;
        if (on) {
            style = fsStatus;
            hotStyle = fsLowered;
        }
    }
};

struct Hsl
{
    std::uint8_t h = 0, s = 0, l = 0;
    bool operator==(const Hsl&) const = default;
};

} // namespace qx::rz

// Colour arithmetic.
void ColorToHsl240(TColor color, std::uint8_t& hue, std::uint8_t& saturation, std::uint8_t& luminance);
std::uint8_t HueOfColor(TColor color);
TColor ColorFromHsl240(int hue, int saturation, int luminance);
TColor ColorDarkenedBy(TColor color, std::uint8_t amount);
TColor ColorLightenedBy(TColor color, std::uint8_t amount);
TColor ColorAdjustedBy(TColor color, int amount);
TColor BlendColors(TColor color1, TColor color2, int weight);
bool ColorsLookAlike(TColor color1, TColor color2);
TColor ContrastHueColor(TColor color, int luminance);
std::uint8_t DetectXPColorScheme();
void SchemeGradientColors(TRzGradientColorStyle style, TColor& start, TColor& stop);
TColor SchemeFrameColor(TRzGradientColorStyle style);
void SchemeBannerColors(TRzGradientColorStyle style, TColor& stop, TColor& start, TColor& frame);
TColor ThemedElementColor(int kind);
bool HasFullColorDisplay();

// Borders; each returns the rectangle inside what it drew.
TRect DrawSideLines(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, TSides sides);
TRect DrawSideRings(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, int count, TSides sides);
TRect Draw3DDoubleEdges(TCanvas& canvas, TRect r, bool lowered, TSides sides = kAllSides);
TRect DrawPushButtonEdges(TCanvas& canvas, TRect r, bool down, TSides sides = kAllSides);
TRect DrawColoredButtonEdges(TCanvas& canvas, TRect r, TColor face, bool down, TSides sides = kAllSides);
TRect DrawFrameStyleEdges(TCanvas& canvas, TRect r, TFrameStyle style, TSides sides = kAllSides);
TRect DrawColoredFrameStyleEdges(TCanvas& canvas, TRect r, TColor face, TFrameStyle style, TSides sides = kAllSides);
TRect DrawSingleFrame(TCanvas& canvas, TRect r, TColor color);
TRect DrawDottedFrame(TCanvas& canvas, TRect r);
TRect DrawRoundedFrame(TCanvas& canvas, TRect r, TColor color, TSides sides);

/// The whole border of a panel-family control.
struct TRzPanelBorder
{
    TFrameStyleEx outer = fsNone;
    TFrameStyleEx inner = fsNone;
    bool transparent = false;
    TColor parentColor = clBtnFace;
    TColor color = clBtnFace;
    int flatColorAdjustment = 30;
    TColor flatColor = clBtnShadow;
    TColor shadow = clBtnShadow;
    TColor highlight = clBtnHighlight;
    TColor borderColor = clBtnFace;
    int bevelWidth = 1;
    TSides sides = kAllSides;
    int borderWidth = 0;
};
TRect DrawPanelBorder(TCanvas& canvas, TRect r, const TRzPanelBorder& border);

/// Inset of one frame style on each chosen side (the panel's border adjustment).
int FrameStyleInset(TFrameStyleEx style, int bevelWidth);
/// r with the outer and inner styles' insets taken off the chosen sides.
TRect AdjustBorderRect(TRect r, TFrameStyleEx outer, TFrameStyleEx inner, TSides sides, int bevelWidth);

void DrawDropDownArrow(TCanvas& canvas, const TRect& r, int style, bool enabled);
void PaintGradientRing(TCanvas& canvas, const TRect& r, qx::rz::TGradientDirection direction, TColor start,
                       TColor stop);

// Text.
/// Text without accelerator marks: a single '&' goes, "&&" becomes "&".
std::string StripAccelerators(const std::string& text);
int DrawTextInRect(TCanvas& canvas, const std::string& text, TRect r, unsigned flags);
void DrawTextCentered(TCanvas& canvas, const std::string& text, const TRect& r);
inline int SmallerOf(int a, int b) { return a < b ? a : b; }
inline int LargerOf(int a, int b) { return a > b ? a : b; }
