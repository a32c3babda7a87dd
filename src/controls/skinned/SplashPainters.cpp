#include "controls/skinned/SplashPainters.h"

#include "controls/skinned/AdvGDIPPicture.h"
#include "controls/skinned/AdvSmoothSplashScreen.h"
#include "controls/skinned/HtmlText.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/image/Image.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace qx::splash {

using gdiplus::Graphics;
using gdiplus::PointF;
using gdiplus::RectF;

namespace {

gdiplus::TextRenderingHint renderingHint(TAdvSmoothSplashScreenTextRenderingHint hint)
{
    switch (hint) {
    case tAntiAlias:
        return gdiplus::TextRenderingHint::AntiAlias;
    case tAntiAliasGridFit:
        return gdiplus::TextRenderingHint::AntiAliasGridFit;
    case tClearType:
        break;
    }
    return gdiplus::TextRenderingHint::ClearTypeGridFit;
}

int borderInset(const TGDIPFill& fill) { return fill.BorderWidth() == 1 ? 1 : (fill.BorderWidth() + 1) / 2; }

HtmlTextOptions htmlOptions(const TAdvSmoothSplashScreen& splash, TCanvas* canvas, TColor url, TColor shadow,
                            int shadowOffset, bool measureOnly)
{
    HtmlTextOptions o;
    o.measureOnly = measureOnly;
    o.urlColor = url;
    o.shadowColor = shadow;
    o.shadowOffset = shadowOffset;
    o.images = splash.Images();
    o.canvas = canvas;
    o.pictures = splash.PictureContainer();
    o.wordWrap = true;
    o.lineSpacing = 2;
    return o;
}

} // namespace

TextSize DrawSplashText(Graphics& graphics, const std::string& text, TPoint pos, const SplashTextStyle& style,
                        bool measureOnly)
{
    if (text.empty())
        return {};
    const gdiplus::Font font = gptext::MakeFont(style.font);
    const float x = static_cast<float>(pos.X), y = static_cast<float>(pos.Y);
    const RectF box = graphics.MeasureString(text, font, RectF{x, y, 1500, 500});
    const TextSize size{static_cast<int>(std::lround(box.Width)), static_cast<int>(std::lround(box.Height))};
    if (measureOnly)
        return size;
    const gdiplus::Argb c1 = ArgbFromColorAlpha(style.startOpacity, style.startColor);
    const gdiplus::Argb c2 =
        style.endColor == clNone ? c1 : ArgbFromColorAlpha(style.endOpacity, style.endColor);
    TAdvGradientType kind = style.gradientType;
    if (style.endColor == clNone && kind != gtTexture && kind != gtNone)
        kind = gtSolid;
    const float w = static_cast<float>(size.width), h = static_cast<float>(size.height);
    std::unique_ptr<gdiplus::Brush> brush;
    switch (kind) {
    case gtSolid:
        brush = std::make_unique<gdiplus::SolidBrush>(c1);
        break;
    case gtVertical:
        brush = std::make_unique<gdiplus::LinearGradientBrush>(PointF{x, y}, PointF{x, y + h}, c1, c2);
        break;
    case gtHorizontal:
        brush = std::make_unique<gdiplus::LinearGradientBrush>(PointF{x, y}, PointF{x + w, y}, c1, c2);
        break;
    case gtForwardDiagonal:
        brush = std::make_unique<gdiplus::LinearGradientBrush>(PointF{x, y}, PointF{x + w, y + h}, c1, c2);
        break;
    case gtBackwardDiagonal:
        brush = std::make_unique<gdiplus::LinearGradientBrush>(PointF{x, y + h}, PointF{x + w, y}, c2, c1);
        break;
    case gtAngle: {
        auto angled = std::make_unique<gdiplus::LinearGradientBrush>(RectF{x, y, w + 10, h + 10}, c1, c2,
                                                                     static_cast<float>(style.angle), true);
        angled->SetGammaCorrection(true);
        brush = std::move(angled);
        break;
    }
    case gtHatch:
        brush = std::make_unique<gdiplus::HatchBrush>(style.hatchStyle, c1, c2);
        break;
    case gtTexture:
        if (style.picture && !style.picture->Empty()) {
            const gdiplus::Image image = gdiplus::Image::FromStream(style.picture->Data());
            if (!image.IsEmpty())
                brush = std::make_unique<gdiplus::TextureBrush>(image);
        }
        break;
    case gtRadial:
    case gtPath:
    case gtNone:
        break;
    }
    if (brush)
        graphics.DrawString(text, font, RectF{x, y, std::round(w + 10), h + 10}, gdiplus::StringFormat(), *brush);
    return size;
}

