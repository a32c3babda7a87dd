// The fader's value model and input: keys, wheel, jumps, drags and repeated page steps, each
// mapped to Position as the control defines it, with the change events raised.

#include "FaderFixture.h"

#include "platform/gui/Keys.h"
#include "platform/gui/canvas/Bitmap.h"

namespace {

TEST_F(FaderFixture, GeometryOfTheGainFader)
{
    EXPECT_EQ(fader->Thumb().Size(), 16);
    EXPECT_EQ(fader->Thumb().Width(), 29);
    EXPECT_EQ(fader->SlideArea(), Rect(13, 3, 23, 152));
    EXPECT_EQ(fader->SliderRect(), Rect(13, 3, 16, 152));
    EXPECT_EQ(fader->TravelLength(), 120);
    fader->SetPosition(-600);
    EXPECT_EQ(fader->GetThumbRect(), Rect(6, 123, 22, 152)) << "minimum at the bottom";
    fader->SetPosition(120);
    EXPECT_EQ(fader->GetThumbRect(), Rect(6, 3, 22, 32)) << "maximum at the top";
    fader->SetPosition(0);
    EXPECT_EQ(fader->GetThumbRect(), Rect(6, 23, 22, 52));
}

TEST_F(FaderFixture, PositionWritesRaiseChangeAsDefined)
{
    fader->SetPosition(0);
    changes.clear();
    fader->SetPosition(0);
    EXPECT_TRUE(changes.empty()) << "the same value raises nothing";
    fader->SetPosition(500);
    EXPECT_EQ(changes, std::vector<int>{120}) << "clamped to Max, stored before the handler runs";
    fader->SetPosition(500);
    EXPECT_EQ(changes, (std::vector<int>{120, 120}))
        << "a request beyond the bound at the bound raises again";
    fader->SetPosition(-1000);
    EXPECT_EQ(fader->Position(), -600);
}

TEST_F(FaderFixture, MaxBelowMinClampsEveryRequestToMin)
{
    fader->SetMin(0);
    fader->SetMax(10);
    fader->SetPosition(5);
    fader->SetMax(-5);
    EXPECT_EQ(fader->Position(), 0);
    fader->SetPosition(7);
    EXPECT_EQ(fader->Position(), 0);
    fader->SetPosition(-9);
    EXPECT_EQ(fader->Position(), 0);
}

struct KeyCase
{
    const char* name;
    TTrackBarOrientation orientation;
    int pageSize;
    int start;
    Word key;
    bool shift;
    int expected;
    int events;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class FaderKeys : public FaderFixture, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(FaderKeys, MoveThePositionAsTheKeyTableSays)
{
    const KeyCase& c = GetParam();
    fader->SetOrientation(c.orientation);
    fader->SetPageSize(c.pageSize);
    fader->SetPosition(c.start);
    changes.clear();
    key(c.key, c.shift ? TShiftState{ssShift} : TShiftState{});
    EXPECT_EQ(fader->Position(), c.expected);
    EXPECT_EQ(static_cast<int>(changes.size()), c.events);
}

const KeyCase kKeyCases[] = {
    {"up", trVertical, 10, 0, VK_UP, false, 1, 1},
    {"right", trVertical, 10, 0, VK_RIGHT, false, 1, 1},
    {"down", trVertical, 10, 0, VK_DOWN, false, -1, 1},
    {"left", trVertical, 10, 0, VK_LEFT, false, -1, 1},
    {"up at max does nothing", trVertical, 10, 120, VK_UP, false, 120, 0},
    {"down at min does nothing", trVertical, 10, -600, VK_DOWN, false, -600, 0},
    {"page up", trVertical, 10, 0, VK_PRIOR, false, 10, 1},
    {"page down", trVertical, 10, 0, VK_NEXT, false, -10, 1},
    {"page up clamps", trVertical, 10, 115, VK_PRIOR, false, 120, 1},
    {"page up at max still raises", trVertical, 10, 120, VK_PRIOR, false, 120, 1},
    {"page size 0 pages nothing", trVertical, 0, 5, VK_PRIOR, false, 5, 0},
    {"home on a vertical fader goes to max", trVertical, 10, 0, VK_HOME, false, 120, 1},
    {"end on a vertical fader goes to min", trVertical, 10, 0, VK_END, false, -600, 1},
    {"home on a horizontal fader goes to min", trHorizontal, 10, 0, VK_HOME, false, -600, 1},
    {"end on a horizontal fader goes to max", trHorizontal, 10, 0, VK_END, false, 120, 1},
    {"shift moves nothing", trVertical, 10, 0, VK_UP, true, 0, 0},
    {"other keys move nothing", trVertical, 10, 0, VK_SPACE, false, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Table, FaderKeys, ::testing::ValuesIn(kKeyCases));

TEST_F(FaderFixture, KeyClearedByTheHandlerMovesNothing)
{
    fader->OnKeyDown = [](TObject*, Word& k, TShiftState) { k = 0; };
    key(VK_UP);
    EXPECT_EQ(fader->Position(), 0);
    EXPECT_TRUE(changes.empty());
}

TEST_F(FaderFixture, WheelStepsByOneInBothOrientations)
{
    wheel(-120);
    EXPECT_EQ(fader->Position(), -1);
    wheel(120);
    wheel(120);
    EXPECT_EQ(fader->Position(), 1);
    fader->SetPosition(120);
    changes.clear();
    wheel(120);
    EXPECT_TRUE(changes.empty()) << "the wheel at Max does nothing";
    EXPECT_EQ(fader->Perform(WM_MOUSEWHEEL, static_cast<std::uintptr_t>(120) << 16, 0), 1)
        << "reported handled";
}

struct JumpCase
{
    const char* name;
    TTrackBarOrientation orientation;
    int x, y;
    int expected;
};

void PrintTo(const JumpCase& c, std::ostream* os)
{
    *os << c.name;
}

class FaderJump : public FaderFixture, public ::testing::WithParamInterface<JumpCase>
{
};

TEST_P(FaderJump, PutsTheThumbAtThePress)
{
    const JumpCase& c = GetParam();
    if (c.orientation == trHorizontal) {
        fader->SetOrientation(trHorizontal);
        fader->Thumb().Picture().LoadFromResourceName("fader-thumb-h.png");
    }
    fader->SetMoveOnClick(mcMove);
    press(c.x, c.y);
    release(c.x, c.y);
    EXPECT_EQ(fader->Position(), c.expected);
}

// Vertical: v = (152 - 29 - Y) / 120 x 720 - 600, the thumb's top edge at the press.
// Horizontal: v = (X - 3 - 14) / 120 x 720 - 600, the thumb pointer at the press.
const JumpCase kJumpCases[] = {
    {"vertical middle", trVertical, 15, 63, -240},
    {"vertical top", trVertical, 15, 3, 120},
    {"vertical at the minimum end", trVertical, 15, 123, -600},
    {"vertical below the travel clamps", trVertical, 15, 140, -600},
    {"vertical far above clamps", trVertical, 15, 0, 120},
    {"horizontal", trHorizontal, 77, 15, -240},
    {"horizontal at the start", trHorizontal, 17, 15, -600},
    {"horizontal right end clamps", trHorizontal, 150, 15, 120},
};

INSTANTIATE_TEST_SUITE_P(Table, FaderJump, ::testing::ValuesIn(kJumpCases));

TEST_F(FaderFixture, JumpAndDragWithoutTravelLeaveThePosition)
{
    fader->SetBounds(10, 10, 26, 30);
    ASSERT_LE(fader->TravelLength(), 0);
    const TRect thumb = fader->GetThumbRect();
    const TPoint onThumb{(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2};
    // The thumb fills the whole length, so a jump needs a press beside it.
    const TPoint besideThumb{thumb.Right + 1, onThumb.Y};
    ASSERT_FALSE(thumb.Contains(besideThumb));
    ASSERT_LT(besideThumb.X, fader->Width());
    struct Case
    {
        TMoveOnClick moveOnClick;
        TPoint press;
        const char* what;
    };
    const Case cases[] = {
        {mcMove, besideThumb, "jump beside the thumb"},
        {mcMoveSlide, besideThumb, "jump, then slide"},
        {mcMove, onThumb, "drag of the thumb"},
    };
    for (const Case& c : cases) {
        fader->SetMoveOnClick(c.moveOnClick);
        fader->SetPosition(50);
        changes.clear();
        press(c.press.X, c.press.Y);
        for (int y : {0, 12, 29, 200, -200})
            move(c.press.X, y);
        release(c.press.X, 29);
        EXPECT_EQ(fader->Position(), 50) << c.what;
        EXPECT_TRUE(changes.empty()) << c.what;
    }
}

TEST_F(FaderFixture, DragFollowsThePointerAtTheGrabOffset)
{
    // Thumb at 0 spans y 23 .. 51; its centre is at y 37.
    press(14, 40);
    const std::pair<int, int> steps[] = {
        {40, 0},     // not moved: no change
        {34, 36},    // 6 pixels up, 6 units a pixel
        {-200, 120}, // beyond the top clamps
        {400, -600}, // beyond the bottom clamps
    };
    for (auto [y, expected] : steps) {
        move(14, y);
        EXPECT_EQ(fader->Position(), expected) << "pointer at y " << y;
    }
    release(60, 400);
    move(14, 40);
    EXPECT_EQ(fader->Position(), -600) << "a release outside the control ends the drag";
}

TEST_F(FaderFixture, PressBesideTheThumbRepeatsPageSteps)
{
    ASSERT_TRUE(fader->Widget());
    press(15, 120); // below the thumb (y 23 .. 51)
    EXPECT_EQ(changes, std::vector<int>{-10}) << "one page at once";
    advance(399);
    EXPECT_EQ(changes.size(), 1u);
    advance(1);
    EXPECT_EQ(changes.back(), -20) << "again 400 ms later";
    advance(99);
    EXPECT_EQ(changes.size(), 2u);
    advance(1);
    EXPECT_EQ(changes.back(), -30) << "then every 100 ms";
    release(15, 120);
    advance(1000);
    EXPECT_EQ(changes.size(), 3u) << "the release stops the timer";
}

TEST_F(FaderFixture, HeldPressReachesThePointAndAlternates)
{
    fader->SetPageSize(100);
    press(15, 130); // the thumb bottom at 52 walks down toward 130
    for (int i = 0; i < 12; ++i)
        advance(400);
    release(15, 130);
    ASSERT_GE(changes.size(), 6u);
    const int last = changes[changes.size() - 1], before = changes[changes.size() - 2];
    EXPECT_EQ(std::abs(last - before), 100) << "alternates between two positions a page apart";
}

TEST_F(FaderFixture, EqualMinAndMaxStepOnEveryPress)
{
    fader->SetMin(0);
    fader->SetMax(0);
    changes.clear();
    press(15, 60);
    release(15, 60);
    EXPECT_EQ(changes.size(), 1u);
    EXPECT_EQ(fader->GetThumbRect().Bottom, 152) << "the thumb sits at the minimum end";
}

} // namespace

#include "controls/skinned/TrackHintWindow.h"

namespace {

TEST_F(FaderFixture, DragHintShowsOnlyNewValues)
{
    fader->SetTrackHint(true);
    fader->OnGetTrackHint = [](TObject*, int, std::string& text) { text += " dB"; };
    press(14, 40);
    move(14, 34);
    ASSERT_NE(fader->TrackHintWindow(), nullptr);
    EXPECT_TRUE(fader->TrackHintShowing());
    EXPECT_EQ(fader->TrackHintWindow()->HintText(), "36 dB");
    release(14, 34);
    EXPECT_FALSE(fader->TrackHintShowing()) << "the release hides it";

    // A new drag starting at the value where the last one ended shows nothing until it changes.
    const TRect thumb = fader->GetThumbRect();
    const int centre = thumb.Top + thumb.Height() / 2;
    press(14, centre);
    move(14, centre);
    EXPECT_FALSE(fader->TrackHintShowing());
    move(14, centre - 1);
    EXPECT_TRUE(fader->TrackHintShowing());
    EXPECT_EQ(fader->TrackHintWindow()->HintText(), "42 dB");
    release(14, centre - 1);
}

} // namespace

#include <limits>

namespace {

TEST_F(FaderFixture, ExtremeRangesFromALayoutStayInRange)
{
    constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    fader->SetMin(lo);
    fader->SetMax(hi);
    fader->SetPageSize(hi);
    fader->SetPosition(hi - 5);
    key(VK_PRIOR);
    EXPECT_EQ(fader->Position(), hi);
    fader->SetPosition(lo + 5);
    key(VK_NEXT);
    EXPECT_EQ(fader->Position(), lo);
    fader->SetMoveOnClick(mcMove);
    press(15, 63);
    release(15, 63);
    EXPECT_GT(fader->Position(), lo);
    press(15, 140);
    release(15, 140);
    EXPECT_EQ(fader->Position(), lo);
    fader->TickMark().SetStyle(tsAuto);
    fader->TickMark().SetShowText(true);
    TBitmap bitmap(26, 155);
    fader->PaintTo(bitmap.Canvas()); // ticks over the whole range, a few pixels apart
}

} // namespace

namespace {

TEST_F(FaderFixture, MinAndMaxButtonsStepOnReleaseInside)
{
    fader->Buttons().SetVisible(true);
    // Min button: the inner rectangle's last 20 pixels at the bottom (y 132 .. 151).
    EXPECT_EQ(fader->MinButtonRect(), Rect(3, 132, 23, 152));
    EXPECT_EQ(fader->SlideArea(), Rect(13, 25, 23, 130));
    move(10, 140);
    press(10, 140);
    EXPECT_TRUE(changes.empty()) << "a press changes nothing";
    release(10, 140);
    EXPECT_EQ(changes, std::vector<int>{-1});
    move(10, 10);
    press(10, 10);
    move(10, 60); // leaving the max button cancels its step
    release(10, 10);
    EXPECT_EQ(changes.size(), 1u);
    move(10, 140);
    press(10, 140);
    advance(400);
    EXPECT_EQ(changes.back(), -2) << "held with RepeatClick: the first step after 400 ms";
    release(10, 140);
    EXPECT_EQ(changes.back(), -3) << "and the release steps";
    TBitmap bitmap(26, 155);
    fader->PaintTo(bitmap.Canvas());
    EXPECT_NE(bitmap.Canvas().Pixel(13, 142), bitmap.Canvas().Pixel(13, 131)) << "the button face is drawn";
}

} // namespace

namespace {

TEST_F(FaderFixture, ComponentStylesLoadColoursOrOnlyReset)
{
    fader->Slider().SetOffset(4);
    fader->Thumb().SetColor(123);
    fader->SetComponentStyle(tsCustom);
    EXPECT_TRUE(fader->Thumb().Picture().Empty()) << "pictures cleared";
    EXPECT_EQ(fader->Slider().Offset(), 10);
    EXPECT_EQ(fader->Thumb().Color(), 123u) << "colours kept";

    fader->SetComponentStyle(tsOffice2003Olive);
    EXPECT_EQ(fader->Thumb().ColorHot(), 13432063u) << "hot set H1";
    EXPECT_EQ(fader->Thumb().ColorMirrorTo(), 9224369u);
    EXPECT_EQ(fader->Buttons().BorderColorDown(), 4548219u) << "down set D1";
    EXPECT_EQ(fader->Slider().BorderColor(), 9224369u);
    EXPECT_EQ(fader->TickMark().Color(), 9224369u);

    fader->SetComponentStyle(tsWindows7);
    EXPECT_EQ(fader->Thumb().ColorMirror(), clNone);
    EXPECT_EQ(fader->Buttons().ColorMirror(), 16575452u);
    EXPECT_EQ(fader->Thumb().ColorHot(), 16645114u);
    EXPECT_EQ(fader->Buttons().ColorDownTo(), 16571329u);
}

} // namespace
