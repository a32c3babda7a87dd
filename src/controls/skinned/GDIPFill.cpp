#include "controls/skinned/GDIPFill.h"

#include "controls/skinned/Rounding.h"
#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gdiplus/Pen.h"

#include <array>

using namespace qx::gdiplus;

TGDIPFill::TGDIPFill()
    : backGroundPicture_(std::make_unique<TAdvGDIPPicture>()), picture_(std::make_unique<TAdvGDIPPicture>())
{
    backGroundPicture_->OnChange = [this] { Changed(); };
    picture_->OnChange = [this] { Changed(); };
}

TGDIPFill::~TGDIPFill() = default;

void TGDIPFill::Changed()
{
    if (updateCount_ == 0)
        qx::fire(OnChange, this);
}

void TGDIPFill::SetBackGroundPicture(const TAdvGDIPPicture& Value)
{
    if (&Value != backGroundPicture_.get())
        backGroundPicture_->Assign(&Value);
    Changed();
}

void TGDIPFill::SetPicture(const TAdvGDIPPicture& Value)
{
    if (&Value != picture_.get())
        picture_->Assign(&Value);
    Changed();
}

void TGDIPFill::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TGDIPFill*>(&Source);
    if (!s || s == this)
        return;
    BeginUpdate();
    set_ = s->set_;
    backGroundPicture_->Assign(s->backGroundPicture_.get());
    picture_->Assign(s->picture_.get());
    EndUpdate();
    Changed();
}

// ---- drawing ----

namespace {

int resolved(int given, int own)
{
    return given == 255 ? own : given;
}

TRect integerRect(const RectF& r)
{
    const int left = qx::roundEven(r.X), top = qx::roundEven(r.Y);
    return {left, top, left + qx::roundEven(r.Width), top + qx::roundEven(r.Height)};
}

// Keeps the smoothing mode for the duration of a scope.
class SmoothingScope
{
public:
    SmoothingScope(Graphics& g, SmoothingMode mode) : g_(g), old_(g.GetSmoothingMode())
    {
        g.SetSmoothingMode(mode);
    }
    ~SmoothingScope() { g_.SetSmoothingMode(old_); }
    SmoothingScope(const SmoothingScope&) = delete;
    SmoothingScope& operator=(const SmoothingScope&) = delete;

private:
    Graphics& g_;
    SmoothingMode old_;
};

void drawFillPicture(Graphics& g, TAdvGDIPPicture& picture, TFillPicturePosition position, int w, int h,
                     const TRect& target, int left, int top, bool aspectRatio, TPictureMode aspectMode)
{
    if (picture.Empty() || position == ppTiled)
        return;
    picture.GDIPDraw(g, qx::FillPictureRect(position, w, h, target, left, top, aspectRatio, aspectMode));
}

} // namespace

