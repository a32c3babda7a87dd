// The plot's table: the space it asks for, the rows it shows, its scroll buttons clicked on
// a shown plot, automatic column widths, hidden columns and titles, and spacings that would
// make a row no height at all.

#include "PlotControlSupport.h"
#include "PlotInput.h"

#include "controls/plot/objects/iPlotTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

namespace in = qx::test::plotinput;
using qx::test::plotPicture;

/// A shown X-Y plot with a table of two columns beside its data view.
std::unique_ptr<TiXYPlot> makeTablePlot(int Rows)
{
    auto plot = std::make_unique<TiXYPlot>(nullptr);
    plot->SetBounds(0, 0, 600, 320);
    plot->Show();
    TiPlotTable& table = plot->Table(plot->AddTable());
    table.AddColumn("Name");
    table.AddColumn("Value");
    for (int r = 0; r < Rows; ++r)
        table.SetRowData(table.AddRow(), "Row " + std::to_string(r) + "\n" + std::to_string(r * 10));
    plotPicture(*plot);
    return plot;
}

TEST(PlotTable, WithoutRowsItAsksNoSpaceAndDrawsNothing)
{
    auto plot = makeTablePlot(0);
    TiPlotTable& table = plot->Table(0);
    TBitmap probe(10, 10);
    EXPECT_EQ(table.GetRequiredThickness(probe.Canvas()), 0);
    EXPECT_EQ(table.ColumnCount(), 2);
    TBitmap picture = plotPicture(*plot);
    table.SetVisible(false);
    EXPECT_TRUE(plotPicture(*plot).Image() == picture.Image()) << "the table drew nothing";
}

TEST(PlotTable, RowsMaxShowsThreeRowsAndTheButtonsScrollThroughTheRest)
{
    auto plot = makeTablePlot(10);
    TiPlotTable& table = plot->Table(0);
    table.SetRowsMax(3);
    plotPicture(*plot);
    EXPECT_EQ(table.ItemViewStartIndex(), 0);
    EXPECT_EQ(table.ItemViewStopIndex(), 2);
    ASSERT_TRUE(table.UpButton().Visible());
    ASSERT_TRUE(table.DownButton().Visible());
    EXPECT_FALSE(table.UpButton().Enabled());
    EXPECT_TRUE(table.DownButton().Enabled());

    const TRect down = table.DownButton().DrawRect();
    for (int i = 0; i < 7; ++i) {
        in::press(*plot, (down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2);
        in::release(*plot, (down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2);
        plotPicture(*plot);
    }
    EXPECT_EQ(table.ItemViewStartIndex(), 7);
    EXPECT_EQ(table.ItemViewStopIndex(), 9);
    EXPECT_FALSE(table.DownButton().Enabled());
    EXPECT_TRUE(table.UpButton().Enabled());

    const TRect up = table.UpButton().DrawRect();
    in::press(*plot, (up.Left + up.Right) / 2, (up.Top + up.Bottom) / 2);
    in::release(*plot, (up.Left + up.Right) / 2, (up.Top + up.Bottom) / 2);
    plotPicture(*plot);
    EXPECT_EQ(table.ItemViewStartIndex(), 6);
}

TEST(PlotTable, AnAutomaticColumnFitsItsWidestCellAlsoWhenScrolledOut)
{
    auto plot = makeTablePlot(10);
    TiPlotTable& table = plot->Table(0);
    table.SetRowsMax(2);
    plotPicture(*plot);
    const int narrow = table.Column(0).WidthPixels;
    table.SetCell(9, 0, "A much longer name than the others");
    EXPECT_EQ(table.Cell(9, 1), "90") << "the other cell kept";
    plotPicture(*plot);
    EXPECT_EQ(table.ItemViewStopIndex(), 1) << "row 9 is not shown";
    EXPECT_GT(table.Column(0).WidthPixels, narrow);

    TBitmap probe(10, 10);
    probe.Canvas().Font() = table.DataFont();
    const int zero = probe.Canvas().TextWidth("0");
    EXPECT_EQ(table.Column(0).WidthPixels,
              probe.Canvas().TextWidth("A much longer name than the others") + 2 * zero + zero);
    EXPECT_EQ(table.Column(0).Width, table.Column(0).WidthPixels / zero);
}

TEST(PlotTable, AHiddenColumnTakesNoWidthAndNoGridLine)
{
    auto plot = makeTablePlot(3);
    TiPlotTable& table = plot->Table(0);
    plotPicture(*plot);
    const int both = table.GridRect().Width();
    const int first = table.Column(0).WidthPixels;
    table.Column(1).Visible = false;
    table.SetRowsMax(0); // a change, so the plot lays out again
    TBitmap picture = plotPicture(*plot);
    EXPECT_EQ(table.GridRect().Width(), first);
    EXPECT_LT(table.GridRect().Width(), both);
    const TRect grid = table.GridRect();
    const int y = (grid.Top + grid.Bottom) / 2;
    EXPECT_EQ(picture.Canvas().Pixel(grid.Left, y), clWhite) << "the line before the column";
    EXPECT_EQ(picture.Canvas().Pixel(grid.Right, y), clWhite) << "the line after the last shown column";
    EXPECT_NE(picture.Canvas().Pixel(grid.Left + first / 2, y), clWhite) << "no line inside";
}

TEST(PlotTable, WithoutTitlesTheFirstRowStartsAtTheGridTop)
{
    auto plot = makeTablePlot(3);
    TiPlotTable& table = plot->Table(0);
    table.SetColumnTitlesVisible(false);
    plotPicture(*plot);
    EXPECT_EQ(table.TitleRect().Height(), 0);
    EXPECT_EQ(table.TitleRect().Bottom, table.GridRect().Top);
    EXPECT_EQ(table.GridRect().Height(), 3 * table.RowHeight());
}

TEST(PlotTable, ARowOfNoHeightDividesNothingByZero)
{
    // A negative row spacing makes the row height 0 or less; the rows that fit are then
    // counted with a divisor of at least 1.
    for (const double spacing : {-1.0, -3.0}) {
        auto plot = makeTablePlot(200);
        TiPlotTable& table = plot->Table(0);
        table.SetRowSpacing(spacing);
        plotPicture(*plot);
        EXPECT_LE(table.RowHeight(), 0) << spacing;
        EXPECT_GE(table.ItemViewStopIndex(), table.ItemViewStartIndex() - 1) << spacing;
    }
}

TEST(PlotTable, AFontOfNoWidthDividesNothingByZero)
{
    auto plot = makeTablePlot(3);
    TiPlotTable& table = plot->Table(0);
    TFont none = table.DataFont();
    none.SetSize(0);
    none.SetHeight(0);
    table.SetDataFont(none);
    plotPicture(*plot);
    EXPECT_GE(table.Column(0).Width, 0);
}

TEST(PlotTable, RowsAndCellsAreReadAndWrittenByIndex)
{
    auto plot = makeTablePlot(2);
    TiPlotTable& table = plot->Table(0);
    EXPECT_EQ(table.Cell(1, 0), "Row 1");
    EXPECT_EQ(table.Cell(1, 5), "") << "a missing line is an empty cell";
    table.SetCell(0, 3, "x");
    EXPECT_EQ(table.RowData(0), "Row 0\n0\n\nx");
    table.DeleteRow(0);
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_THROW(table.RowData(1), std::out_of_range);
    EXPECT_THROW(table.Column(2), std::out_of_range);
    table.RemoveAllRows();
    EXPECT_EQ(table.RowCount(), 0);
}

} // namespace
