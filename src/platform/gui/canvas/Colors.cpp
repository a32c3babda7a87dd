#include "platform/gui/canvas/Colors.h"

#include <array>

namespace {

// The system colours of a standard desktop scheme, as red, green, blue.
constexpr std::array<std::uint32_t, 31> kSystemRgb = {
    0xC8C8C8, // 0 scroll bar
    0x000000, // 1 desktop background
    0x99B4D1, // 2 active caption
    0xBFCDDB, // 3 inactive caption
    0xF0F0F0, // 4 menu
    0xFFFFFF, // 5 window
    0x646464, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0x000000, // 9 caption text
    0xB4B4B4, // 10 active border
    0xF4F7FC, // 11 inactive border
    0xABABAB, // 12 application workspace
    0x3399FF, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xF0F0F0, // 15 button face
    0xA0A0A0, // 16 button shadow
    0x6D6D6D, // 17 grey text
    0x000000, // 18 button text
    0x434E54, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x696969, // 21 3D dark shadow
    0xE3E3E3, // 22 3D light
    0x000000, // 23 info text
    0xFFFFE1, // 24 info background
    0x000000, // 25 unused
    0x0066CC, // 26 hot light
    0xB9D1EA, // 27 gradient active caption
    0xD7E4F2, // 28 gradient inactive caption
    0x3399FF, // 29 menu highlight
    0xF0F0F0, // 30 menu bar
};

} // namespace

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color)) {
        const std::uint32_t index = color & 0xFF;
        const std::uint32_t rgb = index < kSystemRgb.size() ? kSystemRgb[index] : 0;
        return RGB(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8), static_cast<int>(rgb));
    }
    if (color == clNone || color == clDefault)
        return color;
    return color & 0xFFFFFF;
}

namespace qx {

std::uint32_t argbFromColor(TColor color, std::uint8_t alpha)
{
    if (color == clNone)
        return 0;
    const TColor c = ColorToRGB(color) & 0xFFFFFF;
    return std::uint32_t(alpha) << 24 | std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 |
           GetBValue(c);
}

TColor colorFromArgb(std::uint32_t argb)
{
    return RGB(static_cast<int>(argb >> 16 & 0xFF), static_cast<int>(argb >> 8 & 0xFF), static_cast<int>(argb & 0xFF));
}

} // namespace qx
