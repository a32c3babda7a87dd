#pragma once
// The canvas's pen, brush and font. The canvas reads them at each drawing call, so a
// change takes effect at the next call, as on the original canvas.

#include "platform/gui/canvas/Colors.h"

#include <cstdint>
#include <string>

class TBitmap;
class QFont;

enum TPenStyle
{
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame,
    psUserStyle,
    psAlternate, // every other pixel (thin pens)
};

// How the pen's colour meets the pixels already there.
enum TPenMode
{
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor,
};

enum TBrushStyle
{
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross,
};

enum TFontStyle : std::uint8_t
{
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using TFontStyles = std::uint8_t;

enum TFontPitch
{
    fpDefault,
    fpVariable,
    fpFixed,
};

inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr std::uint8_t ANSI_CHARSET = 0;

class TPen
{
public:
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;

    // A pen that leaves no mark: clear style, clNone colour or the no-operation mode.
    bool IsClear() const { return Style == psClear || Color == clNone || Mode == pmNop; }
};

class TBrush
{
public:
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    // A pattern bitmap, when set, replaces colour and style (not owned).
    const TBitmap* Bitmap = nullptr;

    bool IsClear() const { return !Bitmap && (Style == bsClear || Color == clNone); }
};

// Screen resolution used for every font and measurement, the same on every machine.
inline constexpr int kPixelsPerInch = 96;

class TFont
{
public:
    std::string Name = "Tahoma";
    TColor Color = clWindowText;
    TFontStyles Style = 0;
    std::uint8_t Charset = DEFAULT_CHARSET;
    TFontPitch Pitch = fpDefault;
    // Escapement in tenths of a degree, counter-clockwise: 900 writes upwards.
    int Orientation = 0;

    // Height in pixels: negative is the character height, positive the cell height
    // (with the internal leading). Size is in points at 96 dpi.
    int Height() const { return m_height; }
    void SetHeight(int height) { m_height = height; }
    int Size() const;
    void SetSize(int points);

    bool operator==(const TFont&) const = default;

private:
    int m_height = -11; // 8 points
};

namespace qx {

// The installed free font standing in for a font name (Tahoma, MS Sans Serif and Arial:
// Liberation Sans; Verdana: DejaVu Sans; Times New Roman: Liberation Serif; any other name:
// Liberation Sans). Characters the font lacks (Chinese) come from any installed font that has them.
std::string mappedFontFamily(const std::string& name);

// The Qt font for a TFont, sized in pixels so that it is independent of the screen.
QFont toQFont(const TFont& font);

} // namespace qx
