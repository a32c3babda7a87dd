// The response graph's overlays: band handles, band parameter text, the
// selected band's translucent fill, the free text and the marker line. They
// are remembered and painted over the main page's copy at every update;
// a handle, the selected band's text and the marker line are also drawn onto
// the main page when placed, where they stay until the series are redrawn.

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "codec/SharedConstants.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/text/Format.h"
#include "response/LMyFFTDrawHpLp6dB.h"

namespace {
using qx::BandTextClass;

bool validHandle(int number)
{
    return number >= 0 && number < LMyFFTDrawHpLp6dB::kHandleCount;
}

bool finitePoint(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y);
}

// The PEQ type whose text a handle shows: the type the section's filter code
// stands for; a code of no PEQ type (a bypassed band's flat code) counts as
// code - 1, which shows Q and frequency.
int peqTypeOfCode(double filterCode)
{
    const auto& codes = qx::kPeqTypeFilterCodes;
    const auto it = std::find(codes.begin(), codes.end(), static_cast<int>(filterCode));
    if (it != codes.end()) {
        return static_cast<int>(it - codes.begin());
    }
    return static_cast<int>(std::clamp(filterCode - 1, -1e6, 1e6));
}

std::string frequencyText(float frequency)
{
    return frequency < 1000 ? Format("%4.1fHz", static_cast<double>(frequency))
                            : Format("%4.2fKHz", static_cast<double>(frequency) / 1000);
}

constexpr qx::gdiplus::Argb kFillColour = 0x1E808080; // alpha 30, grey 128

// The segments of the fill's spline that reach the page: first .. last - 1. A segment lies
// within the hull of its four control points; one whose points all lie more than kMargin
// pixels beyond the page's left or right edge draws nothing on the page.
struct FillOutline
{
    std::size_t first = 0, last = 0;
};

FillOutline fillOutlineOf(const std::vector<qx::gdiplus::PointF>& points, double width)
{
    constexpr double kMargin = 4;
    constexpr double kTension = 0.5 / 3.0;
    const std::size_t n = points.size();
    if (n < 2) {
        return {};
    }
    const auto x = [&](std::ptrdiff_t k) {
        return static_cast<double>(points[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(k, 0, std::ptrdiff_t(n) - 1))].X);
    };
    // -1 wholly left of the page, 1 wholly right of it, 0 reaching it.
    const auto side = [&](std::size_t i) {
        const auto k = static_cast<std::ptrdiff_t>(i);
        const double c1 = x(k) + (x(k + 1) - x(k - 1)) * kTension;
        const double c2 = x(k + 1) - (x(k + 2) - x(k)) * kTension;
        const auto [low, high] = std::minmax({x(k), c1, c2, x(k + 1)});
        return high < -kMargin ? -1 : low > width + kMargin ? 1 : 0;
    };
    FillOutline o{0, n - 1};
    const int head = side(0);
    while (head != 0 && o.first + 1 < o.last && side(o.first) == head) {
        ++o.first;
    }
    const int tail = side(n - 2);
    while (tail != 0 && o.last > o.first + 1 && side(o.last - 1) == tail) {
        --o.last;
    }
    return o; // at least one segment, so the lines between the runs' ends join curve points
}
constexpr double kFillLeftX = 10;
constexpr double kFillRightX = 20000;
} // namespace

// ---- handles

void LMyFFTDrawHpLp6dB::DrawBlock(double y, double x, TColor colour, int number, bool hidden, int kind)
{
    if (!validHandle(number)) {
        return;
    }
    Handle& h = handles_[static_cast<std::size_t>(number)];
    h.x = x;
    h.y = y;
    h.colour = colour;
    SetBlockPosition(ScreenX(x), ScreenY(y), number);
    h.kind = kind;
    h.hidden = hidden;
    if (finitePoint(h.sx, h.sy)) {
        drawOnMainPage([this, h, number](TCanvas& c) {
            c.Pen().Width = 1;
            drawHandle(c, h, number, h.point.X, h.point.Y);
        });
    }
}

