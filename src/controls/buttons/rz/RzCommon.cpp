#include "controls/buttons/rz/RzCommon.h"

#include "controls/buttons/rz/RzGrafx.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using qx::rz::TGradientDirection;
using enum qx::rz::TGradientDirection;

namespace {

int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

void channels(TColor color, double& r, double& g, double& b)
{
    const TColor c = ColorToRGB(color);
    r = GetRValue(c) / 255.0;
    g = GetGValue(c) / 255.0;
    b = GetBValue(c) / 255.0;
}

int toByte(double v) { return std::clamp(roundEven(std::clamp(v, 0.0, 1.0) * 255.0), 0, 255); }

void line(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

TRect ring(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, TSides sides)
{
    return DrawSideLines(canvas, r, topLeft, bottomRight, sides);
}

TRect drawEtched(TCanvas& canvas, TRect r, TColor tl, TColor br, TSides sides)
{
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop);
    const bool right = sides.Contains(sdRight), bottom = sides.Contains(sdBottom);
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    if (right)
        canvas.SetPixel(R - 1, T, br);
    if (top && !right)
        canvas.SetPixel(R - 1, T, tl);
    if (bottom)
        canvas.SetPixel(L, B - 1, br);
    if (left && !bottom)
        canvas.SetPixel(L, B - 1, tl);
    if (top && !left)
        canvas.SetPixel(L, T + 1, br);
    if (left && !top)
        canvas.SetPixel(L + 1, T, br);
    if (bottom && !right)
        canvas.SetPixel(R - 1, B - 2, tl);
    if (right && !bottom)
        canvas.SetPixel(R - 2, B - 1, tl);
    const TRect shifted{L + 1, T + 1, R, B};
    DrawSideLines(canvas, shifted, br, br, sides);
    DrawSideLines(canvas, TRect{L, T, R - 1, B - 1}, tl, tl, sides);
    TRect out = r;
    if (left) out.Left += 2;
    if (top) out.Top += 2;
    if (right) out.Right -= 2;
    if (bottom) out.Bottom -= 2;
    return out;
}

TRect twoRings(TCanvas& canvas, TRect r, TColor outerTl, TColor outerBr, TColor innerTl, TColor innerBr, TSides sides)
{
    canvas.Pen().Width = 1;
    r = ring(canvas, r, outerTl, outerBr, sides);
    return ring(canvas, r, innerTl, innerBr, sides);
}

} // namespace

void ColorToHsl240(TColor color, std::uint8_t& hue, std::uint8_t& saturation, std::uint8_t& luminance)
{
    double r, g, b;
    channels(color, r, g, b);
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double L = (mx + mn) / 2;
    double H = 0, S = 0;
    if (mx != mn) {
        const double d = mx - mn;
        S = L < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (r == mx)
            H = (g - b) / d;
        else if (g == mx)
            H = 2 + (b - r) / d;
        else
            H = 4 + (r - g) / d;
        H /= 6;
        if (H < 0)
            H += 1;
    }
    hue = static_cast<std::uint8_t>(std::clamp(roundEven(H * 240), 0, 255));
    saturation = static_cast<std::uint8_t>(std::clamp(roundEven(S * 240), 0, 255));
    luminance = static_cast<std::uint8_t>(std::clamp(roundEven(L * 240), 0, 255));
}

std::uint8_t HueOfColor(TColor color)
{
    std::uint8_t h, s, l;
    ColorToHsl240(color, h, s, l);
    return h;
}

TColor ColorFromHsl240(int hue, int saturation, int luminance)
{
    const double h = hue / 239.0, s = saturation / 240.0, l = luminance / 240.0;
    const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (m2 <= 0)
        return clBlack;
    const double m1 = 2 * l - m2;
    const double x = 6 * h;
    int k = static_cast<int>(x);
    const double f = x - k;
    // Hues 239 and 240 reach sector 6, which wraps round to red.
    if (k < 0 || k > 5)
        k = 0;
    const double up = m1 + (m2 - m1) * f, down = m2 - (m2 - m1) * f;
    double r = 0, g = 0, b = 0;
    switch (k) {
    case 0: r = m2; g = up; b = m1; break;
    case 1: r = down; g = m2; b = m1; break;
    case 2: r = m1; g = m2; b = up; break;
    case 3: r = m1; g = down; b = m2; break;
    case 4: r = up; g = m1; b = m2; break;
    default: r = m2; g = m1; b = down; break;
    }
    return RGB(toByte(r), toByte(g), toByte(b));
}

TColor ColorDarkenedBy(TColor color, std::uint8_t amount)
{
    std::uint8_t h, s, l;
    ColorToHsl240(color, h, s, l);
    return ColorFromHsl240(h, s, std::max(l - amount, 0));
}

