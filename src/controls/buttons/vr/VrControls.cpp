#include "controls/buttons/vr/VrControls.h"

#include "controls/buttons/ButtonArt.h"
#include "platform/gui/Screen.h"

#include <algorithm>

void registerHandPointCursor()
{
    TBitmap picture;
    qx::buttons::loadPictureResource(picture, "VRCURSORHANDPOINT.png");
    Screen()->SetCursors(crVrHandPoint, picture, TPoint{9, 1});
}

unsigned VrTextAlignmentFlags(TVrTextAlignment Alignment)
{
    static constexpr unsigned kFlags[] = {4, 5, 6, 0, 1, 2, 8, 9, 10};
    return kFlags[Alignment];
}

TVrCustomControl::TVrCustomControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TVrCustomControl::EndUpdate()
{
    --updateCount_;
    Changed();
}

void TVrCustomControl::Changed()
{
    if (!Loading() && updateCount_ == 0)
        Repaint();
}

void TVrCustomImageControl::PrepareImage()
{
    image_.SetSize(std::max(Width(), 1), std::max(Height(), 1));
    TCanvas& c = image_.Canvas();
    c.Brush().Style = bsSolid;
    c.Brush().Color = Color();
    c.FillRect({0, 0, image_.Width(), image_.Height()});
}

void TVrCustomImageControl::Paint()
{
    PrepareImage();
    PaintImage();
    Canvas()->Draw(0, 0, image_);
}

void TVrPersistent::EndUpdate()
{
    if (updateCount_ > 0)
        --updateCount_;
    Changed();
}

void TVrPersistent::Changed()
{
    if (updateCount_ == 0)
        qx::fire(OnChange, this);
}

void TVrPalette::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TVrPalette*>(&Source);
    if (!other) {
        TVrPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    SetLow(other->low_);
    SetHigh(other->high_);
    EndUpdate();
}

void TVrPalette::ToBMP(TBitmap& Bitmap, TColor DarkColor, TColor LightColor) const
{
    QImage& img = Bitmap.Image();
    const TColor dark = ColorToRGB(DarkColor), light = ColorToRGB(LightColor);
    const TColor low = ColorToRGB(low_), high = ColorToRGB(high_);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            const TColor c = RGB(qRed(p), qGreen(p), qBlue(p));
            const TColor to = c == dark ? low : c == light ? high : c;
            if (to != c)
                img.setPixel(x, y, qRgb(GetRValue(to), GetGValue(to), GetBValue(to)));
        }
}

void TVrFont3D::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TVrFont3D*>(&Source);
    if (!other) {
        TVrPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    SetStyle(other->style_);
    SetHighlightColor(other->highlightColor_);
    SetShadowColor(other->shadowColor_);
    SetHighlightDepth(other->highlightDepth_);
    SetShadowDepth(other->shadowDepth_);
    EndUpdate();
}

void TVrFont3D::Paint(TCanvas& Canvas, const TRect& R, const std::string& Text, unsigned Flags) const
{
    const TColor saved = Canvas.Font().Color;
    Canvas.Brush().Style = bsClear;
    auto drawAt = [&](int d, TColor color) {
        TRect moved = R;
        OffsetRect(moved, d, d);
        Canvas.Font().Color = color;
        Canvas.DrawText(Text, moved, Flags);
    };
    switch (style_) {
    case f3dRaised:
        drawAt(shadowDepth_, shadowColor_);
        drawAt(-highlightDepth_, highlightColor_);
        break;
    case f3dSunken:
        drawAt(highlightDepth_, highlightColor_);
        drawAt(-shadowDepth_, shadowColor_);
        break;
    case f3dShadow: drawAt(shadowDepth_, shadowColor_); break;
    case f3dNone: break;
    }
    Canvas.Font().Color = saved;
    TRect r = R;
    Canvas.DrawText(Text, r, Flags);
}

