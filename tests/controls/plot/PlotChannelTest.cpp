// The channel base and the X-Y channel: points and statistics, axis binding, trace clipping
// and markers, fit extents, data cursor readings, and the data and log files.

#include "PlotControlSupport.h"
#include "RaisedText.h"
#include "TempDir.h"

#include "controls/plot/plot/iPlot.h"

#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using qx::test::plotPicture;
using qx::test::raisedText;

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string at(const qx::test::TempDir& dir, const char* name) { return (dir / name).string(); }

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

struct ChannelFixture : ::testing::Test
{
    ChannelFixture()
    {
        plot.SetBounds(0, 0, 400, 300);
        changes = 0;
        plot.Master().OnChange = [this](TObject*) { ++changes; };
    }
    TiXYPlotChannel& channel() { return plot.GetChannel(0); }
    TiXYPlot plot{nullptr};
    int changes = 0;
};

// ---- Points and statistics ----

TEST_F(ChannelFixture, AddXYKeepsRunningStatisticsAndReturnsIndexes)
{
    channel().SetXAxisTrackingEnabled(false);
    channel().SetYAxisTrackingEnabled(false);
    changes = 0;
    EXPECT_EQ(channel().AddXY(-100, -100), 0);
    EXPECT_EQ(channel().AddXY(20, 20), 1);
    EXPECT_EQ(channel().Count(), 2);
    EXPECT_EQ(channel().RunningXMin(), -100);
    EXPECT_EQ(channel().RunningXMax(), 20);
    EXPECT_EQ(channel().RunningXMean(), -40);
    EXPECT_EQ(channel().XFirst(), -100);
    EXPECT_EQ(channel().XLast(), 20);
    EXPECT_EQ(channel().IndexLast(), 1);
    EXPECT_EQ(changes, 2) << "each AddXY notifies once";
}

TEST_F(ChannelFixture, AnEmptyChannelAnswersMinusOne)
{
    for (double v : {channel().XFirst(), channel().XLast(), channel().YFirst(), channel().YLast()})
        EXPECT_EQ(v, -1);
    EXPECT_EQ(channel().IndexFirst(), -1);
    EXPECT_EQ(channel().IndexLast(), -1);
}

TEST_F(ChannelFixture, DeletingSomePointsKeepsTheStatistics)
{
    for (int i = 0; i < 3; ++i)
        channel().AddXY(i, 10 * i);
    channel().DeletePoints(2);
    EXPECT_EQ(channel().Count(), 1);
    EXPECT_EQ(channel().DataX(0), 2);
    EXPECT_EQ(channel().RunningXMin(), 0) << "not recomputed";
    EXPECT_EQ(channel().GetXMin(), 2);
    EXPECT_EQ(raisedText([&] { channel().DeletePoints(-1); }), "Delete size out of Range");
}

TEST_F(ChannelFixture, NullPointsCountNowhere)
{
    channel().AddNull();
    EXPECT_EQ(channel().RunningXMin(), 1e300);
    EXPECT_TRUE(channel().DataNull(0));
    EXPECT_EQ(channel().GetYMin(), 1e300);
    channel().AddXY(3, 4);
    channel().ReCalcRunningMinMaxMean();
    EXPECT_EQ(channel().RunningYMean(), 4);
}

TEST_F(ChannelFixture, ADataStyleChangeDropsThePointsAndKeepsTheSettings)
{
    for (int i = 0; i < 10; ++i)
        channel().AddXY(i, i);
    channel().SetColor(clLime);
    channel().SetMarkersSize(7);
    channel().SetRingBufferSize(20);
    channel().SetDataStyle(ipdsCompact);
    EXPECT_EQ(channel().Count(), 0);
    EXPECT_EQ(channel().Color(), clLime);
    EXPECT_EQ(channel().MarkersSize(), 7);
    EXPECT_EQ(channel().RingBufferSize(), 20);
}

TEST_F(ChannelFixture, AnUnchangedAxisNameNotifiesNobody)
{
    changes = 0;
    channel().SetXAxisName("X-Axis 1");
    EXPECT_EQ(changes, 0);
    channel().SetXAxisName("x-axis 1");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(channel().XAxis(), &plot.XAxis(0)) << "found without case";
    plot.XAxis(0).SetName("Input");
    EXPECT_EQ(channel().XAxisName(), "Input") << "a rename follows";
    plot.DeleteXAxis(0);
    EXPECT_EQ(channel().XAxis(), nullptr);
}

