#pragma once
// LMyFFTDrawHpLp6dB: the response graph of one channel. It draws the channel's
// curves (numbered series fed by a Plot), its grid, axes and labels, and on top
// the band handles, their parameter text, the selected band's translucent fill
// and a free text, all on off-screen pages that are copied to the control when
// they change.
//
// Pages: the main page (plot area) and the label, title, margin and
// coordinate pages around it. The main page holds the series, grid and axes
// (the base); after an update it is copied to the screen and the overlays
// are painted over the copy, once for all the updates before the next paint
// (or read of Screen()), so repeating an update never changes what is shown. What the control shows is
// kept in Screen(), copied to the window at the next paint.
//
// Callers change data and call UpdateCurvePage; property setters store, clamp
// where a range exists, and redraw at once only while AutoRedraw is set.
//
// A series change on a graph in sight redraws the main page's base (grid,
// axes, every series) and the axis labels once, when the page is next read
// (the paint, Screen(), Page()) or before anything else changes what they
// are drawn from; handles and texts drawn onto the main page in between are
// drawn after it in their order. A state load changes the series of a graph
// several times before the paint: each change only marks the redraw.
//
// While the graph is out of sight (hidden itself, or inside a hidden control
// such as another channel's page) it draws nothing: it keeps what it is
// given, and the series owed to it (OweSeries), and the first drawing or
// paint once it is back in sight takes those series and draws every page
// anew. Laid out out of sight, its pages get their places and sizes (which
// the handle positions follow) but no pictures until it is back in sight: a
// graph on a page never shown holds none.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/gui/PaintBox.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/text/FloatFormat.h"
#include "response/GraphScale.h"
#include "response/PlotGraph.h"
#include "response/TPaintPage.h"
#include "response/TPlotList.h"

namespace qx {
// Which lines a band's parameter text has.
enum class BandTextClass
{
    None,
    FrequencyOnly,
    QAndFrequency,
    QFrequencyGain
};

// The text classes of a graph class, by PEQ type: for handles and the selected band.
struct BandTextRules
{
    BandTextClass (*handle)(int type);
    BandTextClass (*selected)(int type);
};
} // namespace qx

class LMyFFTDrawHpLp6dB : public TPaintBox, public qx::PlotGraph
{
public:
    static constexpr int kHandleCount = 50;
    static constexpr int kMaxFillPoints = 4096;

    explicit LMyFFTDrawHpLp6dB(TComponent* AOwner);
    // A graph with the other's owner, series and properties (AssignPlot); it
    // has no parent until given one.
    LMyFFTDrawHpLp6dB(const LMyFFTDrawHpLp6dB& other);
    LMyFFTDrawHpLp6dB& operator=(const LMyFFTDrawHpLp6dB&) = delete;
    ~LMyFFTDrawHpLp6dB() override;

    // Series (true when the plot number was already there).
    bool FFTDraw(const double* x, const double* y, int count, int number, TColor colour, TMyPlotStyle style);
    bool FFTDraw(const double* y, int count, int number, TColor colour, TMyPlotStyle style) override;
    bool FFTDraw(const double* y, int count, double xFirst, double xLast, int number, TColor colour,
                 TMyPlotStyle style);
    bool RemovePlot(int number) override;
    bool GetPlotStyle(TMyPlotStyle& out, int number) const;
    bool GetPlotColor(TColor& out, int number) const;
    bool GetPlotNumPoints(int& out, int number) const;
    bool GetPlotX(double* out, int number) const;
    bool GetPlotY(double* out, int number) const;
    bool SetPlotStyle(TMyPlotStyle style, int number);
    bool SetPlotColor(TColor colour, int number);
    // The other graph's series instead of this one's, or added to them (by
    // plot number); the scale is found afresh, the pages laid out again.
    // AssignPlot takes the other's properties too, on pages made anew.
    void AssignPlot(const LMyFFTDrawHpLp6dB& other);
    void AssignPlotData(const LMyFFTDrawHpLp6dB& other);
    void AppendPlotData(const LMyFFTDrawHpLp6dB& other);
    // The other's published settings but its size, colour and sample rate:
    // axes, labels, limits, grid, ticks, titles, their texts and fonts.
    void AssignPlotProperties(const LMyFFTDrawHpLp6dB& other);
    const TPlotList& Plots() const
    {
        takeOwedSeries();
        return plots_;
    }