void DrawVrRing(TCanvas& Canvas, const TRect& R, TColor TopLeftColor, TColor BottomRightColor)
{
    Canvas.Pen().Color = TopLeftColor;
    const TPoint first[] = {{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}};
    Canvas.Polyline(first);
    Canvas.Pen().Color = BottomRightColor;
    const TPoint second[] = {{R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left - 1, R.Bottom}};
    Canvas.Polyline(second);
}

void DrawVrRings(TCanvas& Canvas, TRect& R, TColor TopLeftColor, TColor BottomRightColor, int Count)
{
    Canvas.Pen().Width = 1;
    --R.Right;
    --R.Bottom;
    for (int i = 0; i < Count; ++i) {
        DrawVrRing(Canvas, R, TopLeftColor, BottomRightColor);
        InflateRect(R, -1, -1);
    }
    ++R.Right;
    ++R.Bottom;
}

void TileVrBitmap(TCanvas& Canvas, const TRect& R, const TBitmap& Bitmap)
{
    const int w = Bitmap.Width(), h = Bitmap.Height();
    if (w <= 0 || h <= 0)
        return;
    for (int y = R.Top; y < R.Bottom; y += h)
        for (int x = R.Left; x < R.Right; x += w)
            Canvas.Draw(x, y, Bitmap);
}

void DrawVrCaption(TCanvas& Canvas, const std::string& Text, const TRect& R, bool Enabled)
{
    Canvas.Brush().Style = bsClear;
    TRect r = R;
    if (Enabled) {
        Canvas.DrawText(Text, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        return;
    }
    OffsetRect(r, 1, 1);
    Canvas.Font().Color = clBtnHighlight;
    Canvas.DrawText(Text, r, 0);
    r = R;
    Canvas.Font().Color = clBtnShadow;
    Canvas.DrawText(Text, r, 0);
}

void CalcVrImageTextLayout(TCanvas& Canvas, const TRect& Client, TPoint Offset, const std::string& Caption,
                           int LayoutCode, int Margin, int Spacing, TPoint ImageSize, TPoint& ImagePos, TRect& TextBounds)
{
    const TPoint cs{Client.Width(), Client.Height()};
    TPoint ts{0, 0};
    TextBounds = {};
    if (!Caption.empty()) {
        TextBounds = {0, 0, cs.X, 0};
        Canvas.DrawText(Caption, TextBounds, DT_CALCRECT);
        ts = {TextBounds.Width(), TextBounds.Height()};
    }
    const bool horizontal = LayoutCode == 1 || LayoutCode == 2;
    auto axis = [horizontal](TPoint& p) -> int& { return horizontal ? p.X : p.Y; };
    auto cross = [horizontal](TPoint& p) -> int& { return horizontal ? p.Y : p.X; };
    TPoint csv = cs, is = ImageSize, tsv = ts, ip{0, 0}, tp{0, 0};
    cross(ip) = (cross(csv) - cross(is) + 1) / 2;
    cross(tp) = (cross(csv) - cross(tsv) + 1) / 2;
    if (ts.X == 0 || is.X == 0)
        Spacing = 0;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (axis(csv) - (axis(is) + axis(tsv))) / 3;
            Spacing = Margin;
        } else {
            Margin = (axis(csv) - (axis(is) + Spacing + axis(tsv)) + 1) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = (axis(csv) - (Margin + axis(is)) - axis(tsv)) / 2;
    }
    if (LayoutCode == 1 || LayoutCode == 3) {
        axis(ip) = Margin;
        axis(tp) = axis(ip) + axis(is) + Spacing;
    } else {
        axis(ip) = axis(csv) - Margin - axis(is);
        axis(tp) = axis(ip) - Spacing - axis(tsv);
    }
    ImagePos = {ip.X + Client.Left + Offset.X, ip.Y + Client.Top + Offset.Y};
    OffsetRect(TextBounds, Client.Left + tp.X + Offset.X, Client.Top + tp.Y + Offset.Y);
}