TEST_F(ChannelFixture, TrackingFollowsTheMarkersExtent)
{
    TiPlotAxis& x = plot.XAxis(0);
    x.SetTrackingStyle(iptsScaleMinMax);
    channel().SetMarkersVisible(true);
    channel().SetMarkersSize(5);
    plot.ReCalcLayout();
    channel().AddXY(0, 0);
    EXPECT_LE(x.Min(), 0);
    EXPECT_EQ(channel().GetFitXMax() > 0, true) << "widened by the markers";
}

// ---- Drawing ----

struct SegmentCase
{
    const char* what;
    bool clip;
    double x1, y1, x2, y2;
    // Expected pixel ends in data units, or none.
    bool drawn;
    double ex1, ey1, ex2, ey2;
};

const SegmentCase kSegments[] = {
    {"cut at the X axis' minimum", false, -5, 0, 5, 10, true, 0, 5, 5, 10},
    {"beyond the X axis", false, 12, 0, 15, 5, false, 0, 0, 0, 0},
    {"cut at the Y axis' minimum with ClipToAxes", true, 0, -10, 10, 10, true, 5, 0, 10, 10},
    {"reversed ends", false, 5, 10, -5, 0, true, 0, 5, 5, 10},
};

TEST(PlotChannelDrawing, SegmentsAreCutInDataUnits)
{
    for (const SegmentCase& c : kSegments) {
        SCOPED_TRACE(c.what);
        auto plot = qx::test::makeTransferPlot(300, 300);
        for (TiPlotAxis* axis : {&plot->XAxis(0), &plot->YAxis(0)})
            axis->SetMinSpan(0, 10);
        TiXYPlotChannel& channel = plot->GetChannel(0);
        channel.SetColor(clFuchsia);
        channel.SetTraceLineWidth(1);
        channel.SetClipToAxes(c.clip);
        qx::test::replacePoints(channel, {{c.x1, c.y1}, {c.x2, c.y2}});
        qx::test::replacePoints(plot->GetChannel(1), {});
        plot->ReCalcLayout();
        TBitmap picture(plot->Width(), plot->Height());
        picture.Canvas().Brush().Color = clBlack;
        picture.Canvas().FillRect({0, 0, plot->Width(), plot->Height()});
        channel.PrepareDraw();
        channel.DrawTrace(picture.Canvas(), false, clBlack);
        int count = 0;
        for (int x = 0; x < plot->Width(); ++x)
            for (int y = 0; y < plot->Height(); ++y)
                count += picture.Canvas().Pixel(x, y) == clFuchsia;
        if (!c.drawn) {
            EXPECT_EQ(count, 0);
            continue;
        }
        const int x1 = plot->XAxis(0).PositionToPixels(c.ex1), y1 = plot->YAxis(0).PositionToPixels(c.ey1);
        const int x2 = plot->XAxis(0).PositionToPixels(c.ex2), y2 = plot->YAxis(0).PositionToPixels(c.ey2);
        EXPECT_EQ(picture.Canvas().Pixel(x1, y1), clFuchsia) << "first end";
        EXPECT_NE(picture.Canvas().Pixel(x2, y2), clFuchsia) << "the end pixel is not painted";
        EXPECT_EQ(count, std::max(std::abs(x2 - x1), std::abs(y2 - y1)));
    }
}

TEST(PlotChannelDrawing, NullPointsBreakTheTraceAndEmptyOnesAreSkipped)
{
    for (const bool null : {true, false}) {
        auto plot = qx::test::makeTransferPlot(300, 300);
        for (TiPlotAxis* axis : {&plot->XAxis(0), &plot->YAxis(0)})
            axis->SetMinSpan(-1, 4);
        TiXYPlotChannel& channel = plot->GetChannel(0);
        channel.SetColor(clFuchsia);
        channel.SetTraceLineWidth(1);
        channel.DeletePoints(channel.Count());
        channel.AddXY(0, 0);
        null ? channel.AddNull() : channel.AddEmpty();
        channel.AddXY(2, 2);
        TBitmap picture = plotPicture(*plot);
        const int x = plot->XAxis(0).PositionToPixels(1), y = plot->YAxis(0).PositionToPixels(1);
        EXPECT_EQ(picture.Canvas().Pixel(x, y) == clFuchsia, !null) << (null ? "null" : "empty");
    }
}