void LMyFFTDrawHpLp6dB::drawOnMainPage(std::function<void(TCanvas&)> draw)
{
    // Out of sight the whole graph is drawn anew when it comes back, which
    // would clear this drawing; before the first layout there is no page.
    if (!InSight() || mainPage().Bitmap().Empty()) {
        return;
    }
    if (baseOwed_) {
        drawsAfterBase_.push_back(std::move(draw));
    } else {
        draw(mainPage().Canvas());
    }
}

void LMyFFTDrawHpLp6dB::SetBlockParameter(int number, double frequency, double gain, double q, int filterCode)
{
    if (!validHandle(number)) {
        return;
    }
    Handle& h = handles_[static_cast<std::size_t>(number)];
    h.frequency = frequency;
    h.gain = gain;
    h.q = q;
    h.filterCode = filterCode;
}

void LMyFFTDrawHpLp6dB::SetBlockPosition(double sx, double sy, int number)
{
    if (!validHandle(number)) {
        return;
    }
    Handle& h = handles_[static_cast<std::size_t>(number)];
    h.sx = sx;
    h.sy = sy;
    h.point = finitePoint(sx, sy) ? TPoint{qx::pixelOf(sx), qx::pixelOf(sy)} : TPoint{};
}

TPoint LMyFFTDrawHpLp6dB::GetBlockPos(int number) const
{
    return validHandle(number) ? handles_[static_cast<std::size_t>(number)].point : TPoint{};
}

void LMyFFTDrawHpLp6dB::drawHandle(TCanvas& c, const Handle& h, int number, int sx, int sy)
{
    c.Pen().Color = h.colour;
    c.Pen().Style = psSolid;
    c.Brush().Style = bsCross;
    c.Brush().Color = Color();
    if (h.kind == 1) {
        c.Ellipse(sx - 3, sy - 3, sx + 3, sy + 3);
    } else {
        c.Rectangle(sx - 3, sy - 3, sx + 3, sy + 3);
    }
    c.Brush().Style = bsClear; // text over a hatched brush leaves the background
    c.Font().Color = clWhite;
    if (h.kind == 2 || h.kind == 3) {
        c.Font().SetSize(8);
        c.TextOut(sx - 8, sy - 20, h.kind == 2 ? "LPF" : "HPF");
        setFontSizeBack(c);
    } else {
        c.Font().SetSize(11);
        c.TextOut(sx - 3, sy - 23, std::to_string(number + 1));
    }
    c.Brush().Style = bsCross;
}

void LMyFFTDrawHpLp6dB::BlockPaint(TCanvas& c)
{
    for (int n = 0; n < kHandleCount; ++n) {
        const Handle& h = handles_[static_cast<std::size_t>(n)];
        if (h.hidden) {
            continue;
        }
        const double sx = ScreenX(h.x);
        const double sy = ScreenY(h.y);
        if (!finitePoint(sx, sy)) {
            continue;
        }
        c.Pen().Width = 5;
        drawHandle(c, h, n, qx::pixelOf(sx), qx::pixelOf(sy));
        const bool selected = h.x == selected_.x && h.y == selected_.gain;
        if (h.kind == 1 && parameterDisplay_ && !selected) {
            ShowParam(c, HandleTextClass(h.filterCode), h.gain, h.x, static_cast<float>(h.frequency), h.q,
                      clWhite);
        }
    }
    c.Pen().Width = 1;
}

qx::BandTextClass LMyFFTDrawHpLp6dB::HandleTextClass(double filterCode) const
{
    return rules_.handle(peqTypeOfCode(filterCode));
}

bool LMyFFTDrawHpLp6dB::SetParameterDisplay(bool on)
{
    if (parameterDisplay_ != on) {
        parameterDisplay_ = on;
        UpdateCurvePage(); // the texts shown or taken away at the next paint
    }
    return on;
}

// ---- band text

