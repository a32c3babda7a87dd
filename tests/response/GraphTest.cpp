// The response graph: page layout, property setters, the series list, and the
// grid, axis lines, labels and curves it draws, read back as pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include <QImage>

#include "GraphTestSupport.h"
#include "platform/gdiplus/Graphics.h"
#include "response/GraphScale.h"

namespace {

using qx::test::basePixel;
using qx::test::GraphOnForm;
using qx::test::kAxisColour;
using qx::test::kGridColour;

constexpr int kFreeColumn = 40; // between the left edge and the 20 Hz line

int row(const LMyFFTDrawHpLp6dB& g, double y)
{
    return static_cast<int>(g.ScreenY(y));
}
int column(const LMyFFTDrawHpLp6dB& g, double x)
{
    return static_cast<int>(g.ScreenX(x));
}
double indexOf(double hz)
{
    return 4096 * std::log10(hz) / std::log10(24000.0);
}

TEST(Graph, ConstructorValues)
{
    LMyFFTDrawHpLp6dB g(nullptr);
    EXPECT_EQ(g.Width(), 500);
    EXPECT_EQ(g.Height(), 250);
    EXPECT_EQ(g.Color(), clBlack);
    EXPECT_EQ(g.AxisColor(), 35840U);
    EXPECT_EQ(g.GridColor(), 18432U);
    EXPECT_EQ(g.XMin(), 1030.0);
    EXPECT_EQ(g.XMax(), 4130.0);
    EXPECT_EQ(g.NumHorzGrid(), 11);
    EXPECT_EQ(g.AxisLabelFont().Color, clYellow);
    EXPECT_EQ(g.PlotTitle(), "Frequency Response");
    EXPECT_EQ(g.GetPlotWidth(), 0) << "no pages before the first layout";
}

TEST(Graph, LayoutOfAChannelGraph)
{
    GraphOnForm f;
    const LMyFFTDrawHpLp6dB& g = *f.graph;
    const TRect main = g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement();
    TBitmap measure(10, 10);
    measure.Canvas().Font() = g.AxisLabelFont();
    const int labelHeight = measure.Canvas().TextHeight("966");
    EXPECT_EQ(main.Top, 10);
    EXPECT_EQ(main.Right, 1070 - 10);
    EXPECT_EQ(main.Bottom, static_cast<int>(255 - 1.2 * labelHeight));
    EXPECT_GT(main.Left, 0);
    EXPECT_EQ(g.GetPlotWidth(), main.Right - main.Left);
    EXPECT_EQ(g.GetPlotHeight(), main.Bottom - main.Top);
    const TRect xLabels = g.Page(LMyFFTDrawHpLp6dB::XLabelPage).Placement();
    EXPECT_EQ(xLabels.Top, main.Bottom);
    EXPECT_EQ(xLabels.Bottom, 255);
    const TRect yLabels = g.Page(LMyFFTDrawHpLp6dB::YLabelPage).Placement();
    EXPECT_EQ(yLabels.Left, 0);
    EXPECT_EQ(yLabels.Right, main.Left);
    EXPECT_EQ(g.Page(LMyFFTDrawHpLp6dB::RightMarginPage).Placement().Left, 1060);
}

TEST(Graph, TitlesTakeTheirSpace)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    TBitmap measure(10, 10);
    measure.Canvas().Font() = g.PlotTitleFont();
    const int titleHeight = measure.Canvas().TextHeight(g.PlotTitle());
    g.SetShowPlotTitle(true);
    EXPECT_EQ(g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement().Top, 2 * titleHeight);
    EXPECT_EQ(g.Page(LMyFFTDrawHpLp6dB::PlotTitlePage).Placement().Bottom, 2 * titleHeight);
    const int left = g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement().Left;
    g.SetShowYTitle(true);
    EXPECT_EQ(g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement().Left, left + 2 * titleHeight);
    EXPECT_EQ(g.Page(LMyFFTDrawHpLp6dB::YTitlePage).Placement().Right, 2 * titleHeight);
    const int bottom = g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement().Bottom;
    g.SetShowXTitle(true);
    EXPECT_EQ(g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement().Bottom, bottom - 2 * titleHeight);
    EXPECT_EQ(g.Page(LMyFFTDrawHpLp6dB::XTitlePage).Placement().Bottom, 255);
}

