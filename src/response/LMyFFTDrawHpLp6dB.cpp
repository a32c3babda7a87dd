// The graph's properties, series and redraw cycle. The page layout, grid, axes
// and labels are in GraphLayout.cpp; handles, band text and overlays in
// GraphOverlays.cpp.

#include "response/LMyFFTDrawHpLp6dB.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdiplus/Graphics.h"

namespace {
using qx::BandTextClass;

BandTextClass ownTextClass(int type)
{
    if (type <= 2) {
        return BandTextClass::QFrequencyGain;
    }
    if (type == 3 || type == 5 || type == 7) {
        return BandTextClass::FrequencyOnly;
    }
    return BandTextClass::QAndFrequency;
}

constexpr qx::BandTextRules kOwnRules{ownTextClass, ownTextClass};
// The connected lines of a series, stroked as one polyline of width 2 (far
// quicker than a wide-pen line per point, the same pixels but for the ends).
class LineRun
{
public:
    LineRun(TCanvas& canvas, TColor colour)
        : canvas_(canvas), pen_(qx::gdiplus::argbFromColor(colour, 255), 2.0F)
    {
    }
    void add(TPoint from, TPoint to)
    {
        if (points_.empty() || points_.back().X != static_cast<float>(from.X) ||
            points_.back().Y != static_cast<float>(from.Y)) {
            flush();
            points_.push_back(point(from));
        }
        // A level line that goes on the way it went ends further on: the wide
        // pen's outline of the run is the same rectangle.
        const std::size_t n = points_.size();
        if (n > 1 && points_[n - 2].Y == points_[n - 1].Y && points_[n - 1].Y == static_cast<float>(to.Y) &&
            (points_[n - 1].X - points_[n - 2].X > 0) == (static_cast<float>(to.X) - points_[n - 1].X > 0)) {
            points_.back() = point(to);
            return;
        }
        points_.push_back(point(to));
    }
    void flush()
    {
        if (points_.size() > 1) {
            qx::gdiplus::Graphics g(canvas_);
            g.DrawLines(pen_, points_);
        }
        points_.clear();
    }

private:
    static qx::gdiplus::PointF point(TPoint p) { return {static_cast<float>(p.X), static_cast<float>(p.Y)}; }

    TCanvas& canvas_;
    qx::gdiplus::Pen pen_;
    std::vector<qx::gdiplus::PointF> points_;
};
} // namespace

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(TComponent* AOwner) : LMyFFTDrawHpLp6dB(AOwner, kOwnRules) {}

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(TComponent* AOwner, const qx::BandTextRules& rules)
    : TPaintBox(AOwner), rules_(rules)
{
    SetBounds(Left(), Top(), 500, 250);
    SetColor(clBlack);
    plotTitleFont_.Color = clLime;
    axisTitleFont_.Color = clLime;
    axisLabelFont_.Color = clYellow;
    mouseCoordFont_.Color = clLime;
}

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(const LMyFFTDrawHpLp6dB& other)
    : LMyFFTDrawHpLp6dB(other.Owner(), other.rules_)
{
    AssignPlot(other);
}

LMyFFTDrawHpLp6dB::~LMyFFTDrawHpLp6dB() = default;

// ---- series

bool LMyFFTDrawHpLp6dB::FFTDraw(const double* x, const double* y, int count, int number, TColor colour,
                                TMyPlotStyle style)
{
    takeOwedSeries(); // an owed series must not come after this one
    const bool replaced = plots_.AddOrReplace(x, y, count, number, colour, style);
    afterSeriesChange();
    return replaced;
}

bool LMyFFTDrawHpLp6dB::FFTDraw(const double* y, int count, int number, TColor colour, TMyPlotStyle style)
{
    std::vector<double> x(y ? static_cast<std::size_t>(std::max(count, 0)) : 0);
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = static_cast<double>(i);
    }
    return FFTDraw(x.data(), y, count, number, colour, style);
}

bool LMyFFTDrawHpLp6dB::FFTDraw(const double* y, int count, double xFirst, double xLast, int number,
                                TColor colour, TMyPlotStyle style)
{
    std::vector<double> x(y ? static_cast<std::size_t>(std::max(count, 0)) : 0);
    const double step = count > 1 ? (xLast - xFirst) / (count - 1) : 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = xFirst + static_cast<double>(i) * step;
    }
    return FFTDraw(x.data(), y, count, number, colour, style);
}

