// The layout viewer hooked to a plot's layout manager: its diagram, and drags by the mouse
// on the shown viewer that merge, swap, turn and resize the plot's layout objects.

#include "PlotControlSupport.h"
#include "PlotInput.h"

#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/plot/iPlotLayoutViewer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

namespace in = qx::test::plotinput;

TPoint centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

/// An X-Y plot and a shown viewer of its layout, painted once.
class LayoutViewerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot.SetBounds(0, 0, 500, 300);
        viewer.SetBounds(0, 0, 420, 320);
        viewer.Show();
        viewer.SetLayoutManager(&plot.LayoutManager());
        viewer.SetMaster(&plot.Master());
        viewer.OnChange = [this](TObject*) { ++changes; };
        paint();
    }
    void paint()
    {
        TBitmap picture(viewer.Width(), viewer.Height());
        viewer.PaintTo(picture.Canvas());
    }
    /// Press on From, move to To, paint (as the viewer's repaint would), release at To.
    void dragTo(TPoint From, TPoint To)
    {
        in::press(viewer, From.X, From.Y);
        in::move(viewer, To.X, To.Y);
        paint();
        in::release(viewer, To.X, To.Y);
        paint();
    }
    /// A label added to the plot in a layer of its own above the data view.
    TiPlotLabel& addLabel()
    {
        TiPlotLabel& label = plot.Label(plot.AddLabel());
        paint();
        return label;
    }

    TiXYPlot plot{nullptr};
    TiPlotLayoutViewer viewer{nullptr};
    int changes = 0;
};

TEST_F(LayoutViewerTest, TheDiagramGivesEveryLayerOneCell)
{
    const TiPlotLayoutManager& m = plot.LayoutManager();
    const int L = m.LeftUniqueCount(), R = m.RightUniqueCount(), T = m.TopUniqueCount(), B = m.BottomUniqueCount();
    const int c = viewer.CellWidth();
    ASSERT_GT(c, 0);
    EXPECT_EQ(viewer.ViewRect(), (TRect{5, 5, 415, 315}));
    EXPECT_EQ(viewer.DataViewRect(), (TRect{5 + L * c, 5 + T * c, 415 - R * c, 315 - B * c}));
    EXPECT_EQ(static_cast<int>(viewer.Blocks().size()), L + R + T + B + 2);
    int toolbars = 0;
    for (const auto& block : viewer.Blocks())
        toolbars += block->ToolBar;
    EXPECT_EQ(toolbars, T > 0 ? 1 : 0);
    EXPECT_EQ(plot.XAxis(0).LayoutRect().Top, viewer.DataViewRect().Bottom) << "the X axis just below the view";
}

TEST_F(LayoutViewerTest, OverTheDataViewADropTargetLiesOnlyNearItsEdges)
{
    const TRect dv = viewer.DataViewRect();
    const int c = viewer.CellWidth();
    EXPECT_EQ(viewer.GetMouseOverBlock2(centre(dv).X, centre(dv).Y), nullptr) << "the middle of the view";
    TBlockObject* edge = viewer.GetMouseOverBlock2(centre(dv).X, dv.Bottom - c / 2);
    ASSERT_NE(edge, nullptr);
    EXPECT_TRUE(edge->DataView);
    EXPECT_TRUE(edge->Horizontal);
    TBlockObject* side = viewer.GetMouseOverBlock2(dv.Left + c / 2, centre(dv).Y);
    ASSERT_NE(side, nullptr);
    EXPECT_FALSE(side->Horizontal) << "the vertical block comes first in the list";
    EXPECT_EQ(viewer.GetMouseOverBlock2(centre(dv).X, viewer.ViewRect().Top + 1), nullptr)
        << "the toolbar's layer answers only in its lower half";
}

TEST_F(LayoutViewerTest, AnAxisDraggedOntoTheOtherOrientationChangesNothing)
{
    TiPlotAxis& x = plot.XAxis(0);
    const int z = x.ZOrder();
    dragTo(centre(x.LayoutRect()), centre(plot.YAxis(0).LayoutRect()));
    EXPECT_TRUE(x.Horizontal());
    EXPECT_EQ(x.ZOrder(), z);
    EXPECT_EQ(changes, 0);
}

TEST_F(LayoutViewerTest, MergingIntoALayerSharesItsSpanEvenly)
{
    TiPlotLabel& title = plot.Label(0);
    TiPlotLabel& second = addLabel();
    TiPlotLabel& third = addLabel();
    // The second label into the middle third of the title's layer, then the third.
    auto intoTitleLayer = [&](TiPlotLabel& label) {
        const TRect target = title.LayoutRect();
        dragTo(centre(label.LayoutRect()), {centre(target).X, target.Top + target.Height() / 2});
    };
    intoTitleLayer(second);
    EXPECT_EQ(second.ZOrder(), title.ZOrder());
    intoTitleLayer(third);
    ASSERT_EQ(third.ZOrder(), title.ZOrder());
    EXPECT_NEAR(title.StartPercent(), 0, 1e-9);
    EXPECT_NEAR(title.StopPercent(), 100.0 / 3, 1e-9);
    EXPECT_NEAR(second.StartPercent(), 100.0 / 3, 1e-9);
    EXPECT_NEAR(second.StopPercent(), 200.0 / 3, 1e-9);
    EXPECT_NEAR(third.StartPercent(), 200.0 / 3, 1e-9) << "the dragged object last";
    EXPECT_NEAR(third.StopPercent(), 100, 1e-9);
    EXPECT_EQ(changes, 2);

    // A swap exchanges the spans exactly.
    dragTo(centre(third.LayoutRect()), centre(title.LayoutRect()));
    EXPECT_NEAR(third.StartPercent(), 0, 1e-9);
    EXPECT_NEAR(title.StartPercent(), 200.0 / 3, 1e-9);
    EXPECT_NEAR(title.StopPercent(), 100, 1e-9);
    EXPECT_EQ(changes, 3);
}

