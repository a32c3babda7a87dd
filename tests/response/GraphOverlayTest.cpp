// The graph's overlays: band handles, their text classes, the selected band's
// translucent fill and the free text, and a Plot drawing on a graph.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <limits>
#include <string>
#include <vector>

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "GraphTestSupport.h"
#include "platform/gdiplus/Graphics.h"
#include "response/GraphScale.h"
#include "response/LMyFFTDrawPhase.h"
#include "response/Plot.h"

namespace {

using qx::BandTextClass;
using qx::test::GraphOnForm;
using qx::test::shownAt;

constexpr double k1kHz = 4096 * 3 / 4.380211241711606; // log10(24000)

TEST(GraphOverlay, HandlesArePlacedAtTheirDataPoints)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.DrawBlock(7.5, k1kHz, clRed, 0, false, 1);
    const TPoint p = g.GetBlockPos(0);
    EXPECT_EQ(p.X, static_cast<int>(g.ScreenX(k1kHz)));
    EXPECT_EQ(p.Y, static_cast<int>(g.ScreenY(7.5)));
    g.UpdateCurvePage();
    // A blob about 9 pixels across under the 5-pixel pen (the box covers sx - 3 .. sx + 2).
    for (const TPoint d : {TPoint{-4, 0}, TPoint{3, 0}, TPoint{0, -4}, TPoint{0, 3}, TPoint{2, 2}}) {
        EXPECT_EQ(shownAt(g, p.X + d.X, p.Y + d.Y), clRed) << d.X << ", " << d.Y;
    }
    EXPECT_NE(shownAt(g, p.X + 6, p.Y), clRed);

    // A resize moves the handle with the page.
    g.SetBounds(0, 0, 800, 300);
    g.ResizePaintPage();
    EXPECT_EQ(g.GetBlockPos(0).X, static_cast<int>(g.ScreenX(k1kHz)));
    EXPECT_EQ(g.GetBlockPos(0).Y, static_cast<int>(g.ScreenY(7.5)));

    // Numbers outside 0-49 and points without a value are ignored.
    g.DrawBlock(1.0, 1.0, clRed, 50, false, 1);
    g.DrawBlock(1.0, 1.0, clRed, -1, false, 1);
    g.SetBlockParameter(50, 1, 1, 1, 1);
    EXPECT_EQ(g.GetBlockPos(50).X, 0);
    g.DrawBlock(std::numeric_limits<double>::quiet_NaN(), k1kHz, clRed, 3, false, 1);
    EXPECT_EQ(g.GetBlockPos(3).X, 0);
    g.UpdateCurvePage();
}

TEST(GraphOverlay, HiddenHandlesAreDrawnOnceOnly)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.DrawBlock(-6.0, k1kHz, clAqua, 4, true, 0);
    const TPoint p = g.GetBlockPos(4);
    // Drawn at once, with the thin pen, onto the main page: the box's corner.
    EXPECT_EQ(qx::test::basePixel(g, p.X - 3, p.Y - 3), clAqua);
    g.UpdateCurvePage();
    EXPECT_EQ(shownAt(g, p.X - 3, p.Y - 3), clAqua) << "shown by the next update";
    EXPECT_NE(shownAt(g, p.X + 4, p.Y + 4), clAqua) << "not repainted with the wide pen";
    const std::vector<double> flat(4096, -17.0);
    g.FFTDraw(flat.data(), 4096, 40, clWhite, TMyPlotStyle::Line);
    g.UpdateCurvePage();
    EXPECT_NE(shownAt(g, p.X - 3, p.Y - 3), clAqua) << "gone with the next series redraw";
}