TColor ColorLightenedBy(TColor color, std::uint8_t amount)
{
    std::uint8_t h, s, l;
    ColorToHsl240(color, h, s, l);
    return ColorFromHsl240(h, s, std::min(l + amount, 255));
}

TColor ColorAdjustedBy(TColor color, int amount)
{
    if (amount < 0)
        return ColorDarkenedBy(color, static_cast<std::uint8_t>(-amount));
    if (amount > 0)
        return ColorLightenedBy(color, static_cast<std::uint8_t>(amount));
    return color;
}

TColor BlendColors(TColor color1, TColor color2, int weight)
{
    const TColor a = ColorToRGB(color1), b = ColorToRGB(color2);
    const float x = static_cast<float>(weight) / 255.0f;
    auto mix = [x](int c1, int c2) {
        return std::clamp(static_cast<int>(std::nearbyint(static_cast<float>(c1) * x + static_cast<float>(c2) * (1.0f - x))), 0, 255);
    };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

bool ColorsLookAlike(TColor color1, TColor color2)
{
    std::uint8_t h1, s1, l1, h2, s2, l2;
    ColorToHsl240(color1, h1, s1, l1);
    ColorToHsl240(color2, h2, s2, l2);
    return std::abs(h1 - h2) < 20 && std::abs(l1 - l2) < 60;
}

TColor ContrastHueColor(TColor color, int luminance)
{
    const int h = HueOfColor(color);
    return ColorFromHsl240(h < 120 ? h + 120 : h - 120, 240, luminance);
}

std::uint8_t DetectXPColorScheme() { return 0; }

void SchemeGradientColors(TRzGradientColorStyle, TColor& start, TColor& stop)
{
    start = clWindow;
    stop = ColorDarkenedBy(clBtnFace, 10);
}

TColor SchemeFrameColor(TRzGradientColorStyle) { return ColorLightenedBy(clBtnShadow, 30); }

void SchemeBannerColors(TRzGradientColorStyle, TColor& stop, TColor& start, TColor& frame)
{
    stop = ColorDarkenedBy(clBtnFace, 20);
    start = clWindow;
    frame = ColorDarkenedBy(clBtnFace, 40);
}

TColor ThemedElementColor(int) { return clBtnFace; }

bool HasFullColorDisplay() { return true; }

TRect DrawSideLines(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, TSides sides)
{
    if (topLeft != clNone) {
        canvas.Pen().Color = topLeft;
        if (sides.Contains(sdLeft))
            line(canvas, r.Left, r.Top, r.Left, r.Bottom);
        if (sides.Contains(sdTop))
            line(canvas, r.Left, r.Top, r.Right, r.Top);
    }
    if (bottomRight != clNone) {
        canvas.Pen().Color = bottomRight;
        if (sides.Contains(sdRight))
            line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        if (sides.Contains(sdBottom))
            line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    if (sides.Contains(sdLeft)) ++r.Left;
    if (sides.Contains(sdTop)) ++r.Top;
    if (sides.Contains(sdRight)) --r.Right;
    if (sides.Contains(sdBottom)) --r.Bottom;
    return r;
}

TRect DrawSideRings(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, int count, TSides sides)
{
    canvas.Pen().Width = 1;
    for (int i = 0; i < count; ++i)
        r = DrawSideLines(canvas, r, topLeft, bottomRight, sides);
    return r;
}

TRect Draw3DDoubleEdges(TCanvas& canvas, TRect r, bool lowered, TSides sides)
{
    if (lowered)
        return twoRings(canvas, r, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, sides);
    return twoRings(canvas, r, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow, sides);
}

TRect DrawPushButtonEdges(TCanvas& canvas, TRect r, bool down, TSides sides)
{
    if (down)
        return twoRings(canvas, r, clBtnText, clBtnText, clBtnShadow, clBtnShadow, sides);
    return twoRings(canvas, r, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, sides);
}

TRect DrawColoredButtonEdges(TCanvas& canvas, TRect r, TColor face, bool down, TSides sides)
{
    const TColor d100 = ColorDarkenedBy(face, 100), d50 = ColorDarkenedBy(face, 50);
    if (down)
        return twoRings(canvas, r, d100, d100, d50, d50, sides);
    return twoRings(canvas, r, ColorLightenedBy(face, 100), d100, ColorLightenedBy(face, 40), d50, sides);
}

TRect DrawFrameStyleEdges(TCanvas& canvas, TRect r, TFrameStyle style, TSides sides)
{
    canvas.Pen().Width = 1;
    switch (style) {
    case fsNone: return r;
    case fsFlat: return ring(canvas, r, cl3DDkShadow, cl3DDkShadow, sides);
    case fsStatus: return ring(canvas, r, clBtnShadow, clBtnHighlight, sides);
    case fsPopup: return ring(canvas, r, clBtnHighlight, clBtnShadow, sides);
    case fsFlatBold: return DrawSideRings(canvas, r, clBtnShadow, clBtnShadow, 2, sides);
    case fsLowered: return Draw3DDoubleEdges(canvas, r, true, sides);
    case fsRaised: return Draw3DDoubleEdges(canvas, r, false, sides);
    case fsButtonDown: return DrawPushButtonEdges(canvas, r, true, sides);
    case fsButtonUp: return DrawPushButtonEdges(canvas, r, false, sides);
    case fsGroove: return drawEtched(canvas, r, clBtnShadow, clBtnHighlight, sides);
    default: return drawEtched(canvas, r, clBtnHighlight, clBtnShadow, sides);
    }
}

TRect DrawColoredFrameStyleEdges(TCanvas& canvas, TRect r, TColor face, TFrameStyle style, TSides sides)
{
    canvas.Pen().Width = 1;
    const TColor d50 = ColorDarkenedBy(face, 50), d100 = ColorDarkenedBy(face, 100);
    const TColor l50 = ColorLightenedBy(face, 50), l100 = ColorLightenedBy(face, 100);
    switch (style) {
    case fsNone: return r;
    case fsFlat: return ring(canvas, r, d50, d50, sides);
    case fsGroove: return drawEtched(canvas, r, d50, l100, sides);
    case fsLowered: return twoRings(canvas, r, d50, l100, d100, l50, sides);
    case fsRaised: return twoRings(canvas, r, l50, d100, l100, d50, sides);
    case fsButtonDown: return DrawColoredButtonEdges(canvas, r, face, true, sides);
    case fsButtonUp: return DrawColoredButtonEdges(canvas, r, face, false, sides);
    case fsStatus: return ring(canvas, r, d50, l100, sides);
    case fsPopup: return ring(canvas, r, l100, d50, sides);
    case fsFlatBold: return DrawSideRings(canvas, r, d50, d50, 2, sides);
    default: return drawEtched(canvas, r, l100, d50, sides);
    }
}

TRect DrawSingleFrame(TCanvas& canvas, TRect r, TColor color) { return DrawSideLines(canvas, r, color, color, kAllSides); }

TRect DrawDottedFrame(TCanvas& canvas, TRect r)
{
    for (int y = r.Top + 1; y < r.Bottom; y += 2) {
        canvas.SetPixel(r.Left, y, clBlack);
        canvas.SetPixel(r.Right - 1, y, clBlack);
    }
    for (int x = r.Left + 1; x < r.Right; x += 2) {
        canvas.SetPixel(x, r.Top, clBlack);
        canvas.SetPixel(x, r.Bottom - 1, clBlack);
    }
    InflateRect(r, -1, -1);
    return r;
}

TRect DrawRoundedFrame(TCanvas& canvas, TRect r, TColor color, TSides sides)
{
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop);
    const bool right = sides.Contains(sdRight), bottom = sides.Contains(sdBottom);
    const int y0 = top ? r.Top + 2 : r.Top, y1 = bottom ? r.Bottom - 2 : r.Bottom;
    const int x0 = left ? r.Left + 2 : r.Left, x1 = right ? r.Right - 2 : r.Right;
    canvas.Pen().Color = color;
    if (left) line(canvas, r.Left, y0, r.Left, y1);
    if (top) line(canvas, x0, r.Top, x1, r.Top);
    if (right) line(canvas, r.Right - 1, y0, r.Right - 1, y1);
    if (bottom) line(canvas, x0, r.Bottom - 1, x1, r.Bottom - 1);
    if (left && top) canvas.SetPixel(r.Left + 1, r.Top + 1, color);
    if (top && right) canvas.SetPixel(r.Right - 2, r.Top + 1, color);
    if (right && bottom) canvas.SetPixel(r.Right - 2, r.Bottom - 2, color);
    if (left && bottom) canvas.SetPixel(r.Left + 1, r.Bottom - 2, color);
    return {x0, y0, x1, y1};
}

namespace {

TRect statusRings(TCanvas& canvas, TRect r, TFrameStyleEx style, const TRzPanelBorder& b)
{
    if (style == fsStatus)
        return DrawSideRings(canvas, r, b.shadow, b.highlight, b.bevelWidth, b.sides);
    return DrawSideRings(canvas, r, b.highlight, b.shadow, b.bevelWidth, b.sides);
}

} // namespace

TRect DrawPanelBorder(TCanvas& canvas, TRect r, const TRzPanelBorder& b)
{
    const TColor flat = ColorAdjustedBy(b.flatColor, b.flatColorAdjustment);
    const bool hasMiddle = b.borderWidth > 0 || b.inner != fsNone;
    switch (b.outer) {
    case fsFlat: r = DrawSideRings(canvas, r, flat, flat, 1, b.sides); break;
    case fsFlatBold: r = DrawSideRings(canvas, r, flat, flat, 2, b.sides); break;
    case fsFlatRounded:
        if (!b.transparent) {
            const TRect inner = DrawSideRings(canvas, r, b.parentColor, b.parentColor, 1, b.sides);
            const TColor c = hasMiddle ? b.borderColor : b.color;
            DrawSideRings(canvas, inner, c, c, 1, b.sides);
        } else if (hasMiddle) {
            TRect inner = r;
            InflateRect(inner, -1, -1);
            DrawSideRings(canvas, inner, b.borderColor, b.borderColor, 1, b.sides);
        }
        r = DrawRoundedFrame(canvas, r, flat, b.sides);
        break;
    case fsStatus:
    case fsPopup: r = statusRings(canvas, r, b.outer, b); break;
    default: r = DrawFrameStyleEdges(canvas, r, b.outer, b.sides);
    }
    if (b.borderWidth > 0)
        r = DrawSideRings(canvas, r, b.borderColor, b.borderColor, b.borderWidth, b.sides);
    switch (b.inner) {
    case fsFlat: r = DrawSideRings(canvas, r, flat, flat, 1, b.sides); break;
    case fsFlatBold: r = DrawSideRings(canvas, r, flat, flat, 2, b.sides); break;
    case fsFlatRounded:
        if (!b.transparent) {
            const TRect inner = DrawSideRings(canvas, r, b.borderColor, b.borderColor, 1, b.sides);
            DrawSideRings(canvas, inner, b.color, b.color, 1, b.sides);
        } else {
            DrawSideRings(canvas, r, b.borderColor, b.borderColor, 1, b.sides);
        }
        r = DrawRoundedFrame(canvas, r, flat, b.sides);
        break;
    case fsStatus:
    case fsPopup: r = statusRings(canvas, r, b.inner, b); break;
    default: r = DrawFrameStyleEdges(canvas, r, b.inner, b.sides);
    }
    return r;
}

int FrameStyleInset(TFrameStyleEx style, int bevelWidth)
{
    switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    default: return 2;
    }
}

