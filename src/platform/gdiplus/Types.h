#pragma once
// Value types and enumerations of the anti-aliased drawing layer, with the numbering of
// the system's GDI+ (the enumerations' order is what callers and settings files use).

#include "platform/gui/canvas/Colors.h"

#include <cstdint>

namespace qx::gdiplus {

using Argb = std::uint32_t; // 0xAARRGGBB

constexpr Argb makeArgb(int a, int r, int g, int b)
{
    return static_cast<Argb>((a & 0xFF) << 24 | (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
}
constexpr int alphaOf(Argb c) { return static_cast<int>(c >> 24); }
constexpr int redOf(Argb c) { return static_cast<int>(c >> 16 & 0xFF); }
constexpr int greenOf(Argb c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int blueOf(Argb c) { return static_cast<int>(c & 0xFF); }

// A TColor (system colours resolved) at the given alpha; clNone gives transparent.
inline Argb argbFromColor(TColor color, int alpha = 255)
{
    return qx::argbFromColor(color, static_cast<std::uint8_t>(alpha));
}
inline TColor colorFromArgb(Argb argb) { return qx::colorFromArgb(argb); }

struct PointF
{
    float X = 0;
    float Y = 0;
};

struct RectF
{
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;

    float Right() const { return X + Width; }
    float Bottom() const { return Y + Height; }
};

enum class SmoothingMode
{
    Default,
    HighSpeed,
    HighQuality,
    None,
    AntiAlias,
};

enum class PixelOffsetMode
{
    Default,
    HighSpeed,
    HighQuality,
    None,
    Half,
};

enum class TextRenderingHint
{
    SystemDefault,
    SingleBitPerPixelGridFit,
    SingleBitPerPixel,
    AntiAliasGridFit,
    AntiAlias,
    ClearTypeGridFit,
};

enum class FillMode
{
    Alternate,
    Winding,
};

enum class DashStyle
{
    Solid,
    Dash,
    Dot,
    DashDot,
    DashDotDot,
};

enum class PenAlignment
{
    Center,
    Inset,
};

enum class LinearGradientMode
{
    Horizontal,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
};

enum class WrapMode
{
    Tile,
    TileFlipX,
    TileFlipY,
    TileFlipXY,
    Clamp,
};

enum class CombineMode
{
    Replace,
    Intersect,
    Union,
    Xor,
    Exclude,
    Complement,
};

enum class Unit
{
    World,
    Display,
    Pixel,
    Point,
    Inch,
    Document,
    Millimeter,
};

enum class HatchStyle
{
    Horizontal,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
    Cross,
    DiagonalCross,
    Percent05,
    Percent10,
    Percent20,
    Percent25,
    Percent30,
    Percent40,
    Percent50,
    Percent60,
    Percent70,
    Percent75,
    Percent80,
    Percent90,
    LightDownwardDiagonal,
    LightUpwardDiagonal,
    DarkDownwardDiagonal,
    DarkUpwardDiagonal,
    WideDownwardDiagonal,
    WideUpwardDiagonal,
    LightVertical,
    LightHorizontal,
    NarrowVertical,
    NarrowHorizontal,
    DarkVertical,
    DarkHorizontal,
    DashedDownwardDiagonal,
    DashedUpwardDiagonal,
    DashedHorizontal,
    DashedVertical,
    SmallConfetti,
    LargeConfetti,
    ZigZag,
    Wave,
    DiagonalBrick,
    HorizontalBrick,
    Weave,
    Plaid,
    Divot,
    DottedGrid,
    DottedDiamond,
    Shingle,
    Trellis,
    Sphere,
    SmallGrid,
    SmallCheckerBoard,
    LargeCheckerBoard,
    OutlinedDiamond,
    SolidDiamond,
    Total,
};

} // namespace qx::gdiplus