TEST(Graph, AGraphTooSmallForItsLabelsLaysOutOnceWithoutThem)
{
    for (int height : {0, 5, 20}) {
        LMyFFTDrawHpLp6dB g(nullptr);
        g.SetBounds(0, 0, 300, height);
        g.SetShowPlotTitle(true);
        g.ResizePaintPage();
        EXPECT_FALSE(g.ShowXLabel()) << height;
        EXPECT_FALSE(g.ShowPlotTitle()) << height;
        EXPECT_TRUE(g.ShowYLabel()) << "the y labels fit: " << height;
    }
    LMyFFTDrawHpLp6dB narrow(nullptr);
    narrow.SetBounds(0, 0, 10, 200);
    narrow.SetShowYTitle(true);
    narrow.ResizePaintPage();
    EXPECT_FALSE(narrow.ShowYLabel());
    EXPECT_FALSE(narrow.ShowYTitle());
    EXPECT_TRUE(narrow.ShowXLabel());
}

TEST(Graph, SettersClampAndSeparate)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    struct Case
    {
        void (LMyFFTDrawHpLp6dB::*set)(int);
        int (LMyFFTDrawHpLp6dB::*get)() const;
        int value, stored;
    };
    const Case cases[] = {
        {&LMyFFTDrawHpLp6dB::SetPointSize, &LMyFFTDrawHpLp6dB::PointSize, 0, 1},
        {&LMyFFTDrawHpLp6dB::SetPointSize, &LMyFFTDrawHpLp6dB::PointSize, 25, 10},
        {&LMyFFTDrawHpLp6dB::SetPointSize, &LMyFFTDrawHpLp6dB::PointSize, 4, 4},
        {&LMyFFTDrawHpLp6dB::SetNumHorzGrid, &LMyFFTDrawHpLp6dB::NumHorzGrid, -3, 0},
        {&LMyFFTDrawHpLp6dB::SetNumVertGrid, &LMyFFTDrawHpLp6dB::NumVertGrid, -1, 0},
        {&LMyFFTDrawHpLp6dB::SetHorzTickLength, &LMyFFTDrawHpLp6dB::HorzTickLength, 2000, 1070},
        {&LMyFFTDrawHpLp6dB::SetVertTickLength, &LMyFFTDrawHpLp6dB::VertTickLength, 2000, 255},
        {&LMyFFTDrawHpLp6dB::SetVertTickLength, &LMyFFTDrawHpLp6dB::VertTickLength, -4, 0},
    };
    for (const Case& c : cases) {
        (g.*c.set)(c.value);
        EXPECT_EQ((g.*c.get)(), c.stored) << c.value;
    }
    g.SetShowYLabel(false);
    g.SetXLabelPrecision(6);
    EXPECT_TRUE(g.ShowXLabel());
    EXPECT_FALSE(g.ShowYLabel());

    g.SetYMax(5);
    g.SetYMin(5);
    EXPECT_EQ(g.YMin(), 5);
    EXPECT_EQ(g.YMax(), 6);
    g.SetYMax(std::numeric_limits<double>::quiet_NaN());
    g.SetXMin(std::numeric_limits<double>::infinity());
    EXPECT_EQ(g.YMax(), 6) << "a limit that is not a number is refused";
    EXPECT_EQ(g.XMin(), 966);
}

