// The plot's files: data files in text and compact-interval form, logs across sessions, the
// property, annotation and translation files, and hostile files refused with the plot as it
// was.

#include "PlotControlSupport.h"
#include "RaisedText.h"
#include "TempDir.h"

#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/objects/iPlotAnnotation.h"
#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/plot/iPlot.h"

#include "platform/gui/Form.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/PropertyRegistry.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using qx::test::raisedText;

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string floats(std::initializer_list<float> values)
{
    std::string bytes;
    for (const float v : values) {
        const auto bits = std::bit_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
    return bytes;
}

struct Point
{
    double x, y;
    bool null = false, empty = false;
    bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Point& p)
{
    return out << "(" << p.x << ", " << p.y << (p.null ? " null" : "") << (p.empty ? " empty" : "") << ")";
}

std::vector<Point> points(const TiPlotChannelCustom& channel)
{
    std::vector<Point> result;
    for (int i = 0; i < channel.Count(); ++i)
        result.push_back({channel.DataX(i), channel.DataY(i), channel.DataNull(i), channel.DataEmpty(i)});
    return result;
}

/// One value a channel at X, as a plot's one-dimensional data array.
void feed(TiPlotComponent& plot, double x, const std::vector<double>& values) { plot.AddDataArray(x, values); }

/// Rows[i - FirstChannel][j], sample j of channel i, as a two-dimensional data array.
void feedSamples(TiPlotComponent& plot, double x, const std::vector<std::vector<double>>& rows, int firstChannel)
{
    plot.AddDataArray(x, rows, firstChannel);
}

struct PlotFileTest : ::testing::Test
{
    std::string path(const char* name) const { return (dir / name).string(); }

    /// A plot with Count channels named A, B, ...
    static std::unique_ptr<TiXYPlot> makePlot(int Count)
    {
        auto plot = std::make_unique<TiXYPlot>(nullptr);
        while (plot->ChannelCount() < Count)
            plot->AddChannel();
        for (int i = 0; i < Count; ++i)
            plot->Channel(i).SetTitleText(std::string(1, static_cast<char>('A' + i)));
        return plot;
    }

    qx::test::TempDir dir;
};

// ---- Data files ----

TEST_F(PlotFileTest, ATextDataFileHoldsEveryChannelAndReadsBack)
{
    auto plot = makePlot(2);
    for (int i = 0; i < 3; ++i)
        plot->Channel(0).AddXY(i, i * 1.5);
    for (int i = 0; i < 5; ++i)
        plot->Channel(1).AddXY(i * 0.25, -i);
    plot->Channel(1).SetDataNull(1, true);
    plot->Channel(1).SetDataEmpty(2, true);
    int saved = 0;
    plot->OnAfterSaveData = [&](TObject*) { ++saved; };
    plot->SaveDataToFile(path("data.txt"));
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(plot->LastDataFileName(), path("data.txt"));
    EXPECT_EQ(fileText(path("data.txt")), "A(X)\tA(Y)\tB(X)\tB(Y)\r\n"
                                          "0\t0\t0\t0\r\n"
                                          "1\t1.5\t0.25\tNull\r\n"
                                          "2\t3\t0.5\tEmpty\r\n"
                                          "\t\t0.75\t-3\r\n"
                                          "\t\t1\t-4\r\n");
    auto target = makePlot(2);
    target->Channel(1).AddXY(-1, -1);
    int loaded = 0;
    target->OnAfterLoadData = [&](TObject*) { ++loaded; };
    target->LoadDataFromFile(path("data.txt"));
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(points(target->Channel(0)), points(plot->Channel(0)));
    std::vector<Point> expected{{-1, -1}};
    for (const Point& p : points(plot->Channel(1)))
        expected.push_back(p.null || p.empty ? Point{p.x, 0, p.null, p.empty} : p);
    EXPECT_EQ(points(target->Channel(1)), expected) << "appended after the point held";
}

TEST_F(PlotFileTest, ACommaSeparatedFileAndExtraColumnsAreRead)
{
    auto plot = makePlot(1);
    plot->SetDataFileColumnSeparator(ipdfcsComma);
    plot->Channel(0).AddXY(1, 2);
    plot->SaveDataToFile(path("data.csv"));
    EXPECT_EQ(fileText(path("data.csv")), "A(X),A(Y)\r\n1,2\r\n");
    // Two channels in the file, one in the plot: the second pair is left.
    writeFile(path("two.csv"), "A(X),A(Y),B(X),B(Y)\r\n1,2,3,4\r\n,5,6,7\r\n8, ,9,10\r\n");
    auto target = makePlot(1);
    target->LoadDataFromFile(path("two.csv"));
    EXPECT_EQ(points(target->Channel(0)), (std::vector<Point>{{1, 2}})) << "an empty X or Y adds no point";
}

TEST_F(PlotFileTest, ACompactIntervalFileHoldsFloatsAndGoesOnAtItsInterval)
{
    auto plot = makePlot(1);
    plot->SetDataFileFormat(ipdffCompactInterval);
    plot->Channel(0).AddXY(0, 1);
    plot->Channel(0).AddXY(0.5, 2);
    plot->Channel(0).AddXY(1, 3);
    plot->SaveDataToFile(path("data.bin"));
    EXPECT_EQ(fileText(path("data.bin")), "Compact Interval\r\n1\r\n" + floats({0, 1, 0.5f, 2, 3, 2e38f}));
    auto target = makePlot(1);
    target->LoadDataFromFile(path("data.bin"));
    EXPECT_EQ(points(target->Channel(0)), (std::vector<Point>{{0, 1}, {0.5, 2}, {1, 3}}));
}

TEST_F(PlotFileTest, ACompactIntervalFileMarksMissingPointsAndSkipsThemOnReading)
{
    auto plot = makePlot(2);
    plot->SetDataFileFormat(ipdffCompactInterval);
    for (int i = 0; i < 3; ++i)
        plot->Channel(0).AddXY(i, i);
    plot->Channel(1).AddXY(5, 6);
    plot->SaveDataToFile(path("data.bin"));
    EXPECT_EQ(fileText(path("data.bin")),
              "Compact Interval\r\n2\r\n" + floats({0, 0, 5, 6, 1, 1, 1e38f, 1e38f, 2, 1e38f, 2e38f}));
    auto target = makePlot(3);
    target->LoadDataFromFile(path("data.bin"));
    EXPECT_EQ(points(target->Channel(0)), (std::vector<Point>{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_EQ(points(target->Channel(1)), (std::vector<Point>{{5, 6}}));
    EXPECT_EQ(target->Channel(2).Count(), 0);
}

TEST_F(PlotFileTest, ValuesACompactIntervalFileCannotHoldAreRefusedBeforeTheFileChanges)
{
    for (const double bad : {1e39, -1e39, 2e38, 1e38, 9.5e37}) {
        auto plot = makePlot(1);
        plot->SetDataFileFormat(ipdffCompactInterval);
        writeFile(path("data.bin"), "earlier");
        plot->Channel(0).AddXY(0, 1);
        plot->Channel(0).AddXY(1, bad);
        EXPECT_EQ(raisedText([&] { plot->SaveDataToFile(path("data.bin")); }),
                  "Error Saving Data - Value out of Range for the Compact Interval Format")
            << bad;
        EXPECT_EQ(fileText(path("data.bin")), "earlier") << bad;
        EXPECT_EQ(plot->LastDataFileName(), "");
    }
    auto plot = makePlot(1);
    plot->SetDataFileFormat(ipdffCompactInterval);
    plot->Channel(0).AddXY(-3e38, 8e37);
    EXPECT_NO_THROW(plot->SaveDataToFile(path("edge.bin")));
    auto target = makePlot(1);
    target->LoadDataFromFile(path("edge.bin"));
    EXPECT_EQ(points(target->Channel(0)), (std::vector<Point>{{double(-3e38f), double(8e37f)}}));
}

TEST_F(PlotFileTest, HostileDataFilesAreRefusedAndAddNothing)
{
    const std::string header = "Compact Interval\r\n2\r\n";
    const struct
    {
        const char* what;
        std::string bytes;
        std::string error;
    } cases[] = {
        {"a float cut short", header + floats({0, 1, 0, 1}) + "\x01\x02", "Invalid Data"},
        {"a row cut short", header + floats({0, 1, 0, 1, 2, 3}), "Invalid Data"},
        {"no channel count line", "Compact Interval\r\n2", "Invalid Data"},
        {"a count that is no number", "Compact Interval\r\ntwo\r\n" + floats({0, 1}),
         "'two' is not a valid integer value"},
        {"no channel", "Compact Interval\r\n0\r\n" + floats({0, 1}), "Invalid Data"},
        {"a negative count", "Compact Interval\r\n-4\r\n" + floats({0, 1}), "Invalid Data"},
        {"a huge count", "Compact Interval\r\n2000000000\r\n" + floats({0, 1, 2, 3}), "Invalid Data"},
        {"a count beyond integers", "Compact Interval\r\n99999999999\r\n",
         "'99999999999' is not a valid integer value"},
        {"garbage text", "A(X)\tA(Y)\r\n1\t2\r\n3\tabc\r\n", "'abc' is not a valid floating point value"},
        {"a garbage X", "A(X)\tA(Y)\r\n1\t2\r\nx1\t3\r\n", "'x1' is not a valid floating point value"},
        {"binary garbage", std::string("\x7f\x45\x4c\x46\x02\x01\t\x00\x00\r\nq\x05\t\x06w", 16),
         "is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        auto plot = makePlot(2);
        plot->Channel(0).AddXY(7, 7);
        writeFile(path("bad.dat"), c.bytes);
        bool raised = false;
        plot->OnAfterLoadData = [&](TObject*) { raised = true; };
        const std::string text = raisedText([&] { plot->LoadDataFromFile(path("bad.dat")); });
        EXPECT_EQ(text.rfind("Error Loading Data - ", 0), 0u) << c.what << ": " << text;
        EXPECT_NE(text.find(c.error), std::string::npos) << c.what << ": " << text;
        EXPECT_EQ(points(plot->Channel(0)), (std::vector<Point>{{7, 7}})) << c.what;
        EXPECT_EQ(plot->Channel(1).Count(), 0) << c.what;
        EXPECT_FALSE(raised) << c.what;
        EXPECT_EQ(plot->LastDataFileName(), "") << c.what;
    }
    auto plot = makePlot(1);
    EXPECT_EQ(raisedText([&] { plot->LoadDataFromFile(path("missing.dat")); }),
              "Error Loading Data - Cannot open file \"" + path("missing.dat") + "\"");
}

TEST_F(PlotFileTest, ATextFileIsALogOnlyWhenItsXColumnIsTheOnlyOne)
{
    auto plot = makePlot(2);
    // A log: one shared X column.
    writeFile(path("log.txt"), "(X)\tA(Y)\tB(Y)\r\n1\t10\t20\r\n2\tNull\t\r\n\t5\t6\r\n");
    plot->LoadDataFromFile(path("log.txt"));
    EXPECT_EQ(points(plot->Channel(0)), (std::vector<Point>{{1, 10}, {2, 0, true}}));
    EXPECT_EQ(points(plot->Channel(1)), (std::vector<Point>{{1, 20}}));
    // Untitled channels of a data file: their headers start "(X)" too, and are pairs.
    auto data = makePlot(2);
    writeFile(path("data.txt"), "(X)\t(Y)\t(X)\t(Y)\r\n1\t10\t2\t20\r\n");
    data->LoadDataFromFile(path("data.txt"));
    EXPECT_EQ(points(data->Channel(0)), (std::vector<Point>{{1, 10}}));
    EXPECT_EQ(points(data->Channel(1)), (std::vector<Point>{{2, 20}}));
}

// ---- Logging ----

TEST_F(PlotFileTest, LogRefusalsAndTheFileAtActivation)
{
    auto plot = makePlot(1);
    EXPECT_EQ(raisedText([&] { plot->LogActivate(false); }), "Log File Name not Defined");
    plot->SetLogFileName("  ");
    EXPECT_EQ(raisedText([&] { plot->LogActivate(false); }), "Log File Name not Defined");
    EXPECT_EQ(raisedText([&] { plot->LogDeactivate(); }), "Logging not Active");
    plot->SetLogFileName(path("missing.txt"));
    EXPECT_NE(raisedText([&] { plot->LogActivate(true); }), "(nothing raised)");
    EXPECT_FALSE(plot->LoggingActive());
    EXPECT_FALSE(std::filesystem::exists(path("missing.txt")));
    writeFile(path("log.txt"), "old rows\r\n");
    plot->SetLogFileName(path("log.txt"));
    plot->LogActivate(false);
    EXPECT_EQ(fileText(path("log.txt")), "(X)\tA(Y)\r\n") << "emptied, with the header";
    EXPECT_EQ(raisedText([&] { plot->LogActivate(false); }), "Logging Already Active");
    EXPECT_EQ(raisedText([&] { plot->SetLogFileName("other.txt"); }),
              "Log File Name can not be changed while logging is active.");
    EXPECT_EQ(raisedText([&] { plot->SetDataFileFormat(ipdffText); }),
              "Data File Format can not be changed while logging active");
    plot->LogDeactivate();
    EXPECT_EQ(raisedText([&] { plot->LogDeactivate(); }), "Logging not Active");
}

TEST_F(PlotFileTest, ATextLogGrowsAcrossSessionsAndReadsBack)
{
    for (const bool secondSession : {false, true}) {
        auto plot = makePlot(2);
        plot->SetLogFileName(path("log.txt"));
        plot->SetLogBufferSize(3);
        plot->LogActivate(secondSession);
        const std::size_t before = fileText(path("log.txt")).size();
        const double base = secondSession ? 10 : 0;
        feed(*plot, base + 1, {1.5, 2.5});
        feed(*plot, base + 2, {3, 5e-301});
        EXPECT_EQ(fileText(path("log.txt")).size(), before) << "held back below the buffer size";
        feed(*plot, base + 3, {4, 5e-302});
        feed(*plot, base + 4, {-1, 0.125});
        plot->LogDeactivate();
    }
    EXPECT_EQ(fileText(path("log.txt")), "(X)\tA(Y)\tB(Y)\r\n"
                                         "1\t1.5\t2.5\r\n2\t3\tNull\r\n3\t4\tEmpty\r\n4\t-1\t0.125\r\n"
                                         "11\t1.5\t2.5\r\n12\t3\tNull\r\n13\t4\tEmpty\r\n14\t-1\t0.125\r\n");
    auto target = makePlot(2);
    target->LoadDataFromFile(path("log.txt"));
    ASSERT_EQ(target->Channel(0).Count(), 8);
    EXPECT_EQ(points(target->Channel(1))[5], (Point{12, 0, true}));
    EXPECT_EQ(points(target->Channel(1))[6], (Point{13, 0, false, true}));
    EXPECT_EQ(points(target->Channel(1))[7], (Point{14, 0.125}));
}

TEST_F(PlotFileTest, ACompactLogAppendedLaterStaysInStep)
{
    // Three sessions: X goes into the file's first two rows only, whoever writes them.
    const int rowsPerSession[] = {1, 2, 3};
    double x = 0;
    for (int session = 0; session < 3; ++session) {
        auto plot = makePlot(2);
        plot->SetDataFileFormat(ipdffCompactInterval);
        plot->SetLogFileName(path("log.bin"));
        plot->LogActivate(session > 0);
        for (int r = 0; r < rowsPerSession[session]; ++r, x += 0.5)
            feed(*plot, x, {x * 2, x * 4});
        plot->LogDeactivate();
    }
    EXPECT_EQ(fileText(path("log.bin")),
              "Compact Interval\r\n2\r\n" + floats({0, 0, 0, 0, 0.5f, 1, 0.5f, 2, 2, 4, 3, 6, 4, 8, 5, 10}));
    auto target = makePlot(2);
    target->LoadDataFromFile(path("log.bin"));
    ASSERT_EQ(target->Channel(0).Count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(points(target->Channel(0))[i], (Point{i * 0.5, i * 1.0})) << i;
        EXPECT_EQ(points(target->Channel(1))[i], (Point{i * 0.5, i * 2.0})) << i;
    }
}

TEST_F(PlotFileTest, AppendingToACompactLogOfOtherChannelsIsRefused)
{
    auto plot = makePlot(2);
    plot->SetDataFileFormat(ipdffCompactInterval);
    plot->SetLogFileName(path("log.bin"));
    writeFile(path("log.bin"), "Compact Interval\r\n3\r\n");
    EXPECT_EQ(raisedText([&] { plot->LogActivate(true); }), "Log File does not hold the Plot's Channels");
    writeFile(path("log.bin"), "(X)\tA(Y)\r\n");
    EXPECT_EQ(raisedText([&] { plot->LogActivate(true); }), "Log File does not hold the Plot's Channels");
    EXPECT_FALSE(plot->LoggingActive());
    EXPECT_EQ(fileText(path("log.bin")), "(X)\tA(Y)\r\n");
    writeFile(path("log.bin"), "");
    plot->LogActivate(true);
    EXPECT_EQ(fileText(path("log.bin")), "Compact Interval\r\n2\r\n") << "an empty file gets the header";
    plot->LogDeactivate();
}

TEST_F(PlotFileTest, ARowOfAChannelWithoutThePointGetsTheMissingValue)
{
    for (const auto format : {ipdffText, ipdffCompactInterval}) {
        auto plot = makePlot(2);
        plot->SetDataFileFormat(format);
        plot->SetLogFileName(path("log.dat"));
        plot->SetLogBufferSize(10);
        plot->LogActivate(false);
        feed(*plot, 1, {1, 2});
        feed(*plot, 2, {3}); // channel 1 gets no point for this row
        plot->LogDeactivate();
        const std::string expected =
            format == ipdffText ? "(X)\tA(Y)\tB(Y)\r\n1\t1\t2\r\n2\t3\t\r\n"
                                : "Compact Interval\r\n2\r\n" + floats({1, 1, 1, 2, 2, 3, 1e38f, 1e38f});
        EXPECT_EQ(fileText(path("log.dat")), expected) << format;
    }
}

TEST_F(PlotFileTest, LogBufferSizeZeroWritesEveryRowAtOnceAndClearingWritesTheRest)
{
    auto plot = makePlot(1);
    plot->SetLogFileName(path("log.txt"));
    plot->LogActivate(false);
    feed(*plot, 1, {2});
    EXPECT_EQ(fileText(path("log.txt")), "(X)\tA(Y)\r\n1\t2\r\n");
    plot->LogDeactivate();
    plot->SetLogBufferSize(5);
    plot->LogActivate(true);
    feed(*plot, 2, {3});
    plot->ClearAllData();
    EXPECT_FALSE(plot->LoggingActive());
    EXPECT_EQ(fileText(path("log.txt")), "(X)\tA(Y)\r\n1\t2\r\n2\t3\r\n");
}

TEST_F(PlotFileTest, DataArraysFeedTheChannelsOrAddNothing)
{
    auto plot = makePlot(2);
    feed(*plot, 1.5, {5e-301, 5e-302});
    feed(*plot, 2, {1e-300, 4});
    EXPECT_EQ(points(plot->Channel(0)), (std::vector<Point>{{0, 0, true}, {2, 1e-300}}));
    EXPECT_EQ(points(plot->Channel(1)), (std::vector<Point>{{0, 0, false, true}, {2, 4}}));
    EXPECT_EQ(raisedText([&] { feed(*plot, 3, {1, 2, 3}); }), "List index out of bounds (2)");
    EXPECT_EQ(plot->Channel(0).Count(), 2) << "nothing added";
    // Two dimensions: first index the channel (not offset), second the sample.
    auto three = makePlot(3);
    three->Channel(1).AddXY(10, 0);
    feedSamples(*three, 0.5, {{1, 2}, {3, 4}}, 1);
    EXPECT_EQ(three->Channel(0).Count(), 0);
    EXPECT_EQ(points(three->Channel(1)), (std::vector<Point>{{10, 0}, {10.5, 1}, {11, 2}}));
    EXPECT_EQ(points(three->Channel(2)), (std::vector<Point>{{0, 3}, {0.5, 4}}));
    EXPECT_EQ(raisedText([&] { feedSamples(*three, 1, {{1}, {2}}, 2); }), "List index out of bounds (3)");
    EXPECT_EQ(raisedText([&] {
                  feedSamples(*three, 1, {{1}, {2, 3}}, 0);
              }),
              "Data Array must be 1 or 2 Dimensions");
    EXPECT_EQ(three->Channel(2).Count(), 2) << "nothing added";
}

TEST_F(PlotFileTest, FileNamesLongerThan260CharactersAreUsedWhole)
{
    std::filesystem::path folder = dir.path();
    for (int i = 0; i < 4; ++i)
        folder /= std::string(80, static_cast<char>('a' + i));
    std::filesystem::create_directories(folder);
    const std::string stem = (folder / "plot").string();
    ASSERT_GT(stem.size(), 300u);
    auto plot = makePlot(1);
    plot->Channel(0).AddXY(1, 2);
    plot->SaveDataToFile(stem + ".dat");
    plot->SavePropertiesToFile(stem + ".txt");
    plot->SetLogFileName(stem + ".log");
    plot->LogActivate(false);
    feed(*plot, 2, {3});
    plot->LogDeactivate();
    EXPECT_EQ(plot->LastDataFileName(), stem + ".dat");
    EXPECT_EQ(plot->LastPropertiesFileName(), stem + ".txt");
    auto target = makePlot(1);
    target->LoadPropertiesFromFile(stem + ".txt");
    target->LoadDataFromFile(stem + ".dat");
    target->LoadDataFromFile(stem + ".log");
    EXPECT_EQ(points(target->Channel(0)), (std::vector<Point>{{1, 2}, {2, 3}}));
}

TEST_F(PlotFileTest, ABadChannelFileLeavesTheChannelAsItWas)
{
    auto plot = makePlot(1);
    TiPlotChannelCustom& channel = plot->Channel(0);
    channel.AddXY(1, 1);
    channel.SetTraceLineWidth(2);
    writeFile(path("data.txt"), "2\t2\r\n3\tthree\r\n");
    EXPECT_EQ(raisedText([&] { channel.LoadDataFromFile(path("data.txt"), true); }),
              "'three' is not a valid floating point value");
    EXPECT_EQ(points(channel), (std::vector<Point>{{1, 1}})) << "not cleared, nothing added";
    writeFile(path("channel.txt"), "File Type = Plot Channel Config\r\nChannel.TraceLineWidth = 5\r\n"
                                   "Channel.TitleText = New\r\nChannel.MarkersSize = big\r\n");
    EXPECT_EQ(raisedText([&] { channel.LoadPropertiesFromFile(path("channel.txt")); }),
              "Error Loading Properties - 'big' is not a valid integer value");
    EXPECT_EQ(channel.TraceLineWidth(), 2);
    EXPECT_EQ(channel.TitleText(), "A");
    EXPECT_EQ(points(channel), (std::vector<Point>{{1, 1}}));
}

// ---- Form streams ----

TEST(PlotFormStream, StoredCollectionsReplaceTheConstructorsObjects)
{
    constexpr const char* layout = R"(object fmPlot: TForm
  object ipPlot: TiXYPlot
    Width = 300
    Height = 200
    TitleText = "From the property"
    ToolBarManager = <
      item
        Name = "Toolbar 1"
        ZOrder = 2
        Horizontal = True
      end
    >
    LabelManager = <
      item
        Name = "Title"
        Caption = "Stored"
        ZOrder = 2
        Horizontal = True
      end
      item
        Name = "Label 2"
        Caption = "Second"
      end
    >
    ChannelManager = <
      item
        Name = "Curve"
        TitleText = "Curve"
      end
    >
    TranslationManager = <
      item
        OriginalString = "Close"
        ReplacementString = "Zu"
      end
    >
  end
end
)";
    TForm form(nullptr);
    qx::loadLayoutText(form, layout, "plot.layout");
    auto* plot = qx::findComponent<TiXYPlot>(form, "ipPlot");
    ASSERT_NE(plot, nullptr);
    ASSERT_EQ(plot->LabelCount(), 2);
    EXPECT_EQ(plot->TitleText(), "Stored") << "the stored labels replace the constructor's";
    EXPECT_EQ(plot->ToolBar(0).ZOrder(), 3) << "an older stream's toolbar in the title's place goes above it";
    ASSERT_EQ(plot->ChannelCount(), 1);
    EXPECT_EQ(plot->Channel(0).TitleText(), "Curve");
    EXPECT_EQ(plot->XAxisCount(), 1) << "a kind not stored keeps the constructor's objects";
    EXPECT_EQ(plot->TranslateText("Close"), "Zu");
    EXPECT_TRUE(plot->LayoutManager().Enabled());
    EXPECT_FALSE(plot->GetUpdateActive());
}

// ---- Property, annotation and translation files ----

TEST_F(PlotFileTest, APropertyFileCarriesEveryObjectKind)
{
    auto source = makePlot(2);
    source->Channel(1).SetColor(8421631);
    source->Channel(1).SetTitleText("two\r\nlines");
    source->XAxis(0).SetMinSpan(-50, 70);
    source->AddYAxis();
    source->YAxis(1).SetMinSpan(3, 4);
    source->ToolBar(0).SetShowZoomInOutButtons(false);
    source->Legend(0).SetRowSpacing(1.75);
    source->AddLabel();
    source->Label(0).SetCaption("Title");
    source->Label(1).SetCaption("Second");
    source->DataView(0).SetBackgroundColor(clNavy);
    source->AddDataCursor();
    source->DataCursor(1).SetColor(clLime);
    source->SetOuterMarginTop(12);
    // The kinds other classes add join when their classes are there.
    for (const auto& [className, add] : {std::pair{"TiPlotTable", &TiPlotComponent::AddTable},
                                         std::pair{"TiPlotLimit", &TiPlotComponent::AddLimit}})
        if (qx::plot::hasPlotObjectCreator(className))
            ((*source).*add)();
    int savedEvents = 0;
    source->OnAfterSaveProperties = [&](TObject*) { ++savedEvents; };
    source->SavePropertiesToFile(path("plot.txt"));
    EXPECT_EQ(savedEvents, 1);
    EXPECT_EQ(source->LastPropertiesFileName(), path("plot.txt"));

    TiXYPlot target(nullptr);
    std::vector<std::string> order;
    target.OnBeforeLoadProperties = [&](TObject*) { order.push_back("before"); };
    target.OnAfterLoadProperties = [&](TObject*) { order.push_back("after"); };
    target.LoadPropertiesFromFile(path("plot.txt"));
    EXPECT_EQ(order, (std::vector<std::string>{"before", "after"}));
    ASSERT_EQ(target.ChannelCount(), 2);
    EXPECT_EQ(target.Channel(1).Color(), TColor(8421631));
    EXPECT_EQ(target.Channel(1).TitleText(), "two\r\nlines");
    EXPECT_EQ(target.XAxis(0).Min(), -50);
    ASSERT_EQ(target.YAxisCount(), 2);
    EXPECT_EQ(target.YAxis(1).Span(), 4);
    EXPECT_FALSE(target.ToolBar(0).ShowZoomInOutButtons());
    EXPECT_EQ(target.Legend(0).RowSpacing(), 1.75);
    ASSERT_EQ(target.LabelCount(), 2);
    EXPECT_EQ(target.Label(0).Caption(), "Title");
    EXPECT_EQ(target.Label(1).Caption(), "Second");
    EXPECT_EQ(target.DataView(0).BackgroundColor(), clNavy);
    ASSERT_EQ(target.DataCursorCount(), 2);
    EXPECT_EQ(target.DataCursor(1).Color(), clLime);
    EXPECT_EQ(target.OuterMarginTop(), 12);
    EXPECT_EQ(target.TableCount(), source->TableCount());
    EXPECT_EQ(target.LimitCount(), source->LimitCount());
    // Written again, the file is the same.
    target.SavePropertiesToFile(path("again.txt"));
    EXPECT_EQ(fileText(path("again.txt")), fileText(path("plot.txt")));
}

TEST_F(PlotFileTest, SectionsOfKindsTheLibraryCannotMakeAreSkipped)
{
    TiXYPlot source(nullptr);
    source.AddLabel();
    source.Label(1).SetCaption("Kept");
    source.SavePropertiesToFile(path("plot.txt"));
    std::string text = fileText(path("plot.txt"));
    text.replace(text.find("TableCount = 0"), 14, "TableCount = 1");
    text.insert(text.find("Label0."), "Table0.Name = Table 1\r\nTable0.Visible = 0\r\n");
    writeFile(path("plot.txt"), text);
    TiXYPlot target(nullptr);
    target.LoadPropertiesFromFile(path("plot.txt"));
    EXPECT_EQ(target.TableCount(), qx::plot::hasPlotObjectCreator("TiPlotTable") ? 1 : 0);
    ASSERT_EQ(target.LabelCount(), 2);
    EXPECT_EQ(target.Label(1).Caption(), "Kept") << "the sections after it still apply";
}

TEST_F(PlotFileTest, ANewChannelIsRedAndToolbarSectionsAllGoToToolbarZero)
{
    writeFile(path("plot.txt"),
              "file type = PLOT CONFIG\r\nChannelCount = 1\r\nToolBarCount = 2\r\n"
              "Channel0.TitleText = Plain\r\nToolBar0.FlatButtons = 0\r\nToolBar1.FlatButtons = 1\r\n");
    auto plot = makePlot(2);
    plot->Channel(0).SetColor(clBlue);
    plot->LoadPropertiesFromFile(path("plot.txt"));
    ASSERT_EQ(plot->ChannelCount(), 1);
    EXPECT_EQ(plot->Channel(0).TitleText(), "Plain");
    EXPECT_EQ(plot->Channel(0).Color(), clRed) << "no Color line";
    EXPECT_EQ(plot->ToolBarCount(), 1);
    EXPECT_TRUE(plot->ToolBar(0).FlatButtons()) << "the last toolbar section wins";
}

TEST_F(PlotFileTest, HostilePropertyFilesAreRefusedWithThePlotAsItWas)
{
    TiXYPlot good(nullptr);
    good.AddChannel();
    good.SavePropertiesToFile(path("good.txt"));
    const std::string text = fileText(path("good.txt"));
    const struct
    {
        const char* what;
        std::string bytes;
        std::string error;
    } cases[] = {
        {"no type line", text.substr(text.find('\n') + 1), "Incompatible Plot Configuration File Type"},
        {"another type", "File Type = Plot Channel Config\r\n" + text.substr(text.find('\n') + 1),
         "Incompatible Plot Configuration File Type"},
        {"binary garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
         "Incompatible Plot Configuration File Type"},
        {"a huge count", "File Type = Plot Config\r\nChannelCount = 2000000000\r\nChannel0.Name = c\r\n",
         "Invalid Count - ChannelCount = 2000000000"},
        {"a count that is no number", "File Type = Plot Config\r\nXAxisCount = many\r\n",
         "'many' is not a valid integer value"},
        {"a bad value late in the file", text.substr(0, text.size() - 2) + "\r\nOuterMarginTop = wide\r\n",
         "'wide' is not a valid integer value"},
        {"a bad value in a section",
         "File Type = Plot Config\r\nChannelCount = 1\r\nChannel0.TraceLineWidth = x\r\n",
         "'x' is not a valid integer value"},
        {"a bad z order", "File Type = Plot Config\r\nDataViewZHorz = top\r\n",
         "'top' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        auto plot = makePlot(3);
        plot->Channel(2).AddXY(1, 1);
        plot->SetOuterMarginTop(17);
        writeFile(path("bad.txt"), c.bytes);
        const std::string error = raisedText([&] { plot->LoadPropertiesFromFile(path("bad.txt")); });
        EXPECT_EQ(error, "Error Loading Properties - " + c.error) << c.what;
        EXPECT_EQ(plot->ChannelCount(), 3) << c.what;
        EXPECT_EQ(plot->Channel(2).Count(), 1) << c.what;
        EXPECT_EQ(plot->Channel(1).TitleText(), "B") << c.what;
        EXPECT_EQ(plot->OuterMarginTop(), 17) << c.what;
        EXPECT_EQ(plot->XAxisCount(), 1) << c.what;
        EXPECT_TRUE(plot->LayoutManager().Enabled()) << c.what;
        EXPECT_FALSE(plot->GetUpdateActive()) << c.what;
        EXPECT_EQ(plot->LastPropertiesFileName(), "") << c.what;
    }
}

TEST_F(PlotFileTest, AnnotationFilesReadBackOrWaitForTheAnnotationClass)
{
    TiXYPlot plot(nullptr);
    plot.SaveAnnotationsToFile(path("notes.txt"));
    EXPECT_EQ(fileText(path("notes.txt")), "AnnotationCount = 0\r\n");
    EXPECT_NO_THROW(plot.LoadAnnotationsFromFile(path("notes.txt")));
    if (qx::plot::hasPlotObjectCreator("TiPlotAnnotation")) {
        plot.AddAnnotation();
        plot.AddAnnotation();
        plot.SaveAnnotationsToFile(path("two.txt"));
        TiXYPlot target(nullptr);
        target.LoadAnnotationsFromFile(path("two.txt"));
        EXPECT_EQ(target.AnnotationCount(), 2);
        target.SaveAnnotationsToFile(path("again.txt"));
        EXPECT_EQ(fileText(path("again.txt")), fileText(path("two.txt")));
        writeFile(path("bad.txt"), "AnnotationCount = 1\r\nAnnotation0.Visible = maybe\r\n");
        EXPECT_EQ(raisedText([&] { target.LoadAnnotationsFromFile(path("bad.txt")); }),
                  "Error Loading Annotations - 'maybe' is not a valid integer value");
        EXPECT_EQ(target.AnnotationCount(), 2) << "a bad file replaces nothing";
    } else {
        writeFile(path("one.txt"), "AnnotationCount = 1\r\nAnnotation0.Text = Hello\r\n");
        EXPECT_EQ(raisedText([&] { plot.LoadAnnotationsFromFile(path("one.txt")); }),
                  "Error Loading Annotations - Class TiPlotAnnotation not found");
    }
    writeFile(path("huge.txt"), "AnnotationCount = 99999\r\n");
    EXPECT_EQ(raisedText([&] { plot.LoadAnnotationsFromFile(path("huge.txt")); }),
              "Error Loading Annotations - Invalid Count - AnnotationCount = 99999");
    EXPECT_EQ(raisedText([&] { plot.LoadAnnotationsFromFile(path("missing.txt")); }),
              "Error Loading Annotations - Cannot open file \"" + path("missing.txt") + "\"");
    EXPECT_FALSE(plot.GetUpdateActive());
}

/// The stored leaf properties of an object, by path, with what the registry knows of them.
std::vector<std::pair<std::string, const qx::PropertyInfo*>> storedLeaves(TPersistent& object)
{
    std::vector<std::pair<std::string, const qx::PropertyInfo*>> leaves;
    using qx::PropertyType;
    for (const qx::PropertyInfo* p : qx::ClassRegistry::instance().classOf(object)->properties())
        if (p->stored && p->get && p->set &&
            (p->type == PropertyType::Boolean || p->type == PropertyType::Integer || p->type == PropertyType::Float ||
             p->type == PropertyType::String || p->type == PropertyType::Enum || p->type == PropertyType::Set ||
             p->type == PropertyType::Color))
            leaves.emplace_back(p->name, p);
    return leaves;
}

/// A value of the property's kind other than Current.
qx::PropertyValue otherValue(const qx::PropertyInfo& p, const qx::PropertyValue& current, int seed)
{
    using qx::PropertyType;
    switch (p.type) {
    case PropertyType::Boolean: return !std::get<bool>(current);
    case PropertyType::Integer: return std::get<std::int64_t>(current) + 2 + seed % 3;
    case PropertyType::Float: return std::get<double>(current) + 1.25 + seed;
    case PropertyType::String: return std::string("text ") + std::to_string(seed);
    case PropertyType::Color: return std::int64_t{0x102030 + seed * 0x010101};
    case PropertyType::Set: return qx::IdentSet{{"fsBold", "fsItalic"}};
    case PropertyType::Enum: {
        const auto* values = qx::ClassRegistry::instance().findEnum(p.typeName);
        const std::string& now = std::get<qx::Ident>(current).name;
        for (std::size_t i = 0; values && i < values->values.size(); ++i)
            if (values->values[i].first == now)
                return qx::Ident{values->values[(i + 1 + seed % 2) % values->values.size()].first};
        return current;
    }
    default: return current;
    }
}

TEST_F(PlotFileTest, AnnotationsOfEveryStyleReadBackWithEveryPropertyEqual)
{
    ASSERT_TRUE(qx::plot::hasPlotObjectCreator("TiPlotAnnotation"));
    const std::vector<const char*> styles = {"ipasText",          "ipasLine",    "ipasRectangle", "ipasLineX",
                                             "ipasLineY",         "ipasImage",   "ipasTextRectangle",
                                             "ipasEllipse",       "ipasTextBox", "ipasEllipse2",
                                             "ipasPolygon",       "ipasRectangle2"};
    // Each style three times: as added, with every property changed, and with every
    // property at its published default (which may differ from the plot's defaults for a
    // new annotation).
    enum Setting { AsAdded, Changed, AtDefaults };
    auto source = makePlot(2);
    int seed = 0;
    for (const char* style : styles)
        for (const Setting setting : {AsAdded, Changed, AtDefaults}) {
            TiPlotAnnotation& note = source->Annotation(source->AddAnnotation());
            for (const auto& [path, p] : storedLeaves(note)) {
                if (path == "Name" || setting == AsAdded)
                    continue;
                if (setting == Changed)
                    p->set(note, otherValue(*p, p->get(note), ++seed));
                else if (p->defaultValue)
                    p->set(note, *p->defaultValue);
            }
            qx::setProperty(note, "Style", qx::Ident{style});
        }
    source->SaveAnnotationsToFile(path("every-style.txt"));

    auto target = makePlot(2);
    target->AddAnnotation();
    target->LoadAnnotationsFromFile(path("every-style.txt"));
    ASSERT_EQ(target->AnnotationCount(), source->AnnotationCount());
    for (int i = 0; i < source->AnnotationCount(); ++i) {
        TiPlotAnnotation& written = source->Annotation(i);
        TiPlotAnnotation& read = target->Annotation(i);
        EXPECT_EQ(read.Style(), written.Style()) << i;
        for (const auto& [path, p] : storedLeaves(written))
            EXPECT_EQ(qx::toText(p->get(read)), qx::toText(p->get(written)))
                << styles[static_cast<std::size_t>(i / 3)] << " " << (i % 3 == 0 ? "as added" : i % 3 == 1 ? "changed" : "at defaults")
                << ": " << path;
    }
}

TEST_F(PlotFileTest, TranslationFilesReadBackAndABadOneChangesNothing)
{
    TiXYPlot plot(nullptr);
    plot.AddTranslation("Close", "Schliessen");
    plot.AddTranslation("Tab\\", "two words");
    plot.SaveTranslationsToFile(path("words.txt"));
    EXPECT_EQ(fileText(path("words.txt")), "Tab\\\ttwo words\r\nClose\tSchliessen\r\n");
    TiXYPlot target(nullptr);
    target.LoadTranslationsFromFile(path("words.txt"));
    ASSERT_EQ(target.TranslationCount(), 2);
    EXPECT_EQ(target.GetTranslationOriginalString(0), "Close") << "the last line is the newest pair";
    EXPECT_EQ(target.TranslateText("Close"), "Schliessen");
    EXPECT_EQ(target.TranslateText("Tab\\"), "two words");
    writeFile(path("bad.txt"), "A\t1\r\nno tab here\r\n");
    EXPECT_EQ(raisedText([&] { target.LoadTranslationsFromFile(path("bad.txt")); }),
              "Error Loading Data - Invalid Format - Tab Deliminator Missing");
    EXPECT_EQ(target.TranslationCount(), 2);
    EXPECT_EQ(target.TranslateText("Close"), "Schliessen");
}

} // namespace