// A handle and the selected band's text are drawn onto the main page when
// placed, and stay there (where the handle was) until the series are redrawn.
TEST(GraphOverlay, HandlesAndTheSelectedTextAreDrawnWhenPlaced)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.DrawBlock(6.0, k1kHz, clRed, 0, false, 1);
    const TPoint first = g.GetBlockPos(0);
    EXPECT_EQ(qx::test::basePixel(g, first.X, first.Y - 3), clRed);
    g.DrawBlock(6.0, k1kHz + 300, clRed, 0, false, 1);
    g.UpdateCurvePage();
    EXPECT_EQ(shownAt(g, first.X, first.Y - 3), clRed) << "the earlier place stays drawn";

    int yellow = 0;
    const auto countBase = [&](TColor colour, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                n += qx::test::basePixel(g, x, y) == colour ? 1 : 0;
            }
        }
        return n;
    };
    const int sx = static_cast<int>(g.ScreenX(k1kHz));
    const int sy = static_cast<int>(g.ScreenY(6.0));
    yellow = countBase(clYellow, sx - 20, sy + 20, sx + 40, sy + 60);
    EXPECT_EQ(yellow, 0);
    g.DrawParam(0, 6.0, k1kHz, 1000.0F, 1.0, clYellow);
    EXPECT_GT(countBase(clYellow, sx - 20, sy + 20, sx + 40, sy + 60), 20) << "Q, frequency and gain below";

    const std::vector<double> flat(4096, -17.0);
    g.FFTDraw(flat.data(), 4096, 40, clWhite, TMyPlotStyle::Line);
    EXPECT_EQ(countBase(clYellow, sx - 20, sy + 20, sx + 40, sy + 60), 0) << "cleared with the series";
    EXPECT_NE(qx::test::basePixel(g, first.X, first.Y - 3), clRed);
}

// The marker line is dashed when drawn and dotted when repainted at every
// update, on top of the dashes.
TEST(GraphOverlay, TheMarkerLineIsDashedThenDotted)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    const double at = 1500.0; // a column between the grid lines
    g.DrawLine(at, clBlue, false);
    const int x = static_cast<int>(g.ScreenX(at));
    std::vector<int> dashed;
    for (int y = 0; y < 24; ++y) {
        dashed.push_back(qx::test::basePixel(g, x, y) == clRed ? 1 : 0);
    }
    const std::vector<int> dash = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(dashed, dash) << "18 on, 6 off, in red whatever colour was given";
    g.UpdateCurvePage();
    std::vector<int> shown;
    for (int y = 0; y < 24; ++y) {
        shown.push_back(shownAt(g, x, y) == clRed ? 1 : 0);
    }
    const std::vector<int> dashAndDot = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0};
    EXPECT_EQ(shown, dashAndDot) << "3 on, 3 off over the dashes";
}

TEST(GraphOverlay, BandTextFollowsThePeqType)
{
    LMyFFTDrawHpLp6dB g(nullptr);
    struct Case
    {
        int type;
        int filterCode;
        BandTextClass text;
    };
    // PEQ type, its filter code, and the text the band shows, selected or not.
    const Case cases[] = {
        {0, 1, BandTextClass::QFrequencyGain}, {1, 2, BandTextClass::QFrequencyGain},
        {2, 3, BandTextClass::QFrequencyGain}, {3, 8, BandTextClass::FrequencyOnly},
        {4, 5, BandTextClass::QAndFrequency},  {5, 9, BandTextClass::FrequencyOnly},
        {6, 4, BandTextClass::QAndFrequency},  {7, 7, BandTextClass::FrequencyOnly},
        {8, 17, BandTextClass::QAndFrequency},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(g.SelectedTextClass(c.type), c.text) << c.type;
        EXPECT_EQ(g.HandleTextClass(c.filterCode), c.text) << c.type;
    }
    EXPECT_EQ(g.HandleTextClass(10), BandTextClass::QAndFrequency) << "a bypassed band";

    LMyFFTDrawPhase twin(nullptr);
    EXPECT_EQ(twin.SelectedTextClass(7), BandTextClass::QAndFrequency);
    EXPECT_EQ(twin.HandleTextClass(7), BandTextClass::None);
    EXPECT_EQ(twin.SelectedTextClass(5), BandTextClass::FrequencyOnly);
    EXPECT_EQ(twin.SelectedTextClass(4), BandTextClass::QAndFrequency);
}