TEST(Graph, SeriesListOrderAndReplacement)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    const std::vector<double> y(4096, 1.0);
    EXPECT_FALSE(g.FFTDraw(y.data(), 4096, 33, clRed, TMyPlotStyle::Line));
    for (int n = 39; n <= 46; ++n) {
        g.FFTDraw(y.data(), 4096, n, clBlue, TMyPlotStyle::Line);
    }
    EXPECT_EQ(g.Plots().Members().back().number, 33) << "the first series is drawn last, on top";
    EXPECT_EQ(g.Plots().Members().front().number, 46);
    EXPECT_TRUE(g.RemovePlot(40));
    EXPECT_FALSE(g.RemovePlot(40));
    g.FFTDraw(y.data(), 4096, 40, clBlue, TMyPlotStyle::Line);
    EXPECT_EQ(g.Plots().Members().front().number, 40) << "drawn again: under all others";

    const std::vector<double> other(10, 2.0);
    EXPECT_TRUE(g.FFTDraw(other.data(), 10, 33, clGreen, TMyPlotStyle::OpenSquares));
    TColor colour = 0;
    TMyPlotStyle style = TMyPlotStyle::Line;
    int count = 0;
    ASSERT_TRUE(g.GetPlotColor(colour, 33));
    ASSERT_TRUE(g.GetPlotStyle(style, 33));
    ASSERT_TRUE(g.GetPlotNumPoints(count, 33));
    EXPECT_EQ(colour, clRed) << "a replaced series keeps its colour";
    EXPECT_EQ(style, TMyPlotStyle::Line);
    EXPECT_EQ(count, 10);
    std::vector<double> x(10);
    ASSERT_TRUE(g.GetPlotX(x.data(), 33));
    EXPECT_EQ(x[9], 9.0);
    EXPECT_FALSE(g.GetPlotColor(colour, 7));
    EXPECT_FALSE(g.SetPlotStyle(TMyPlotStyle::Line, 7));

    EXPECT_FALSE(g.FFTDraw(nullptr, 10, 60, clWhite, TMyPlotStyle::Line));
    ASSERT_TRUE(g.GetPlotNumPoints(count, 60));
    EXPECT_EQ(count, 0) << "no array, no points";
    g.FFTDraw(y.data(), -5, 61, clWhite, TMyPlotStyle::Line);
    ASSERT_TRUE(g.GetPlotNumPoints(count, 61));
    EXPECT_EQ(count, 0);
    g.DrawCurveFill(0, nullptr, 4096);

    const std::vector<double> ramp = {1.0, 2.0, 3.0};
    g.FFTDraw(ramp.data(), 3, 100.0, 200.0, 50, clWhite, TMyPlotStyle::Line);
    ASSERT_TRUE(g.GetPlotX(x.data(), 50));
    EXPECT_EQ(x[1], 150.0);
}

TEST(Graph, SeriesTakenFromAnotherGraphAreDrawnAtOnce)
{
    GraphOnForm from;
    GraphOnForm to;
    const std::vector<double> high(4096, 6.0);
    const std::vector<double> low(4096, -6.0);
    from.graph->FFTDraw(high.data(), 4096, 33, clRed, TMyPlotStyle::Line);
    to.graph->FFTDraw(low.data(), 4096, 34, clBlue, TMyPlotStyle::Line);
    const std::vector<double> flat(4096, -6.0);
    from.graph->FFTDraw(flat.data(), 4096, 34, clLime, TMyPlotStyle::Line);
    LMyFFTDrawHpLp6dB& g = *to.graph;
    const int x = column(g, indexOf(1000));

    g.AppendPlotData(*from.graph);
    std::vector<int> numbers;
    for (const TPlotListMember& m : g.Plots().Members())
        numbers.push_back(m.number);
    EXPECT_EQ(numbers, (std::vector<int>{33, 34}));
    EXPECT_EQ(basePixel(g, x, row(g, 6.0)), clRed) << "the appended series is drawn";
    EXPECT_EQ(basePixel(g, x, row(g, -6.0)), clBlue) << "a known number keeps its colour";

    g.AssignPlotData(*from.graph);
    EXPECT_EQ(basePixel(g, x, row(g, -6.0)), clLime) << "the other's series with its colour";
    EXPECT_EQ(basePixel(g, x, row(g, 6.0)), clRed);
    EXPECT_EQ(from.graph->Plots().Members().size(), 2U);
}