TEST(PlotChannelDrawing, TwelveMarkerShapesEachDrawAroundTheirPoint)
{
    for (int s = ipmsCircle; s < ipmsCharacter; ++s) {
        auto plot = qx::test::makeTransferPlot(200, 200);
        TiXYPlotChannel& marker = plot->GetChannel(1);
        marker.SetMarkersAllowIndividual(false);
        marker.SetMarkersStyle(static_cast<TiPlotMarkerStyle>(s));
        marker.SetMarkersPenWidth(1);
        marker.SetColor(clFuchsia);
        qx::test::replacePoints(marker, {{-40, -40}});
        TBitmap picture = plotPicture(*plot);
        const int px = plot->XAxis(0).PositionToPixels(-40), py = plot->YAxis(0).PositionToPixels(-40);
        int inside = 0, outside = 0;
        for (int x = px - 12; x <= px + 12; ++x)
            for (int y = py - 12; y <= py + 12; ++y)
                if (picture.Canvas().Pixel(x, y) == clFuchsia)
                    ++(std::abs(x - px) <= 6 && std::abs(y - py) <= 6 ? inside : outside);
        EXPECT_GT(inside, 3) << "shape " << s;
        EXPECT_EQ(outside, 0) << "shape " << s;
    }
}

TEST(PlotChannelDrawing, MarkersTurnOffAboveTheirLimit)
{
    for (const auto& [points, drawn] : {std::pair{11, true}, std::pair{12, false}}) {
        auto plot = qx::test::makeTransferPlot(300, 300);
        TiXYPlotChannel& channel = plot->GetChannel(1);
        channel.SetMarkersTurnOffLimit(10);
        channel.SetTraceVisible(false);
        channel.SetColor(clFuchsia);
        channel.DeletePoints(channel.Count());
        for (int i = 0; i < points; ++i)
            channel.AddXY(-90 + 5 * i, -50);
        TBitmap picture = plotPicture(*plot);
        const int x = plot->XAxis(0).PositionToPixels(-90), y = plot->YAxis(0).PositionToPixels(-50);
        EXPECT_EQ(picture.Canvas().Pixel(x, y) == clFuchsia, drawn) << points << " points";
    }
}

TEST_F(ChannelFixture, FitExtents)
{
    EXPECT_EQ(channel().GetFitXMax(), -1e300);
    EXPECT_EQ(channel().GetFitXMin(), 1e300);
    channel().AddXY(5, 5);
    EXPECT_EQ(channel().GetFitXMax(), 5);
    EXPECT_EQ(channel().GetFitYMin(), 5);
}

// ---- Data cursor readings ----

TEST(PlotChannelCursor, ReadingsOfTheSixStyles)
{
    auto plot = qx::test::makeTransferPlot();
    TiPlotDataCursor& cursor = plot->DataCursor(0);
    cursor.SetChannelName("Channel 1");
    cursor.SetPointer1Position(50);
    cursor.SetPointer2Position(60);
    plot->ReCalcLayout();
    struct Case
    {
        TiPlotDataCursorStyle style;
        double x, y;
    };
    for (const Case& c : {Case{ipcsValueXY, -40, -28}, Case{ipcsValueX, -40, 0}, Case{ipcsValueY, 0, -28},
                          Case{ipcsDeltaX, 12, 0}, Case{ipcsDeltaY, 0, 12}}) {
        cursor.SetStyle(c.style);
        cursor.UpdateCursorValues();
        EXPECT_NEAR(cursor.ValueX(), c.x, 1e-9) << c.style;
        EXPECT_NEAR(cursor.ValueY(), c.y, 1e-9) << c.style;
    }
    EXPECT_EQ(plot->GetChannel(0).DataCursorXText(), "");
    // The inverse of 12 is not on the -100..20 scale: its three significant digits come from
    // its own size, not from the span (which gives no decimals and would read "0").
    cursor.SetStyle(ipcsInverseDeltaX);
    cursor.UpdateCursorValues();
    EXPECT_NEAR(cursor.ValueX(), 1.0 / 12, 1e-9);
    EXPECT_EQ(cursor.CursorDisplayText(), "0.0833");
    EXPECT_EQ(plot->GetChannel(0).DataCursorXText(), "0.0833");
    plot->XAxis(0).SetLabelsPrecisionStyle(ipsFixedDecimalPoints);
    cursor.UpdateCursorValues();
    EXPECT_EQ(cursor.CursorDisplayText(), "0.083") << "fixed decimals stay fixed";
    plot->XAxis(0).SetLabelsPrecisionStyle(ipsSignificantDigits);
    cursor.SetPointer2Position(50);
    cursor.UpdateCursorValues();
    EXPECT_EQ(cursor.CursorDisplayText(), "Infinite");
}

