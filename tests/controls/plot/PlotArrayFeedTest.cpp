// The data feeds of a plot: a channel's AddXYArrays and AddXYArray, the plot's
// AddDataArray with its null and empty markers (arrays of the wrong shape, or addressing
// channels the plot lacks, add nothing), image lists fed from the program's pictures, and an
// X-Y channel fed by its OPC items.

#include "FakeOPCLibrary.h"
#include "PlotControlSupport.h"

#include "controls/plot/plot/iPlot.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/PictureResources.h"
#include "platform/image/PngCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Array = TiVariantArray;

std::vector<TiVariant> values(std::initializer_list<double> list)
{
    std::vector<TiVariant> result;
    for (const double v : list)
        result.emplace_back(v);
    return result;
}

std::string points(TiPlotChannelCustom& channel)
{
    std::string text;
    for (int i = 0; i < channel.Count(); ++i) {
        if (!text.empty())
            text += ' ';
        text.append(TiVariant(channel.DataX(i)).AsText()).append(1, ':');
        text += channel.DataNull(i) ? "null" : channel.DataEmpty(i) ? "empty" : TiVariant(channel.DataY(i)).AsText();
    }
    return text;
}

TEST(PlotArrayFeed, TwoRowsOfEqualBoundsArePairedIntoPoints)
{
    TiXYPlot plot(nullptr);
    TiXYPlotChannel& channel = plot.GetChannel(0);
    channel.AddXYArrays(Array::OneDimension(1, values({1, 2, 3})), Array::OneDimension(1, values({10, 20, 30})));
    EXPECT_EQ(points(channel), "1:10 2:20 3:30");
    channel.AddXYArray(Array({{0, 1}, {5, 6}}, values({4, 5, 40, 50})));
    EXPECT_EQ(points(channel), "1:10 2:20 3:30 4:40 5:50");
}

TEST(PlotArrayFeed, ArraysOfTheWrongShapeAddNothing)
{
    TiXYPlot plot(nullptr);
    TiXYPlotChannel& channel = plot.GetChannel(0);
    const Array two({{0, 1}, {0, 0}}, values({1, 2}));
    const Array three({{0, 1}, {0, 1}, {0, 0}}, values({1, 2, 3, 4}));
    struct Case
    {
        std::function<void()> feed;
        const char* message;
    };
    const std::vector<Case> cases = {
        {[&] { channel.AddXYArrays(two, Array::OneDimension(0, values({1}))); }, "X-Data array must be 1 dimensional"},
        {[&] { channel.AddXYArrays(Array::OneDimension(0, values({1})), two); }, "Y-Data array must be 1 dimensional"},
        {[&] { channel.AddXYArrays(Array::OneDimension(0, values({1, 2, 3})), Array::OneDimension(1, values({1, 2, 3}))); },
         "X-Data and Y-Data low bound dimension must match"},
        {[&] { channel.AddXYArrays(Array::OneDimension(0, values({1, 2})), Array::OneDimension(0, values({1, 2, 3}))); },
         "X-Data and Y-Data hogh bound dimension must match"},
        {[&] { channel.AddXYArrays(Array::OneDimension(0, {TiVariant(1.0), TiVariant("x")}),
                                   Array::OneDimension(0, values({1, 2}))); },
         nullptr},
        {[&] { channel.AddXYArray(Array::OneDimension(0, values({1, 2}))); }, "Array Must Be 2 Dimensional"},
        {[&] { channel.AddXYArray(three); }, "Array Must Be 2 Dimensional"},
        {[&] { channel.AddXYArray(Array({{0, 2}, {0, 0}}, values({1, 2, 3}))); },
         "Array First Dimension Must Be 2 Elements"},
        {[&] { plot.AddDataArray(1, three); }, "Data Array must be 1 or 2 Dimensions"},
        {[&] { plot.AddDataArray(1, Array::OneDimension(0, values({1, 2}))); },
         "Data Array has more elements than the plot has channels"},
        {[&] { plot.AddDataArray(1, Array({{0, 1}, {0, 0}}, values({1, 2}))); },
         "Data Array has more elements than the plot has channels"},
        {[&] { plot.AddDataArray(1, Array({{-1, 0}, {0, 0}}, values({1, 2}))); },
         "Data Array has more elements than the plot has channels"},
    };
    for (const Case& c : cases) {
        try {
            c.feed();
            ADD_FAILURE() << (c.message ? c.message : "a text element") << ": accepted";
        } catch (const EiPlotError& error) {
            if (c.message) {
                EXPECT_STREQ(error.what(), c.message);
            }
        } catch (const std::exception&) {
            EXPECT_EQ(c.message, nullptr) << "only a text element fails in its conversion";
        }
        EXPECT_EQ(channel.Count(), 0) << (c.message ? c.message : "a text element");
    }
}