void TGDIPFill::Fill(Graphics* graphics, const RectF& r, int borderOpacity, int opacity, int opacityTo,
                     int opacityMirror, int opacityMirrorTo, RectF* content)
{
    if (!graphics)
        return;
    Graphics& g = *graphics;
    borderOpacity = resolved(borderOpacity, set_.borderOpacity);
    opacity = resolved(opacity, set_.opacity);
    opacityTo = resolved(opacityTo, set_.opacityTo);
    opacityMirror = resolved(opacityMirror, set_.opacityMirror);
    opacityMirrorTo = resolved(opacityMirrorTo, set_.opacityMirrorTo);
    const bool border = set_.borderWidth > 0 && set_.borderColor != clNone;
    RectF body = r;
    if (r.Height == 1 || r.Width == 1) {
        if (border)
            g.DrawLine(Pen(ArgbFromColorAlpha(borderOpacity, set_.borderColor), float(set_.borderWidth)), r.X,
                       r.Y, r.X + r.Width, r.Y + r.Height);
    } else {
        body = drawShadow(g, r);
        drawBody(g, body, opacity, opacityTo, opacityMirror, opacityMirrorTo);
        if (set_.backGroundPictureMode == pmInsideFill && set_.gradientType == gtTexture) {
            g.SetClip(BuildRoundedPath(body, float(set_.rounding), set_.roundingType));
            backGroundPicture_->GetImageSizes();
            drawFillPicture(g, *backGroundPicture_, set_.backGroundPicturePosition,
                            backGroundPicture_->Width(), backGroundPicture_->Height(), integerRect(body),
                            set_.backGroundPictureLeft, set_.backGroundPictureTop,
                            set_.backGroundPictureAspectRatio, set_.backGroundPictureAspectMode);
            g.ResetClip();
        }
        if (border) {
            const SmoothingScope smooth(g, SmoothingMode::AntiAlias);
            g.DrawPath(Pen(ArgbFromColorAlpha(borderOpacity, set_.borderColor), float(set_.borderWidth)),
                       BuildRoundedPath(body, float(set_.rounding), set_.roundingType));
        }
    }
    DrawGlow(g, body);
    const float b = float(set_.borderWidth);
    FocusRect = {body.X + b, body.Y + b, body.Width - 2 * b, body.Height - 2 * b};
    if (Focus && FocusRect.Width > 0 && FocusRect.Height > 0) {
        const SmoothingScope plain(g, SmoothingMode::Default);
        Pen pen(ArgbFromColorAlpha(opacity, FocusColor));
        pen.SetDashStyle(DashStyle::Dot);
        g.DrawPath(pen,
                   BuildRoundedPath(FocusRect, std::max(0.0f, float(set_.rounding) - b), set_.roundingType));
    }
    if (set_.backGroundPictureMode == pmOutsideFill && set_.gradientType == gtTexture) {
        backGroundPicture_->GetImageSizes();
        drawFillPicture(g, *backGroundPicture_, set_.backGroundPicturePosition, backGroundPicture_->Width(),
                        backGroundPicture_->Height(), integerRect(body), set_.backGroundPictureLeft,
                        set_.backGroundPictureTop, set_.backGroundPictureAspectRatio,
                        set_.backGroundPictureAspectMode);
    }
    if (!picture_->Empty()) {
        picture_->GetImageSizes();
        const bool own = set_.pictureSize == psOriginal;
        drawFillPicture(g, *picture_, set_.picturePosition, own ? picture_->Width() : set_.pictureWidth,
                        own ? picture_->Height() : set_.pictureHeight, integerRect(body), set_.pictureLeft,
                        set_.pictureTop, set_.pictureAspectRatio, set_.pictureAspectMode);
    }
    if (content)
        *content = body;
}

RectF TGDIPFill::drawShadow(Graphics& g, RectF r)
{
    const int o = set_.shadowOffset;
    if (o <= 0 || set_.shadowColor == clNone)
        return r;
    if (set_.shadowType == stBottom) {
        fillRadialHalf(g, RectF{r.X, r.Y + r.Height - 2 * o, r.Width, 2.0f * o}, set_.shadowColor,
                       set_.shadowColor, 0, 255, true, rtBottom);
        r.Height -= o;
        return r;
    }
    const bool surround = set_.shadowType == stSurround;
    const GraphicsPath outline = surround ? BuildRoundedPath(r, float(o), rtBoth)
                                          : BuildRoundedPath(r, float(set_.rounding), set_.roundingType);
    PathGradientBrush brush(outline);
    const Argb shadow = ArgbFromColorAlpha(180, set_.shadowColor);
    const std::array<Argb, 3> colors{0x00000000u, shadow, shadow};
    const std::array<float, 3> positions{0.0f, 0.1f, 1.0f};
    brush.SetInterpolationColors(colors, positions);
    g.FillPath(brush, outline);
    if (surround)
        return RectF{r.X + o, r.Y + o, r.Width - 2.0f * o, r.Height - 2.0f * o};
    return RectF{r.X, r.Y, r.Width - o, r.Height - o};
}

void TGDIPFill::drawBody(Graphics& g, const RectF& r, int opacity, int opacityTo, int opacityMirror,
                         int opacityMirrorTo)
{
    const TColor colorTo = set_.colorTo == clNone ? set_.color : set_.colorTo;
    const TColor mirrorTo = set_.colorMirrorTo == clNone ? set_.colorMirror : set_.colorMirrorTo;
    if (set_.gradientType == gtHatch || set_.gradientType == gtTexture || set_.colorMirror == clNone) {
        if (set_.gradientType != gtRadial)
            DrawGradientBackGround(g, r, false, opacity, opacityTo, opacityMirror, opacityMirrorTo);
        else if (set_.color != clNone)
            fillRadialHalf(g, r, set_.color, colorTo, opacity, opacityTo, true, set_.roundingType);
        return;
    }
    const float half = r.Height / 2;
    const RectF upper{r.X, r.Y, r.Width, r.Height - half + 1};
    const RectF lower{r.X, r.Y + half - 1, r.Width, r.Height - half + 1};
    if (set_.gradientType == gtRadial)
        fillRadialHalf(g, upper, set_.color, colorTo, opacity, opacityTo, true, rtTop);
    else
        DrawGradientBackGround(g, upper, false, opacity, opacityTo, opacityMirror, opacityMirrorTo);
    if (set_.gradientMirrorType == gtRadial)
        fillRadialHalf(g, lower, set_.colorMirror, mirrorTo, opacityMirror, opacityMirrorTo, false, rtBottom);
    else
        DrawGradientBackGround(g, lower, true, opacity, opacityTo, opacityMirror, opacityMirrorTo);
}

