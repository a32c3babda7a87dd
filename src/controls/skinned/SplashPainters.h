#pragma once
// The painters of the splash window, in its paint order: program information, list lines,
// overlay panels, items; and the text and picture routines they draw with.

#include "controls/skinned/AdvGDIP.h"
#include "platform/gdiplus/Types.h"
#include "platform/gui/canvas/Geometry.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <string>
#include <vector>

class TAdvGDIPPicture;
class TAdvSmoothSplashScreen;
class TCanvas;

namespace qx::gdiplus {
class Graphics;
}

namespace qx::splash {

struct TextSize
{
    int width = 0;
    int height = 0;
};

struct SplashTextStyle
{
    TFont font;
    TAdvGradientType gradientType = gtSolid;
    TColor startColor = 0x000000;
    TColor endColor = clNone;
    int startOpacity = 255;
    int endOpacity = 255;
    gdiplus::HatchStyle hatchStyle = gdiplus::HatchStyle::Horizontal;
    int angle = 0;
    const TAdvGDIPPicture* picture = nullptr;
};

// Measures a text at pos and, unless measuring, fills its letters by the gradient kind.
TextSize DrawSplashText(gdiplus::Graphics& graphics, const std::string& text, TPoint pos,
                        const SplashTextStyle& style, bool measureOnly);
// A PNG at its own size; any other picture keyed on the colour of its bottom-left pixel.
void DrawSplashPicture(gdiplus::Graphics& graphics, TPoint pos, const TAdvGDIPPicture& picture);

// The list lines behave as a log whose newest lines stay visible: the lines that would end
// below the area are hidden from the first on, never past the last line, and the first
// shown line moves to the area's top.
struct ListPlacement
{
    int first = 0;              // the first line drawn
    std::vector<TRect> rects;   // every line's place; hidden lines have top and bottom -1
};
ListPlacement PlaceListLines(const std::vector<int>& heights, const TRect& area, int space);

// The window's content rectangles (the inner rectangle and the content rectangle).
TRect InnerRect(const TAdvSmoothSplashScreen& splash, int width, int height);

void DrawProgramInfo(gdiplus::Graphics& graphics, TCanvas& canvas, const TAdvSmoothSplashScreen& splash,
                     int width, int height);
void DrawListItems(gdiplus::Graphics& graphics, TCanvas* canvas, const TAdvSmoothSplashScreen& splash);
void DrawTopLayerItems(gdiplus::Graphics& graphics, TCanvas* canvas, const TAdvSmoothSplashScreen& splash,
                       int width, int height);
void DrawItems(gdiplus::Graphics& graphics, TCanvas& canvas, const TAdvSmoothSplashScreen& splash);

} // namespace qx::splash