    // Drawing and repainting.
    void UpdateCurvePage();
    void Redraw();
    void DrawPlotsAndLabels();
    void DrawPlotsAndLabelsNoUpdate();
    void DrawAllPlots();
    void RedrawScreen();
    void ClearPlot();
    void UpdatePaintPage(TPaintPage& page);
    // Lays the pages out from the size, fonts and switches. A graph too small
    // for its titles and labels loses them and lays out once more, no further.
    void ResizePaintPage();
    int GetPlotWidth() const { return mainPage().Width(); }
    int GetPlotHeight() const { return mainPage().Height(); }
    bool SetPlotWidth(int width);

    // Mapping (Part of the layout): data to main-page pixels and control pixels to data.
    double ScreenX(double x) const { return scale_.screenX(x); }
    double ScreenY(double y) const { return scale_.screenY(y); }
    double FFTScreenX(double x) const { return scale_.screenX(x); }
    double FFTScreenY(double y) const { return scale_.screenY(y); }
    double PlotX(double px) const;
    double PlotY(double py) const;
    void DrawGrid();
    void DrawTicks();
    void DrawAxis();
    void DrawXAxisLabels();
    void DrawYAxisLabels();
    // The axis labels the two routines write: x labels at a data x; y labels
    // at a data y, the first at the top edge, the second above the bottom edge
    // and the others centred on their value.
    struct AxisLabel
    {
        double at;
        std::string text;
    };
    std::vector<AxisLabel> XAxisLabels() const;
    std::vector<AxisLabel> YAxisLabels() const;
    void DrawTitles();
    void FindXMaxMin();
    void FindYMaxMin();
    void CompareMaxMin()
    {
        payOwedBase();
        scale_.compareMaxMin();
    }
    void CalculateLogMaxMin()
    {
        payOwedBase();
        scale_.calculateLogMaxMin();
    }
    void SetXYMinMax(double xMin, double xMax, double yMin, double yMax);

    // Band handles (0-49), band text and overlays. Numbers outside 0-49 are
    // ignored. They are remembered and painted onto the copy of the main page
    // at every page update, so what is placed shows from the next update.
    void DrawBlock(double y, double x, TColor colour, int number, bool hidden, int kind) override;
    void SetBlockParameter(int number, double frequency, double gain, double q, int filterCode) override;
    void SetBlockPosition(double sx, double sy, int number);
    // The handle's screen point in main-page pixels; (0, 0) for a number outside 0-49.
    TPoint GetBlockPos(int number) const;
    void BlockPaint(TCanvas& canvas);
    bool SetParameterDisplay(bool on);
    // True while every band handle shows its parameter text, not only the selected band's.
    bool ParameterDisplay() const { return parameterDisplay_; }
    // The text class of a handle's text, from its section's filter code, and
    // of the selected band's, from its PEQ type.
    qx::BandTextClass HandleTextClass(double filterCode) const;
    qx::BandTextClass SelectedTextClass(int type) const { return rules_.selected(type); }
    void DrawParam(int type, double gain, double x, float frequency, double q, TColor colour) override;
    void ShowParam(TCanvas& canvas, qx::BandTextClass textClass, double gain, double x, float frequency,
                   double q, TColor colour);
    void DrawCurveFill(int type, const double* curve, int count) override;
    void SetCurveDisplay(bool on) override { curveDisplay_ = on; }
    void OweSeries(const void* owner, std::function<void()> draw) override;
    void PaySeries(const void* owner) override;
    void CuveDisplayPaint(TCanvas& canvas);
    void DrawTextA(int x, int y, int size, TColor colour, const char* fontName, const char* text);
    void TextPaint(TCanvas& canvas);
    void DrawLine(double x, TColor colour, bool marker);
    void LinePaint(TCanvas& canvas);
    void SetLineSize(int size) { lineSize_ = size; }