namespace {

TFillRoundingType areaRounding(TFillRoundingType type, bool lower)
{
    switch (type) {
    case rtBoth:
        return lower ? rtBottom : rtTop;
    case rtTop:
        return lower ? rtNone : rtTop;
    case rtBottom:
        return lower ? rtBottom : rtNone;
    default:
        return type;
    }
}

} // namespace

void TGDIPFill::DrawGradientBackGround(Graphics& g, const RectF& r, bool mirror, int opacity, int opacityTo,
                                       int opacityMirror, int opacityMirrorTo)
{
    TFillParameters p;
    p.graphics = &g;
    p.rect = r;
    p.gradientType = mirror ? set_.gradientMirrorType : set_.gradientType;
    p.colorFrom = mirror ? set_.colorMirror : set_.color;
    p.colorTo = mirror ? set_.colorMirrorTo : set_.colorTo;
    p.opacityFrom = mirror ? opacityMirror : opacity;
    p.opacityTo = mirror ? opacityMirrorTo : opacityTo;
    p.hatchStyle = mirror ? set_.hatchStyleMirror : set_.hatchStyle;
    p.angle = set_.angle;
    p.mirror = mirror;
    if (set_.backGroundPicturePosition == ppTiled)
        p.texture = backGroundPicture_.get();
    if (p.colorFrom == clNone)
        p.gradientType = gtNone;
    else if (p.colorTo == clNone)
        p.gradientType = gtSolid;
    if (set_.rounding == 0)
        return FillAreaByGradient(p);
    const TFillRoundingType type =
        set_.colorMirror == clNone ? set_.roundingType : areaRounding(set_.roundingType, mirror);
    const GraphicsPath outline = BuildRoundedPath(r, float(set_.rounding), type);
    p.path = &outline;
    p.usePath = true;
    const SmoothingScope smooth(g, SmoothingMode::AntiAlias);
    FillAreaByGradient(p);
}

void TGDIPFill::fillRadialHalf(Graphics& g, const RectF& r, TColor c1, TColor c2, int a1, int a2, bool upper,
                               TFillRoundingType type)
{
    const GraphicsPath outline = BuildRoundedPath(r, float(set_.rounding), type);
    g.FillPath(SolidBrush(upper ? ArgbFromColorAlpha(a1, c1) : ArgbFromColorAlpha(a2, c2)), outline);
    g.SetClip(outline);
    GraphicsPath ellipse;
    ellipse.AddEllipse(r.X, upper ? r.Y - r.Height / 2 : r.Y, r.Width, 1.5f * r.Height);
    PathGradientBrush brush(ellipse);
    brush.SetCenterPoint(PointF{r.X + r.Width / 2, upper ? r.Y : r.Y + r.Height});
    brush.SetCenterColor(upper ? ArgbFromColorAlpha(a2, c2) : ArgbFromColorAlpha(a1, c1));
    const std::array<Argb, 1> surround{upper ? ArgbFromColorAlpha(a1, c1) : ArgbFromColorAlpha(a2, c2)};
    brush.SetSurroundColors(surround);
    g.FillRectangle(brush, r);
    g.ResetClip();
}