// Counts the pixels of a colour in a main-page rectangle as shown.
int countShown(const LMyFFTDrawHpLp6dB& g, TColor colour, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, g.GetPlotHeight()); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, g.GetPlotWidth()); ++x) {
            n += shownAt(g, x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

TEST(GraphOverlay, ParameterTextStandsBelowABoostAndAboveACut)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.SetParameterDisplay(true);
    g.DrawBlock(6.0, k1kHz, clRed, 0, false, 1);
    g.SetBlockParameter(0, 1000, 6.0, 1.0, 1);
    g.DrawBlock(-6.0, k1kHz - 600, clBlue, 1, false, 1);
    g.SetBlockParameter(1, 500, -6.0, 1.0, 1);
    g.UpdateCurvePage();
    const TPoint boost = g.GetBlockPos(0);
    const TPoint cut = g.GetBlockPos(1);
    EXPECT_GT(countShown(g, clWhite, boost.X - 20, boost.Y + 20, boost.X + 40, boost.Y + 60), 20);
    EXPECT_GT(countShown(g, clWhite, cut.X - 20, cut.Y - 69, cut.X + 40, cut.Y - 30), 20);

    // The selected band's text is yellow; its handle writes no white text.
    g.DrawParam(0, 6.0, k1kHz, 1000.0F, 1.0, clYellow);
    g.SetCurveDisplay(true);
    g.UpdateCurvePage();
    EXPECT_EQ(countShown(g, clWhite, boost.X - 20, boost.Y + 30, boost.X + 40, boost.Y + 60), 0);
    EXPECT_GT(countShown(g, clYellow, boost.X - 20, boost.Y + 30, boost.X + 40, boost.Y + 60), 20);
}

TEST(GraphOverlay, RepeatedUpdatesShowTheSameTranslucentFill)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    Plot plot(&g);
    plot.section(0).SetPeq(9.0, 1000.0, 1.0, 1);
    plot.DrawSum(0);
    plot.ShowSectionHandle(0, 9.0F, 1);
    plot.ShowSectionCurve(0, 0, 9.0F, 1.0F, true);
    g.UpdateCurvePage();
    const int x = static_cast<int>(g.ScreenX(k1kHz));
    const int y = static_cast<int>(g.ScreenY(4.5)); // inside the peak, above 0 dB
    const TColor first = shownAt(g, x + 12, y);
    EXPECT_NE(first, clBlack) << "the fill greys the area";
    for (int i = 0; i < 3; ++i) {
        g.UpdateCurvePage();
        EXPECT_EQ(shownAt(g, x + 12, y), first) << "update " << i;
    }
    plot.ShowSectionCurve(0, 0, 9.0F, 1.0F, false);
    g.UpdateCurvePage();
    EXPECT_EQ(shownAt(g, x + 12, y), clBlack) << "hidden at once";
}

// The selected band's area is a cardinal spline through its points: at a
// step the outline swings past the points, which a polyline never does.
TEST(GraphOverlay, TheFillFollowsASplineThroughThePoints)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    std::vector<double> step(4096, -18.0);
    std::fill(step.begin() + 2500, step.end(), 0.0);
    const int x = static_cast<int>(g.ScreenX(2500));
    const int level = static_cast<int>(g.ScreenY(0.0));
    const auto changed = [&](const QImage& plain) {
        int n = 0;
        for (int y = level - 8; y < level - 1; ++y) {
            for (int dx = -2; dx <= 2; ++dx) {
                const TRect& at = g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement();
                n += g.Screen().Image().pixel(at.Left + x + dx, at.Top + y) !=
                             plain.pixel(at.Left + x + dx, at.Top + y)
                         ? 1
                         : 0;
            }
        }
        return n;
    };
    g.UpdateCurvePage();
    const QImage plain = g.Screen().Image().copy();
    g.DrawParam(3, 0.0, 2500, 1000.0F, 1.0, clYellow);
    g.DrawCurveFill(3, step.data(), 4096);
    g.SetCurveDisplay(true);
    g.UpdateCurvePage();
    EXPECT_GT(changed(plain), 0) << "the outline rises above the step's level";
}

