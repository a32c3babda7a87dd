#include "controls/plot/base/iDrawing.h"

#include "controls/plot/base/iPlotError.h"

#include "platform/gui/Control.h"
#include "platform/gui/Form.h"
#include "platform/gui/Keys.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/Printer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Edges.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <utility>

namespace {

int channel(TColor c, int shift) { return static_cast<int>((static_cast<std::uint32_t>(c) >> shift) & 0xFF); }

TColor rgb(int r, int g, int b)
{
    return static_cast<TColor>(static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8
                               | static_cast<std::uint32_t>(b) << 16);
}

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

} // namespace

TColor ShadeColor(TColor Color, int Amount, bool Lighten)
{
    const TColor c = ColorToRGB(Color);
    const int d = Lighten ? Amount : -Amount;
    return rgb(std::clamp(channel(c, 0) + d, 0, 255), std::clamp(channel(c, 8) + d, 0, 255),
               std::clamp(channel(c, 16) + d, 0, 255));
}

unsigned DrawTextFormat(std::uint16_t Flags)
{
    using namespace iTextFlags;
    unsigned f = 0;
    const std::pair<std::uint16_t, unsigned> map[] = {
        {Center, DT_CENTER}, {Right, DT_RIGHT}, {VCenter, DT_VCENTER}, {Bottom, DT_BOTTOM},
        {WordBreak, DT_WORDBREAK}, {SingleLine, DT_SINGLELINE}, {ExpandTabs, DT_EXPANDTABS}, {NoClip, DT_NOCLIP},
        {CalcRect, DT_CALCRECT}, {EndEllipsis, DT_END_ELLIPSIS}, {PathEllipsis, DT_PATH_ELLIPSIS},
        {WordEllipsis, DT_WORD_ELLIPSIS}, {ModifyString, DT_MODIFYSTRING},
    };
    for (const auto& [library, canvas] : map)
        if (Flags & library)
            f |= canvas;
    if (!(Flags & Prefix))
        f |= DT_NOPREFIX;
    return f;
}

int DrawTextFlags(TCanvas& Canvas, const std::string& Text, TRect& Rect, std::uint16_t Flags, bool Enabled,
                  TColor Color)
{
    const unsigned format = DrawTextFormat(Flags);
    if (Enabled || (Flags & iTextFlags::CalcRect) || ColorToRGB(Color) == 0)
        return Canvas.DrawText(Text, Rect, format);
    const TColor fontColor = Canvas.Font().Color;
    TRect shadow{Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1};
    Canvas.Font().Color = ShadeColor(Color, 64, true);
    Canvas.DrawText(Text, shadow, format);
    Canvas.Font().Color = ShadeColor(Color, 32, false);
    const int height = Canvas.DrawText(Text, Rect, format);
    Canvas.Font().Color = fontColor;
    return height;
}