    // The graph's own mouse handling, which no window binds: a left drag pans
    // the axis ranges, with Alt it stretches them, with Ctrl it draws a zoom
    // rectangle whose release zooms into it; a double click scales to the
    // series. Each first raises the control's own event. MouseX and MouseY
    // follow the mouse, shown on the coordinate page outside pan and stretch.
    virtual void MouseMove1(TShiftState shift, int x, int y);
    virtual void MouseDown1(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp1(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DblClick1();
    void DrawMouseCoord();
    // The zoom rectangle while one is being drawn, in control pixels.
    const std::optional<TRect>& ZoomRect() const { return drag_.rect; }

    // Published properties.
    bool AutoRedraw() const { return autoRedraw_; }
    TColor AxisColor() const { return axisColor_; }
    TMyAxisStyle AxisStyle() const { return axisStyle_; }
    TMyAxisFormat XAxisFormat() const { return scale_.xFormat; }
    TMyAxisFormat YAxisFormat() const { return scale_.yFormat; }
    bool ShowXLabel() const { return showXLabel_; }
    bool ShowYLabel() const { return showYLabel_; }
    bool YAutoScale() const { return yAutoScale_; }
    bool XAutoScale() const { return xAutoScale_; }
    double YLabelScale() const { return yLabelScale_; }
    double YMax() const { return scale_.yMax; }
    double YMin() const { return scale_.yMin; }
    double XMax() const { return scale_.xMax; }
    double XMin() const { return scale_.xMin; }
    bool ShowCoordinates() const { return showCoordinates_; }
    int YLabelPrecision() const { return yLabelPrecision_; }
    int XLabelPrecision() const { return xLabelPrecision_; }
    int XLabelDigits() const { return xLabelDigits_; }
    int YLabelDigits() const { return yLabelDigits_; }
    TStringFloatFormat YLabelFormat() const { return yLabelFormat_; }
    TStringFloatFormat XLabelFormat() const { return xLabelFormat_; }
    int PointSize() const { return pointSize_; }
    bool MouseControl() const { return mouseControl_; }
    void SetMouseControl(bool on) { mouseControl_ = on; }
    bool ShowVertGrid() const { return showVertGrid_; }
    bool ShowHorzGrid() const { return showHorzGrid_; }
    bool ShowVertTicks() const { return showVertTicks_; }
    bool ShowHorzTicks() const { return showHorzTicks_; }
    int VertTickLength() const { return vertTickLength_; }
    int HorzTickLength() const { return horzTickLength_; }
    int NumVertGrid() const { return numVertGrid_; }
    int NumHorzGrid() const { return numHorzGrid_; }
    TColor GridColor() const { return gridColor_; }
    double MouseX() const { return mouseX_; }
    double MouseY() const { return mouseY_; }
    bool ShowXTitle() const { return showXTitle_; }
    bool ShowYTitle() const { return showYTitle_; }
    bool ShowPlotTitle() const { return showPlotTitle_; }
    const std::string& XTitle() const { return xTitle_; }
    const std::string& YTitle() const { return yTitle_; }
    const std::string& YLabel() const { return yLabel_; }
    const std::string& PlotTitle() const { return plotTitle_; }
    const TFont& PlotTitleFont() const { return plotTitleFont_; }
    const TFont& AxisTitleFont() const { return axisTitleFont_; }
    const TFont& AxisLabelFont() const { return axisLabelFont_; }
    const TFont& MouseCoordFont() const { return mouseCoordFont_; }
    TFFTNumber FFTNuimber() const { return fftNumber_; }
    void SetFFTNuimber(TFFTNumber n) { fftNumber_ = n; }
    TSampleRate SampleRate() const { return sampleRate_; }
    void SetSampleRate(TSampleRate r) { sampleRate_ = r; }
    TNotifyEvent OnChange;

    virtual void Change();
    virtual void SetAxisColor(TColor v);
    virtual void SetAxisStyle(TMyAxisStyle v);
    virtual void SetYAxisFormat(TMyAxisFormat v);
    virtual void SetXAxisFormat(TMyAxisFormat v);
    virtual void SetYLabelFormat(TStringFloatFormat v);
    virtual void SetXLabelFormat(TStringFloatFormat v);
    virtual void SetYLabelPrecision(int v);
    virtual void SetXLabelPrecision(int v);
    virtual void SetYLabelDigits(int v);
    virtual void SetXLabelDigits(int v);
    virtual void SetShowXLabel(bool v);
    virtual void SetShowYLabel(bool v);
    virtual void SetShowCoordinates(bool v);
    virtual void SetYAutoScale(bool v);
    virtual void SetXAutoScale(bool v);
    virtual void SetYLabelScale(double v);
    virtual void SetYMax(double v);
    virtual void SetYMin(double v);
    virtual void SetXMax(double v);
    virtual void SetXMin(double v);
    virtual void SetPointSize(int v);
    virtual void SetShowHorzGrid(bool v);
    virtual void SetShowVertGrid(bool v);
    virtual void SetShowHorzTicks(bool v);
    virtual void SetShowVertTicks(bool v);
    virtual void SetHorzTickLength(int v);
    virtual void SetVertTickLength(int v);
    virtual void SetNumHorzGrid(int v);
    virtual void SetNumVertGrid(int v);
    virtual void SetGridColor(TColor v);
    virtual void SetAutoRedraw(bool v);
    virtual void SetShowXTitle(bool v);
    virtual void SetShowYTitle(bool v);
    virtual void SetShowPlotTitle(bool v);
    virtual void SetXTitle(const std::string& v);
    virtual void SetYTitle(const std::string& v);
    virtual void SetYLabel(const std::string& v);
    virtual void SetPlotTitle(const std::string& v);
    virtual void SetPlotTitleFont(const TFont& v);
    virtual void SetAxisTitleFont(const TFont& v);
    virtual void SetAxisLabelFont(const TFont& v);
    virtual void SetMouseCoordFont(const TFont& v);

    // What the control shows, the size of the control.
    const TBitmap& Screen() const;
    const qx::GraphScale& Scale() const { return scale_; }
    enum PageIndex
    {
        MainPage,
        XLabelPage,
        YLabelPage,
        PlotTitlePage,
        XTitlePage,
        YTitlePage,
        RightMarginPage,
        YTitleScratchPage,
        CoordinatePage,
        PageCount
    };
    const TPaintPage& Page(PageIndex i) const
    {
        payOwedBase();
        return pages_[i];
    }
    // The graph and every control it sits in are visible; whether the window
    // itself is on the screen yet does not count.
    bool InSight() const;

protected:
    // For the twin graph: another assignment of PEQ types to text classes.
    LMyFFTDrawHpLp6dB(TComponent* AOwner, const qx::BandTextRules& rules);
    void Paint() override;
    void Loaded() override;

private:
    struct Handle
    {
        double x = 0, y = 0;
        TColor colour = 0;
        int kind = 0;
        bool hidden = false;
        double sx = 0, sy = 0;
        TPoint point{};
        double frequency = 0, gain = 0, q = 0, filterCode = 0;
    };
    struct SelectedBand
    {
        int type = 0;
        double gain = 0, x = 0;
        float frequency = 0;
        double q = 0;
        TColor colour = 0;
    };
    struct TextOverlay
    {
        int x = 0, y = 0, size = 0;
        TColor colour = 0;
        std::string fontName, text;
    };
    struct MarkerLine
    {
        double x = 0;
        TColor colour = 0;
        bool marker = false, shown = false;
        int lastX = 0;
    };
    enum class DragMode
    {
        None,
        Pan,
        Stretch,
        Zoom
    };
    struct MouseDrag
    {
        TPoint last{};
        DragMode mode = DragMode::None;
        TPoint anchor{};
        std::optional<TRect> rect;
    };

    TPaintPage& mainPage() { return pages_[MainPage]; }
    const TPaintPage& mainPage() const { return pages_[MainPage]; }
    void redrawIf(void (LMyFFTDrawHpLp6dB::*step)());
    void afterPlotDataCopy();
    void copyProperties(const LMyFFTDrawHpLp6dB& other);
    void layoutAndRedraw(void (LMyFFTDrawHpLp6dB::*step)());
    // withPixels false: places and sizes only, the pages hold no pictures.
    bool layOutPages(bool withPixels);
    void afterSeriesChange();
    // True while out of sight: the caller draws nothing and the graph is
    // redrawn in full once back in sight. Back in sight with a redraw owed,
    // it redraws first and returns false.
    bool deferWhileHidden();
    // Takes the owed series and redraws everything.
    void payOwedRedraw();
    // Draws the base and labels owed by a series change in sight, then the
    // main-page drawings made since, as they would have been drawn at once.
    void payOwedBase() const;
    // Whether a series change may owe its base redraw in place of drawing it
    // now; oweBase marks it owed.
    bool canOweBase() const;
    void oweBase();
    // Takes the owed series into the list without drawing them; for whoever
    // reads or changes the list while the graph is out of sight.
    void takeOwedSeries() const;
    void DrawOnePlot(const TPlotListMember& member);
    using BackgroundKey = std::tuple<int, int, TColor, TColor, TColor, TMyAxisStyle, double, double, double,
                                     double, TMyAxisFormat, TMyAxisFormat, bool, bool, bool, bool, int, int,
                                     int, int, TFFTNumber, TSampleRate>;
    BackgroundKey backgroundKey() const;
    void drawBackground();
    // The data values of the grid lines (and ticks); vertical ones say whether they are bright.
    void forEachHorizontalLine(const std::function<void(double)>& at) const;
    void forEachVerticalLine(const std::function<void(double, bool)>& at) const;
    void paintOverlays(TCanvas& canvas);
    // The main page copied to the screen with the overlays over it.
    void composeMainPage();
    // False when there is nothing to copy or no screen yet.
    bool copyToScreen(const TBitmap& bitmap, const TRect& placement);
    void drawHandle(TCanvas& canvas, const Handle& h, int number, int sx, int sy);
    void fillBandCurve(TCanvas& canvas, const double* curve, int count);
    void drawMarkerLine(TCanvas& canvas, TPenStyle style, const MarkerLine& line);
    // Draws on the main page, when the graph is in sight and laid out: now,
    // or after the base redraw that is owed. What draw uses it holds by value.
    void drawOnMainPage(std::function<void(TCanvas&)> draw);
    void showZoomRect();
    void paintZoomRect(TCanvas& canvas) const;
    void moveLimits(double dx, double dy);
    void setFontSizeBack(TCanvas& canvas) { canvas.Font().SetSize(text_.size); }
    double xOfFrequency(double log10Hz) const { return qx::frequencyIndex(log10Hz, fftNumber_, sampleRate_); }

    qx::BandTextRules rules_;
    TPlotList plots_;
    std::array<TPaintPage, PageCount> pages_;
    TBitmap backgroundImage_; // the main page's grid and axes, and what they were drawn for
    std::optional<BackgroundKey> background_;
    TBitmap screen_;
    qx::GraphScale scale_;
    int paintedWidth_ = 0, paintedHeight_ = 0;
    bool blitPending_ = false;
    bool mainPageOwed_ = false; // updated, not yet copied to the screen
    bool painting_ = false;
    bool redrawOwed_ = false; // something was left undrawn while out of sight
    bool pixelsOwed_ = false; // laid out out of sight: the pages hold no pictures yet
    bool redrawAfterLoading_ = false;
    // What each axis label page shows: drawn again only when it changes.
    struct LabelsDrawn
    {
        int width = 0, height = 0;
        TColor colour = 0;
        TFont font;
        bool linear = false;
        std::vector<std::pair<double, std::string>> labels; // screen position, text
        bool operator==(const LabelsDrawn&) const = default;
    };
    // True when the page already shows these labels; else remembers them.
    static bool alreadyDrawn(std::optional<LabelsDrawn>& drawn, LabelsDrawn now);
    std::optional<LabelsDrawn> xLabelsDrawn_, yLabelsDrawn_;
    bool baseOwed_ = false; // a series change in sight not drawn yet
    bool payingBase_ = false; // drawing it: counts as in sight
    std::vector<std::function<void(TCanvas&)>> drawsAfterBase_;
    struct OwedSeries
    {
        const void* owner;
        std::function<void()> draw;
    };
    // Kept and taken by readers of the series too: their draw calls put
    // them into the list through the graph's owners.
    mutable std::vector<OwedSeries> owedSeries_;
    mutable bool takingOwedSeries_ = false;

    bool autoRedraw_ = true;
    TColor axisColor_ = 35840;
    TMyAxisStyle axisStyle_ = TMyAxisStyle::CenteredBox;
    bool showXLabel_ = true, showYLabel_ = true;
    bool yAutoScale_ = true, xAutoScale_ = true;
    double yLabelScale_ = 1.0;
    bool showCoordinates_ = true;
    int yLabelPrecision_ = 5, xLabelPrecision_ = 4, xLabelDigits_ = 4, yLabelDigits_ = 4;
    TStringFloatFormat yLabelFormat_ = sffGeneral, xLabelFormat_ = sffGeneral;
    int pointSize_ = 2;
    bool mouseControl_ = true;
    bool showVertGrid_ = true, showHorzGrid_ = true, showVertTicks_ = true, showHorzTicks_ = true;
    int vertTickLength_ = 0, horzTickLength_ = 0;
    int numVertGrid_ = 10, numHorzGrid_ = 11;
    TColor gridColor_ = 18432;
    double mouseX_ = 0, mouseY_ = 0;
    bool showXTitle_ = false, showYTitle_ = false, showPlotTitle_ = false;
    std::string xTitle_ = "Frequency ", yTitle_ = "dB", yLabel_ = "dB", plotTitle_ = "Frequency Response";
    TFont plotTitleFont_, axisTitleFont_, axisLabelFont_, mouseCoordFont_;
    TFFTNumber fftNumber_ = TFFTNumber::n4096;
    TSampleRate sampleRate_ = TSampleRate::n48000;

    std::array<Handle, kHandleCount> handles_{};
    SelectedBand selected_;
    bool curveDisplay_ = false;
    std::array<double, kMaxFillPoints> selectedCurve_{};
    bool parameterDisplay_ = false;
    TextOverlay text_;
    MarkerLine line_;
    int lineSize_ = 1;
    MouseDrag drag_;
};

namespace qx {
// Publishes the graph classes and their properties to the layouts.
void registerResponseGraphClasses();
} // namespace qx
