// Input on a test plot: presses, drags, the wheel and keys reach the object under the mouse
// (or the selected ones), the plot raises its events in order, hints come and go on their
// timer, and a failing handler is swallowed.

#include "PlotControlSupport.h"
#include "PlotInput.h"

#include "platform/gui/Application.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Colors.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace in = qx::test::plotinput;

/// A 500 x 300 X-Y plot with a visible legend and a channel of points, laid out, that
/// records its object events.
class PlotInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qx::setTimerClock(clock);
        plot.SetBounds(0, 0, 500, 300);
        plot.Show();
        for (int i = 0; i <= 10; ++i)
            plot.GetChannel(0).AddXY(10 * i, 10 * i);
        record(plot);
        plot.ReCalcLayout();
    }
    void TearDown() override { qx::setTimerClock(qx::Clock::system()); }

    void record(TiXYPlot& p)
    {
        auto name = [](const std::string& what, int i) { return std::string(what) + " " + std::to_string(i); };
        p.OnMouseDownXAxis = [&, name](int i, TMouseButton, TShiftState, int, int) { events.push_back(name("down x", i)); };
        p.OnMouseUpXAxis = [&, name](int i, TMouseButton, TShiftState, int, int) { events.push_back(name("up x", i)); };
        p.OnClickXAxis = [&, name](int i) { events.push_back(name("click x", i)); };
        p.OnDblClickXAxis = [&, name](int i) { events.push_back(name("dblclick x", i)); };
        p.OnMouseDownYAxis = [&, name](int i, TMouseButton, TShiftState, int, int) { events.push_back(name("down y", i)); };
        p.OnClickYAxis = [&, name](int i) { events.push_back(name("click y", i)); };
        p.OnMouseDownDataView = [&, name](int i, TMouseButton, TShiftState, int, int) {
            events.push_back(name("down view", i));
        };
        p.OnClickDataView = [&, name](int i) { events.push_back(name("click view", i)); };
        p.OnMouseDownLegend = [&, name](int i, TMouseButton, TShiftState, int, int) {
            events.push_back(name("down legend", i));
        };
        p.OnMouseDownChannel = [&, name](int i, TMouseButton, TShiftState, int, int) {
            events.push_back(name("down channel", i));
        };
        p.OnClickChannel = [&, name](int i) { events.push_back(name("click channel", i)); };
        p.OnMouseWheelDataView = [&, name](int i, int, TShiftState, int, int) { events.push_back(name("wheel view", i)); };
        p.OnGotFocusXAxis = [&, name](int i) { events.push_back(name("focus x", i)); };
        p.OnLostFocusXAxis = [&, name](int i) { events.push_back(name("unfocus x", i)); };
        p.OnToolBarButtonClick = [&](int i, int type) { events.push_back(name("toolbar " + std::to_string(type), i)); };
    }

    TPoint centre(const TRect& r) const { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    void click(TPoint p)
    {
        in::press(plot, p.X, p.Y);
        in::release(plot, p.X, p.Y);
    }

    qx::ManualClock clock{50000};
    TiXYPlot plot{nullptr};
    std::vector<std::string> events;
};

TEST_F(PlotInputTest, ClicksReachTheObjectUnderTheMouse)
{
    struct Case
    {
        const char* what;
        TPoint at;
        std::vector<std::string> events;
    };
    const TRect x = plot.XAxis(0).DrawRect(), y = plot.YAxis(0).DrawRect(), view = plot.DataView(0).DrawRect();
    const std::vector<Case> cases = {
        {"X axis", {centre(x).X, x.Top + 4}, {"down x 0", "focus x 0", "up x 0", "click x 0"}},
        {"Y axis", {y.Right - 4, centre(y).Y}, {"down y 0", "unfocus x 0", "click y 0"}},
        {"data view", {view.Left + 7, view.Top + 9}, {"down view 0", "click view 0"}},
        {"legend row of Channel 1", centre(plot.GetChannel(0).LegendRect()), {"down channel 0", "click channel 0"}},
        {"outside every object", {1, 1}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        events.clear();
        click(c.at);
        EXPECT_EQ(events, c.events);
        EXPECT_EQ(plot.MouseDownObject(), nullptr);
    }
}

TEST_F(PlotInputTest, ADoubleClickReportsItselfOnTheFollowingClick)
{
    const TRect x = plot.XAxis(0).DrawRect();
    const TPoint at{centre(x).X, x.Top + 4};
    click(at);
    events.clear();
    in::mouse(plot, QEvent::MouseButtonDblClick, at.X, at.Y, Qt::LeftButton, Qt::LeftButton, {});
    in::release(plot, at.X, at.Y);
    EXPECT_EQ(events, (std::vector<std::string>{"down x 0", "up x 0", "dblclick x 0"}));
}

TEST_F(PlotInputTest, ADragOnTheXAxisScrollsIt)
{
    const TRect x = plot.XAxis(0).DrawRect();
    const double min = plot.XAxis(0).Min();
    in::drag(plot, centre(x).X, x.Top + 4, centre(x).X - 40, x.Top + 4);
    EXPECT_GT(plot.XAxis(0).Min(), min) << "dragged to the left, the scale moves right";
}

TEST_F(PlotInputTest, TheWheelGoesToTheSelectedObjects)
{
    const TRect view = plot.DataView(0).DrawRect();
    plot.DataView(0).SetAxesControlEnabled(true);
    click({view.Left + 20, view.Top + 20});
    ASSERT_TRUE(plot.DataView(0).UserSelected());
    events.clear();
    const double min = plot.XAxis(0).Min();
    in::wheel(plot, view.Left + 20, view.Top + 20, 1);
    EXPECT_EQ(events, std::vector<std::string>{"wheel view 0"});
    EXPECT_NE(plot.XAxis(0).Min(), min);
}

TEST_F(PlotInputTest, KeysMoveTheSelectedDataCursor)
{
    plot.ToolBar(0).DoButtonClickCursor();
    ASSERT_TRUE(plot.DataCursor(0).Visible());
    ASSERT_TRUE(plot.DataCursor(0).UserSelected());
    plot.ReCalcLayout();
    plot.DataCursor(0).SetStyle(ipcsValueX);
    const double before = plot.DataCursor(0).Pointer1Position();
    in::key(plot, Qt::Key_Right);
    EXPECT_GT(plot.DataCursor(0).Pointer1Position(), before);
    in::key(plot, Qt::Key_Home);
    EXPECT_EQ(plot.DataCursor(0).Pointer1Position(), 0);

    // A data view without size gives steps of nothing: the keys leave the pointer alone.
    plot.DataCursor(0).SetPointer1Position(40);
    plot.DataView(0).SetDrawRect({50, 50, 50, 50});
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_PageUp, Qt::Key_PageDown}) {
        in::key(plot, key);
        EXPECT_EQ(plot.DataCursor(0).Pointer1Position(), 40) << key;
    }
}