void DrawSplashPicture(Graphics& graphics, TPoint pos, const TAdvGDIPPicture& picture)
{
    if (picture.Empty())
        return;
    const gdiplus::Image image = gdiplus::Image::FromStream(picture.Data());
    if (image.IsEmpty())
        return;
    const float w = static_cast<float>(image.GetWidth()), h = static_cast<float>(image.GetHeight());
    const RectF dest{static_cast<float>(pos.X), static_cast<float>(pos.Y), w, h};
    if (image.GetRawFormat() == ImageFormat::Png) {
        graphics.DrawImage(image, dest, RectF{0, 0, w, h});
        return;
    }
    gdiplus::ImageAttributes key;
    const gdiplus::Argb corner = image.qImage().pixel(0, image.GetHeight() - 1);
    key.SetColorKey(corner, corner);
    graphics.DrawImage(image, dest, RectF{0, 0, w, h}, &key);
}

ListPlacement PlaceListLines(const std::vector<int>& heights, const TRect& area, int space)
{
    ListPlacement p;
    const int count = static_cast<int>(heights.size());
    int y = area.Top;
    for (const int h : heights) {
        p.rects.push_back(TRect{area.Left, y, area.Right, y + h});
        y += h + space;
    }
    if (count == 0)
        return p;
    if (p.rects.back().Bottom > area.Bottom) {
        int overflow = p.rects.back().Bottom - area.Bottom;
        int hidden = 0;
        // Never past the last line: a last line taller than the area is still drawn.
        while (overflow > 0 && hidden < count) {
            p.rects[static_cast<std::size_t>(hidden)].Top = -1;
            p.rects[static_cast<std::size_t>(hidden)].Bottom = -1;
            overflow -= heights[static_cast<std::size_t>(hidden)] + space;
            ++hidden;
        }
        p.first = std::min(hidden, count - 1);
    }
    // The first line drawn comes out at the area's top, the others follow at their distances.
    int top = area.Top;
    for (int i = p.first; i < count; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        p.rects[k] = TRect{area.Left, top, area.Right, top + heights[k]};
        top += heights[k] + space;
    }
    return p;
}

TRect InnerRect(const TAdvSmoothSplashScreen& splash, int width, int height)
{
    TRect r{0, 0, width - 1, height - 1};
    if (splash.Fill().BorderColor() != clNone) {
        const int b = borderInset(splash.Fill());
        r = TRect{r.Left + b, r.Top + b, r.Right - b, r.Bottom - b};
    }
    return r;
}

