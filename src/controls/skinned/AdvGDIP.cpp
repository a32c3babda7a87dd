#include "controls/skinned/AdvGDIP.h"

#include "controls/skinned/AdvGDIPPicture.h"
#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gdiplus/Pen.h"

#include <memory>

using namespace qx::gdiplus;

Argb ArgbFromColor(TColor color)
{
    return ArgbFromColorAlpha(255, color);
}

Argb ArgbFromColorAlpha(int alpha, TColor color)
{
    const TColor c = ColorToRGB(color);
    return makeArgb(alpha, GetRValue(c), GetGValue(c), GetBValue(c));
}

Argb ArgbFromRgb(int red, int green, int blue)
{
    return makeArgb(255, red, green, blue);
}

GraphicsPath BuildRoundedPath(const RectF& r, float radius, TFillRoundingType type)
{
    GraphicsPath path;
    const float x = r.X, y = r.Y, w = r.Width, h = r.Height, d = 2 * radius;
    if (radius <= 0)
        type = rtNone;
    const auto topLeft = [&] { path.AddArc(x, y, d, d, 180, 90); };
    const auto topRight = [&] { path.AddArc(x + w - d, y, d, d, 270, 90); };
    const auto bottomRight = [&] { path.AddArc(x + w - d, y + h - d, d, d, 0, 90); };
    const auto bottomLeft = [&] { path.AddArc(x, y + h - d, d, d, 90, 90); };
    switch (type) {
    case rtNone:
        path.AddLine(x, y, x + w, y);
        path.AddLine(x + w, y, x + w, y + h);
        path.AddLine(x + w, y + h, x, y + h);
        path.AddLine(x, y + h, x, y);
        break;
    case rtTop:
        topLeft();
        path.AddLine(x + radius, y, x + w - radius, y);
        topRight();
        path.AddLine(x + w, y + radius, x + w, y + h);
        path.AddLine(x + w, y + h, x, y + h);
        path.AddLine(x, y + h, x, y + radius);
        break;
    case rtBottom:
        path.AddLine(x, y, x + w, y);
        path.AddLine(x + w, y, x + w, y + h - radius);
        bottomRight();
        path.AddLine(x + w - radius, y + h, x + radius, y + h);
        bottomLeft();
        path.AddLine(x, y + h - radius, x, y);
        break;
    case rtBoth:
        topLeft();
        path.AddLine(x + radius, y, x + w - radius, y);
        topRight();
        path.AddLine(x + w, y + radius, x + w, y + h - radius);
        bottomRight();
        path.AddLine(x + w - radius, y + h, x + radius, y + h);
        bottomLeft();
        path.AddLine(x, y + h - radius, x, y + radius);
        break;
    case rtLeft:
        topLeft();
        path.AddLine(x + radius, y, x + w - radius, y);
        path.AddLine(x + w, y, x + w, y + h);
        path.AddLine(x + w - radius, y + h, x + radius, y + h);
        bottomLeft();
        path.AddLine(x, y + h - radius, x, y + radius);
        break;
    case rtRight:
        path.AddLine(x, y, x + w - radius, y);
        topRight();
        path.AddLine(x + w, y + radius, x + w, y + h - radius);
        bottomRight();
        path.AddLine(x + w - radius, y + h, x, y + h);
        path.AddLine(x, y + h - radius, x, y + radius);
        break;
    }
    path.CloseFigure();
    return path;
}

namespace {

std::unique_ptr<Brush> gradientBrush(const TFillParameters& p, Argb c1, Argb c2)
{
    const RectF grown{p.rect.X - 1, p.rect.Y - 1, p.rect.Width + 2, p.rect.Height + 2};
    auto linear = [&](LinearGradientMode mode) {
        auto brush = std::make_unique<LinearGradientBrush>(grown, c1, c2, mode);
        brush->SetGammaCorrection(true);
        return brush;
    };
    switch (p.gradientType) {
    case gtSolid:
        return std::make_unique<SolidBrush>(c1);
    case gtVertical:
        return linear(LinearGradientMode::Vertical);
    case gtHorizontal:
        return linear(LinearGradientMode::Horizontal);
    case gtForwardDiagonal:
        return linear(LinearGradientMode::ForwardDiagonal);
    case gtBackwardDiagonal:
        return linear(LinearGradientMode::BackwardDiagonal);
    case gtAngle: {
        auto brush = std::make_unique<LinearGradientBrush>(grown, c1, c2, float(p.angle), true);
        brush->SetGammaCorrection(true);
        return brush;
    }
    case gtHatch:
        return std::make_unique<HatchBrush>(p.hatchStyle, c1, c2);
    default:
        return nullptr;
    }
}

bool isLinear(TAdvGradientType type)
{
    return type >= gtVertical && type <= gtBackwardDiagonal;
}

} // namespace

void FillAreaByGradient(const TFillParameters& p)
{
    if (!p.graphics)
        return;
    Graphics& g = *p.graphics;
    const bool onPath = p.usePath && p.path;
    const Argb c1 = ArgbFromColorAlpha(p.opacityFrom, p.colorFrom);
    const Argb c2 = ArgbFromColorAlpha(p.opacityTo, p.colorTo);
    if (p.gradientType == gtTexture) {
        if (p.texture)
            onPath ? p.texture->FillPath(g, *p.path) : p.texture->FillRect(g, p.rect);
    } else if (const auto brush = gradientBrush(p, c1, c2)) {
        onPath ? g.FillPath(*brush, *p.path) : g.FillRectangle(*brush, p.rect);
        if (p.mirror && isLinear(p.gradientType))
            g.FillRectangle(SolidBrush(c1), RectF{p.rect.X, p.rect.Y, p.rect.Width, 1});
    }
    if (p.borderColor == clNone)
        return;
    Pen pen(ArgbFromColorAlpha(p.opacityFrom, p.borderColor), float(p.borderWidth));
    pen.SetDashStyle(p.borderDashStyle);
    if (onPath)
        g.DrawPath(pen, *p.path);
    else
        g.DrawRectangle(pen, p.rect);
}