// The free text's font is not left on for the handle numbers and band texts
// of the next update.
TEST(GraphOverlay, RepeatedUpdatesWithAFreeTextShowTheSameHandleTexts)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    Plot plot(&g);
    plot.section(1).SetPeq(-6.0, 1000.0, 1.0, 1);
    plot.ShowSectionHandle(1, -6.0F, 1);
    g.SetParameterDisplay(true);
    g.DrawTextA(g.GetPlotWidth() / 3, g.GetPlotHeight() / 4, 60, clRed, "Times New Roman", "BYPASS");
    g.UpdateCurvePage();
    const QImage first = g.Screen().Image().copy();
    g.UpdateCurvePage();
    EXPECT_EQ(g.Screen().Image(), first);
}

TEST(GraphOverlay, TheFillOfAPeakEndsAboveTheZeroDecibelLine)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    Plot plot(&g);
    plot.section(0).SetPeq(9.0, 1000.0, 1.0, 1);
    const int x = static_cast<int>(g.ScreenX(k1kHz)) + 12;
    const int h = g.GetPlotHeight();
    const auto column = [&] {
        g.UpdateCurvePage();
        std::vector<TColor> shown;
        for (int y = 0; y < h; ++y) {
            shown.push_back(shownAt(g, x, y));
        }
        return shown;
    };
    const std::vector<TColor> plain = column();
    plot.ShowSectionCurve(0, 0, 9.0F, 1.0F, true);
    const std::vector<TColor> filled = column();
    int lowest = -1;
    for (int y = 0; y < h; ++y) {
        lowest = filled[y] != plain[y] ? y : lowest;
    }
    // Pixel centres lie on whole rows: the last one above the line is covered, the one on
    // or below it is not.
    EXPECT_EQ(lowest, static_cast<int>(std::ceil(g.ScreenY(0.0))) - 1) << "0 dB at row " << g.ScreenY(0.0);
}

TEST(GraphOverlay, FreeTextIsRepaintedAndReplaced)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.DrawTextA(g.GetPlotWidth() / 3, g.GetPlotHeight() / 4, 60, clRed, "Times New Roman", "BYPASS");
    g.UpdateCurvePage();
    const int w = g.GetPlotWidth();
    const int h = g.GetPlotHeight();
    EXPECT_GT(countShown(g, clRed, w / 3, h / 4, w, h), 200);
    g.DrawTextA(w / 3, h / 4, 60, clRed, "Times New Roman", "");
    g.UpdateCurvePage();
    EXPECT_EQ(countShown(g, clRed, w / 3, h / 4, w, h), 0);
}

TEST(GraphOverlay, APlotDrawsItsTotalHandlesAndSections)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    Plot plot(&g);
    plot.section(2).SetPeq(6.0, 1000.0, 1.0, 1);
    ASSERT_TRUE(plot.DrawSum(4));
    TColor colour = 0;
    ASSERT_TRUE(g.GetPlotColor(colour, Plot::kSumSection));
    EXPECT_EQ(colour, clRed) << "Out1's curve colour";
    ASSERT_TRUE(plot.ShowSectionHandle(2, 6.0F, 1));
    EXPECT_EQ(g.GetBlockPos(2).X, static_cast<int>(g.ScreenX(k1kHz)));
    EXPECT_EQ(g.GetBlockPos(2).Y, static_cast<int>(g.ScreenY(6.0)));
    g.UpdateCurvePage();
    EXPECT_EQ(shownAt(g, g.GetBlockPos(2).X, g.GetBlockPos(2).Y), clFuchsia) << "handle colour of section 2";
    const double total = plot.curve(Plot::kSumSection)[2500];
    EXPECT_EQ(shownAt(g, static_cast<int>(g.ScreenX(2500)), static_cast<int>(g.ScreenY(total))), clRed);

    ASSERT_TRUE(plot.DrawSection(40, clAqua));
    EXPECT_TRUE(g.GetPlotColor(colour, 40));
    ASSERT_TRUE(plot.RemoveSection(40));
    EXPECT_FALSE(g.GetPlotColor(colour, 40));
    EXPECT_FALSE(plot.ShowSectionHandle(48, 0.0F, 1));
    EXPECT_FALSE(plot.DrawSection(-1, clAqua));
}