// ---- Files ----

TEST_F(ChannelFixture, DataFilesWriteNullsAndSkipEmptyPoints)
{
    qx::test::TempDir dir;
    plot.SetDataFileColumnSeparator(ipdfcsComma);
    channel().AddXY(1, 2);
    channel().AddEmpty();
    channel().AddXY(3, 0);
    channel().SetDataNull(2, true);
    channel().AddXY(0.5, -1.25);
    const std::string path = at(dir, "data.txt");
    channel().SaveDataToFile(path);
    EXPECT_EQ(fileText(path), "1,2\r\n3,Null\r\n0.5,-1.25\r\n");
}

TEST_F(ChannelFixture, NumbersAreWrittenWithAPointWhateverTheLocale)
{
    qx::test::TempDir dir;
    const char* before = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = before ? before : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // where installed; the file must not change
    channel().AddXY(1.5, 2.25);
    const std::string path = at(dir, "data.txt");
    channel().SaveDataToFile(path);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(fileText(path), "1.5\t2.25\r\n");
}

TEST_F(ChannelFixture, LoadingReadsCommasNullsAndEmptyEntriesWithTheirFlags)
{
    qx::test::TempDir dir;
    const std::string path = at(dir, "data.txt");
    writeFile(path, "1,5\t2,5\r\n2\tNULL\r\n3\tempty\r\n\t7\r\n4\t8\r\n");
    channel().LoadDataFromFile(path, true);
    ASSERT_EQ(channel().Count(), 4);
    EXPECT_EQ(channel().DataX(0), 1.5);
    EXPECT_EQ(channel().DataY(0), 2.5);
    EXPECT_TRUE(channel().DataNull(1));
    EXPECT_TRUE(channel().DataEmpty(2));
    EXPECT_EQ(channel().RunningYMax(), 8) << "only the valid points count";
    EXPECT_EQ(channel().RunningXMin(), 1.5);
    writeFile(path, "1;2\r\n");
    channel().LoadDataFromFile(path, true);
    EXPECT_EQ(channel().Count(), 0) << "no separator, no point";
}

TEST_F(ChannelFixture, ALogFlushNeverReadsPastThePointsHeld)
{
    qx::test::TempDir dir;
    channel().SetRingBufferSize(2);
    channel().SetLogFileName(at(dir, "log.txt"));
    channel().SetLogBufferSize(5);
    channel().LogActivate(false);
    EXPECT_EQ(raisedText([&] { channel().LogActivate(false); }), "Logging Already Active");
    // Five points into a ring of two: the flush writes the two it still holds.
    for (int i = 0; i < 5; ++i)
        EXPECT_NO_THROW(channel().AddXY(i, i));
    EXPECT_EQ(fileText(at(dir, "log.txt")), "3\t3\r\n4\t4\r\n");
    for (int i = 5; i < 7; ++i)
        EXPECT_NO_THROW(channel().AddXY(i, i));
    channel().LogDeactivate();
    EXPECT_EQ(fileText(at(dir, "log.txt")), "3\t3\r\n4\t4\r\n5\t5\r\n6\t6\r\n");
    EXPECT_EQ(raisedText([&] { channel().LogDeactivate(); }), "Logging not Active");
}

TEST_F(ChannelFixture, ALogFailureStartsTheCountAgain)
{
    qx::test::TempDir dir;
    channel().SetLogFileName(at(dir, "log.txt"));
    channel().SetLogBufferSize(2);
    channel().LogActivate(false);
    std::remove(at(dir, "log.txt").c_str());
    channel().AddXY(1, 1);
    EXPECT_NE(raisedText([&] { channel().AddXY(2, 2); }), "(nothing raised)") << "the file is gone";
    writeFile(at(dir, "log.txt"), "");
    channel().AddXY(3, 3);
    EXPECT_NO_THROW(channel().AddXY(4, 4));
    EXPECT_EQ(fileText(at(dir, "log.txt")), "3\t3\r\n4\t4\r\n");
    EXPECT_EQ(raisedText([&] { channel().SetLogFileName("other.txt"); }),
              "Log File Name can not be changed while logging is active.");
}

