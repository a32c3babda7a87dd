#pragma once
// The mini HTML text engine of the splash screen: a small HTML-like markup (fonts, sizes,
// colours, bold, italic, underline, links, paragraphs, lists, line breaks, rules, pictures,
// sub- and superscript, shadowed and highlighted text) laid out into lines inside a rectangle
// with word wrapping, then only measured or measured and drawn with anti-aliased text.

#include "platform/gdiplus/Font.h"
#include "platform/gui/canvas/Geometry.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <string>

class TCanvas;
class TCustomImageList;
class TGDIPPictureContainer;
class TImageList;

namespace qx::gdiplus {
class Graphics;
}

namespace qx {

// The text routines the engine draws with.
namespace gptext {

inline constexpr unsigned kMeasure = 0x400; // DT_CALCRECT: measure, draw nothing

// The anti-aliased font of a font: its face (the fallback family when unknown), bold, italic
// and underline (strikeout is not carried), its size in points.
gdiplus::Font MakeFont(const TFont& font);
// Draws or measures one text at the rectangle's top-left. The rectangle's right and bottom
// become the measured extent (measuring, or with a background colour, which is filled behind
// the text); returns the height. A trailing space of a longer text is measured as "i".
int DrawText(gdiplus::Graphics& graphics, const std::string& text, TRect& r, const TFont& font, unsigned flags,
             TColor background = clNone);
// The rounded height and width of a text in a 10000 x 10000 layout.
int TextHeight(gdiplus::Graphics& graphics, const std::string& text, const TFont& font);
int TextWidth(gdiplus::Graphics& graphics, const std::string& text, const TFont& font);

} // namespace gptext

struct HtmlTextOptions
{
    bool measureOnly = false;
    TColor urlColor = 0xFF0000;
    TColor shadowColor = 0x808080;
    int shadowOffset = 5;
    // Images of IMG tags whose SRC begins "IDX:", drawn on canvas when one is given.
    const TImageList* images = nullptr;
    TCanvas* canvas = nullptr;
    // Named pictures of IMG tags and of LI tags with TYPE "IMAGE".
    const TGDIPPictureContainer* pictures = nullptr;
    bool wordWrap = true;
    int lineSpacing = 2;
};

struct HtmlTextExtent
{
    int width = 0;
    int height = 0;
};

// Lays the markup out in r starting from the base font; draws it unless measuring. Malformed
// markup never fails: an unknown tag does nothing, a tag without ">" ends the text.
HtmlTextExtent PaintHtmlText(gdiplus::Graphics& graphics, const TFont& baseFont, const std::string& text,
                             const TRect& r, const HtmlTextOptions& options);

// A colour of the markup: "#RRGGBB" or one of the colour names (any case); anything else black.
TColor HtmlColor(const std::string& value);

// The named character entities decoded in passes until none is left (so "&amp;amp;" gives "&").
std::string DecodeHtmlEntities(std::string text);

} // namespace qx