// What the main window gives a channel graph: a band's handle with its text,
// the total (whose redraw clears what the handle drew when placed), the
// bypass text, then the update.
void showChannel(Plot& plot, double gain, const char* text)
{
    LMyFFTDrawHpLp6dB& g = *dynamic_cast<LMyFFTDrawHpLp6dB*>(plot.graph());
    plot.section(2).SetPeq(gain, 1000.0, 1.0, 1);
    plot.ShowSectionHandle(2, static_cast<float>(gain), 1);
    plot.DrawSum(4);
    g.SetParameterDisplay(true);
    g.DrawTextA(g.GetPlotWidth() / 3, g.GetPlotHeight() / 4, 60, clRed, "Times New Roman", text);
    g.UpdateCurvePage();
}

// The total of a 6 dB or -9 dB peak at 1 kHz (section 2) at grid point i.
double totalAt(double gain, std::size_t i)
{
    PlotSection peak;
    peak.SetPeq(gain, 1000.0, 1.0, 1);
    return peak.curve()[i];
}

// A graph whose page is hidden draws nothing, and its plot does not even sum
// its curve; once the page is shown the graph shows everything it was given:
// the same pixels as a graph never hidden.
TEST(GraphOverlay, AGraphOnAHiddenPageShowsItsLatestStateWhenThePageIsShown)
{
    struct Return
    {
        const char* how;
        std::function<void(GraphOnForm&)> back;
    };
    const Return returns[] = {
        {"painted", [](GraphOnForm& p) { p.form->Show(); p.form->Widget()->grab(); }},
        {"updated", [](GraphOnForm& p) { p.graph->UpdateCurvePage(); }},
    };
    for (const Return& r : returns) {
        SCOPED_TRACE(r.how);
        GraphOnForm onPage(1070, 255, GraphOnForm::Place::OnPage);
        GraphOnForm never;
        LMyFFTDrawHpLp6dB& g = *onPage.graph;
        Plot plot(&g);
        Plot neverPlot(never.graph);
        for (Plot* p : {&plot, &neverPlot}) {
            showChannel(*p, 6.0, "");
        }
        const QImage before = g.Screen().Image().copy();
        ASSERT_EQ(before, never.graph->Screen().Image());

        onPage.page->Hide();
        EXPECT_FALSE(g.InSight());
        for (Plot* p : {&plot, &neverPlot}) {
            showChannel(*p, -9.0, "BYPASS");
        }
        EXPECT_EQ(g.Screen().Image(), before) << "nothing drawn out of sight";

        onPage.page->Show();
        EXPECT_TRUE(g.InSight());
        r.back(onPage);
        EXPECT_EQ(g.Screen().Image(), never.graph->Screen().Image());
        const TPoint handle = g.GetBlockPos(2);
        EXPECT_EQ(shownAt(g, handle.X, handle.Y), clFuchsia) << "the handle at -9 dB";
        const double total = totalAt(-9.0, 2500);
        EXPECT_EQ(shownAt(g, static_cast<int>(g.ScreenX(2500)), static_cast<int>(g.ScreenY(total))), clRed)
            << "the new total";
        EXPECT_GT(countShown(g, clRed, g.GetPlotWidth() / 3, g.GetPlotHeight() / 4, g.GetPlotWidth(),
                             g.GetPlotHeight()),
                  200)
            << "the bypass text";
    }
}