void TGDIPFill::DrawGlow(Graphics& g, const RectF& r)
{
    if (set_.glow == gmNone)
        return;
    g.SetClip(r);
    const RectF gr{r.X + 1, r.Y + 1, r.Width - 2, r.Height - 2};
    if (set_.glow == gmGradient || set_.glow == gmRadialGradient) {
        g.DrawPath(Pen(ArgbFromColorAlpha(200, set_.glowGradientColor)),
                   BuildRoundedPath(gr, float(set_.rounding), set_.roundingType));
        auto highlight = [&](float stripTop, float stripHeight, float edgeY, float innerY, int topAlpha,
                             int bottomAlpha) {
            const RectF strip{gr.X + 5, stripTop, gr.Width - 10, stripHeight};
            GraphicsPath area;
            area.AddRectangle(strip);
            const std::array<PointF, 3> left{PointF{gr.X, edgeY}, PointF{gr.X + 5, edgeY},
                                             PointF{gr.X + 5, innerY}};
            const std::array<PointF, 3> right{PointF{gr.X + gr.Width, edgeY},
                                              PointF{gr.X + gr.Width - 5, edgeY},
                                              PointF{gr.X + gr.Width - 5, innerY}};
            area.AddPolygon(left);
            area.AddPolygon(right);
            area.SetFillMode(FillMode::Winding);
            LinearGradientBrush brush(RectF{strip.X - 1, strip.Y - 1, strip.Width + 2, strip.Height + 2},
                                      ArgbFromColorAlpha(topAlpha, set_.glowGradientColor),
                                      ArgbFromColorAlpha(bottomAlpha, set_.glowGradientColor),
                                      LinearGradientMode::Vertical);
            g.FillPath(brush, area);
        };
        highlight(gr.Y, 4, gr.Y, gr.Y + 4, 175, 0);
        const float bottom = gr.Y + gr.Height;
        highlight(bottom - 7, 7, bottom, bottom - 7, 0, 220);
    }
    if (set_.glow == gmRadial || set_.glow == gmRadialGradient) {
        GraphicsPath ellipse;
        ellipse.AddEllipse(gr.X + 10, gr.Y - gr.Height / 2, gr.Width - 20, 3 * gr.Height);
        PathGradientBrush brush(ellipse);
        brush.SetCenterColor(ArgbFromColorAlpha(150, set_.glowRadialColor));
        const std::array<Argb, 1> surround{ArgbFromColorAlpha(0, set_.color)};
        brush.SetSurroundColors(surround);
        g.FillPath(brush, ellipse);
    }
    g.ResetClip();
}

// ---- picture placement and hex text ----

namespace qx {

PictureSize AspectFitSize(double pw, double ph, double aw, double ah, TPictureMode mode)
{
    if (pw <= 0 || ph <= 0 || aw <= 0 || ah <= 0)
        return {};
    if (mode == pmNormal && pw < aw && ph < ah)
        return {pw, ph};
    if (aw / ah > pw / ph)
        return {pw * ah / ph, ah};
    return {aw, ph * aw / pw};
}

TRect FillPictureRect(TFillPicturePosition position, int w, int h, const TRect& t, int customLeft,
                      int customTop, bool aspectRatio, TPictureMode aspectMode)
{
    const int centreX = t.Left + (t.Right - t.Left - w) / 2;
    const int middleY = t.Top + (t.Bottom - t.Top - h) / 2;
    switch (position) {
    case ppTopLeft:
        return Bounds(t.Left, t.Top, w, h);
    case ppTopCenter:
        return Bounds(centreX, t.Top, w, h);
    case ppTopRight:
        return Bounds(t.Right - w, t.Top, w, h);
    case ppBottomLeft:
        return Bounds(t.Left, t.Bottom - h, w, h);
    case ppBottomCenter:
        return Bounds(centreX, t.Bottom - h, w, h);
    case ppBottomRight:
        return Bounds(t.Right - w, t.Bottom - h, w, h);
    case ppCenterLeft:
        return Bounds(t.Left, middleY, w, h);
    case ppCenterCenter:
        return Bounds(centreX, middleY, w, h);
    case ppCenterRight:
        return Bounds(t.Right - w, middleY, w, h);
    case ppCustom:
        return Bounds(customLeft, customTop, w, h);
    case ppTiled:
        return {};
    case ppStretched: {
        PictureSize size{double(t.Width()), double(t.Height())};
        if (aspectRatio)
            size = AspectFitSize(w, h, t.Width(), t.Height(), aspectMode);
        return Bounds(roundEven(t.Left + (t.Width() - size.width) / 2),
                      roundEven(t.Top + (t.Height() - size.height) / 2), roundEven(size.width),
                      roundEven(size.height));
    }
    }
    return {};
}

} // namespace qx
