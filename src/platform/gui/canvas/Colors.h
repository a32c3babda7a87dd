#pragma once
// Colours of the class library: 0x00BBGGRR, clNone draws nothing, 0xFF0000nn is the system
// colour nn, resolved through one fixed table just before drawing (the same on every machine).

#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;

inline constexpr TColor kSystemColorBase = 0xFF000000;
inline constexpr TColor clScrollBar = kSystemColorBase | 0;
inline constexpr TColor clBackground = kSystemColorBase | 1;
inline constexpr TColor clActiveCaption = kSystemColorBase | 2;
inline constexpr TColor clInactiveCaption = kSystemColorBase | 3;
inline constexpr TColor clMenu = kSystemColorBase | 4;
inline constexpr TColor clWindow = kSystemColorBase | 5;
inline constexpr TColor clWindowFrame = kSystemColorBase | 6;
inline constexpr TColor clMenuText = kSystemColorBase | 7;
inline constexpr TColor clWindowText = kSystemColorBase | 8;
inline constexpr TColor clCaptionText = kSystemColorBase | 9;
inline constexpr TColor clActiveBorder = kSystemColorBase | 10;
inline constexpr TColor clInactiveBorder = kSystemColorBase | 11;
inline constexpr TColor clAppWorkSpace = kSystemColorBase | 12;
inline constexpr TColor clHighlight = kSystemColorBase | 13;
inline constexpr TColor clHighlightText = kSystemColorBase | 14;
inline constexpr TColor clBtnFace = kSystemColorBase | 15;
inline constexpr TColor clBtnShadow = kSystemColorBase | 16;
inline constexpr TColor clGrayText = kSystemColorBase | 17;
inline constexpr TColor clBtnText = kSystemColorBase | 18;
inline constexpr TColor clInactiveCaptionText = kSystemColorBase | 19;
inline constexpr TColor clBtnHighlight = kSystemColorBase | 20;
inline constexpr TColor cl3DDkShadow = kSystemColorBase | 21;
inline constexpr TColor cl3DLight = kSystemColorBase | 22;
inline constexpr TColor clInfoText = kSystemColorBase | 23;
inline constexpr TColor clInfoBk = kSystemColorBase | 24;
inline constexpr TColor clHotLight = kSystemColorBase | 26;
inline constexpr TColor clGradientActiveCaption = kSystemColorBase | 27;
inline constexpr TColor clGradientInactiveCaption = kSystemColorBase | 28;
inline constexpr TColor clMenuHighlight = kSystemColorBase | 29;
inline constexpr TColor clMenuBar = kSystemColorBase | 30;

inline constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == kSystemColorBase; }

// The plain 0x00BBGGRR value: system colours from the fixed table, palette flags dropped.
// clNone and clDefault are returned unchanged.
TColor ColorToRGB(TColor color);

inline constexpr std::uint8_t GetRValue(TColor c) { return static_cast<std::uint8_t>(c); }
inline constexpr std::uint8_t GetGValue(TColor c) { return static_cast<std::uint8_t>(c >> 8); }
inline constexpr std::uint8_t GetBValue(TColor c) { return static_cast<std::uint8_t>(c >> 16); }
inline constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

namespace qx {
// 0xAARRGGBB of a colour at the given alpha (system colours resolved); 0 for clNone.
std::uint32_t argbFromColor(TColor color, std::uint8_t alpha = 255);
// The TColor of an 0xAARRGGBB value, alpha dropped.
TColor colorFromArgb(std::uint32_t argb);
} // namespace qx