// A graph set apart from the constructor's values in every property the copy
// takes, and in the three it leaves.
void setApart(LMyFFTDrawHpLp6dB& g)
{
    g.SetAxisStyle(TMyAxisStyle::Box);
    g.SetYLabelScale(10.0);
    g.SetYMax(24.0);
    g.SetYMin(-30.0);
    g.SetXMin(1000.0);
    g.SetXMax(4000.0);
    g.SetYLabelPrecision(3);
    g.SetXLabelDigits(2);
    g.SetXLabelFormat(sffFixed);
    g.SetPointSize(4);
    g.SetShowVertTicks(false);
    g.SetHorzTickLength(5);
    g.SetNumHorzGrid(7);
    g.SetNumVertGrid(4);
    g.SetGridColor(clMaroon);
    g.SetMouseControl(false);
    g.SetShowYTitle(true);
    g.SetYTitle("\xC2\xB0");
    g.SetYLabel("");
    g.SetXTitle("Hz");
    TFont font = g.AxisLabelFont();
    font.Color = clAqua;
    font.SetHeight(-13);
    g.SetAxisLabelFont(font);
    g.SetFFTNuimber(TFFTNumber::n2048);
    g.SetSampleRate(TSampleRate::n96000);
    g.SetColor(clNavy);
}

void expectSameProperties(const LMyFFTDrawHpLp6dB& copy, const LMyFFTDrawHpLp6dB& from)
{
    EXPECT_EQ(copy.AxisStyle(), from.AxisStyle());
    EXPECT_EQ(copy.YLabelScale(), from.YLabelScale());
    EXPECT_EQ(copy.YMax(), from.YMax());
    EXPECT_EQ(copy.YMin(), from.YMin());
    EXPECT_EQ(copy.XMin(), from.XMin());
    EXPECT_EQ(copy.XMax(), from.XMax());
    EXPECT_EQ(copy.YAutoScale(), from.YAutoScale());
    EXPECT_EQ(copy.YLabelPrecision(), from.YLabelPrecision());
    EXPECT_EQ(copy.XLabelDigits(), from.XLabelDigits());
    EXPECT_EQ(copy.XLabelFormat(), from.XLabelFormat());
    EXPECT_EQ(copy.PointSize(), from.PointSize());
    EXPECT_EQ(copy.ShowVertTicks(), from.ShowVertTicks());
    EXPECT_EQ(copy.HorzTickLength(), from.HorzTickLength());
    EXPECT_EQ(copy.NumHorzGrid(), from.NumHorzGrid());
    EXPECT_EQ(copy.NumVertGrid(), from.NumVertGrid());
    EXPECT_EQ(copy.GridColor(), from.GridColor());
    EXPECT_EQ(copy.MouseControl(), from.MouseControl());
    EXPECT_EQ(copy.ShowYTitle(), from.ShowYTitle());
    EXPECT_EQ(copy.YTitle(), from.YTitle());
    EXPECT_EQ(copy.YLabel(), from.YLabel());
    EXPECT_EQ(copy.XTitle(), from.XTitle());
    EXPECT_EQ(copy.AxisLabelFont().Color, from.AxisLabelFont().Color);
    EXPECT_EQ(copy.AxisLabelFont().Height(), from.AxisLabelFont().Height());
    EXPECT_EQ(copy.FFTNuimber(), from.FFTNuimber());
}