void DrawTurnedText(TCanvas& Canvas, const std::string& Text, const TRect& Rect, TiRotationAngle Rotation,
                    int Alignment, bool Enabled, TColor Color, TRect& TextRect)
{
    const TPoint c{(Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2};
    const TSize extent = Canvas.TextExtent(Text);
    const int tw = extent.cx, th = extent.cy;
    if (Rotation == ira000) {
        using namespace iTextFlags;
        std::uint16_t flags = Alignment == 1 ? 0x0211 : Alignment == 2 ? 0x0214 : 0x0212;
        if (Text.find('\r') == std::string::npos)
            flags |= SingleLine;
        TRect r = Rect;
        DrawTextFlags(Canvas, Text, r, flags, Enabled, Color);
        TextRect = {c.X - tw / 2, c.Y - th / 2, c.X + tw / 2, c.Y + th / 2};
        return;
    }
    TPoint start;
    switch (Rotation) {
    case ira090:
        start = {c.X - th / 2, c.Y + tw / 2};
        TextRect = {c.X - th / 2, c.Y - tw / 2, c.X + th / 2, c.Y + tw / 2};
        break;
    case ira180:
        start = {c.X + tw / 2, c.Y + th / 2};
        TextRect = {c.X - tw / 2, c.Y - th / 2, c.X + tw / 2, c.Y + th / 2};
        break;
    default:
        start = {c.X + th - th / 2, c.Y - tw / 2};
        TextRect = {c.X - th / 2, c.Y - tw / 2, c.X + th / 2, c.Y + tw / 2};
        break;
    }
    const int orientation = Canvas.Font().Orientation;
    Canvas.Font().Orientation = static_cast<int>(Rotation) * 900;
    const auto brushStyle = Canvas.Brush().Style;
    Canvas.Brush().Style = bsClear;
    try {
        if (Enabled || ColorToRGB(Color) == 0)
            Canvas.TextOut(start.X, start.Y, Text);
        else {
            const TColor fontColor = Canvas.Font().Color;
            Canvas.Font().Color = ShadeColor(Color, 64, true);
            Canvas.TextOut(start.X + 1, start.Y + 1, Text);
            Canvas.Font().Color = ShadeColor(Color, 32, false);
            Canvas.TextOut(start.X, start.Y, Text);
            Canvas.Font().Color = fontColor;
        }
    } catch (...) {
        Canvas.Font().Orientation = orientation;
        Canvas.Brush().Style = brushStyle;
        throw;
    }
    Canvas.Font().Orientation = orientation;
    Canvas.Brush().Style = brushStyle;
}

bool NextLine(std::string_view Text, std::size_t& Position, std::string& Line)
{
    if (Position >= Text.size())
        return false;
    const std::size_t end = Text.find_first_of("\r\n", Position);
    if (end == std::string_view::npos) {
        Line = std::string(Text.substr(Position));
        Position = Text.size();
        return true;
    }
    Line = std::string(Text.substr(Position, end - Position));
    Position = end + (Text[end] == '\r' && end + 1 < Text.size() && Text[end + 1] == '\n' ? 2 : 1);
    return true;
}

int TextWidthML(TCanvas& Canvas, const std::string& Text)
{
    int widest = 0;
    std::size_t position = 0;
    std::string line;
    while (NextLine(Text, position, line))
        widest = std::max(widest, Canvas.TextWidth(line));
    return widest;
}

int TextHeightML(TCanvas& Canvas, const std::string& Text)
{
    TRect r{};
    return DrawTextFlags(Canvas, Text, r, 0x0A00, true, 0);
}

int TextHeightForWidth(TCanvas& Canvas, const std::string& Text, int Width)
{
    TRect r{0, -800, Width, -100};
    return DrawTextFlags(Canvas, Text, r, 0x0049, true, 0);
}

TRect NormalRect(int X1, int Y1, int X2, int Y2)
{
    return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

TRect SwapRect(bool Swap, int X1, int Y1, int X2, int Y2)
{
    return Swap ? NormalRect(Y1, X1, Y2, X2) : NormalRect(X1, Y1, X2, Y2);
}

TPoint SwapPoint(bool Swap, int X, int Y) { return Swap ? TPoint{Y, X} : TPoint{X, Y}; }

void SwapInts(int& A, int& B) { std::swap(A, B); }

bool ShiftDown() { return qx::modifierKeyHeld(VK_SHIFT); }
bool CtrlDown() { return qx::modifierKeyHeld(VK_CONTROL); }

void DrawFocusRectangle(TCanvas& Canvas, const TRect& Rect) { Canvas.DrawFocusRect(Rect); }

void DrawEdgeStyle(TCanvas& Canvas, const TRect& Rect, int Kind)
{
    TRect r = Rect;
    if (Kind == 0)
        DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
    else if (Kind == 1)
        DrawEdge(Canvas, r, EDGE_RAISED, BF_RECT);
    else if (Kind == 2) {
        Canvas.Pen().Style = psSolid;
        Canvas.Pen().Color = clBtnShadow;
        const TPoint points[] = {{Rect.Left, Rect.Top},
                                 {Rect.Right - 1, Rect.Top},
                                 {Rect.Right - 1, Rect.Bottom - 1},
                                 {Rect.Left, Rect.Bottom - 1}};
        Canvas.Polygon(points);
    }
}

void FillDirectionGradient(TCanvas& Canvas, const TRect& Rect, TiFillDirection Direction, TColor StartColor,
                           TColor StopColor)
{
    Canvas.Brush().Style = bsClear;
    const int m = std::max(Rect.Right, Rect.Bottom);
    const int w = Rect.Width(), h = Rect.Height();
    int n = 0, penWidth = 1;
    switch (Direction) {
    case ifdTopBottom: case ifdBottomTop: n = h - 1; break;
    case ifdLeftRight: case ifdRightLeft: n = w - 1; break;
    case ifdRectangleOut: case ifdRectangleIn: n = (m - 1) / 3; penWidth = 2; break;
    case ifdCircleOut: case ifdCircleIn: n = (m - 1) / 8; penWidth = 16; break;
    default: n = 2 * m - 2; break;
    }
    // The second direction of each pair runs from the stop colour.
    const bool reversed = Direction == ifdBottomTop || Direction == ifdRightLeft || Direction == ifdBottomRightTopLeft
                          || Direction == ifdTopRightBottomLeft || Direction == ifdRectangleIn
                          || Direction == ifdCircleIn;
    const TColor from = ColorToRGB(reversed ? StopColor : StartColor);
    const TColor to = ColorToRGB(reversed ? StartColor : StopColor);
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Width = penWidth;
    const double cx = (Rect.Right - 1) / 2.0, cy = (Rect.Bottom - 1) / 2.0;
    // Zero steps still draw their one step in the start colour.
    for (int i = 0; i <= n; ++i) {
        const double f = n == 0 ? 0.0 : static_cast<double>(i) / n;
        const auto mix = [&](int shift) { return roundHalfEven(f * channel(to, shift) + (1 - f) * channel(from, shift)); };
        Canvas.Pen().Color = rgb(mix(0), mix(8), mix(16));
        switch (Direction) {
        case ifdTopBottom: case ifdBottomTop:
            Canvas.MoveTo(Rect.Left, Rect.Top + i);
            Canvas.LineTo(Rect.Right, Rect.Top + i);
            break;
        case ifdLeftRight: case ifdRightLeft:
            Canvas.MoveTo(Rect.Left + i, Rect.Top);
            Canvas.LineTo(Rect.Left + i, Rect.Bottom);
            break;
        case ifdTopLeftBottomRight: case ifdBottomRightTopLeft:
            Canvas.MoveTo(roundHalfEven(2 * f * (Rect.Right - 1)) - 1, 0);
            Canvas.LineTo(-1, roundHalfEven(2 * f * (Rect.Bottom - 1)));
            break;
        case ifdBottomLeftTopRight: case ifdTopRightBottomLeft:
            Canvas.MoveTo(0, (Rect.Bottom - 1) - roundHalfEven(2 * f * (Rect.Bottom - 1)));
            Canvas.LineTo(roundHalfEven(2 * f * (Rect.Right - 1)), Rect.Bottom - 1);
            break;
        default: {
            const double scale = Direction == ifdCircleOut || Direction == ifdCircleIn ? 1.414 : 1.0;
            const int hx = roundHalfEven(f * (Rect.Right - 1) / 2 * scale);
            const int hy = roundHalfEven(f * (Rect.Bottom - 1) / 2 * scale);
            const int x = roundHalfEven(cx), y = roundHalfEven(cy);
            if (scale == 1.0)
                Canvas.Rectangle(x - hx, y - hy, x + hx, y + hy);
            else
                Canvas.Ellipse(x - hx, y - hy, x + hx, y + hy);
        }
        }
    }
    Canvas.Pen().Width = 1;
    if (Direction == ifdRectangleOut)
        Canvas.SetPixel(Rect.Left + w / 2, Rect.Top + h / 2, ColorToRGB(StartColor));
    else if (Direction == ifdRectangleIn)
        Canvas.SetPixel(Rect.Left + w / 2, Rect.Top + h / 2, ColorToRGB(StopColor));
}

void SelectPage(TPageControl& PageControl, int Index)
{
    if (Index >= 0 && Index < PageControl.PageCount())
        PageControl.SetActivePageIndex(Index);
}

int ActivePageIndex(const TPageControl& PageControl) { return PageControl.ActivePageIndex(); }

TComponent* OwnerForm(TComponent* Component)
{
    TComponent* lastWindowed = nullptr;
    for (TComponent* owner = Component ? Component->Owner() : nullptr; owner; owner = owner->Owner()) {
        if (dynamic_cast<TForm*>(owner))
            return owner;
        if (dynamic_cast<TWinControl*>(owner))
            lastWindowed = owner;
    }
    return lastWindowed;
}

void FocusControl(TWinControl& Control)
{
    if (Control.CanFocus())
        Control.SetFocus();
}

double MmToInches(double Mm) { return Mm / 10 / 2.54; }

void PaperSizeInches(int PaperCode, double& Width, double& Height)
{
    struct Paper { int code; double width, height; bool mm; };
    static constexpr Paper papers[] = {
        {3, 11, 17, false}, {4, 17, 11, false}, {5, 8.5, 14, false}, {6, 5.5, 8.5, false}, {7, 7.25, 10.5, false},
        {8, 297, 420, true}, {9, 210, 297, true}, {10, 210, 297, true}, {11, 148, 210, true}, {12, 250, 354, true},
        {13, 182, 257, true}, {14, 8.5, 13, false}, {15, 215, 275, true}, {16, 10, 14, false}, {17, 11, 17, false},
        {18, 8.5, 11, false}, {19, 3.875, 8.875, false}, {20, 4.125, 9.5, false}, {21, 4.5, 10.375, false},
        {22, 4.75, 11, false}, {23, 5, 11.5, false}, {24, 17, 22, false}, {25, 22, 34, false}, {26, 34, 44, false},
        {27, 110, 220, true}, {28, 162, 229, true}, {29, 324, 458, true}, {30, 229, 324, true}, {31, 114, 162, true},
        {32, 114, 229, true}, {33, 250, 353, true}, {34, 176, 250, true}, {35, 176, 125, true}, {36, 110, 230, true},
        {37, 3.875, 7.5, false}, {38, 3.625, 6.5, false}, {39, 14.875, 11, false}, {40, 8.5, 12, false},
        {41, 8.5, 13, false}, {42, 250, 353, true}, {43, 100, 148, true}, {44, 9, 11, false}, {45, 10, 11, false},
        {46, 15, 11, false}, {47, 220, 220, true}, {50, 9.275, 12, false}, {51, 9.275, 15, false},
        {52, 11.69, 18, false}, {53, 236, 322, true}, {54, 8.275, 11, false}, {55, 210, 297, true},
        {56, 9.275, 12, false}, {57, 227, 356, true}, {58, 305, 487, true}, {59, 8.5, 12.69, false},
        {60, 210, 330, true}, {61, 148, 210, true}, {62, 182, 257, true}, {63, 322, 445, true}, {64, 174, 235, true},
        {65, 201, 276, true}, {66, 420, 594, true}, {67, 297, 420, true}, {68, 322, 445, true},
    };
    Width = 8.5;
    Height = 11;
    for (const Paper& p : papers)
        if (p.code == PaperCode) {
            Width = p.mm ? MmToInches(p.width) : p.width;
            Height = p.mm ? MmToInches(p.height) : p.height;
        }
}

void PrinterPaperSizeInches(double& Width, double& Height)
{
    // The printer object always has a sheet, turned with its orientation.
    Width = Printer()->PaperWidthInches();
    Height = Printer()->PaperHeightInches();
}

void LoadBitmapFile(const std::string& FileName, TBitmap& Bitmap)
{
    std::ifstream in(FileName, std::ios::binary);
    if (!in)
        throw EiPlotError("Cannot open file \"" + FileName + "\"");
    const qx::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    if (!Bitmap.LoadFromBytes(bytes, &error))
        throw EiPlotError(error.empty() ? "Bitmap image is not valid" : error);
}