void LMyFFTDrawHpLp6dB::afterSeriesChange()
{
    const bool owe = !takingOwedSeries_ && canOweBase();
    if (owe) {
        // The redraw this change owes covers one owed before: nothing drawn
        // since would outlive it.
        baseOwed_ = false;
        drawsAfterBase_.clear();
    }
    FindXMaxMin();
    FindYMaxMin();
    if (owe) {
        oweBase();
    } else if (!takingOwedSeries_) { // the redraw that takes them follows
        redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabelsNoUpdate);
    }
}

bool LMyFFTDrawHpLp6dB::canOweBase() const
{
    // Only where the redraw would happen now: in sight, with nothing else owed.
    return autoRedraw_ && !Loading() && !painting_ && !redrawOwed_ && InSight() && !mainPage().Bitmap().Empty();
}

void LMyFFTDrawHpLp6dB::oweBase()
{
    baseOwed_ = true;
    // What the labels' copy to the screen would have done now.
    const auto copied = [this](bool shown, PageIndex i) { return shown && !pages_[i].Bitmap().Empty(); };
    if (!screen_.Empty() && (copied(showXLabel_, XLabelPage) || copied(showYLabel_, YLabelPage))) {
        blitPending_ = true;
        Invalidate();
    }
}

void LMyFFTDrawHpLp6dB::payOwedBase() const
{
    if (!baseOwed_) {
        return;
    }
    auto& self = const_cast<LMyFFTDrawHpLp6dB&>(*this);
    self.baseOwed_ = false;
    std::vector<std::function<void(TCanvas&)>> draws;
    draws.swap(self.drawsAfterBase_);
    // Drawn as it would have been when owed, when the graph was in sight.
    const bool paying = payingBase_;
    self.payingBase_ = true;
    self.DrawPlotsAndLabelsNoUpdate();
    for (const auto& draw : draws) {
        draw(self.mainPage().Canvas());
    }
    self.payingBase_ = paying;
}

void LMyFFTDrawHpLp6dB::OweSeries(const void* owner, std::function<void()> draw)
{
    if (InSight()) {
        draw();
        return;
    }
    payOwedBase();
    const auto same = [owner](const OwedSeries& s) { return s.owner == owner; };
    std::erase_if(owedSeries_, same);
    owedSeries_.push_back({owner, std::move(draw)});
    redrawOwed_ = true;
}

void LMyFFTDrawHpLp6dB::PaySeries(const void* owner)
{
    const auto it = std::find_if(owedSeries_.begin(), owedSeries_.end(),
                                 [owner](const OwedSeries& s) { return s.owner == owner; });
    if (it == owedSeries_.end()) {
        return;
    }
    const std::function<void()> draw = std::move(it->draw);
    owedSeries_.erase(it);
    draw();
}

bool LMyFFTDrawHpLp6dB::RemovePlot(int number)
{
    takeOwedSeries();
    if (!plots_.Remove(number)) {
        return false;
    }
    afterSeriesChange();
    return true;
}

void LMyFFTDrawHpLp6dB::AssignPlot(const LMyFFTDrawHpLp6dB& other)
{
    payOwedBase();
    if (&other == this) {
        return;
    }
    takeOwedSeries();
    pages_ = {};
    background_.reset();
    xLabelsDrawn_.reset();
    yLabelsDrawn_.reset();
    plots_ = other.Plots();
    copyProperties(other);
    afterPlotDataCopy();
}