// Whoever reads a hidden graph's series, or the plot's total, gets the new
// total at once, and the plot hands its total over when it goes away; none
// of it draws on the hidden graph.
TEST(GraphOverlay, AHiddenGraphsTotalIsThereForItsReaders)
{
    struct Reader
    {
        const char* who;
        std::function<std::vector<double>(std::unique_ptr<Plot>&, LMyFFTDrawHpLp6dB&)> read;
    };
    const auto series = [](LMyFFTDrawHpLp6dB& g) {
        std::vector<double> y(4096);
        EXPECT_TRUE(g.GetPlotY(y.data(), Plot::kSumSection));
        return y;
    };
    const Reader readers[] = {
        {"the graph's series", [&](std::unique_ptr<Plot>&, LMyFFTDrawHpLp6dB& g) { return series(g); }},
        {"the plot's total",
         [](std::unique_ptr<Plot>& p, LMyFFTDrawHpLp6dB&) {
             const qx::CurveView c = p->curve(Plot::kSumSection);
             return std::vector<double>(c.begin(), c.end());
         }},
        {"the graph's series after the plot went away",
         [&](std::unique_ptr<Plot>& p, LMyFFTDrawHpLp6dB& g) {
             p.reset();
             return series(g);
         }},
    };
    for (const Reader& r : readers) {
        SCOPED_TRACE(r.who);
        GraphOnForm onPage(1070, 255, GraphOnForm::Place::OnPage);
        LMyFFTDrawHpLp6dB& g = *onPage.graph;
        auto plot = std::make_unique<Plot>(&g);
        showChannel(*plot, 6.0, "");
        onPage.page->Hide();
        const QImage before = g.Screen().Image().copy();
        plot->section(2).SetPeq(-9.0, 1000.0, 1.0, 1);
        plot->DrawSum(4);
        const std::vector<double> total = r.read(plot, g);
        ASSERT_EQ(total.size(), 4096U);
        EXPECT_EQ(total[2805], totalAt(-9.0, 2805));
        EXPECT_EQ(g.Screen().Image(), before);
    }
}

// A graph laid out while out of sight keeps its pages' places and sizes,
// which its handle positions follow, but holds no pictures; back in sight it
// shows the same pixels as a graph laid out in sight and then hidden.
TEST(GraphOverlay, AGraphLaidOutOutOfSightHoldsNoPicturesUntilShown)
{
    GraphOnForm hiddenFirst(1070, 255, GraphOnForm::Place::OnPage);
    GraphOnForm hiddenAfter(1070, 255, GraphOnForm::Place::OnPage);
    std::vector<double> slope(4096);
    for (std::size_t i = 0; i < slope.size(); ++i) {
        slope[i] = -12.0 + 24.0 * static_cast<double>(i) / 4096.0;
    }
    hiddenFirst.page->Hide();
    for (GraphOnForm* f : {&hiddenFirst, &hiddenAfter}) {
        f->graph->SetBounds(0, 0, 900, 240);
        f->graph->ResizePaintPage();
    }
    hiddenAfter.page->Hide();
    for (GraphOnForm* f : {&hiddenFirst, &hiddenAfter}) {
        f->graph->FFTDraw(slope.data(), 4096, 33, clRed, TMyPlotStyle::Line);
        f->graph->DrawBlock(6.0, k1kHz, clRed, 0, false, 1);
        f->graph->UpdateCurvePage();
    }
    LMyFFTDrawHpLp6dB& g = *hiddenFirst.graph;
    const LMyFFTDrawHpLp6dB& other = *hiddenAfter.graph;
    EXPECT_TRUE(g.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Empty());
    EXPECT_TRUE(g.Screen().Empty());
    EXPECT_FALSE(other.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Empty());
    EXPECT_EQ(g.GetPlotWidth(), other.GetPlotWidth());
    EXPECT_EQ(g.GetBlockPos(0), other.GetBlockPos(0));

    for (GraphOnForm* f : {&hiddenFirst, &hiddenAfter}) {
        f->page->Show();
        f->graph->UpdateCurvePage();
    }
    for (const auto page : {LMyFFTDrawHpLp6dB::MainPage, LMyFFTDrawHpLp6dB::XLabelPage,
                            LMyFFTDrawHpLp6dB::YLabelPage}) {
        EXPECT_EQ(g.Page(page).Bitmap().Image(), other.Page(page).Bitmap().Image()) << "page " << page;
    }
    EXPECT_EQ(g.Screen().Image(), other.Screen().Image());
}