void DrawProgramInfo(Graphics& graphics, TCanvas& canvas, const TAdvSmoothSplashScreen& splash, int width,
                     int height)
{
    graphics.SetTextRenderingHint(renderingHint(splash.TextRendering()));
    const TGDIPFill& fill = splash.Fill();
    const TRect inner = InnerRect(splash, width, height);
    const int shadow = fill.ShadowColor() != clNone ? fill.ShadowOffset() : 0;
    const int shrink = fill.Rounding() / 2;
    const int L = inner.Left + shrink, T = inner.Top + shrink;
    const int R = inner.Left + (inner.Right - inner.Left - shadow) - shrink - 5;
    const int B = inner.Top + (inner.Bottom - inner.Top - shadow) - shrink;
    constexpr int gh = 1, gv = 3;

    const TBasicProgramInfo& info = splash.BasicProgramInfo();
    const TSplashHeadingText& name = info.ProgramName();
    const TSplashHeadingText& version = info.ProgramVersion();
    const auto styleOf = [](const TSplashHeadingText& h) {
        SplashTextStyle s;
        s.font = h.Font();
        s.gradientType = h.GradientType();
        s.startColor = h.ColorStart();
        s.endColor = h.ColorEnd();
        s.startOpacity = h.OpacityStart();
        s.endOpacity = h.OpacityEnd();
        s.hatchStyle = h.HatchStyle();
        s.angle = h.Angle();
        s.picture = &h.Picture();
        return s;
    };
    const SplashTextStyle nameStyle = styleOf(name), versionStyle = styleOf(version);
    const TextSize n = DrawSplashText(graphics, name.Text(), {0, 0}, nameStyle, true);
    const TextSize v = DrawSplashText(graphics, version.Text(), {0, 0}, versionStyle, true);
    TextSize c;
    if (!info.CopyRight().empty()) {
        canvas.Font() = info.CopyRightFont();
        c = {canvas.TextWidth(info.CopyRight()), canvas.TextHeight(info.CopyRight())};
    }
    const TItemLocation nl = name.Location(), vl = version.Location(), cl = info.CopyRightLocation();

    TPoint np;
    switch (nl) {
    case ilTopLeft: np = {L, T}; break;
    case ilTopCenter: np = {L + (R - L - n.width) / 2, T}; break;
    case ilTopRight:
        np = {R - n.width, T};
        if (vl == ilTopRight && v.width > 0)
            np.X -= v.width + gh;
        break;
    case ilBottomLeft:
        np = {L, B - n.height};
        if (cl == ilBottomLeft && c.height > 0)
            np.Y -= c.height + gv;
        break;
    case ilBottomCenter:
        np = {L + (R - L - n.width) / 2, B - n.height};
        if (cl == ilBottomCenter)
            np.Y -= c.height + gv + v.height;
        break;
    case ilBottomRight:
        np = {R - n.width, B - n.height};
        if (vl == ilBottomRight && v.width > 0)
            np.X -= v.width + gh;
        if (cl == ilBottomRight && c.height > 0)
            np.Y -= c.height + gv;
        break;
    case ilCustom: np = {name.PosX(), name.PosY()}; break;
    }

    TPoint vp;
    const int bottomY = n.height >= 1 ? B - n.height : B - v.height;
    switch (vl) {
    case ilTopLeft:
        vp = nl == ilTopLeft && n.width >= 1 ? TPoint{L + n.width + gh, T + (n.height - v.height) / 2} : TPoint{L, T};
        break;
    case ilTopCenter:
        vp = {L + (R - L - v.width) / 2, T};
        if (nl == ilTopCenter)
            vp.Y += n.height + v.height;
        break;
    case ilTopRight: vp = {R - v.width, T}; break;
    case ilBottomLeft:
        vp = nl == ilBottomLeft && n.width > 0 ? TPoint{L + n.width + gh, B - n.height} : TPoint{L, B - v.height};
        if (cl == ilBottomLeft && c.height > 0)
            vp.Y -= c.height + gv;
        break;
    case ilBottomCenter:
        vp = {L + (R - L - v.width) / 2, bottomY};
        if (cl == ilBottomCenter && c.height > 0)
            vp.Y -= c.height + gv;
        break;
    case ilBottomRight:
        vp = {R - v.width, bottomY};
        if (cl == ilBottomRight && c.height > 0)
            vp.Y -= c.height + gv;
        break;
    case ilCustom: vp = {version.PosX(), version.PosY()}; break;
    }

    TPoint cp;
    const auto below = [&](TPoint p) {
        if (nl == cl && n.height > 0)
            p.Y += n.height + gv;
        else if (vl == cl && v.height > 0)
            p.Y += v.height + gv;
        return p;
    };
    switch (cl) {
    case ilTopLeft: cp = below({L, T}); break;
    case ilTopCenter: cp = below({L + (R - L - c.width) / 2, T}); break;
    case ilTopRight: cp = below({R - c.width, T}); break;
    case ilBottomLeft: cp = {L, B - c.height}; break;
    case ilBottomCenter: cp = {L + (R - L - c.width) / 2, B - c.height}; break;
    case ilBottomRight: cp = {R - c.width, B - c.height}; break;
    case ilCustom: cp = {info.CopyRightPosX(), info.CopyRightPosY()}; break;
    }

    DrawSplashText(graphics, name.Text(), np, nameStyle, false);
    DrawSplashText(graphics, version.Text(), vp, versionStyle, false);
    if (!info.CopyRight().empty()) {
        SplashTextStyle s;
        s.font = info.CopyRightFont();
        s.startColor = info.CopyRightFont().Color;
        DrawSplashText(graphics, info.CopyRight(), cp, s, false);
    }
}

void DrawListItems(Graphics& graphics, TCanvas* canvas, const TAdvSmoothSplashScreen& splash)
{
    graphics.SetTextRenderingHint(renderingHint(splash.TextRendering()));
    const TSplashListItemsSettings& settings = splash.ListItemsSettings();
    const TRect area = settings.Rect().GetRect();
    const TCollection& items = splash.ListItems();
    const HtmlTextOptions measure = htmlOptions(splash, canvas, settings.HTMLURLColor(), settings.HTMLShadowColor(),
                                                settings.HTMLShadowOffset(), true);
    std::vector<int> heights;
    for (int i = 0; i < items.Count(); ++i) {
        const auto* item = static_cast<const TSplashListItem*>(items.Items(i));
        heights.push_back(PaintHtmlText(graphics, settings.HTMLFont(), item->HTMLText(),
                                        TRect{0, 0, area.Right - area.Left, area.Bottom - area.Top}, measure)
                              .height);
    }
    const ListPlacement placement = PlaceListLines(heights, area, settings.Space());
    HtmlTextOptions draw = measure;
    draw.measureOnly = false;
    for (int i = 0; i < items.Count(); ++i) {
        auto* item = static_cast<TSplashListItem*>(items.Items(i));
        item->DisplayRect = placement.rects[static_cast<std::size_t>(i)];
        if (i < placement.first || item->HTMLText().empty())
            continue;
        const TRect& d = item->DisplayRect;
        PaintHtmlText(graphics, settings.HTMLFont(), item->HTMLText(),
                      TRect{d.Left, d.Top, d.Left + (area.Right - area.Left), d.Top + (area.Bottom - area.Top)}, draw);
    }
}