void LMyFFTDrawHpLp6dB::AssignPlotProperties(const LMyFFTDrawHpLp6dB& other)
{
    payOwedBase();
    copyProperties(other);
    redrawIf(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::copyProperties(const LMyFFTDrawHpLp6dB& other)
{
    autoRedraw_ = other.autoRedraw_;
    axisColor_ = other.axisColor_;
    axisStyle_ = other.axisStyle_;
    scale_.xFormat = other.scale_.xFormat;
    scale_.yFormat = other.scale_.yFormat;
    showXLabel_ = other.showXLabel_;
    showYLabel_ = other.showYLabel_;
    xAutoScale_ = other.xAutoScale_;
    yAutoScale_ = other.yAutoScale_;
    yLabelScale_ = other.yLabelScale_;
    scale_.yMax = other.scale_.yMax;
    scale_.yMin = other.scale_.yMin;
    scale_.xMax = other.scale_.xMax;
    scale_.xMin = other.scale_.xMin;
    CalculateLogMaxMin();
    yLabelPrecision_ = other.yLabelPrecision_;
    xLabelPrecision_ = other.xLabelPrecision_;
    xLabelDigits_ = other.xLabelDigits_;
    yLabelDigits_ = other.yLabelDigits_;
    yLabelFormat_ = other.yLabelFormat_;
    xLabelFormat_ = other.xLabelFormat_;
    pointSize_ = other.pointSize_;
    showVertGrid_ = other.showVertGrid_;
    showHorzGrid_ = other.showHorzGrid_;
    showVertTicks_ = other.showVertTicks_;
    showHorzTicks_ = other.showHorzTicks_;
    vertTickLength_ = other.vertTickLength_;
    horzTickLength_ = other.horzTickLength_;
    numVertGrid_ = other.numVertGrid_;
    numHorzGrid_ = other.numHorzGrid_;
    gridColor_ = other.gridColor_;
    mouseControl_ = other.mouseControl_;
    showXTitle_ = other.showXTitle_;
    showYTitle_ = other.showYTitle_;
    showPlotTitle_ = other.showPlotTitle_;
    xTitle_ = other.xTitle_;
    yTitle_ = other.yTitle_;
    yLabel_ = other.yLabel_;
    plotTitle_ = other.plotTitle_;
    plotTitleFont_ = other.plotTitleFont_;
    axisTitleFont_ = other.axisTitleFont_;
    axisLabelFont_ = other.axisLabelFont_;
    mouseCoordFont_ = other.mouseCoordFont_;
    fftNumber_ = other.fftNumber_;
}

void LMyFFTDrawHpLp6dB::AssignPlotData(const LMyFFTDrawHpLp6dB& other)
{
    payOwedBase();
    takeOwedSeries();
    plots_ = other.Plots();
    afterPlotDataCopy();
}

void LMyFFTDrawHpLp6dB::AppendPlotData(const LMyFFTDrawHpLp6dB& other)
{
    payOwedBase();
    takeOwedSeries();
    plots_.Append(other.Plots());
    afterPlotDataCopy();
}

void LMyFFTDrawHpLp6dB::afterPlotDataCopy()
{
    FindXMaxMin();
    FindYMaxMin();
    ResizePaintPage();
    redrawIf(&LMyFFTDrawHpLp6dB::Redraw);
}

bool LMyFFTDrawHpLp6dB::GetPlotStyle(TMyPlotStyle& out, int number) const
{
    takeOwedSeries();
    const TPlotListMember* m = plots_.Find(number);
    if (m) {
        out = m->style;
    }
    return m != nullptr;
}

bool LMyFFTDrawHpLp6dB::GetPlotColor(TColor& out, int number) const
{
    takeOwedSeries();
    const TPlotListMember* m = plots_.Find(number);
    if (m) {
        out = m->colour;
    }
    return m != nullptr;
}

bool LMyFFTDrawHpLp6dB::GetPlotNumPoints(int& out, int number) const
{
    takeOwedSeries();
    const TPlotListMember* m = plots_.Find(number);
    if (m) {
        out = m->count();
    }
    return m != nullptr;
}

bool LMyFFTDrawHpLp6dB::GetPlotX(double* out, int number) const
{
    takeOwedSeries();
    const TPlotListMember* m = plots_.Find(number);
    if (m) {
        std::copy(m->x.begin(), m->x.end(), out);
    }
    return m != nullptr;
}

bool LMyFFTDrawHpLp6dB::GetPlotY(double* out, int number) const
{
    takeOwedSeries();
    const TPlotListMember* m = plots_.Find(number);
    if (m) {
        std::copy(m->y.begin(), m->y.end(), out);
    }
    return m != nullptr;
}

bool LMyFFTDrawHpLp6dB::SetPlotStyle(TMyPlotStyle style, int number)
{
    payOwedBase();
    takeOwedSeries();
    TPlotListMember* m = plots_.Find(number);
    if (!m) {
        return false;
    }
    m->style = style;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
    return true;
}

bool LMyFFTDrawHpLp6dB::SetPlotColor(TColor colour, int number)
{
    payOwedBase();
    takeOwedSeries();
    TPlotListMember* m = plots_.Find(number);
    if (!m) {
        return false;
    }
    m->colour = colour;
    DrawOnePlot(*m);
    RedrawScreen();
    return true;
}

void LMyFFTDrawHpLp6dB::DrawOnePlot(const TPlotListMember& member)
{
    if (!InSight() || member.y.empty()) {
        return;
    }
    TCanvas& c = mainPage().Canvas();
    const double w = GetPlotWidth();
    const double h = GetPlotHeight();
    c.Pen().Width = 2;
    c.Pen().Style = psSolid;
    c.Pen().Color = member.colour;
    const bool filled =
        member.style == TMyPlotStyle::FilledSquares || member.style == TMyPlotStyle::LineFilledSquares;
    c.Brush().Style = bsSolid;
    c.Brush().Color = filled ? member.colour : Color();
    const int p = pointSize_;
    LineRun run(c, member.colour);
    bool penDown = false; // false after a point that could not be drawn: the next one starts anew
    for (std::size_t i = 0; i < member.y.size(); ++i) {
        const double dx = FFTScreenX(member.x[i]);
        const double dy = FFTScreenY(member.y[i]);
        if (!std::isfinite(dx) || !std::isfinite(dy)) {
            penDown = false;
            continue;
        }
        const int X = qx::pixelOf(dx);
        const int Y = qx::pixelOf(dy);
        if (dx < -2 * w || dx >= 3 * w || dy < -2 * h || dy >= 3 * h || !penDown) {
            c.MoveTo(X, Y);
            penDown = true;
            if (dx < -2 * w || dx >= 3 * w || dy < -2 * h || dy >= 3 * h) {
                continue;
            }
        }
        switch (member.style) {
        case TMyPlotStyle::Line:
            // Several points fall on one pixel: a line to where the pen is adds nothing.
            if (c.PenPos().X != X || c.PenPos().Y != Y) {
                run.add(c.PenPos(), {X, Y});
                c.MoveTo(X, Y);
            }
            break;
        case TMyPlotStyle::FilledSquares:
        case TMyPlotStyle::OpenSquares:
            c.Rectangle(X - p, Y - p, X + p, Y + p);
            break;
        case TMyPlotStyle::LineFilledSquares:
        case TMyPlotStyle::LineOpenSquares:
            c.LineTo(X, Y);
            c.Rectangle(X - p, Y - p, X + p, Y + p);
            c.MoveTo(X, Y);
            break;
        }
    }
    run.flush();
    c.Pen().Width = 2;
}

// ---- redraw cycle

void LMyFFTDrawHpLp6dB::Paint()
{
    painting_ = true;
    payOwedBase();
    if (Width() != paintedWidth_ || Height() != paintedHeight_) {
        paintedWidth_ = Width();
        paintedHeight_ = Height();
        ResizePaintPage();
        blitPending_ = false;
    }
    if (redrawOwed_) {
        blitPending_ = false;
        payOwedRedraw();
    } else if (blitPending_) {
        blitPending_ = false;
    } else {
        Redraw();
    }
    if (mainPageOwed_) {
        composeMainPage();
    }
    painting_ = false;
    if (TCanvas* canvas = Canvas()) {
        canvas->Draw(0, 0, screen_);
        paintZoomRect(*canvas);
    }
    TPaintBox::Paint();
}

void LMyFFTDrawHpLp6dB::UpdateCurvePage()
{
    UpdatePaintPage(mainPage());
}

void LMyFFTDrawHpLp6dB::Redraw()
{
    DrawPlotsAndLabels();
    DrawTitles();
}

void LMyFFTDrawHpLp6dB::DrawPlotsAndLabels()
{
    DrawPlotsAndLabelsNoUpdate();
    UpdatePaintPage(mainPage());
}

bool LMyFFTDrawHpLp6dB::InSight() const
{
    if (payingBase_) {
        return true;
    }
    if (!Visible()) {
        return false;
    }
    // Up to the window, which is not asked: a graph on a window not shown
    // yet draws as usual, ready for the first paint.
    for (const TControl* c = Parent(); c && c->Parent(); c = c->Parent()) {
        if (!c->Visible()) {
            return false;
        }
    }
    return true;
}

bool LMyFFTDrawHpLp6dB::deferWhileHidden()
{
    if (!InSight()) {
        payOwedBase(); // drawn before the graph left sight
        redrawOwed_ = true;
        return true;
    }
    if (redrawOwed_) {
        payOwedRedraw();
    }
    return false;
}

void LMyFFTDrawHpLp6dB::payOwedRedraw()
{
    redrawOwed_ = false;
    if (pixelsOwed_) {
        ResizePaintPage();
    }
    takeOwedSeries();
    Redraw();
}

void LMyFFTDrawHpLp6dB::takeOwedSeries() const
{
    if (owedSeries_.empty()) {
        return;
    }
    std::vector<OwedSeries> owed;
    owed.swap(owedSeries_);
    const bool outer = takingOwedSeries_;
    takingOwedSeries_ = true;
    for (const OwedSeries& s : owed) {
        s.draw();
    }
    takingOwedSeries_ = outer;
}

void LMyFFTDrawHpLp6dB::DrawPlotsAndLabelsNoUpdate()
{
    payOwedBase();
    if (deferWhileHidden()) {
        return;
    }
    DrawAllPlots();
    DrawXAxisLabels();
    DrawYAxisLabels();
}

void LMyFFTDrawHpLp6dB::DrawAllPlots()
{
    payOwedBase();
    if (deferWhileHidden()) {
        return;
    }
    drawBackground();
    for (const TPlotListMember& m : plots_.Members()) {
        DrawOnePlot(m);
    }
}

LMyFFTDrawHpLp6dB::BackgroundKey LMyFFTDrawHpLp6dB::backgroundKey() const
{
    return {GetPlotWidth(), GetPlotHeight(), Color(),        gridColor_,     axisColor_,      axisStyle_,
            scale_.xMin,    scale_.xMax,     scale_.yMin,    scale_.yMax,    scale_.xFormat,  scale_.yFormat,
            showHorzGrid_,  showVertGrid_,   showHorzTicks_, showVertTicks_, horzTickLength_, vertTickLength_,
            numHorzGrid_,   numVertGrid_,    fftNumber_,     sampleRate_};
}

void LMyFFTDrawHpLp6dB::drawBackground()
{
    // The grid, ticks and axis lines change only with the settings; they are
    // drawn once and copied for every redraw of the curves.
    const BackgroundKey key = backgroundKey();
    if (background_ && *background_ == key) {
        TCanvas& c = mainPage().Canvas();
        c.CopyMode = cmSrcCopy;
        c.Draw(0, 0, backgroundImage_);
        return;
    }
    mainPage().Fill(Color());
    DrawGrid();
    DrawTicks();
    DrawAxis();
    if (!mainPage().Bitmap().Empty()) { // a page without pixels leaves nothing to keep
        backgroundImage_ = mainPage().Bitmap(); // a deep copy: the page is being painted on
        background_ = key;
    }
}

void LMyFFTDrawHpLp6dB::paintOverlays(TCanvas& canvas)
{
    BlockPaint(canvas);
    if (line_.shown) {
        LinePaint(canvas);
    }
    TextPaint(canvas);
    CuveDisplayPaint(canvas);
}

void LMyFFTDrawHpLp6dB::UpdatePaintPage(TPaintPage& page)
{
    if (&page != &mainPage()) {
        payOwedBase(); // the other pages come after it, as they did
    }
    if (deferWhileHidden()) {
        return;
    }
    if (&page == &mainPage()) {
        // Put together at the next paint (or read of the screen), once for
        // all the updates before it.
        if (screen_.Empty() || page.Bitmap().Empty()) {
            return;
        }
        mainPageOwed_ = true;
        if (painting_) {
            composeMainPage();
        } else {
            blitPending_ = true;
            Invalidate();
        }
    } else {
        // A page that lies over the main page (the coordinates do) comes
        // after the main page owed, as the two updates came; the others
        // share no pixel with it.
        const TRect& at = page.Placement();
        const TRect& main = mainPage().Placement();
        if (mainPageOwed_ && at.Left < main.Right && main.Left < at.Right && at.Top < main.Bottom &&
            main.Top < at.Bottom) {
            composeMainPage();
        }
        copyToScreen(page.Bitmap(), page.Placement());
    }
}

void LMyFFTDrawHpLp6dB::composeMainPage()
{
    payOwedBase();
    mainPageOwed_ = false;
    // The overlays go straight onto the screen over the copied main page,
    // clipped to it, from a canvas that starts anew from the default font,
    // pen and brush: what one update leaves set (the free text's font)
    // cannot change what the next one shows.
    const TPaintPage& page = mainPage();
    if (!copyToScreen(page.Bitmap(), page.Placement())) {
        return;
    }
    screen_.ResetCanvas();
    TCanvas& canvas = screen_.Canvas();
    canvas.MoveOrigin(page.Placement().Left, page.Placement().Top);
    canvas.SetClipRect({0, 0, page.Width(), page.Height()});
    paintOverlays(canvas);
    screen_.ResetCanvas();
}

const TBitmap& LMyFFTDrawHpLp6dB::Screen() const
{
    payOwedBase();
    if (mainPageOwed_) {
        const_cast<LMyFFTDrawHpLp6dB*>(this)->composeMainPage();
    }
    return screen_;
}

bool LMyFFTDrawHpLp6dB::copyToScreen(const TBitmap& bitmap, const TRect& placement)
{
    if (screen_.Empty() || bitmap.Empty()) {
        return false;
    }
    screen_.Canvas().Draw(placement.Left, placement.Top, bitmap);
    if (!painting_) {
        blitPending_ = true;
        Invalidate();
    }
    return true;
}

void LMyFFTDrawHpLp6dB::RedrawScreen()
{
    if (showXLabel_) {
        UpdatePaintPage(pages_[XLabelPage]);
    }
    if (showXTitle_) {
        UpdatePaintPage(pages_[XTitlePage]);
    }
    if (showYLabel_) {
        UpdatePaintPage(pages_[YLabelPage]);
    }
    if (showYTitle_) {
        UpdatePaintPage(pages_[YTitlePage]);
    }
    if (showPlotTitle_) {
        UpdatePaintPage(pages_[PlotTitlePage]);
    }
    UpdatePaintPage(pages_[RightMarginPage]);
    UpdatePaintPage(mainPage());
}

void LMyFFTDrawHpLp6dB::ClearPlot()
{
    payOwedBase();
    xLabelsDrawn_.reset();
    yLabelsDrawn_.reset();
    const TColor c = Color();
    if (showXLabel_) {
        pages_[XLabelPage].Fill(c);
    }
    if (showXTitle_) {
        pages_[XTitlePage].Fill(c);
    }
    if (showYLabel_) {
        pages_[YLabelPage].Fill(c);
    }
    if (showYTitle_) {
        pages_[YTitlePage].Fill(c);
        pages_[YTitleScratchPage].Fill(c);
    }
    if (showPlotTitle_) {
        pages_[PlotTitlePage].Fill(c);
    }
    pages_[RightMarginPage].Fill(c);
    mainPage().Fill(c);
}

bool LMyFFTDrawHpLp6dB::SetPlotWidth(int width)
{
    payOwedBase();
    TBitmap& b = mainPage().Bitmap();
    b.SetSize(std::max(width, 0), b.Height());
    return true;
}

// ---- property setters

void LMyFFTDrawHpLp6dB::Change()
{
    qx::fire(OnChange, this);
}

void LMyFFTDrawHpLp6dB::redrawIf(void (LMyFFTDrawHpLp6dB::*step)())
{
    if (!autoRedraw_) {
        return;
    }
    if (Loading()) {
        redrawAfterLoading_ = true; // a layout sets many properties: one redraw at the end
        return;
    }
    (this->*step)();
}

void LMyFFTDrawHpLp6dB::Loaded()
{
    TPaintBox::Loaded();
    if (redrawAfterLoading_) {
        redrawAfterLoading_ = false;
        Redraw();
    }
}

void LMyFFTDrawHpLp6dB::layoutAndRedraw(void (LMyFFTDrawHpLp6dB::*step)())
{
    ResizePaintPage();
    redrawIf(step);
}

void LMyFFTDrawHpLp6dB::SetAxisColor(TColor v)
{
    payOwedBase();
    axisColor_ = v;
    DrawAxis();
}

void LMyFFTDrawHpLp6dB::SetAxisStyle(TMyAxisStyle v)
{
    payOwedBase();
    axisStyle_ = v;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetYLabelScale(double v)
{
    payOwedBase();
    if (std::isfinite(v)) {
        yLabelScale_ = v;
    }
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetXAxisFormat(TMyAxisFormat v)
{
    payOwedBase();
    scale_.xFormat = v;
    FindXMaxMin();
    if (v == TMyAxisFormat::Log) {
        scale_.repairLogX();
    }
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetYAxisFormat(TMyAxisFormat v)
{
    payOwedBase();
    scale_.yFormat = v;
    FindYMaxMin();
    if (v == TMyAxisFormat::Log) {
        scale_.repairLogY();
    }
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetShowXLabel(bool v)
{
    payOwedBase();
    showXLabel_ = v;
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::SetShowYLabel(bool v)
{
    payOwedBase();
    showYLabel_ = v;
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::SetShowXTitle(bool v)
{
    payOwedBase();
    showXTitle_ = v;
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::SetShowYTitle(bool v)
{
    payOwedBase();
    showYTitle_ = v;
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::SetShowPlotTitle(bool v)
{
    payOwedBase();
    showPlotTitle_ = v;
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::SetXLabelFormat(TStringFloatFormat v)
{
    payOwedBase();
    xLabelFormat_ = v;
    SetShowXLabel(showXLabel_);
}

void LMyFFTDrawHpLp6dB::SetXLabelPrecision(int v)
{
    payOwedBase();
    xLabelPrecision_ = v;
    SetShowXLabel(showXLabel_);
}

void LMyFFTDrawHpLp6dB::SetXLabelDigits(int v)
{
    payOwedBase();
    xLabelDigits_ = v;
    SetShowXLabel(showXLabel_);
}

void LMyFFTDrawHpLp6dB::SetYLabelFormat(TStringFloatFormat v)
{
    payOwedBase();
    yLabelFormat_ = v;
    SetShowYLabel(showYLabel_);
}

void LMyFFTDrawHpLp6dB::SetYLabelPrecision(int v)
{
    payOwedBase();
    yLabelPrecision_ = v;
    SetShowYLabel(showYLabel_);
}

void LMyFFTDrawHpLp6dB::SetYLabelDigits(int v)
{
    payOwedBase();
    yLabelDigits_ = v;
    SetShowYLabel(showYLabel_);
}

void LMyFFTDrawHpLp6dB::SetShowCoordinates(bool v)
{
    payOwedBase();
    showCoordinates_ = v;
    if (Visible() && autoRedraw_) {
        pages_[CoordinatePage].Fill(Color());
        UpdatePaintPage(pages_[CoordinatePage]);
        DrawAllPlots();
    }
}

void LMyFFTDrawHpLp6dB::SetXAutoScale(bool v)
{
    payOwedBase();
    xAutoScale_ = v;
    FindXMaxMin();
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetYAutoScale(bool v)
{
    payOwedBase();
    yAutoScale_ = v;
    FindYMaxMin();
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

namespace {
// A limit that is not a finite number is refused: the old one stays.
void storeLimit(double& limit, double v)
{
    if (std::isfinite(v)) {
        limit = v;
    }
}
} // namespace

void LMyFFTDrawHpLp6dB::SetYMax(double v)
{
    payOwedBase();
    storeLimit(scale_.yMax, v);
    SetXYMinMax(scale_.xMin, scale_.xMax, scale_.yMin, scale_.yMax);
}

void LMyFFTDrawHpLp6dB::SetYMin(double v)
{
    payOwedBase();
    storeLimit(scale_.yMin, v);
    SetXYMinMax(scale_.xMin, scale_.xMax, scale_.yMin, scale_.yMax);
}

void LMyFFTDrawHpLp6dB::SetXMax(double v)
{
    payOwedBase();
    storeLimit(scale_.xMax, v);
    SetXYMinMax(scale_.xMin, scale_.xMax, scale_.yMin, scale_.yMax);
}

void LMyFFTDrawHpLp6dB::SetXMin(double v)
{
    payOwedBase();
    storeLimit(scale_.xMin, v);
    SetXYMinMax(scale_.xMin, scale_.xMax, scale_.yMin, scale_.yMax);
}

void LMyFFTDrawHpLp6dB::SetXYMinMax(double xMin, double xMax, double yMin, double yMax)
{
    payOwedBase();
    storeLimit(scale_.xMin, xMin);
    storeLimit(scale_.xMax, xMax);
    storeLimit(scale_.yMin, yMin);
    storeLimit(scale_.yMax, yMax);
    CompareMaxMin();
    CalculateLogMaxMin();
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetPointSize(int v)
{
    payOwedBase();
    pointSize_ = std::clamp(v, 1, 10);
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
}

void LMyFFTDrawHpLp6dB::SetShowHorzGrid(bool v)
{
    payOwedBase();
    showHorzGrid_ = v;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
}

void LMyFFTDrawHpLp6dB::SetShowVertGrid(bool v)
{
    payOwedBase();
    showVertGrid_ = v;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
}

void LMyFFTDrawHpLp6dB::SetShowHorzTicks(bool v)
{
    payOwedBase();
    showHorzTicks_ = v;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
}

void LMyFFTDrawHpLp6dB::SetShowVertTicks(bool v)
{
    payOwedBase();
    showVertTicks_ = v;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
}

void LMyFFTDrawHpLp6dB::SetGridColor(TColor v)
{
    payOwedBase();
    gridColor_ = v;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
}

void LMyFFTDrawHpLp6dB::SetVertTickLength(int v)
{
    payOwedBase();
    vertTickLength_ = std::clamp(v, 0, std::max(Height(), 0));
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
}

void LMyFFTDrawHpLp6dB::SetHorzTickLength(int v)
{
    payOwedBase();
    horzTickLength_ = std::clamp(v, 0, std::max(Width(), 0));
    redrawIf(&LMyFFTDrawHpLp6dB::DrawAllPlots);
}

void LMyFFTDrawHpLp6dB::SetNumHorzGrid(int v)
{
    payOwedBase();
    numHorzGrid_ = std::max(v, 0);
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetNumVertGrid(int v)
{
    payOwedBase();
    numVertGrid_ = std::max(v, 0);
    redrawIf(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetAutoRedraw(bool v)
{
    payOwedBase();
    autoRedraw_ = v;
    if (v) {
        Redraw();
    }
}

void LMyFFTDrawHpLp6dB::SetXTitle(const std::string& v)
{
    payOwedBase();
    xTitle_ = v;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawTitles);
}

void LMyFFTDrawHpLp6dB::SetPlotTitle(const std::string& v)
{
    payOwedBase();
    plotTitle_ = v;
    redrawIf(&LMyFFTDrawHpLp6dB::DrawTitles);
}

void LMyFFTDrawHpLp6dB::SetYTitle(const std::string& v)
{
    payOwedBase();
    yTitle_ = v;
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::DrawTitles);
}

void LMyFFTDrawHpLp6dB::SetYLabel(const std::string& v)
{
    payOwedBase();
    yLabel_ = v;
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}

void LMyFFTDrawHpLp6dB::SetPlotTitleFont(const TFont& v)
{
    payOwedBase();
    plotTitleFont_ = v;
    pages_[PlotTitlePage].SetFont(v);
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::SetAxisTitleFont(const TFont& v)
{
    payOwedBase();
    axisTitleFont_ = v;
    pages_[XTitlePage].SetFont(v);
    pages_[YTitlePage].SetFont(v);
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::SetAxisLabelFont(const TFont& v)
{
    payOwedBase();
    axisLabelFont_ = v;
    pages_[XLabelPage].SetFont(v);
    pages_[YLabelPage].SetFont(v);
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::Redraw);
}

void LMyFFTDrawHpLp6dB::SetMouseCoordFont(const TFont& v)
{
    payOwedBase();
    mouseCoordFont_ = v;
    pages_[CoordinatePage].SetFont(v);
    layoutAndRedraw(&LMyFFTDrawHpLp6dB::DrawPlotsAndLabels);
}
