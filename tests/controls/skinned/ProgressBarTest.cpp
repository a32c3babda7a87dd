// The progress bar: range and repaint rule of Position writes, level colours, block layout,
// the infinite mode's timer and the text pattern.

#include "controls/skinned/AdvProgressBar.h"
#include "platform/gui/Form.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts the synchronous repaints instead of drawing.
class CountingBar : public TAdvProgressBar
{
public:
    using TAdvProgressBar::TAdvProgressBar;
    int paints = 0;

protected:
    void PaintNow() override { ++paints; }
};

struct WriteCase
{
    const char* name;
    int max;
    std::vector<std::pair<int, bool>> writes; // value, repainted
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProgressWrites : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(ProgressWrites, RepaintAboutOncePerPercent)
{
    const WriteCase& c = GetParam();
    CountingBar bar(nullptr);
    bar.SetMax(c.max);
    for (auto [value, repainted] : c.writes) {
        const int before = bar.paints;
        bar.SetPosition(value);
        EXPECT_EQ(bar.paints - before, repainted ? 1 : 0) << "writing " << value;
    }
}

const WriteCase kWriteCases[] = {
    // Max 400: increment 4; a write repaints on a block multiple, a new block or a new percentage
    // (10 gives round(2.5) = 2 as 9 did).
    {"range 400",
     400,
     {{4, true}, {5, false}, {6, true}, {7, false}, {8, true}, {9, false}, {10, false}, {11, true}}},
    {"range below 100 repaints every write", 26, {{3, true}, {3, true}, {4, true}}},
    {"outside the range clamps without painting", 100, {{101, false}, {-1, false}}},
};

INSTANTIATE_TEST_SUITE_P(Table, ProgressWrites, ::testing::ValuesIn(kWriteCases));

TEST(ProgressBar, ClampsAndPercentIgnoresMin)
{
    CountingBar bar(nullptr);
    bar.SetPosition(101);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-1);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetMin(10);
    bar.SetMax(110);
    bar.SetPosition(110);
    EXPECT_EQ(bar.Settings().Position, 110) << "110 / (110 - 10)";
    bar.SetMin(5);
    bar.SetMax(5);
    EXPECT_EQ(bar.Settings().Position, 0) << "Max equal to Min shows 0 %";
}

class GaugePaint : public ::testing::Test
{
protected:
    GaugePaint() : bar(nullptr)
    {
        bar.SetShowGradient(false);
        bar.SetShowPosition(false);
        bar.SetRounded(false);
    }
    TColor paintedAt(int w, int h, int percent, int x, int y)
    {
        bar.SetBounds(0, 0, w, h);
        bar.SetPosition(percent);
        TBitmap bitmap(w, h);
        bitmap.Canvas().Brush().Color = clBlack;
        bitmap.Canvas().FillRect(Rect(0, 0, w, h));
        bar.PaintTo(bitmap.Canvas());
        return bitmap.Canvas().Pixel(x, y);
    }

    CountingBar bar;
};

TEST_F(GaugePaint, LevelColoursByPercentage)
{
    const std::pair<int, TColor> cases[] = {{69, 0x00FF00}, {70, 0x00FFFF}, {90, 0x53A9FF}, {100, 0x0000FF}};
    for (auto [percent, colour] : cases)
        EXPECT_EQ(paintedAt(102, 20, percent, 5, 10), colour) << percent << " %";
    bar.SetMin(10);
    bar.SetMax(110);
    EXPECT_EQ(paintedAt(102, 20, 110, 5, 10), 0x0000FFu) << "110 % uses the level-3 colours";
}

TEST_F(GaugePaint, BlocksOfSevenWithGapsAndAShortLastBlock)
{
    // 431 wide: c 429, n = round(429 x 50 / 100) = 214 (214.5 to even), 23 blocks and 6 pixels.
    const struct
    {
        int x;
        bool filled;
    } columns[] = {{2, true},    {8, true},    {9, false},  {10, false}, {11, true},  {206, true},
                   {207, false}, {208, false}, {209, true}, {214, true}, {215, false}};
    for (auto c : columns)
        EXPECT_EQ(paintedAt(431, 41, 50, c.x, 20) == 0x00FF00u, c.filled) << "x " << c.x;
}

TEST_F(GaugePaint, TinyFills)
{
    EXPECT_NE(paintedAt(102, 20, 1, 2, 10), 0x00FF00u) << "n of 1 draws nothing";
    EXPECT_EQ(paintedAt(102, 20, 2, 2, 10), 0x00FF00u) << "n of 2 draws one pixel";
    EXPECT_NE(paintedAt(102, 20, 2, 3, 10), 0x00FF00u);
}

TEST_F(GaugePaint, ShadedBlocksMeetAtTheMainColour)
{
    bar.SetShowGradient(true);
    EXPECT_EQ(paintedAt(102, 20, 50, 5, 10), 0x00FF00u) << "the middle row has the main colour";
    EXPECT_EQ(paintedAt(102, 20, 50, 5, 2), 0xE1FFE1u) << "the edge row the ...To colour";
}

TEST_F(GaugePaint, RoundedCornersShowWhatIsBeneath)
{
    bar.SetRounded(true);
    EXPECT_EQ(paintedAt(102, 20, 50, 0, 0), clBlack);
    EXPECT_EQ(paintedAt(102, 20, 50, 50, 0), 0x808080u) << "the border";
}

TEST(GaugeText, OnlyNumericPatternsAreFormatted)
{
    TGaugeSettings s{};
    s.ShowPercentage = true;
    s.Position = 40;
    s.Value = 4;
    s.Max = 10;
    EXPECT_EQ(qx::gaugeText(s), "40%");
    s.Format = "%d of %d";
    EXPECT_EQ(qx::gaugeText(s), "4 of 10");
    s.Format = "%3d%%";
    EXPECT_EQ(qx::gaugeText(s), "  4%");
    for (const char* bad : {"%s", "%f", "%d %d %d", "%n", "%", "%p"}) {
        s.Format = bad;
        EXPECT_EQ(qx::gaugeText(s), "40%") << bad;
    }
    s.ShowPercentage = false;
    s.Format.clear();
    EXPECT_EQ(qx::gaugeText(s), "4");
}

TEST(ProgressBar, InfiniteWindowBouncesOnTheTimer)
{
    qx::ManualClock clock(0);
    qx::setTimerClock(clock);
    CountingBar bar(nullptr);
    bar.SetInfinite(true);
    bar.SetAnimated(true);
    const int expected[] = {0, 4, 8};
    for (int pos : expected) {
        clock.advance(50);
        qx::fireDueTimers();
        EXPECT_EQ(bar.InfinitePos(), pos) << "the first tick moves back and turns at 0";
    }
    EXPECT_EQ(bar.paints, 3);
    bar.SetAnimated(false);
    clock.advance(500);
    qx::fireDueTimers();
    EXPECT_EQ(bar.InfinitePos(), 8);
    qx::setTimerClock(qx::Clock::system());
}

} // namespace