TEST_F(ChannelFixture, PropertyFilesWriteNumbersWithAPointAndReadCommas)
{
    qx::test::TempDir dir;
    channel().SetTraceLineWidth(3);
    channel().SetMarkersStyle(ipmsDiamond);
    channel().SetTitleText("two\nlines");
    channel().SavePropertiesToFile(at(dir, "channel.txt"));
    const std::string text = fileText(at(dir, "channel.txt"));
    EXPECT_EQ(text.rfind("File Type = Plot Channel Config\r\n", 0), 0u);
    EXPECT_NE(text.find("Channel.TraceLineWidth = 3\r\n"), std::string::npos);
    EXPECT_NE(text.find("Channel.TitleText = two#10lines\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Channel.Name"), std::string::npos);
    writeFile(at(dir, "comma.txt"), "FILE TYPE = plot channel config\r\nChannel.TraceLineWidth = 4\r\n"
                                    "Channel.MarkersStyle = 3\r\nChannel.TitleText = two#10lines\r\n"
                                    "Channel.OPCScalar = 1,5\r\n");
    plot.AddChannel();
    TiXYPlotChannel& other = plot.GetChannel(1);
    other.LoadPropertiesFromFile(at(dir, "comma.txt"));
    EXPECT_EQ(other.TraceLineWidth(), 4);
    EXPECT_EQ(other.MarkersStyle(), ipmsCross);
    EXPECT_EQ(other.TitleText(), "two\nlines");
    EXPECT_EQ(other.OPCScalar(), 1.5);
    writeFile(at(dir, "other.txt"), "File Type = Plot Config\r\n");
    EXPECT_EQ(raisedText([&] { other.LoadPropertiesFromFile(at(dir, "other.txt")); }),
              "Error Loading Properties - Incompatible Plot Channel Configuration File Type");
}

// Both channel kinds keep their OPC settings in two items and write them in their own
// stream order; a file read back gives every value to the same item again.
template <class Plot>
void checkOPCSettingsRoundTrip(const std::vector<std::string>& StreamOrder)
{
    qx::test::TempDir dir;
    Plot source(nullptr);
    auto& channel = source.GetChannel(0);
    channel.SetOPCComputerName("Host");
    channel.SetOPCServerName("Server");
    channel.SetOPCItemName("First");
    channel.SetOPCItem2Name("Second");
    channel.SetOPCUpdateRate(250);
    channel.SetOPCScalar(2);
    channel.SetOPCOffset(3);
    channel.SetOPCScalar2(4);
    channel.SetOPCOffset2(5);
    channel.SetOPCAutoConnect(false);
    channel.SavePropertiesToFile(at(dir, "channel.txt"));

    std::vector<std::string> written;
    std::istringstream lines(fileText(at(dir, "channel.txt")));
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("Channel.OPC", 0) == 0)
            written.push_back(line.substr(8, line.find(' ') - 8));
    EXPECT_EQ(written, StreamOrder);

    Plot target(nullptr);
    auto& read = target.GetChannel(0);
    read.LoadPropertiesFromFile(at(dir, "channel.txt"));
    EXPECT_EQ(read.OPCComputerName(), "Host");
    EXPECT_EQ(read.OPCServerName(), "Server");
    EXPECT_EQ(read.OPCItemName(), "First");
    EXPECT_EQ(read.OPCItem2Name(), "Second");
    EXPECT_EQ(read.OPCUpdateRate(), 250);
    EXPECT_EQ(read.OPCScalar(), 2);
    EXPECT_EQ(read.OPCOffset(), 3);
    EXPECT_EQ(read.OPCScalar2(), 4);
    EXPECT_EQ(read.OPCOffset2(), 5);
    EXPECT_FALSE(read.OPCAutoConnect());
    EXPECT_FALSE(read.OPCActive());
}

TEST(PlotChannelOPC, TheXYChannelWritesItsSettingsInItsStreamOrder)
{
    checkOPCSettingsRoundTrip<TiXYPlot>({"OPCComputerName", "OPCServerName", "OPCItemName", "OPCUpdateRate",
                                         "OPCScalar", "OPCOffset", "OPCScalar2", "OPCOffset2", "OPCAutoConnect",
                                         "OPCItem2Name"});
}

TEST(PlotChannelOPC, TheYTChannelWritesItsSettingsInItsStreamOrder)
{
    checkOPCSettingsRoundTrip<TiPlot>({"OPCGroupName", "OPCComputerName", "OPCServerName", "OPCItemName",
                                       "OPCItem2Name", "OPCUpdateRate", "OPCScalar", "OPCOffset", "OPCScalar2",
                                       "OPCOffset2", "OPCAutoConnect", "OPCXValueSource"});
}

} // namespace