TEST_F(LayoutViewerTest, ALabelDroppedOntoAVerticalLabelLayerTurnsAndKeepsItsSpan)
{
    TiPlotLabel& side = addLabel();
    side.SetHorizontal(false);
    TiPlotLabel& title = plot.Label(0);
    // Spans that do not overlap, so the two can share a layer; the title keeps its span.
    side.SetStartStopPercent(0, 50);
    title.SetStartStopPercent(50, 100);
    paint();
    const TBlockObject* layer = nullptr;
    for (const auto& block : viewer.Blocks())
        if (!block->Horizontal && !block->DataView && block->ZOrder == side.ZOrder())
            layer = block.get();
    ASSERT_NE(layer, nullptr);
    // The middle third of the layer's block merges.
    dragTo(centre(title.LayoutRect()), {layer->ARect.Left + layer->ARect.Width() / 2, centre(side.LayoutRect()).Y});
    EXPECT_FALSE(title.Horizontal()) << "turned";
    EXPECT_LE(std::abs(title.ZOrder() - side.ZOrder()), 1) << "beside or in the label's layer";
    EXPECT_EQ(title.StartPercent(), 50);
    EXPECT_EQ(changes, 1);
}

TEST_F(LayoutViewerTest, AnEdgeDragResizesInStepsOfOneAndAQuarterPercent)
{
    TiPlotAxis& x = plot.XAxis(0);
    const TRect r = x.LayoutRect();
    const int width = viewer.DataViewRect().Width();
    const int y = centre(r).Y;
    in::move(viewer, r.Left + 2, y, {}, Qt::NoButton); // arms the start edge
    EXPECT_EQ(viewer.Cursor(), crSizeWE);
    in::press(viewer, r.Left + 2, y);
    // A travel of 3.4 percent of the data view's width snaps to 3.75 percent.
    const int travel = static_cast<int>(std::lround(width * 0.034));
    in::move(viewer, r.Left + 2 + travel, y);
    const double expected = std::nearbyint(travel * 100.0 / width / 1.25) * 1.25;
    EXPECT_DOUBLE_EQ(x.StartPercent(), expected);
    in::release(viewer, r.Left + 2 + travel, y);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(viewer.EditMode(), ilemNone);
}

TEST_F(LayoutViewerTest, ARightPressOpensNoMoveAndAnObjectLeavingThePlotIsForgotten)
{
    TiPlotAxis& x = plot.XAxis(0);
    const TRect r = x.LayoutRect();
    const int y = centre(r).Y;
    const double start = x.StartPercent();
    // A right press is the popup menu's, which takes the release: it starts nothing.
    in::move(viewer, r.Left + 2, y, {}, Qt::NoButton); // arms the start edge
    in::press(viewer, r.Left + 2, y, {}, Qt::RightButton);
    EXPECT_EQ(viewer.EditMode(), ilemNone);
    EXPECT_EQ(viewer.SelectedObject(), nullptr);
    in::move(viewer, r.Left + 40, y, {}, Qt::NoButton);
    EXPECT_DOUBLE_EQ(x.StartPercent(), start);

    // A label pressed and then deleted while the press lasts leaves nothing behind.
    TiPlotLabel& label = addLabel();
    const TPoint at = centre(label.LayoutRect());
    in::press(viewer, at.X, at.Y);
    ASSERT_EQ(viewer.SelectedObject(), &label);
    viewer.ForgetObject(&label);
    plot.DeleteLabel(1);
    EXPECT_EQ(viewer.SelectedObject(), nullptr);
    EXPECT_EQ(viewer.EditMode(), ilemNone);
    in::move(viewer, at.X + 30, at.Y + 30);
    in::release(viewer, at.X + 30, at.Y + 30);
    paint();
    EXPECT_EQ(changes, 0);
}

TEST(LayoutViewer, WithoutALayoutManagerItDrawsTheFrameAndIgnoresTheMouse)
{
    TiPlotLayoutViewer viewer(nullptr);
    viewer.SetBounds(0, 0, 100, 80);
    viewer.Show();
    TBitmap picture(100, 80);
    viewer.PaintTo(picture.Canvas());
    EXPECT_EQ(picture.Canvas().Pixel(1, 1), TColor(0xFF0000));
    EXPECT_EQ(picture.Canvas().Pixel(50, 40), TColor(0xFFFFFF));
    in::drag(viewer, 50, 40, 60, 50);
    EXPECT_EQ(viewer.EditMode(), ilemNone);
}

} // namespace