TEST(Graph, ACopiedGraphTakesTheOthersSettingsAndReversedSeries)
{
    GraphOnForm from;
    LMyFFTDrawHpLp6dB& g = *from.graph;
    setApart(g);
    const std::vector<double> high(4096, 6.0);
    const std::vector<double> low(4096, -6.0);
    g.FFTDraw(high.data(), 4096, 33, clRed, TMyPlotStyle::Line);
    g.FFTDraw(low.data(), 4096, 34, clBlue, TMyPlotStyle::LineOpenSquares);

    LMyFFTDrawHpLp6dB copy(g);
    EXPECT_EQ(copy.Owner(), from.form.get());
    EXPECT_EQ(copy.Parent(), nullptr);
    expectSameProperties(copy, g);
    EXPECT_EQ(copy.SampleRate(), TSampleRate::n48000) << "not copied";
    EXPECT_EQ(copy.Color(), clBlack) << "not copied";
    EXPECT_EQ(copy.Width(), 500) << "not copied";
    std::vector<int> numbers;
    for (const TPlotListMember& m : copy.Plots().Members())
        numbers.push_back(m.number);
    EXPECT_EQ(numbers, (std::vector<int>{33, 34})) << "the copy holds the series in reverse order";
    TMyPlotStyle style{};
    ASSERT_TRUE(copy.GetPlotStyle(style, 34));
    EXPECT_EQ(style, TMyPlotStyle::LineOpenSquares);

    // On a form of its own at the same size, colour and sample rate it draws
    // what the original draws.
    GraphOnForm to;
    LMyFFTDrawHpLp6dB& shown = *new LMyFFTDrawHpLp6dB(*from.graph);
    shown.SetParent(to.form.get());
    shown.SetColor(clNavy);
    shown.SetSampleRate(TSampleRate::n96000);
    shown.SetBounds(0, 0, g.Width(), g.Height());
    shown.ResizePaintPage();
    shown.Redraw();
    g.Redraw(); // its titles were drawn before its colour changed
    EXPECT_EQ(shown.Page(LMyFFTDrawHpLp6dB::MainPage).Placement(), g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement());
    EXPECT_EQ(shown.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Image(),
              g.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Image());
    EXPECT_EQ(shown.Page(LMyFFTDrawHpLp6dB::YTitlePage).Bitmap().Image(),
              g.Page(LMyFFTDrawHpLp6dB::YTitlePage).Bitmap().Image());
    delete &shown;
}

TEST(Graph, AssigningAnotherGraphsPropertiesKeepsTheSeriesAndRedraws)
{
    GraphOnForm from;
    setApart(*from.graph);
    GraphOnForm to;
    LMyFFTDrawHpLp6dB& g = *to.graph;
    const std::vector<double> flat(4096, 3.0);
    g.FFTDraw(flat.data(), 4096, 7, clLime, TMyPlotStyle::Line);
    const TColor before = basePixel(g, kFreeColumn, row(g, -12.0));

    g.AssignPlotProperties(*from.graph);
    expectSameProperties(g, *from.graph);
    EXPECT_EQ(g.Plots().Members().size(), 1U);
    EXPECT_TRUE(g.YTitle() == "\xC2\xB0");
    // 7 horizontal lines over -30..24: one every 54 / 8 dB, drawn in the new grid colour.
    EXPECT_NE(before, clMaroon);
    EXPECT_EQ(basePixel(g, kFreeColumn, row(g, -30.0 + 54.0 / 8)), clMaroon);
    EXPECT_EQ(basePixel(g, column(g, 2000.0), row(g, 3.0)), clLime) << "the series, on the new scale";

    // AssignPlot takes both, on pages made anew.
    GraphOnForm again;
    again.graph->AssignPlot(g);
    expectSameProperties(*again.graph, g);
    EXPECT_EQ(again.graph->Plots().Members().size(), 1U);
    EXPECT_EQ(basePixel(*again.graph, column(*again.graph, 2000.0), row(*again.graph, 3.0)), clLime);
    again.graph->AssignPlot(*again.graph);
    EXPECT_EQ(again.graph->Plots().Members().size(), 1U) << "assigned to itself nothing changes";
}

