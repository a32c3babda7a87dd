// The component base: repaint requests, the frame-rate throttle on the timers' clock, the
// global repaint timer, the buffered paint with its error text, and the property file.

#include "PlotTestComponent.h"
#include "RaisedText.h"
#include "TempDir.h"

#include "controls/plot/base/iClasses.h"
#include "platform/gui/Application.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <memory>

namespace {

class ComponentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qx::setTimerClock(clock);
        control = std::make_unique<TTestPlotComponent>(nullptr);
        control->SetBounds(0, 0, 40, 30);
        control->repaints = 0;
    }
    void TearDown() override
    {
        control.reset();
        qx::setTimerClock(qx::Clock::system());
    }

    qx::ManualClock clock{1'000'000};
    std::unique_ptr<TTestPlotComponent> control;
};

TEST(FrameInterval, IsComputedInFloatingPointAndNonPositiveRatesDoNotThrottle)
{
    struct Case { std::int64_t last; int rate; std::int64_t now; bool passed; };
    const Case cases[] = {
        {0, 60, 16, false}, {0, 60, 17, true}, {0, 1, 1000, false}, {0, 1, 1001, true},
        {0, 0, 0, true}, {0, -5, 0, true},
        // A rate whose product with 86400 overflows 32 bits still gives a tiny interval.
        {0, INT_MAX, 0, false}, {0, INT_MAX, 1, true}, {0, 50'000, 1, true},
        // A clock set back (an hour, or a millisecond) never holds a request back.
        {3'600'000, 60, 0, true}, {1000, 1, 999, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrameIntervalPassed(c.last, c.rate, c.now), c.passed) << c.rate << " at " << c.now;
}

TEST_F(ComponentTest, RequestsOutsideABracketRepaintAtOnceInsideOnlyAtTheEnd)
{
    control->SetUpdateFrameRate(30);
    EXPECT_EQ(control->repaints, 1);
    control->BeginUpdate();
    control->BeginUpdate();
    control->SetUpdateFrameRate(20);
    control->SetBackGroundColor(clRed);
    EXPECT_EQ(control->repaints, 1);
    EXPECT_TRUE(control->GetNeedsRepaint());
    control->EndUpdate(); // one EndUpdate closes any number of BeginUpdate
    EXPECT_FALSE(control->GetUpdateActive());
    EXPECT_EQ(control->repaints, 2);
    EXPECT_FALSE(control->GetNeedsRepaint());
    control->SetBackGroundColor(clRed); // unchanged: no request
    EXPECT_EQ(control->repaints, 2);
}

TEST_F(ComponentTest, AutoFrameRateThrottlesOnTheMonotonicClockAndTheTimerFlushes)
{
    control->SetAutoFrameRate(true);
    control->repaints = 0;
    clock.advance(100);
    control->InvalidateChange();
    EXPECT_EQ(control->repaints, 1);
    clock.advance(5);
    control->InvalidateChange(); // within 1/60 s: held back
    EXPECT_EQ(control->repaints, 1);
    EXPECT_TRUE(control->GetNeedsRepaint());
    clock.advance(20);
    EXPECT_EQ(control->repaints, 1);
    // The global timer's next tick (1000 ms) shows the held-back request.
    clock.advance(1000);
    qx::fireDueTimers();
    EXPECT_EQ(control->repaints, 2);
    EXPECT_FALSE(control->GetNeedsRepaint());
}

TEST_F(ComponentTest, AClockSetBackAnHourDoesNotStopTheRepaints)
{
    control->SetAutoFrameRate(true);
    clock.advance(100);
    control->InvalidateChange();
    control->repaints = 0;
    control->InvalidateChange(); // within the frame: held back
    ASSERT_TRUE(control->GetNeedsRepaint());

    // The clock the controls read now stands an hour earlier, as a wall clock does when
    // it is set back: the held-back request is still flushed, and the next ones are shown.
    qx::ManualClock setBack{clock.nowMs() - 3'600'000};
    qx::setTimerClock(setBack);
    TiUpdateObject::Instance().Tick();
    EXPECT_EQ(control->repaints, 1);
    EXPECT_FALSE(control->GetNeedsRepaint());
    setBack.advance(5);
    control->InvalidateChange(); // the throttle goes on from the new reading
    EXPECT_EQ(control->repaints, 1);
    setBack.advance(20);
    control->InvalidateChange();
    EXPECT_EQ(control->repaints, 2);
    qx::setTimerClock(clock);
}

TEST_F(ComponentTest, AHeldBackRequestIsShownByTheNextRequestAfterTheInterval)
{
    control->SetAutoFrameRate(true);
    control->SetUpdateFrameRate(10);
    clock.advance(200);
    control->InvalidateChange();
    control->repaints = 0;
    control->InvalidateChange();
    EXPECT_EQ(control->repaints, 0);
    clock.advance(101);
    control->InvalidateChange();
    EXPECT_EQ(control->repaints, 1);
}

TEST_F(ComponentTest, RateZeroWithAutoFrameRateRepaintsEveryRequest)
{
    control->SetAutoFrameRate(true);
    control->SetUpdateFrameRate(0);
    control->repaints = 0;
    control->InvalidateChange();
    control->InvalidateChange();
    EXPECT_EQ(control->repaints, 2);
}

TEST_F(ComponentTest, SwitchingAutoFrameRateOffClosesTheBracketAndRepaints)
{
    control->SetAutoFrameRate(true);
    control->BeginUpdate();
    control->InvalidateChange();
    control->repaints = 0;
    control->SetAutoFrameRate(false);
    EXPECT_FALSE(control->GetUpdateActive());
    EXPECT_EQ(control->repaints, 1);
}

TEST_F(ComponentTest, TheTimerSkipsControlsInsideABracket)
{
    control->SetAutoFrameRate(true);
    control->InvalidateChange();
    control->InvalidateChange();
    control->BeginUpdate();
    control->repaints = 0;
    clock.advance(1000);
    TiUpdateObject::Instance().Tick();
    EXPECT_EQ(control->repaints, 0);
    control->EndUpdate();
    EXPECT_EQ(control->repaints, 1);
}

TEST(UpdateObject, RunsItsTimerWhileAControlIsRegistered)
{
    TiUpdateObject& timer = TiUpdateObject::Instance();
    const int before = timer.ControlCount();
    ASSERT_EQ(before, 0);
    {
        TTestPlotComponent first(nullptr);
        EXPECT_TRUE(timer.TimerEnabled());
        {
            TTestPlotComponent second(nullptr);
            EXPECT_EQ(timer.ControlCount(), 2);
        }
        EXPECT_TRUE(timer.TimerEnabled());
        timer.RemoveUpdateControl(&first);
        EXPECT_FALSE(timer.TimerEnabled());
        timer.RemoveUpdateControl(&first); // twice: harmless
    }
    EXPECT_EQ(timer.ControlCount(), 0);
    EXPECT_FALSE(timer.TimerEnabled());
}

TEST_F(ComponentTest, AnExceptionWhileDrawingShowsItsTextWhiteOnBlack)
{
    control->draw = [](TCanvas&) { throw EiPlotError("abc"); };
    bool painted = false;
    control->OnPaint = [&](TObject*, TCanvas*) { painted = true; };
    TBitmap target(40, 30);
    control->PaintTo(target.Canvas());
    EXPECT_TRUE(painted);
    EXPECT_EQ(control->locks, 0);
    EXPECT_EQ(target.Canvas().Pixel(39, 29), TColor(0));
    bool white = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            white = white || target.Canvas().Pixel(x, y) == TColor(0xFFFFFF);
    EXPECT_TRUE(white);
}

TEST_F(ComponentTest, AForeignExceptionLeavesThePaintButTheLockIsReleased)
{
    control->draw = [](TCanvas&) { throw 42; };
    TBitmap target(40, 30);
    EXPECT_THROW(control->PaintTo(target.Canvas()), int);
    EXPECT_EQ(control->locks, 0);
}

TEST_F(ComponentTest, APictureThatDrawsNothingShowsTheBackGroundColour)
{
    control->SetBackGroundColor(clLime);
    TBitmap target(40, 30);
    target.Canvas().Brush().Color = clRed;
    target.Canvas().FillRect({0, 0, 40, 30});
    control->PaintTo(target.Canvas());
    EXPECT_EQ(target.Canvas().Pixel(0, 0), clLime);
    EXPECT_EQ(target.Canvas().Pixel(39, 29), clLime);
}

std::vector<std::string> readLines(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool hasLineStarting(const std::vector<std::string>& lines, const std::string& start)
{
    for (const std::string& line : lines)
        if (line.rfind(start, 0) == 0)
            return true;
    return false;
}

TEST_F(ComponentTest, ThePropertyFileLeavesOutPositionsUnlessAllPropertiesAreSaved)
{
    qx::test::TempDir dir;
    control->SetName("plot1");
    control->SavePropertiesToFile((dir / "a.txt").string());
    auto lines = readLines(dir / "a.txt");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "File Type = TTestPlotComponent");
    EXPECT_FALSE(hasLineStarting(lines, "Left = "));
    EXPECT_FALSE(hasLineStarting(lines, "Name = "));
    EXPECT_TRUE(hasLineStarting(lines, "UpdateFrameRate = 60"));

    control->SetOptionSaveAllProperties(true);
    control->SavePropertiesToFile((dir / "b.txt").string());
    lines = readLines(dir / "b.txt");
    EXPECT_TRUE(hasLineStarting(lines, "Left = 0"));
    EXPECT_TRUE(hasLineStarting(lines, "Width = 40"));
    EXPECT_FALSE(hasLineStarting(lines, "Name = "));
}

TEST_F(ComponentTest, EveryPropertyKindSurvivesAFileRoundTrip)
{
    qx::test::TempDir dir;
    const std::string longText = std::string(300, 'x') + "\xC3\xA9\r\nzweite Zeile";
    control->SetCaption2(longText);
    control->SetRatio(2.75);
    control->SetShape(tsTriangle);
    control->SetOptions({toSecond, toThird});
    control->SetCount(-12);
    control->SetBackGroundColor(TColor(0x123456));
    control->SetAutoFrameRate(true);
    control->SavePropertiesToFile((dir / "p.txt").string());
    const auto lines = readLines(dir / "p.txt");
    EXPECT_TRUE(hasLineStarting(lines, "Shape = 2"));
    EXPECT_TRUE(hasLineStarting(lines, "Options = 6"));
    EXPECT_TRUE(hasLineStarting(lines, "AutoFrameRate = 1"));
    EXPECT_TRUE(hasLineStarting(lines, "Caption2 = " + std::string(300, 'x') + "\xC3\xA9#13#10zweite Zeile"));

    TTestPlotComponent other(nullptr);
    other.LoadPropertiesFromFile((dir / "p.txt").string());
    EXPECT_EQ(other.Caption2(), longText);
    EXPECT_EQ(other.Ratio(), 2.75);
    EXPECT_EQ(other.Shape(), tsTriangle);
    EXPECT_EQ(other.Options(), (TTestOptions{toSecond, toThird}));
    EXPECT_EQ(other.Count(), -12);
    EXPECT_EQ(other.BackGroundColor(), TColor(0x123456));
    EXPECT_TRUE(other.AutoFrameRate());
}

TEST_F(ComponentTest, LoadingReadsOldSingleByteFilesCommaDecimalsAndIgnoresUnknownNames)
{
    qx::test::TempDir dir;
    {
        std::ofstream out(dir / "old.txt", std::ios::binary);
        out << "File Type = TTestPlotComponent\r\nRatio = 1,5\r\nCaption2 = caf\xE9\r\nNoSuchThing = 4\r\nshape = 0\r\n";
    }
    control->LoadPropertiesFromFile((dir / "old.txt").string());
    EXPECT_EQ(control->Ratio(), 1.5);
    EXPECT_EQ(control->Caption2(), "caf\xC3\xA9");
    EXPECT_EQ(control->Shape(), tsCircle);
}

TEST_F(ComponentTest, AFailedLoadReportsTheCauseChangesNothingAndClosesTheBracket)
{
    qx::test::TempDir dir;
    {
        std::ofstream out(dir / "bad.txt", std::ios::binary);
        out << "Count = 7\r\nUpdateFrameRate = fast\r\nCount = 9\r\n";
    }
    try {
        control->LoadPropertiesFromFile((dir / "bad.txt").string());
        FAIL() << "no error";
    } catch (const EiPlotError& e) {
        EXPECT_EQ(std::string(e.what()), "Error Loading Properties - 'fast' is not a valid integer value");
    }
    EXPECT_EQ(control->Count(), 3);
    EXPECT_FALSE(control->GetUpdateActive());
    control->repaints = 0;
    control->InvalidateChange();
    EXPECT_EQ(control->repaints, 1);

    EXPECT_THROW(control->LoadPropertiesFromFile((dir / "missing.txt").string()), EiPlotError);
    EXPECT_FALSE(control->GetUpdateActive());
}

// A file read, or refused by a setter, on its last line leaves every property as it was,
// nested ones and those set twice included.
TEST_F(ComponentTest, AFileFailingOnItsLastLineChangesNothing)
{
    struct Case
    {
        const char* what;
        const char* last;
        const char* error;
    };
    const Case cases[] = {
        {"a malformed number", "Ratio = 1.5.2", "'1.5.2' is not a valid floating point value"},
        {"a malformed whole number", "Inner.Size = big", "'big' is not a valid integer value"},
        {"a number the property cannot hold", "Count = 99999999999", "a number from"},
    };
    for (const Case& c : cases) {
        control->SetCaption2("kept");
        control->SetRatio(0.25);
        control->SetShape(tsCircle);
        control->SetCount(5);
        control->Inner()->SetSize(2);
        control->SetAutoFrameRate(false);
        qx::test::TempDir dir;
        {
            std::ofstream out(dir / "bad.txt", std::ios::binary);
            out << "File Type = TTestPlotComponent\r\nCaption2 = changed\r\nRatio = 2,5\r\nShape = 2\r\n"
                   "Count = 8\r\nInner.Size = 6\r\nAutoFrameRate = 1\r\nCount = 9\r\n"
                << c.last << "\r\n";
        }
        const std::string file = (dir / "bad.txt").string();
        const std::string error = qx::test::raisedText([&] { control->LoadPropertiesFromFile(file); });
        EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(control->Caption2(), "kept") << c.what;
        EXPECT_EQ(control->Ratio(), 0.25) << c.what;
        EXPECT_EQ(control->Shape(), tsCircle) << c.what;
        EXPECT_EQ(control->Count(), 5) << c.what;
        EXPECT_EQ(control->Inner()->Size(), 2) << c.what;
        EXPECT_FALSE(control->AutoFrameRate()) << c.what;
        EXPECT_FALSE(control->GetUpdateActive()) << c.what;
    }
}

TEST_F(ComponentTest, SavingToAFolderThatDoesNotExistReportsTheError)
{
    try {
        control->SavePropertiesToFile("/nonexistent-folder/x/p.txt");
        FAIL() << "no error";
    } catch (const EiPlotError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Error Saving Properties - ", 0), 0u);
    }
}

TEST_F(ComponentTest, PropertyTypesByPathInAnyCase)
{
    struct Case { const char* path; TTypeKind kind; };
    const Case cases[] = {
        {"font.height", tkInteger}, {"FONT.NAME", tkUString}, {"Ratio", tkFloat}, {"shape", tkEnumeration},
        {"Options", tkSet}, {"AutoFrameRate", tkEnumeration}, {"Caption2", tkUString}, {"Font", tkUnknown},
        {"NoSuch", tkUnknown}, {"No.Such", tkUnknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(control->GetPropertyType(c.path), c.kind) << c.path;
}

} // namespace
