// The response graph's page layout, axis limits, grid, ticks, axis lines,
// labels and titles.

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "response/LMyFFTDrawHpLp6dB.h"

namespace {
// log10 of the labelled frequencies: the first four on a narrow graph, all on a wide one.
const std::array<double, 10> kFrequencyLabels = {
    std::log10(20.0), std::log10(100.0), std::log10(1000.0), std::log10(10000.0), std::log10(20000.0),
    std::log10(50.0), std::log10(200.0), std::log10(500.0),  std::log10(2000.0),  std::log10(5000.0)};
constexpr int kWideGraph = 800;
constexpr int kRightMargin = 10;

// The widest of prefix + the axis text of pi * 10^e for e = -100..100, in the
// canvas's font. Every graph of a window asks this with the same few fonts
// and formats, at every layout; measuring 201 texts is slow, so each answer
// is kept.
int widestAxisText(TCanvas& c, const std::string& prefix, TStringFloatFormat format, int precision, int digits)
{
    struct Known
    {
        TFont font;
        std::string prefix;
        TStringFloatFormat format;
        int precision, digits, width;
    };
    static std::vector<Known> known;
    for (const Known& k : known) {
        if (k.font == c.Font() && k.prefix == prefix && k.format == format && k.precision == precision &&
            k.digits == digits) {
            return k.width;
        }
    }
    int m = 0;
    for (int e = -100; e <= 100; ++e) {
        m = std::max(m, c.TextWidth(prefix + qx::FormatAxisValue(std::numbers::pi * std::pow(10.0, e), format,
                                                                  precision, digits)));
    }
    known.push_back({c.Font(), prefix, format, precision, digits, m});
    return m;
}
} // namespace

// ---- layout

void LMyFFTDrawHpLp6dB::ResizePaintPage()
{
    payOwedBase();
    xLabelsDrawn_.reset(); // the pages are laid out anew
    yLabelsDrawn_.reset();
    const bool pixels = InSight();
    if (layOutPages(pixels)) {
        layOutPages(pixels); // with the titles or labels that did not fit switched off; never again
    }
    if (!pixels) {
        pixelsOwed_ = true; // and drawn anew with them when back in sight
        redrawOwed_ = true;
    } else {
        pixelsOwed_ = false;
    }
    const TPaintPage& main = mainPage();
    scale_.width = main.Width();
    scale_.height = main.Height();
    screen_.SetSize(pixels ? std::max(Width(), 0) : 0, pixels ? std::max(Height(), 0) : 0);
    if (!screen_.Empty()) {
        screen_.Canvas().Brush().Style = bsSolid;
        screen_.Canvas().Brush().Color = Color();
        screen_.Canvas().FillRect({0, 0, screen_.Width(), screen_.Height()});
    }
    for (int n = 0; n < kHandleCount; ++n) {
        const Handle& h = handles_[static_cast<std::size_t>(n)];
        SetBlockPosition(ScreenX(h.x), ScreenY(h.y), n);
    }
}