TEST(Graph, GridAndAxisLinesOfTheMagnitudeView)
{
    GraphOnForm f;
    const LMyFFTDrawHpLp6dB& g = *f.graph;
    for (int i = 1; i <= 11; ++i) {
        const double db = -18 + 3 * i;
        const TColor expected = db == 0 ? kAxisColour : kGridColour;
        EXPECT_EQ(basePixel(g, kFreeColumn, row(g, db)), expected) << db << " dB";
    }
    EXPECT_EQ(basePixel(g, kFreeColumn, row(g, -16.5)), clBlack);
    EXPECT_EQ(basePixel(g, kFreeColumn, 0), kAxisColour) << "the frame";
    EXPECT_EQ(basePixel(g, kFreeColumn, g.GetPlotHeight() - 1), kAxisColour);
    EXPECT_EQ(basePixel(g, g.GetPlotWidth() - 1, row(g, -16.5)), kAxisColour);
    const int between = row(g, 1.5);
    EXPECT_EQ(basePixel(g, column(g, indexOf(100)), between), kAxisColour) << "decades are bright";
    EXPECT_EQ(basePixel(g, column(g, indexOf(1000)), between), kAxisColour);
    EXPECT_EQ(basePixel(g, column(g, indexOf(10000)), between), kAxisColour);
    EXPECT_EQ(basePixel(g, column(g, indexOf(2000)), between), kGridColour);
    EXPECT_EQ(basePixel(g, column(g, indexOf(20)), between), kGridColour);
    EXPECT_EQ(basePixel(g, column(g, indexOf(1500)), between), clBlack);
}

TEST(Graph, PhaseViewGrid)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.SetNumHorzGrid(7);
    g.SetYLabel("");
    g.SetYLabelScale(10.0);
    for (double v : {-13.5, -9.0, -4.5, 4.5, 9.0, 13.5}) {
        EXPECT_EQ(basePixel(g, kFreeColumn, row(g, v)), kGridColour) << v;
    }
    EXPECT_EQ(basePixel(g, kFreeColumn, row(g, 12.0)), clBlack);
}

TEST(Graph, AxisLabels)
{
    using Texts = std::vector<std::string>;
    auto texts = [](const std::vector<LMyFFTDrawHpLp6dB::AxisLabel>& labels) {
        Texts t;
        for (const auto& l : labels) {
            t.push_back(l.text);
        }
        return t;
    };
    LMyFFTDrawHpLp6dB g(nullptr);
    g.SetBounds(0, 0, 799, 255);
    EXPECT_EQ(texts(g.XAxisLabels()), (Texts{"20Hz", "100Hz", "1KHz", "10KHz"}));
    g.SetBounds(0, 0, 800, 255);
    EXPECT_EQ(texts(g.XAxisLabels()),
              (Texts{"20Hz", "100Hz", "1KHz", "10KHz", "20KHz", "50Hz", "200Hz", "500Hz", "2KHz", "5KHz"}));
    EXPECT_NEAR(g.XAxisLabels()[2].at, 2805.3, 0.05);

    EXPECT_EQ(texts(g.YAxisLabels()), (Texts{"+18dB", "-18dB", "-12dB", "-6dB", "0dB", "+6dB", "+12dB"}));
    g.SetNumHorzGrid(7);
    g.SetYLabel("");
    g.SetYLabelScale(10.0);
    EXPECT_EQ(texts(g.YAxisLabels()), (Texts{"+180", "-180", "-90", "0", "+90"}));
    g.SetNumHorzGrid(1);
    EXPECT_EQ(texts(g.YAxisLabels()), (Texts{"+180", "-180"}));
    g.SetYLabelScale(-1.0);
    EXPECT_EQ(texts(g.YAxisLabels()).front(), "+-18") << "the top label keeps its plus";

    // A logarithmic axis labels its inner decades.
    g.SetYLabelScale(1.0);
    g.SetYLabel("dB");
    g.SetYAutoScale(false);
    g.SetYAxisFormat(TMyAxisFormat::Log);
    g.SetXYMinMax(g.XMin(), g.XMax(), 1.0, 1000.0);
    EXPECT_EQ(texts(g.YAxisLabels()), (Texts{"10dB", "100dB"}));
}