void DrawTopLayerItems(Graphics& graphics, TCanvas* canvas, const TAdvSmoothSplashScreen& splash, int width,
                       int height)
{
    graphics.SetTextRenderingHint(renderingHint(splash.TextRendering()));
    const TRect inner = InnerRect(splash, width, height);
    const int X = inner.Left, Y = inner.Top, W = inner.Right - inner.Left, H = inner.Bottom - inner.Top;
    const TCollection& items = splash.TopLayerItems();
    for (int i = 0; i < items.Count(); ++i) {
        const auto* item = static_cast<const TAdvSplashTopLayerItem*>(items.Items(i));
        if (!item->Visible())
            continue;
        TGDIPFill& fill = item->Fill();
        graphics.SetSmoothingMode(fill.Rounding() > 0 && fill.RoundingType() != rtNone
                                      ? gdiplus::SmoothingMode::AntiAlias
                                      : gdiplus::SmoothingMode::Default);
        RectF r{0, 0, 0, 0};
        const auto f = [](int v) { return static_cast<float>(v); };
        switch (item->Align()) {
        case alTop: r = {f(X), f(Y), f(W - X), f(item->Height())}; break;
        case alBottom: r = {f(X), f(Y + H - item->Height()), f(W - X), f(item->Height())}; break;
        case alLeft: r = {f(X), f(Y), f(item->Width()), f(H)}; break;
        case alRight: r = {f(W - item->Width()), f(Y), f(item->Width()), f(H)}; break;
        case alClient: r = {f(X), f(Y), f(W - X), f(H)}; break;
        case alCustom: r = {f(X + item->Left()), f(Y + item->Top()), f(item->Width()), f(item->Height())}; break;
        case alNone: break;
        }
        if (fill.BorderColor() == clNone || fill.BorderWidth() == 0)
            r.Height += 1;
        fill.Fill(&graphics, r);
        const TAdvSplashHTMLText& html = item->HTMLText();
        if (html.Text().empty())
            continue;
        const int iw = static_cast<int>(std::lround(r.Width)), ih = static_cast<int>(std::lround(r.Height));
        const HtmlTextOptions measure =
            htmlOptions(splash, canvas, html.URLColor(), html.ShadowColor(), html.ShadowOffset(), true);
        const HtmlTextExtent e = PaintHtmlText(graphics, html.Font(), html.Text(), TRect{0, 0, iw, ih}, measure);
        int x = 0, y = 0;
        if (html.Location() == cpCustom) {
            x = html.Left();
            y = html.Top();
        } else {
            const int location = static_cast<int>(html.Location());
            const int column = location % 3, row = location / 3;
            x = static_cast<int>(std::lround(r.X)) + (column == 0 ? 0 : column == 1 ? (iw - e.width) / 2 : iw - e.width);
            y = static_cast<int>(std::lround(r.Y)) + (row == 0 ? 0 : row == 1 ? (ih - e.height) / 2 : ih - e.height);
        }
        HtmlTextOptions draw = measure;
        draw.measureOnly = false;
        PaintHtmlText(graphics, html.Font(), html.Text(), TRect{x, y, x + e.width, y + e.height}, draw);
    }
}

void DrawItems(Graphics& graphics, TCanvas& canvas, const TAdvSmoothSplashScreen& splash)
{
    graphics.SetTextRenderingHint(renderingHint(splash.TextRendering()));
    const TCollection& items = splash.Items();
    for (int i = 0; i < items.Count(); ++i) {
        const auto* item = static_cast<const TSplashItem*>(items.Items(i));
        int x = item->PosX();
        const int y = item->PosY();
        if (!item->Picture().Empty()) {
            DrawSplashPicture(graphics, {x, y}, item->Picture());
            x += item->Picture().Width() + splash.PictureGap();
        } else if (splash.Images() && item->ImageIndex() >= 0) {
            splash.Images()->Draw(canvas, x, y, item->ImageIndex());
            x += splash.Images()->Width() + splash.PictureGap();
        }
        if (!item->Text().empty()) {
            SplashTextStyle s;
            s.font = item->Font();
            s.startColor = item->Font().Color;
            DrawSplashText(graphics, item->Text(), {x, y}, s, false);
        }
    }
}

} // namespace qx::splash