// A state load changes a graph's series several times, with handles and band
// texts placed on the main page in between, before the next paint. Whether
// the graph is read after each step or only at the end, even when its page
// is hidden before the end, it shows the same pixels and base.
TEST(GraphOverlay, ReadingBetweenChangesShowsTheSamePixels)
{
    const std::vector<double> low(4096, -12.0);
    const std::vector<double> high(4096, 9.0);
    std::vector<double> slope(4096);
    for (std::size_t i = 0; i < slope.size(); ++i) {
        slope[i] = -15.0 + 30.0 * static_cast<double>(i) / 4096.0;
    }
    using Step = std::function<void(LMyFFTDrawHpLp6dB&)>;
    const std::vector<Step> steps = {
        [&](LMyFFTDrawHpLp6dB& g) { g.FFTDraw(low.data(), 4096, 33, clRed, TMyPlotStyle::Line); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawBlock(6.0, k1kHz, clRed, 0, false, 1); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawParam(0, 6.0, k1kHz, 1000.0F, 1.0, clYellow); },
        [](LMyFFTDrawHpLp6dB& g) { g.UpdateCurvePage(); },
        [&](LMyFFTDrawHpLp6dB& g) { g.FFTDraw(slope.data(), 4096, 12, clAqua, TMyPlotStyle::Line); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawBlock(-6.0, k1kHz + 400, clAqua, 4, true, 0); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawBlock(3.0, k1kHz - 300, clLime, 1, false, 1); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawBlock(3.0, k1kHz - 200, clLime, 1, false, 1); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawParam(1, 3.0, k1kHz - 200, 800.0F, 2.0, clYellow); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawLine(1500.0, clBlue, true); },
        [&](LMyFFTDrawHpLp6dB& g) { g.FFTDraw(high.data(), 4096, 33, clPurple, TMyPlotStyle::Line); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawBlock(-9.0, k1kHz + 100, clFuchsia, 2, false, 1); },
        [](LMyFFTDrawHpLp6dB& g) { g.DrawParam(2, -9.0, k1kHz + 100, 1200.0F, 0.7, clYellow); },
        [](LMyFFTDrawHpLp6dB& g) { g.UpdateCurvePage(); },
    };
    struct End
    {
        const char* how;
        std::function<void(GraphOnForm&)> end;
    };
    const End ends[] = {
        {"read at once", [](GraphOnForm&) {}},
        {"painted", [](GraphOnForm& p) { p.form->Show(); p.form->Widget()->grab(); }},
        {"hidden and shown again", [](GraphOnForm& p) {
             p.page->Hide();
             p.page->Show();
             p.form->Show();
             p.form->Widget()->grab();
         }},
    };
    for (const End& e : ends) {
        SCOPED_TRACE(e.how);
        GraphOnForm eachStep(1070, 255, GraphOnForm::Place::OnPage);
        GraphOnForm atEnd(1070, 255, GraphOnForm::Place::OnPage);
        for (const Step& step : steps) {
            step(*eachStep.graph);
            (void)eachStep.graph->Page(LMyFFTDrawHpLp6dB::MainPage);
            (void)eachStep.graph->Screen();
            step(*atEnd.graph);
        }
        e.end(eachStep);
        e.end(atEnd);
        for (const auto page : {LMyFFTDrawHpLp6dB::MainPage, LMyFFTDrawHpLp6dB::XLabelPage,
                                LMyFFTDrawHpLp6dB::YLabelPage}) {
            EXPECT_EQ(atEnd.graph->Page(page).Bitmap().Image(), eachStep.graph->Page(page).Bitmap().Image())
                << "page " << page;
        }
        EXPECT_EQ(atEnd.graph->Screen().Image(), eachStep.graph->Screen().Image());
        EXPECT_EQ(atEnd.form->Widget()->grab().toImage(), eachStep.form->Widget()->grab().toImage());
    }
}