TEST(PlotArrayFeed, AOneDimensionalArrayGivesEachChannelOneValueWithItsMarkers)
{
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    plot.AddChannel();
    plot.AddDataArray(1.5, Array::OneDimension(3, values({5e-301, 5e-302, 1e-300})));
    EXPECT_EQ(points(plot.GetChannel(0)), "0:null");
    EXPECT_EQ(points(plot.GetChannel(1)), "0:empty");
    EXPECT_EQ(points(plot.GetChannel(2)), "1.5:1E-300");

    TiPlot yt(nullptr); // a Y-T channel's markers keep the array's X
    yt.AddChannel();
    yt.AddDataArray(2.5, Array::OneDimension(0, values({5e-301, 5e-302})));
    EXPECT_EQ(points(yt.Channel(0)), "2.5:null");
    EXPECT_EQ(points(yt.Channel(1)), "2.5:empty");
}

TEST(PlotArrayFeed, ATwoDimensionalArrayAdvancesEachChannelsX)
{
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    plot.GetChannel(1).AddXY(10, 0);
    // Channels 0 and 1, three samples each: [channel, sample].
    plot.AddDataArray(2, Array({{0, 1}, {0, 2}}, values({1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(points(plot.GetChannel(0)), "0:1 2:2 4:3");
    EXPECT_EQ(points(plot.GetChannel(1)), "10:0 12:4 14:5 16:6");
}

} // namespace

namespace {

TEST(PlotImageLists, PicturesCompiledIntoTheProgramAreFoundByNameOrNumber)
{
    TBitmap picture(16, 16);
    picture.Canvas().Brush().Color = clRed;
    picture.Canvas().FillRect({0, 0, 16, 16});
    const qx::Bytes png = qx::encodePng(picture.ToImage(), 6).bytes;
    qx::setPictureResolver([&](const std::string& name) { return name == "ARROW" || name == "#7" ? png : qx::Bytes{}; });
    TiXYPlot plot(nullptr);
    plot.ImageListLoadFromResourceName(1, 0, "ARROW");
    plot.ImageListLoadFromResourceID(1, 0, 7);
    EXPECT_EQ(plot.PlotImageList(1)->Count(), 2);
    EXPECT_EQ(plot.PlotImageList(1)->Width(), 16);
    struct Case
    {
        std::function<void()> load;
        const char* message;
    };
    const std::vector<Case> cases = {
        {[&] { plot.ImageListLoadFromResourceName(0, 0, "NONE"); }, "Resource NONE not found"},
        {[&] { plot.ImageListLoadFromResourceID(2, 0, 8); }, "Resource #8 not found"},
        {[&] { plot.ImageListLoadFromResourceName(3, 0, "ARROW"); }, "ImageList Index must be 0-2"},
    };
    for (const Case& c : cases) {
        try {
            c.load();
            ADD_FAILURE() << c.message << ": loaded";
        } catch (const EiPlotError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
    EXPECT_EQ(plot.PlotImageList(0)->Count(), 0);
    qx::setPictureResolver(nullptr);
}

} // namespace

namespace {

TEST(PlotOPCFeed, EachXYChannelFeedsItsPointsThroughAGroupOfItsOwn)
{
    FakeOPCLibrary library;
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    for (int c = 0; c < 2; ++c) {
        TiXYPlotChannel& channel = plot.GetChannel(c);
        channel.SetOPCServerName("Fake.Server");
        channel.SetOPCItemName("Curve.X");
        channel.SetOPCItem2Name("Curve.Y");
        channel.SetOPCUpdateRate(250);
        channel.OPCActivate();
    }
    ASSERT_EQ(library.groups.size(), 2u);
    const auto first = library.groups.begin();
    const auto second = std::next(first);
    EXPECT_NE(first->second.name, second->second.name);
    EXPECT_EQ(first->second.server, "Fake.Server");
    EXPECT_EQ(first->second.rate, 250);
    int x = 0, y = 0;
    for (const auto& [handle, signal] : library.signalTable) {
        EXPECT_TRUE(signal.group == first->second.name || signal.group == second->second.name);
        if (signal.item == "Curve.X" && signal.group == first->second.name)
            x = handle;
        if (signal.item == "Curve.Y" && signal.group == first->second.name)
            y = handle;
    }
    ASSERT_NE(x, 0);
    ASSERT_NE(y, 0);
    library.Deliver(x, TiVariant(3.0), 0xC0);
    library.Deliver(y, TiVariant(4.0), 0xC0);
    library.UpdateGroup(first->first, *first->second.sink);
    EXPECT_EQ(points(plot.GetChannel(0)), "3:4");
    EXPECT_EQ(plot.GetChannel(1).Count(), 0);
    plot.GetChannel(0).OPCActivate(); // again: the old group goes, a new one comes
    EXPECT_EQ(library.groups.size(), 2u);
}

} // namespace