void LMyFFTDrawHpLp6dB::DrawParam(int type, double gain, double x, float frequency, double q, TColor colour)
{
    selected_ = {type, gain, x, frequency, q, colour};
    drawOnMainPage([this, type, gain, x, frequency, q, colour](TCanvas& c) {
        ShowParam(c, rules_.handle(type), gain, x, frequency, q, colour);
    });
}

void LMyFFTDrawHpLp6dB::ShowParam(TCanvas& c, qx::BandTextClass textClass, double gain, double x,
                                  float frequency, double q, TColor colour)
{
    const double dx = ScreenX(x);
    const double dy = ScreenY(gain);
    if (textClass == BandTextClass::None || !finitePoint(dx, dy)) {
        return;
    }
    const int sx = qx::pixelOf(dx);
    const int sy = qx::pixelOf(dy);
    c.Pen().Color = colour;
    c.Pen().Width = 1;
    c.Font().Color = colour;
    c.Font().SetSize(8);
    c.Brush().Style = bsClear;
    const std::string qText = Format("Q:%4.2f", q);
    const std::string fText = frequencyText(frequency);
    const std::string gText = Format("%4.1fdB", gain);
    const bool above = gain <= 0;
    const int x0 = sx - 20;
    // Line tops of the first, second and third line.
    const int first = above ? sy - 69 : sy + 20;
    const int second = above ? sy - 56 : sy + 33;
    switch (textClass) {
    case BandTextClass::QFrequencyGain:
        c.TextOut(x0, first, qText);
        c.TextOut(x0, second, fText);
        c.TextOut(x0, above ? sy - 43 : sy + 46, gText);
        break;
    case BandTextClass::FrequencyOnly:
        c.TextOut(x0, above ? sy - 43 : sy + 20, fText);
        break;
    case BandTextClass::QAndFrequency:
        c.TextOut(x0, first, qText);
        c.TextOut(x0, second, fText);
        break;
    case BandTextClass::None:
        break;
    }
    setFontSizeBack(c);
}

// ---- selected band fill

void LMyFFTDrawHpLp6dB::DrawCurveFill(int /*type*/, const double* curve, int count)
{
    count = curve ? std::clamp(count, 0, kMaxFillPoints) : 0;
    std::copy(curve, curve + count, selectedCurve_.begin());
    std::fill(selectedCurve_.begin() + count, selectedCurve_.end(), 0.0);
}

void LMyFFTDrawHpLp6dB::fillBandCurve(TCanvas& canvas, const double* curve, int count)
{
    namespace gp = qx::gdiplus;
    gp::Graphics g(canvas);
    if (!g.IsValid()) {
        return;
    }
    const double W = GetPlotWidth();
    const double H = GetPlotHeight();
    const double xRange = scale_.xMax - scale_.xMin;
    const double yRange = scale_.yMax - scale_.yMin;
    std::vector<gp::PointF> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double px = W * (i - scale_.xMin) / xRange;
        const double py = H - H * (curve[i] - scale_.yMin) / yRange;
        if (!finitePoint(px, py)) {
            continue; // a point without a value is left out of the outline
        }
        points.push_back({static_cast<float>(qx::pixelOf(px)), static_cast<float>(qx::pixelOf(py))});
    }
    if (points.empty()) {
        return;
    }
    // A cardinal spline through the whole-pixel points, at the default tension. Only the
    // segments that reach the page (with a margin) are stroked, a level one that spans
    // columns as the line the stroker would draw for it; for the fill, the run of
    // segments at either end that lies wholly beyond the page's left (or right) edge is put in
    // as the straight line between its ends, which crosses every row as often, odd or even,
    // as the run does and stays beyond that edge, and a run of level segments as one line
    // along its row: every pixel on the page comes out the same.
    const FillOutline outline = fillOutlineOf(points, W);
    gp::GraphicsPath stroke(gp::FillMode::Alternate);
    stroke.AddCurveSegmentsToStroke(points, outline.first, outline.last);
    const gp::Pen pen(kFillColour, 1.0F);
    const gp::SolidBrush brush(kFillColour);
    g.DrawPath(pen, stroke); // only the curve is outlined
    gp::GraphicsPath path(gp::FillMode::Alternate);
    const std::span<const gp::PointF> all(points);
    if (outline.first > 0) {
        path.AddLines(all.first(1)); // from the first point straight to the first segment kept
    }
    path.AddCurveSegmentsToFill(points, outline.first, outline.last);
    if (outline.last + 1 < points.size()) {
        path.AddLines(all.last(1));
    }
    auto X = [&](double v) { return static_cast<float>(ScreenX(v)); };
    auto Y = [&](double v) { return static_cast<float>(ScreenY(v)); };
    const float left = X(kFillLeftX);
    const float right = X(kFillRightX);
    const float zero = Y(0);
    const float edge = Y(selected_.gain >= 0 ? scale_.yMax : scale_.yMin);
    switch (selected_.type) {
    case 0:
        path.AddLine(left, zero, right, zero);
        break;
    case 1:
        path.AddLine(right, zero, left, zero);
        path.AddLine(left, zero, left, edge);
        break;
    case 2:
        path.AddLine(right, edge, right, zero);
        path.AddLine(right, zero, left, zero);
        break;
    default:
        if (selected_.type >= 3) {
            path.AddLine(right, zero, right, Y(scale_.yMin));
            path.AddLine(right, Y(scale_.yMin), left, Y(scale_.yMin));
        }
        break;
    }
    g.FillPath(brush, path);
}