TRect AdjustBorderRect(TRect r, TFrameStyleEx outer, TFrameStyleEx inner, TSides sides, int bevelWidth)
{
    const int n = FrameStyleInset(outer, bevelWidth) + FrameStyleInset(inner, bevelWidth);
    if (sides.Contains(sdLeft)) r.Left += n;
    if (sides.Contains(sdTop)) r.Top += n;
    if (sides.Contains(sdRight)) r.Right -= n;
    if (sides.Contains(sdBottom)) r.Bottom -= n;
    return r;
}

void DrawDropDownArrow(TCanvas& canvas, const TRect& r, int style, bool enabled)
{
    const TColor saved = canvas.Brush().Color;
    TColor color = clBtnShadow;
    if (enabled)
        color = ColorsLookAlike(saved, clBlack) ? cl3DDkShadow : clBlack;
    const int cx = r.Left + (r.Right - r.Left) / 2;
    int cy = r.Top + (r.Bottom - r.Top) / 2;
    if ((r.Bottom - r.Top) % 2 == 0)
        --cy;
    canvas.Pen().Style = psClear;
    canvas.Brush().Color = color;
    canvas.Brush().Style = bsSolid;
    if (style == 1) {
        const TPoint chevron[] = {{cx, cy + 4}, {cx - 4, cy - 1}, {cx - 3, cy - 3}, {cx, cy + 1}, {cx + 3, cy - 3}, {cx + 5, cy - 1}};
        canvas.Polygon(chevron);
    } else {
        const TPoint triangle[] = {{cx, cy + 2}, {cx - 3, cy - 2}, {cx + 4, cy - 2}};
        canvas.Polygon(triangle);
    }
    canvas.Pen().Style = psSolid;
    canvas.Brush().Color = saved;
}

void PaintGradientRing(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop)
{
    if (!HasFullColorDisplay())
        return;
    canvas.SaveState();
    TRect inner = r;
    InflateRect(inner, -2, -2);
    canvas.ExcludeClipRect(inner);
    FillGradient(canvas, r, direction, start, stop, 1);
    canvas.RestoreState();
}

std::string StripAccelerators(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool last = i + 1 == text.size();
        if (text[i] != '&' || last) {
            out += text[i];
            continue;
        }
        if (text[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

int DrawTextInRect(TCanvas& canvas, const std::string& text, TRect r, unsigned flags)
{
    return canvas.DrawText(text, r, flags);
}

void DrawTextCentered(TCanvas& canvas, const std::string& text, const TRect& r)
{
    TRect copy = r;
    canvas.DrawText(text, copy, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