bool LMyFFTDrawHpLp6dB::layOutPages(bool withPixels)
{
    const int W = Width();
    const int H = Height();
    int left = -30, yTitleWidth = 0, bottom = H, xTitleTop = H, top = 0, yTitleTextWidth = 0,
        yTitleTextHeight = 0;
    if (showXLabel_) {
        TCanvas& c = pages_[XLabelPage].Canvas();
        c.Font() = axisLabelFont_;
        bottom =
            qx::pixelOf(bottom - 1.2 * c.TextHeight(qx::FormatAxisValue(scale_.xMin, xLabelFormat_,
                                                                        xLabelPrecision_, xLabelDigits_)));
    }
    if (showXTitle_) {
        TCanvas& c = pages_[XTitlePage].Canvas();
        c.Font() = axisTitleFont_;
        const int th = 2 * c.TextHeight(xTitle_);
        bottom -= th;
        xTitleTop -= th;
    }
    if (showYLabel_) {
        TCanvas& c = pages_[YLabelPage].Canvas();
        c.Font() = axisLabelFont_;
        const int precision = std::max(xLabelPrecision_, yLabelPrecision_);
        const int digits = std::max(xLabelDigits_, yLabelDigits_);
        left += widestAxisText(c, "", xLabelFormat_, precision, digits) + 4;
    }
    if (showYTitle_) {
        pages_[YTitleScratchPage].Canvas().Font() = axisTitleFont_;
        TCanvas& c = pages_[YTitlePage].Canvas();
        c.Font() = axisTitleFont_;
        left += 2 * c.TextHeight(yTitle_);
        yTitleWidth += 2 * c.TextHeight(yTitle_);
        yTitleTextWidth = c.TextWidth(yTitle_);
        yTitleTextHeight = c.TextHeight(yTitle_);
    }
    if (showPlotTitle_) {
        TCanvas& c = pages_[PlotTitlePage].Canvas();
        c.Font() = plotTitleFont_;
        top += 2 * c.TextHeight(plotTitle_);
    } else {
        top += 10;
    }
    if (showCoordinates_) {
        TCanvas& c = pages_[CoordinatePage].Canvas();
        c.Font() = mouseCoordFont_;
        const int m = widestAxisText(c, "x = ", yLabelFormat_, yLabelPrecision_, yLabelDigits_);
        const std::string last = "x = " + qx::FormatAxisValue(std::numbers::pi * std::pow(10.0, 100), yLabelFormat_,
                                                              yLabelPrecision_, yLabelDigits_);
        const int h = 2 * c.TextHeight(last) + 10;
        pages_[CoordinatePage].SetPageRect(W - m - 5, top + 4, W - 5, top + h + 2, withPixels);
    }
    if (top < bottom && left < W) {
        pages_[MainPage].SetPageRect(left, top, W - kRightMargin, bottom, withPixels);
        pages_[XLabelPage].SetPageRect(left, bottom, W - kRightMargin, xTitleTop, withPixels);
        pages_[XTitlePage].SetPageRect(left, xTitleTop, W - kRightMargin, H, withPixels);
        pages_[YLabelPage].SetPageRect(yTitleWidth, top, left, H, withPixels);
        pages_[YTitlePage].SetPageRect(0, top, yTitleWidth, H, withPixels);
        pages_[YTitleScratchPage].SetPageRect(0, 0, yTitleTextWidth, yTitleTextHeight, withPixels);
        pages_[PlotTitlePage].SetPageRect(0, 0, W - kRightMargin, top, withPixels);
        pages_[RightMarginPage].SetPageRect(W - kRightMargin, 0, W, H, withPixels);
    }
    bool again = false;
    if (top > bottom && (showPlotTitle_ || showXLabel_ || showXTitle_)) {
        showPlotTitle_ = showXLabel_ = showXTitle_ = false;
        again = true;
    }
    if (left > W && (showYLabel_ || showYTitle_)) {
        showYLabel_ = showYTitle_ = false;
        again = true;
    }
    return again;
}

double LMyFFTDrawHpLp6dB::PlotX(double px) const
{
    return scale_.plotX(px, mainPage().Placement().Left);
}
double LMyFFTDrawHpLp6dB::PlotY(double py) const
{
    return scale_.plotY(py, mainPage().Placement().Top);
}

// ---- limits

namespace {
// Widens lo..hi over the values; false when there are none.
bool valueRange(const TPlotList& list, bool xValues, double& lo, double& hi)
{
    bool any = false;
    for (const TPlotListMember& m : list.Members()) {
        for (double v : xValues ? m.x : m.y) {
            if (!std::isfinite(v)) {
                continue;
            }
            lo = any ? std::min(lo, v) : v;
            hi = any ? std::max(hi, v) : v;
            any = true;
        }
    }
    return any;
}
} // namespace