TEST_F(PlotInputTest, AToolbarButtonClickRunsItsAction)
{
    plot.ReCalcLayout();
    TiPlotToolBarButton& zoomIn = plot.ToolBar(0).Button(iptbbtZoomIn);
    const double span = plot.XAxis(0).Span();
    click(centre(zoomIn.DrawRect()));
    EXPECT_EQ(plot.XAxis(0).Span(), span / 2);
    EXPECT_EQ(events, (std::vector<std::string>{"toolbar " + std::to_string(iptbbtPause) + " 0",
                                                "toolbar " + std::to_string(iptbbtZoomIn) + " 0"}));
}

TEST_F(PlotInputTest, HintsShowAfterTheirPauseAndHideLater)
{
    plot.ReCalcLayout();
    const TPoint at = centre(plot.ToolBar(0).Button(iptbbtCopy).DrawRect());
    in::move(plot, at.X, at.Y, {}, Qt::NoButton);
    EXPECT_FALSE(plot.HintData().Visible);
    clock.advance(499);
    Application->ProcessMessages();
    EXPECT_FALSE(plot.HintData().Visible);
    clock.advance(1);
    Application->ProcessMessages();
    EXPECT_TRUE(plot.HintData().Visible);
    EXPECT_EQ(plot.HintData().Text, "Copy to Clipboard");
    EXPECT_EQ(plot.HintData().Top, plot.ToolBar(0).Button(iptbbtCopy).DrawRect().Bottom + 3);
    // Moving within three pixels keeps it.
    in::move(plot, at.X + 2, at.Y, {}, Qt::NoButton);
    EXPECT_TRUE(plot.HintData().Visible);
    clock.advance(2500);
    Application->ProcessMessages();
    EXPECT_FALSE(plot.HintData().Visible);
}

TEST_F(PlotInputTest, ThePaintDrawsTheHintBox)
{
    plot.ReCalcLayout();
    const TPoint at = centre(plot.ToolBar(0).Button(iptbbtSave).DrawRect());
    in::move(plot, at.X, at.Y, {}, Qt::NoButton);
    clock.advance(500);
    Application->ProcessMessages();
    ASSERT_TRUE(plot.HintData().Visible);
    TBitmap picture = qx::test::plotPicture(plot);
    EXPECT_TRUE(plot.HintShowing());
    const TiHintData& hint = plot.HintData();
    EXPECT_EQ(picture.Canvas().Pixel(hint.Left + 1, hint.Top + 1), ColorToRGB(clInfoBk));
}

TEST_F(PlotInputTest, ExceptionsOfMouseAndKeyHandlersAreSwallowed)
{
    plot.OnMouseDownXAxis = [](int, TMouseButton, TShiftState, int, int) { throw EiPlotError("handler failure"); };
    plot.OnClickXAxis = [](int) { throw EiPlotError("handler failure"); };
    const TRect x = plot.XAxis(0).DrawRect();
    EXPECT_NO_THROW(click({centre(x).X, x.Top + 4}));
    EXPECT_EQ(plot.MouseDownObject(), nullptr) << "the release still ran";
    plot.OnLostFocusXAxis = [](int) { throw EiPlotError("handler failure"); };
    EXPECT_NO_THROW(in::key(plot, Qt::Key_Left));
}

TEST_F(PlotInputTest, NoObjectEventWhileTheFormIsRead)
{
    plot.BeginLoading();
    const TRect x = plot.XAxis(0).DrawRect();
    click({centre(x).X, x.Top + 4});
    plot.Loaded();
    EXPECT_TRUE(events.empty());
}

} // namespace

namespace {

TEST_F(PlotInputTest, ThePopupMenuEventMayCancelTheMenuOfARightClick)
{
    int shown = 0;
    plot.PopupMenu().OnPopup = [&](TObject*) { ++shown; };
    std::vector<std::string> asked;
    bool cancel = false;
    plot.OnPopupMenuXAxis = [&](int Index, bool& Cancel, int, int) {
        asked.push_back("x " + std::to_string(Index));
        Cancel = cancel;
    };
    const TPoint p = centre(plot.XAxis(0).DrawRect());
    for (const bool c : {false, true}) {
        cancel = c;
        in::press(plot, p.X, p.Y, {}, Qt::RightButton);
        in::release(plot, p.X, p.Y, {}, Qt::RightButton);
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"x 0", "x 0"}));
    EXPECT_EQ(shown, 1);
    plot.PopupMenu().OnPopup = nullptr;
}

} // namespace