void LMyFFTDrawHpLp6dB::CuveDisplayPaint(TCanvas& c)
{
    if (!curveDisplay_) {
        return;
    }
    ShowParam(c, rules_.selected(selected_.type), selected_.gain, selected_.x, selected_.frequency,
              selected_.q, selected_.colour);
    fillBandCurve(c, selectedCurve_.data(), kMaxFillPoints);
}

// ---- free text and marker line

void LMyFFTDrawHpLp6dB::DrawTextA(int x, int y, int size, TColor colour, const char* fontName,
                                  const char* text)
{
    text_ = {x, y, size, colour, fontName ? fontName : "", text ? text : ""};
    // Shown, or taken away, at the next paint, as the other overlays are.
    UpdateCurvePage();
}

void LMyFFTDrawHpLp6dB::TextPaint(TCanvas& c)
{
    if (text_.text.empty()) {
        return;
    }
    c.Font().SetSize(text_.size);
    c.Font().Color = text_.colour;
    c.Font().Name = text_.fontName;
    c.Brush().Style = bsClear;
    c.TextOut(text_.x, text_.y, text_.text);
}

void LMyFFTDrawHpLp6dB::DrawLine(double x, TColor colour, bool marker)
{
    line_.x = x;
    line_.colour = colour;
    line_.marker = marker;
    line_.shown = true;
    drawOnMainPage([this, line = line_](TCanvas& c) { drawMarkerLine(c, psDash, line); });
}

void LMyFFTDrawHpLp6dB::LinePaint(TCanvas& c)
{
    drawMarkerLine(c, psDot, line_);
}

void LMyFFTDrawHpLp6dB::drawMarkerLine(TCanvas& c, TPenStyle style, const MarkerLine& line)
{
    const double dx = ScreenX(line.x);
    const double my = ScreenY(-3.0);
    if (!finitePoint(dx, my)) {
        return;
    }
    const int X = qx::pixelOf(dx);
    c.Pen().Width = 1;
    c.Pen().Style = style;
    c.Pen().Color = clRed;
    c.MoveTo(X, 0);
    c.LineTo(X, Height() - 10);
    c.Pen().Style = psSolid;
    if (line.marker) {
        const int Y = qx::pixelOf(my);
        c.Pen().Color = clYellow;
        c.Brush().Style = bsClear;
        c.Rectangle(X - 4, Y - 4, X + 4, Y + 4);
        line_.lastX = X;
    }
}