TEST(Graph, LabelsAreWrittenOnTheirPages)
{
    GraphOnForm f;
    const LMyFFTDrawHpLp6dB& g = *f.graph;
    auto inked = [](const TPaintPage& page) {
        int count = 0;
        const QImage& image = page.Bitmap().Image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += (image.pixel(x, y) & 0xFFFFFF) != 0 ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(inked(g.Page(LMyFFTDrawHpLp6dB::XLabelPage)), 100);
    EXPECT_GT(inked(g.Page(LMyFFTDrawHpLp6dB::YLabelPage)), 100);
    EXPECT_EQ(inked(g.Page(LMyFFTDrawHpLp6dB::RightMarginPage)), 0);
}

// A label page is drawn again only when what it shows changes; after each
// change it holds what a graph given the final settings at once holds.
TEST(Graph, LabelPagesFollowEveryChangeOfTheirLabels)
{
    using Change = std::function<void(LMyFFTDrawHpLp6dB&)>;
    const std::vector<double> flat(4096, 3.0);
    const Change changes[] = {
        [&](LMyFFTDrawHpLp6dB& g) { g.FFTDraw(flat.data(), 4096, 33, clRed, TMyPlotStyle::Line); },
        [](LMyFFTDrawHpLp6dB& g) { g.SetXYMinMax(966.0, 4096.0, -24.0, 12.0); },
        [](LMyFFTDrawHpLp6dB& g) { g.SetYLabel("dBu"); },
        [](LMyFFTDrawHpLp6dB& g) {
            TFont font = g.AxisLabelFont();
            font.Color = clAqua;
            g.SetAxisLabelFont(font);
        },
        [](LMyFFTDrawHpLp6dB& g) { g.SetXMin(1500.0); },
        [](LMyFFTDrawHpLp6dB& g) { g.SetBounds(0, 0, 700, 255); g.ResizePaintPage(); g.Redraw(); },
        [](LMyFFTDrawHpLp6dB& g) { g.ClearPlot(); g.Redraw(); },
    };
    GraphOnForm changed;
    for (std::size_t n = 0; n < std::size(changes); ++n) {
        SCOPED_TRACE(n);
        changes[n](*changed.graph);
        changed.graph->Redraw();
        GraphOnForm fresh;
        for (std::size_t i = 0; i <= n; ++i) {
            changes[i](*fresh.graph);
        }
        fresh.graph->ResizePaintPage();
        fresh.graph->Redraw();
        for (const auto page : {LMyFFTDrawHpLp6dB::XLabelPage, LMyFFTDrawHpLp6dB::YLabelPage}) {
            EXPECT_EQ(changed.graph->Page(page).Bitmap().Image(), fresh.graph->Page(page).Bitmap().Image())
                << "page " << page;
        }
    }
}

TEST(Graph, CurvesAreDrawnAndPointsWithoutValueAreNot)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    const QImage empty = g.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Image().copy();

    std::vector<double> nothing(4096, std::numeric_limits<double>::quiet_NaN());
    nothing[100] = std::numeric_limits<double>::infinity();
    nothing[200] = -std::numeric_limits<double>::infinity();
    g.FFTDraw(nothing.data(), 4096, 33, clRed, TMyPlotStyle::Line);
    EXPECT_EQ(g.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Image(), empty) << "no point had a value";

    std::vector<double> half(4096, 7.5);
    for (int i = 0; i < 2048; ++i) {
        half[static_cast<std::size_t>(i)] = std::numeric_limits<double>::quiet_NaN();
    }
    half[3000] = 1e300; // far off the page: the line leaves and comes back
    g.FFTDraw(half.data(), 4096, 33, clRed, TMyPlotStyle::Line);
    EXPECT_EQ(basePixel(g, column(g, 3500), row(g, 7.5)), clRed);
    EXPECT_EQ(basePixel(g, column(g, 1540), row(g, 7.5)), clBlack);
    EXPECT_EQ(basePixel(g, column(g, 1540), row(g, -16.5)), clBlack);

    g.UpdateCurvePage();
    EXPECT_EQ(qx::test::shownAt(g, column(g, 3500), row(g, 7.5)), clRed) << "copied to the control";
}