// The band fill shows the pixels of the whole spline outlined and filled, however much of it
// lies beyond the page or level along a row, with level segments within a column or across
// columns.
TEST(GraphOverlay, BandFillShowsTheWholeSplineFilled)
{
    namespace gp = qx::gdiplus;
    struct Case
    {
        const char* name;
        double xMin, xMax;
        double (*curve)(int i);
    };
    const Case cases[] = {
        {"a bell, the low end beyond the left edge", 966, 4096,
         [](int i) { return -9.0 * std::exp(-std::pow((i - 2600) / 150.0, 2)); }},
        {"a bell beyond both edges, level tails", 1500, 3000,
         [](int i) { return 12.0 * std::exp(-std::pow((i - 2200) / 60.0, 2)); }},
        {"steps with level runs", 966, 4096, [](int i) { return (i / 97 % 5) * 3.0 - 6.0; }},
        {"a curve wholly left of the page", 3000, 4000, [](int i) { return i < 2900 ? 5.0 * std::sin(i / 40.0) : 0.0; }},
        {"a ripple", 800, 3500, [](int i) { return 4.0 * std::sin(i / 7.0) + (i % 13 == 0 ? 0.5 : 0.0); }},
        {"steep steps, a few points a column", 3900, 4096, [](int i) { return (i / 3 % 4) * 0.4 - ((i / 11) % 3) * 7.0; }},
        {"level with short jumps", 2000, 2600, [](int i) { return (i % 29 < 3) ? 0.3 * (i % 7) : 0.0; }},
        {"a narrow peak, level tails", 966, 4096, [](int i) { return 6.0 / (1 + std::pow((i - 3000) / 20.0, 2)); }},
        {"points columns apart", 4000, 4096, [](int i) { return std::sin(i * 0.7) * 0.2 + ((i / 5) % 2) * 0.2; }},
        {"a wiggle of a row or two", 966, 4096, [](int i) { return 0.12 * std::sin(i / 3.0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphOnForm f;
        LMyFFTDrawHpLp6dB& g = *f.graph;
        g.SetXYMinMax(c.xMin, c.xMax, -18, 18);
        g.UpdateCurvePage();
        TBitmap expected = g.Screen();
        std::vector<double> curve(4096);
        for (int i = 0; i < 4096; ++i) {
            curve[static_cast<std::size_t>(i)] = c.curve(i);
        }
        {
            // The whole spline, outlined, closed along the zero line and filled.
            const TRect& at = g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement();
            const int W = g.GetPlotWidth();
            const int H = g.GetPlotHeight();
            TCanvas& canvas = expected.Canvas();
            canvas.MoveOrigin(at.Left, at.Top);
            canvas.SetClipRect({0, 0, W, H});
            gp::Graphics graphics(canvas);
            std::vector<gp::PointF> points;
            for (int i = 0; i < 4096; ++i) {
                const double px = W * (i - c.xMin) / (c.xMax - c.xMin);
                const double py = H - H * (curve[static_cast<std::size_t>(i)] + 18) / 36;
                points.push_back({static_cast<float>(qx::pixelOf(px)), static_cast<float>(qx::pixelOf(py))});
            }
            gp::GraphicsPath path(gp::FillMode::Alternate);
            path.AddCurve(points);
            const gp::Argb grey = 0x1E808080;
            graphics.DrawPath(gp::Pen(grey, 1.0F), path);
            const auto zero = static_cast<float>(g.ScreenY(0));
            path.AddLine(static_cast<float>(g.ScreenX(10)), zero, static_cast<float>(g.ScreenX(20000)), zero);
            graphics.FillPath(gp::SolidBrush(grey), path);
        }
        g.DrawCurveFill(0, curve.data(), 4096);
        g.SetCurveDisplay(true);
        g.UpdateCurvePage();
        const QImage& shown = g.Screen().Image();
        ASSERT_NE(shown, g.Page(LMyFFTDrawHpLp6dB::MainPage).Bitmap().Image());
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                differing += shown.pixel(x, y) != expected.Image().pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
