#pragma once
// Points, rectangles, colours and fonts of the canvas library, which the
// controls use in their interfaces.
// TODO(gui): drop the stand-ins below once the canvas library is on main.

#if __has_include("platform/gui/canvas/Geometry.h")
#define QX_HAVE_CANVAS 1
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Geometry.h"
#include "platform/gui/canvas/GraphicsObjects.h"
#else
#include <cstdint>
#include <string>

struct TPoint
{
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

using TColor = std::uint32_t;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clWindowText = 0xFF000008;
inline constexpr TColor clBtnFace = 0xFF00000F;

using TFontStyles = std::uint8_t;
class TFont
{
public:
    std::string Name = "Tahoma";
    TColor Color = clWindowText;
    TFontStyles Style = 0;
    int Height() const { return m_height; }
    void SetHeight(int height) { m_height = height; }
    bool operator==(const TFont&) const = default;

private:
    int m_height = -11;
};
#endif