TEST(Graph, AutoRedrawOffOnlyStores)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.SetAutoRedraw(false);
    const std::vector<double> y(4096, 7.5);
    g.FFTDraw(y.data(), 4096, 33, clRed, TMyPlotStyle::Line);
    EXPECT_EQ(basePixel(g, column(g, 3500), row(g, 7.5)), clBlack);
    g.SetAutoRedraw(true);
    EXPECT_EQ(basePixel(g, column(g, 3500), row(g, 7.5)), clRed);
}


// A line series shows the pixels of its whole polyline, every point a vertex,
// however long its level runs: runs going on, turning back on their row,
// broken by points without value, curves going right or left.
TEST(Graph, LineSeriesShowsEveryPointJoined)
{
    namespace gp = qx::gdiplus;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::mt19937 random(20);
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(round);
        GraphOnForm f;
        LMyFFTDrawHpLp6dB& g = *f.graph;
        TBitmap expected = g.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap();
        // Steps on a few rows with long level runs, some points twice on a
        // pixel, now and then a step back or a point without value.
        std::vector<double> x, y;
        double at = round % 3 == 2 ? 4096 : 900;
        const double way = round % 3 == 2 ? -1 : 1;
        double level = 0;
        while (x.size() < 3000) {
            const unsigned pick = random() % 100;
            if (pick < 6) {
                level = static_cast<double>(static_cast<int>(random() % 13)) * 3 - 18;
            } else if (pick < 9) {
                level += (random() % 2 == 0 ? 0.1 : -0.1);
            }
            const double step = pick < 11 && pick >= 9 ? -3.0 : (pick == 11 ? 0.0 : 1.0 + random() % 3 * 0.3);
            at += way * step;
            x.push_back(at);
            y.push_back(pick == 12 && round % 2 == 1 ? nan : level);
        }
        g.FFTDraw(x.data(), y.data(), static_cast<int>(x.size()), 7, clWhite, TMyPlotStyle::Line);
        {
            TCanvas& canvas = expected.Canvas();
            gp::Graphics graphics(canvas);
            const gp::Pen pen(gp::argbFromColor(clWhite, 255), 2.0F);
            std::vector<gp::PointF> points;
            const auto flush = [&] {
                if (points.size() > 1) {
                    graphics.DrawLines(pen, points);
                }
                points.clear();
            };
            // After a point without value the pen starts anew at the next
            // point; the polyline goes on when that is where it ended.
            const auto same = [](gp::PointF a, gp::PointF b) { return a.X == b.X && a.Y == b.Y; };
            gp::PointF penAt{};
            bool penDown = false;
            for (std::size_t i = 0; i < x.size(); ++i) {
                if (!std::isfinite(y[i])) {
                    penDown = false;
                    continue;
                }
                const gp::PointF p{static_cast<float>(qx::pixelOf(g.ScreenX(x[i]))),
                                   static_cast<float>(qx::pixelOf(g.ScreenY(y[i])))};
                if (penDown && !same(p, penAt)) {
                    if (points.empty() || !same(points.back(), penAt)) {
                        flush();
                        points.push_back(penAt);
                    }
                    points.push_back(p);
                }
                penAt = p;
                penDown = true;
            }
            flush();
        }
        const QImage& shown = g.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Image();
        ASSERT_EQ(shown.size(), expected.Image().size());
        int differing = 0;
        for (int row = 0; row < shown.height(); ++row) {
            for (int col = 0; col < shown.width(); ++col) {
                differing += shown.pixel(col, row) != expected.Image().pixel(col, row) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