void LMyFFTDrawHpLp6dB::FindXMaxMin()
{
    payOwedBase();
    if (!xAutoScale_) {
        return;
    }
    if (!valueRange(plots_, true, scale_.xMin, scale_.xMax)) {
        scale_.xMax = 1;
        scale_.xMin = -1;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

void LMyFFTDrawHpLp6dB::FindYMaxMin()
{
    payOwedBase();
    if (!yAutoScale_) {
        return;
    }
    if (!valueRange(plots_, false, scale_.yMin, scale_.yMax)) {
        scale_.yMax = 1;
        scale_.yMin = -1;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

// ---- grid, ticks and axis lines

namespace {
// Calls at(v) for every grid value of a logarithmic axis: each decade and
// `count` lines between decades.
template <class F> void logGridValues(double logMin, double logMax, int count, F at)
{
    for (double d = std::floor(logMin); d < logMax; d += 1) {
        const double lo = std::pow(10.0, d);
        const double hi = std::pow(10.0, d + 1);
        at(lo);
        for (int i = 1; i <= count; ++i) {
            at(lo + i * (hi - lo) / (count + 1));
        }
    }
}
} // namespace

void LMyFFTDrawHpLp6dB::forEachHorizontalLine(const std::function<void(double)>& at) const
{
    if (scale_.yFormat == TMyAxisFormat::Linear) {
        const double step = (scale_.yMax - scale_.yMin) / (numHorzGrid_ + 1);
        for (int i = 1; i <= numHorzGrid_; ++i) {
            at(scale_.yMin + i * step);
        }
    } else {
        logGridValues(scale_.logYMin, scale_.logYMax, numHorzGrid_, at);
    }
}

void LMyFFTDrawHpLp6dB::forEachVerticalLine(const std::function<void(double, bool)>& at) const
{
    if (scale_.xFormat == TMyAxisFormat::Linear) {
        // Every multiple of every decade, the decades themselves bright.
        for (int a = 1; a <= 14; ++a) {
            for (int i = 1; i <= 10; ++i) {
                at(xOfFrequency(std::log10(i * std::pow(10.0, a))), i == 1);
            }
        }
    } else {
        logGridValues(scale_.logXMin, scale_.logXMax, numVertGrid_, [&](double v) { at(v, false); });
    }
}

void LMyFFTDrawHpLp6dB::DrawGrid()
{
    payOwedBase();
    TCanvas& c = mainPage().Canvas();
    const int W = GetPlotWidth();
    const int H = GetPlotHeight();
    c.Pen().Width = 1;
    c.Pen().Style = psSolid;
    c.Pen().Color = gridColor_;
    if (showHorzGrid_) {
        forEachHorizontalLine([&](double v) {
            const double y = ScreenY(v);
            if (std::isfinite(y)) {
                c.MoveTo(0, qx::pixelOf(y));
                c.LineTo(W, qx::pixelOf(y));
            }
        });
    }
    if (showVertGrid_) {
        forEachVerticalLine([&](double v, bool bright) {
            const double x = ScreenX(v);
            if (std::isfinite(x)) {
                c.Pen().Color = bright ? axisColor_ : gridColor_;
                c.MoveTo(qx::pixelOf(x), 0);
                c.LineTo(qx::pixelOf(x), H);
            }
        });
    }
}

void LMyFFTDrawHpLp6dB::DrawTicks()
{
    payOwedBase();
    TCanvas& c = mainPage().Canvas();
    const int H = GetPlotHeight();
    c.Pen().Width = 1;
    c.Pen().Style = psSolid;
    c.Pen().Color = axisColor_;
    if (showHorzTicks_) {
        forEachHorizontalLine([&](double v) {
            const double y = ScreenY(v);
            if (std::isfinite(y)) {
                c.MoveTo(0, qx::pixelOf(y));
                c.LineTo(horzTickLength_, qx::pixelOf(y));
            }
        });
    }
    if (showVertTicks_) {
        const int length = scale_.xFormat == TMyAxisFormat::Linear ? vertTickLength_ + 2 : vertTickLength_;
        forEachVerticalLine([&](double v, bool) {
            const double x = ScreenX(v);
            if (std::isfinite(x)) {
                c.MoveTo(qx::pixelOf(x), H);
                c.LineTo(qx::pixelOf(x), H - length);
            }
        });
    }
}

void LMyFFTDrawHpLp6dB::DrawAxis()
{
    payOwedBase();
    if (deferWhileHidden()) {
        return;
    }
    TCanvas& c = mainPage().Canvas();
    const int W = GetPlotWidth();
    const int H = GetPlotHeight();
    c.Pen().Width = 1;
    c.Pen().Style = psSolid;
    c.Pen().Color = axisColor_;
    c.Brush().Style = bsSolid;
    c.Brush().Color = axisColor_;
    const bool box = axisStyle_ == TMyAxisStyle::Box || axisStyle_ == TMyAxisStyle::CenteredBox;
    const bool centred = axisStyle_ == TMyAxisStyle::Centered || axisStyle_ == TMyAxisStyle::CenteredBox;
    if (box) {
        c.FrameRect(mainPage().PageRect());
    }
    if (centred) {
        const double y = ScreenY(0);
        if (scale_.yMax != scale_.yMin && std::isfinite(y)) {
            c.MoveTo(0, qx::pixelOf(y));
            c.LineTo(W, qx::pixelOf(y));
        }
        const double x = ScreenX(0);
        if (scale_.xMax != scale_.xMin && std::isfinite(x)) {
            c.MoveTo(qx::pixelOf(x), 0);
            c.LineTo(qx::pixelOf(x), H);
        }
    }
    if (axisStyle_ == TMyAxisStyle::LB) {
        c.MoveTo(0, 0);
        c.LineTo(0, H - 1);
        c.LineTo(W, H - 1);
    }
}

// ---- labels and titles

std::vector<LMyFFTDrawHpLp6dB::AxisLabel> LMyFFTDrawHpLp6dB::XAxisLabels() const
{
    std::vector<AxisLabel> labels;
    const std::size_t n = Width() >= kWideGraph ? kFrequencyLabels.size() : 4;
    for (std::size_t i = 0; i < n; ++i) {
        const double l = kFrequencyLabels[i];
        const double v = std::pow(10.0, l);
        labels.push_back(
            {xOfFrequency(l),
             v < 1000
                 ? qx::FormatAxisValue(v, xLabelFormat_, xLabelPrecision_, xLabelDigits_) + "Hz"
                 : qx::FormatAxisValue(v * 0.001, xLabelFormat_, xLabelPrecision_, xLabelDigits_) + "KHz"});
    }
    return labels;
}

void LMyFFTDrawHpLp6dB::DrawXAxisLabels()
{
    payOwedBase();
    if (!showXLabel_ || deferWhileHidden()) {
        return;
    }
    TPaintPage& page = pages_[XLabelPage];
    const std::vector<AxisLabel> labels = XAxisLabels();
    LabelsDrawn now{page.Width(), page.Height(), Color(), axisLabelFont_, false, {}};
    for (const AxisLabel& label : labels) {
        now.labels.emplace_back(ScreenX(label.at), label.text);
    }
    if (!alreadyDrawn(xLabelsDrawn_, std::move(now))) {
        page.Fill(Color());
        TCanvas& c = page.Canvas();
        c.Font() = axisLabelFont_;
        for (const AxisLabel& label : labels) {
            const double x = ScreenX(label.at);
            if (std::isfinite(x)) {
                c.TextOut(qx::pixelOf(x - 0.5 * c.TextWidth(label.text)), 1, label.text);
            }
        }
    }
    UpdatePaintPage(page);
}

bool LMyFFTDrawHpLp6dB::alreadyDrawn(std::optional<LabelsDrawn>& drawn, LabelsDrawn now)
{
    // Text is slow to shape: a page that shows the same labels in the same
    // places, font and colour is not drawn again.
    if (drawn && *drawn == now) {
        return true;
    }
    drawn = std::move(now);
    return false;
}

std::vector<LMyFFTDrawHpLp6dB::AxisLabel> LMyFFTDrawHpLp6dB::YAxisLabels() const
{
    const double s = yLabelScale_;
    auto F = [&](double v) { return qx::FormatAxisValue(v, yLabelFormat_, yLabelPrecision_, yLabelDigits_); };
    // A value's text with the unit, after a "+" when asked.
    auto Signed = [&](bool plus, double v) {
        std::string text = plus ? "+" : "";
        text.append(F(v)).append(yLabel_);
        return text;
    };
    std::vector<AxisLabel> labels;
    if (scale_.yFormat == TMyAxisFormat::Linear) {
        labels.push_back({scale_.yMax, Signed(true, scale_.yMax * s)});
        labels.push_back({scale_.yMin, Signed(false, scale_.yMin * s)});
        const double step = (scale_.yMax - scale_.yMin) / (numHorzGrid_ + 1);
        for (int i = 2; i <= numHorzGrid_; i += 2) {
            const double value = scale_.yMin + i * step;
            labels.push_back({value, Signed(value > 0, i * step * s + scale_.yMin * s)});
        }
    } else {
        for (double j = std::floor(scale_.logYMin) + 1; j < scale_.logYMax; j += 1) {
            labels.push_back({std::pow(10.0, j), Signed(false, std::pow(10.0, j * s))});
        }
    }
    return labels;
}

void LMyFFTDrawHpLp6dB::DrawYAxisLabels()
{
    payOwedBase();
    if (!showYLabel_ || deferWhileHidden()) {
        return;
    }
    TPaintPage& page = pages_[YLabelPage];
    const bool linear = scale_.yFormat == TMyAxisFormat::Linear;
    const std::vector<AxisLabel> labels = YAxisLabels();
    LabelsDrawn now{page.Width(), page.Height(), Color(), axisLabelFont_, linear, {}};
    for (const AxisLabel& label : labels) {
        now.labels.emplace_back(ScreenY(label.at), label.text);
    }
    if (alreadyDrawn(yLabelsDrawn_, std::move(now))) {
        UpdatePaintPage(page);
        return;
    }
    page.Fill(Color());
    TCanvas& c = page.Canvas();
    c.Font() = axisLabelFont_;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::string& text = labels[i].text;
        double y = ScreenY(labels[i].at) - c.TextHeight(text) / 2;
        if (linear && i == 0) {
            y = 0;
        } else if (linear && i == 1) {
            y = ScreenY(labels[i].at) - c.TextHeight(text);
        }
        if (std::isfinite(y)) {
            c.TextOut(page.Width() - c.TextWidth(text) - 2, qx::pixelOf(y), text);
        }
    }
    UpdatePaintPage(page);
}

void LMyFFTDrawHpLp6dB::DrawTitles()
{
    payOwedBase();
    if (deferWhileHidden()) {
        return;
    }
    TPaintPage& title = pages_[PlotTitlePage];
    title.Fill(Color());
    if (showPlotTitle_) {
        TCanvas& c = title.Canvas();
        c.Font() = plotTitleFont_;
        c.TextOut((GetPlotWidth() - c.TextWidth(plotTitle_)) / 2 + mainPage().Placement().Left,
                  title.Height() - 3 * c.TextHeight(plotTitle_) / 2, plotTitle_);
    }
    UpdatePaintPage(title);
    if (showXTitle_) {
        TPaintPage& page = pages_[XTitlePage];
        page.Fill(Color());
        TCanvas& c = page.Canvas();
        c.Font() = axisTitleFont_;
        c.TextOut((page.Width() - c.TextWidth(xTitle_)) / 2, page.Height() - 3 * c.TextHeight(xTitle_) / 2,
                  xTitle_);
        UpdatePaintPage(page);
    }
    if (showYTitle_) {
        TPaintPage& page = pages_[YTitlePage];
        TPaintPage& scratch = pages_[YTitleScratchPage];
        page.Fill(Color());
        scratch.Fill(Color());
        scratch.Canvas().Font() = axisTitleFont_;
        scratch.Canvas().TextOut(0, 0, yTitle_);
        TCanvas& c = page.Canvas();
        c.Font() = axisTitleFont_;
        c.TextOut(c.TextHeight(yTitle_) / 2, (GetPlotHeight() - c.TextWidth(yTitle_)) / 2, yTitle_);
        UpdatePaintPage(page);
    }
    pages_[RightMarginPage].Fill(Color());
    UpdatePaintPage(pages_[RightMarginPage]);
}
