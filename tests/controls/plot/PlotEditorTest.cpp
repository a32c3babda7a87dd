// The run-time plot editor on a test plot that lets the user edit its objects: the lists
// follow the plot, each page edits its object through the real controls, the plot repaints.

#include "PlotControlSupport.h"
#include "WindowSystemInput.h"

#include "controls/plot/editor/iPlotEditor.h"
#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/objects/iPlotTable.h"
#include "controls/plot/plot/iPlot.h"
#include "controls/plot/plot/iPlotLayoutViewer.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/Button.h"
#include "controls/plot/editor/iComponentEditorCheckBox.h"
#include "controls/plot/editor/iComponentEditorColorPicker.h"
#include "controls/plot/editor/iComponentEditorListBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Edit.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/Strings.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using qx::plot::editor::TiEditorKind;

namespace {

/// An X-Y plot with two Y axes, a data cursor, a second label and a table, whose editor stays on top
/// (so opening it does not block the test).
std::unique_ptr<TiXYPlot> makeEditablePlot()
{
    auto plot = std::make_unique<TiXYPlot>(nullptr);
    plot->SetBounds(0, 0, 400, 260);
    plot->SetUserCanAddRemoveChannels(true);
    plot->SetEditorFormStyle(ipfsStayOnTop);
    plot->AddYAxis();
    plot->AddDataCursor();
    // The cursor shows in the toolbar's cursor mode.
    plot->ToolBar(0).DoButtonClickCursor();
    plot->AddLabel();
    plot->AddLimit();
    TiPlotTable& table = plot->Table(plot->AddTable());
    table.AddColumn("Gain");
    table.SetCell(table.AddRow(), 0, "-3 dB");
    qx::setProperty(*plot->MasterManager().LimitManager()->GetItem(0), "Style", qx::Ident{"iplsLineX"});
    qx::test::replacePoints(plot->GetChannel(0), {{0, 0}, {50, 40}, {100, 90}});
    return plot;
}

class PlotEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot = makeEditablePlot();
        plot->MasterManager().EditProperties();
        form = dynamic_cast<TiPlotEditorForm*>(plot->MasterManager().EditorLink());
        ASSERT_NE(form, nullptr);
        QApplication::processEvents();
    }

    template <class T>
    T& control(const std::string& name)
    {
        auto* c = dynamic_cast<T*>(form->FindComponent(name));
        if (!c)
            throw std::runtime_error("no control " + name);
        return *c;
    }

    /// Shows the pages that hold the control, as a user clicking their tabs would.
    void reveal(TControl& c)
    {
        for (TControl* p = &c; p; p = p->Parent())
            if (auto* sheet = dynamic_cast<TTabSheet*>(p))
                if (auto* pages = dynamic_cast<TPageControl*>(sheet->Parent()))
                    pages->SetActivePage(sheet);
        QApplication::processEvents();
    }

    /// Types a value into an edit and leaves it with Tab.
    void type(const std::string& name, const std::string& text)
    {
        auto& edit = control<TEdit>(name);
        reveal(edit);
        qx::test::clickThroughWindow(edit);
        QTest::keyClick(edit.Widget()->window()->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        qx::test::typeThroughWindow(edit, text);
        QTest::keyClick(edit.Widget()->window()->windowHandle(), Qt::Key_Tab);
        QApplication::processEvents();
    }

    void click(const std::string& name)
    {
        auto& c = control<TControl>(name);
        reveal(c);
        // A check box takes clicks on its box and caption only.
        if (dynamic_cast<TiCheckBox*>(&c))
            qx::test::clickThroughWindow(c.Widget(), QPoint(6, c.Height() / 2));
        else
            qx::test::clickThroughWindow(c);
        QApplication::processEvents();
    }

    /// Picks the next item of a drop-down list with the Down key.
    void pickNext(const std::string& name)
    {
        auto& combo = control<TComboBox>(name);
        reveal(combo);
        combo.Widget()->setFocus();
        QTest::keyClick(combo.Widget(), Qt::Key_Down);
        QApplication::processEvents();
    }

    static bool samePicture(TBitmap& a, TBitmap& b)
    {
        for (int y = 0; y < a.Height(); ++y) {
            const auto ra = a.ScanLine(y), rb = b.ScanLine(y);
            if (!std::equal(ra.begin(), ra.end(), rb.begin(), rb.end()))
                return false;
        }
        return true;
    }

    /// The text the list draws for an item.
    static std::string listText(TiComponentEditorListBox& list, int index)
    {
        bool box = true;
        TColor color = clRed;
        std::string text;
        list.OnGetData(index, box, color, text);
        return text;
    }

    std::string property(TPersistent& object, const std::string& path)
    {
        return qx::toText(qx::getProperty(object, path));
    }

    std::unique_ptr<TiXYPlot> plot;
    TiPlotEditorForm* form = nullptr;
};

TEST_F(PlotEditorTest, OpensWithEveryListFilledFromThePlotAndItsFirstObjectSelected)
{
    const auto& master = plot->MasterManager();
    for (const auto& page : qx::plot::editor::EditorPages()) {
        SCOPED_TRACE(page.ListBox);
        TiComponentEditorListBox* list = form->ListBox(page.Kind);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->Items()->Count(), page.Manager(master)->Count());
        EXPECT_EQ(list->ItemIndex(), 0);
        EXPECT_EQ(list->Items()->Objects(0), page.Manager(master)->GetItem(0));
    }
    EXPECT_EQ(control<TEdit>("XAxisNameEdit").Text(), plot->XAxis(0).Name());
    EXPECT_EQ(control<TEdit>("ChannelNameEdit").Text(), plot->Channel(0).Name());
}

TEST_F(PlotEditorTest, EachPageEditsItsObjectAndThePlotRepaints)
{
    struct Row
    {
        const char* control;
        enum { Type, Click, Pick } action;
        const char* input;
        std::function<TPersistent&(TiXYPlot&)> object;
        const char* property;
        const char* expected;
        /// Whether the change shows in the plot's picture.
        bool shows = true;
    };
    const auto xAxis = [](TiXYPlot& p) -> TPersistent& { return p.XAxis(0); };
    const auto yAxis = [](TiXYPlot& p) -> TPersistent& { return p.YAxis(0); };
    const auto channel = [](TiXYPlot& p) -> TPersistent& { return p.Channel(0); };
    const auto legend = [](TiXYPlot& p) -> TPersistent& { return p.Legend(0); };
    const auto toolbar = [](TiXYPlot& p) -> TPersistent& { return p.ToolBar(0); };
    const auto dataView = [](TiXYPlot& p) -> TPersistent& { return p.DataView(0); };
    const auto cursor = [](TiXYPlot& p) -> TPersistent& { return p.DataCursor(0); };
    const auto label = [](TiXYPlot& p) -> TPersistent& { return p.Label(1); };
    const auto limit = [](TiXYPlot& p) -> TPersistent& { return *p.MasterManager().LimitManager()->GetItem(0); };
    const auto table = [](TiXYPlot& p) -> TPersistent& { return p.Table(0); };
    const Row rows[] = {
        {"XAxisMinEdit", Row::Type, "-20", xAxis, "Min", "-20.0"},
        {"XAxisSpanEdit", Row::Type, "250", xAxis, "Span", "250.0"},
        {"XAxisTitleShowCheckBox", Row::Click, "", xAxis, "TitleShow", "True"},
        {"XAxisReverseScaleCheckBox", Row::Click, "", xAxis, "ReverseScale", "True"},
        {"XAxisLabelRotationComboBox", Row::Pick, "", xAxis, "LabelsRotation", "ira090"},
        {"YAxisMinorCountEdit", Row::Type, "4", yAxis, "MinorCount", "4"},
        {"YAxisGridLinesVisibleCheckBox", Row::Click, "", yAxis, "GridLinesVisible", "False"},
        {"ChannelTitleEdit", Row::Type, "Level", channel, "TitleText", "\"Level\""},
        {"ChannelTraceLineWidthEdit", Row::Type, "3", channel, "TraceLineWidth", "3"},
        {"ChannelMarkersVisible", Row::Click, "", channel, "MarkersVisible", "True"},
        {"ChannelTraceLineStyleComboBox", Row::Pick, "", channel, "TraceLineStyle", "iplsDash"},
        {"LegendShowYMaxCheckbox", Row::Click, "", legend, "ShowColumnYMax", "True"},
        {"LegendColumnSpacingEdit", Row::Type, "2.5", legend, "ColumnSpacing", "2.5"},
        {"ToolBarShowCopyButtonCheckBox", Row::Click, "", toolbar, "ShowCopyButton", "False"},
        {"ToolBarZoomInOutFactorEdit", Row::Type, "3", toolbar, "ZoomInOutFactor", "3.0", false},
        {"DataViewGridShow", Row::Click, "", dataView, "GridShow", "False"},
        {"DataViewGridLineMajorStyleComboBox", Row::Pick, "", dataView, "GridLineMajorStyle", "ipglsDash", false},
        {"DataCursorPointer1PositionEdit", Row::Type, "30", cursor, "Pointer1Position", "30.0"},
        {"DataCursorStyleComboBox", Row::Pick, "", cursor, "Style", "ipcsValueX"},
        {"LabelCaptionMemo", Row::Type, "Second", label, "Caption", "\"Second\""},
        {"LimitStyleComboBox", Row::Pick, "", limit, "Style", "iplsLineY"},
        {"LimitLine1PositionEdit", Row::Type, "40", limit, "Line1Position", "40.0"},
        {"LimitLineWidthEdit", Row::Type, "4", limit, "LineWidth", "4"},
        {"TableGridLinesShowCheckBox", Row::Click, "", table, "GridLinesShow", "False"},
        {"TableColumnSpacingEdit", Row::Type, "4", table, "ColumnSpacing", "4.0"},
        {"TableColumnTitlesVisibleCheckBox", Row::Click, "", table, "ColumnTitlesVisible", "False"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        if (std::string(row.control).starts_with("Label"))
            form->SelectObject(plot->Label(1));
        TBitmap before = qx::test::plotPicture(*plot);
        switch (row.action) {
        case Row::Type:
            type(row.control, row.input);
            break;
        case Row::Click:
            click(row.control);
            break;
        case Row::Pick:
            pickNext(row.control);
            break;
        }
        EXPECT_EQ(property(row.object(*plot), row.property), row.expected);
        TBitmap after = qx::test::plotPicture(*plot);
        EXPECT_EQ(samePicture(before, after), !row.shows) << "whether the plot changed";
    }
}

TEST_F(PlotEditorTest, ListsFollowObjectsAddedRenamedAndDeletedByThePlot)
{
    TiComponentEditorListBox& list = *form->ListBox(TiEditorKind::YAxis);
    ASSERT_EQ(list.Items()->Count(), 2);
    plot->AddYAxis();
    ASSERT_EQ(list.Items()->Count(), 3);
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_EQ(control<TEdit>("YAxisNameEdit").Text(), plot->YAxis(2).Name());

    // A rename shows in the list and in the channel page's axis choice that held the name.
    const std::string shown = control<TComboBox>("ChannelYAxisNameComboBox").Text();
    ASSERT_EQ(shown, plot->YAxis(0).Name());
    plot->YAxis(0).SetName("Gain");
    EXPECT_EQ(listText(list, 0), "Gain");
    EXPECT_EQ(control<TComboBox>("ChannelYAxisNameComboBox").Text(), "Gain");

    plot->DeleteYAxis(1);
    ASSERT_EQ(list.Items()->Count(), 2);
    EXPECT_EQ(listText(list, 0), "Gain");
    EXPECT_EQ(list.Items()->Objects(1), &plot->YAxis(1));
}

TEST_F(PlotEditorTest, ListsFollowObjectsAddedRenamedAndRemovedInTheEditor)
{
    auto& master = plot->MasterManager();
    TiComponentEditorListBox& channels = *form->ListBox(TiEditorKind::Channel);
    click("iChannelAddButton");
    ASSERT_EQ(master.ChannelManager()->Count(), 2);
    ASSERT_EQ(channels.Items()->Count(), 2);
    EXPECT_EQ(channels.ItemIndex(), 1);

    type("ChannelNameEdit", "Output");
    EXPECT_EQ(plot->Channel(1).Name(), "Output");
    EXPECT_EQ(listText(channels, 1), "Output");
    // The cursor's channel choice lists the new name.
    form->UpdateDataCursorEdit();
    EXPECT_GE(control<TComboBox>("DataCursorChannelNameComboBox").Items()->IndexOf("Output"), 0);

    click("ChannelRemoveButton");
    EXPECT_EQ(master.ChannelManager()->Count(), 1);
    EXPECT_EQ(channels.Items()->Count(), 1);
    EXPECT_EQ(channels.ItemIndex(), 0);

    // Removing the selected Y axis selects the one before and drops it from the channel page.
    TiComponentEditorListBox& yAxes = *form->ListBox(TiEditorKind::YAxis);
    yAxes.SetItemIndex(1);
    form->YAxisListBoxClick(nullptr);
    const std::string removed = plot->YAxis(1).Name();
    click("YAxisRemoveButton");
    EXPECT_EQ(master.YAxisManager()->Count(), 1);
    EXPECT_EQ(yAxes.ItemIndex(), 0);
    EXPECT_EQ(control<TComboBox>("ChannelYAxisNameComboBox").Items()->IndexOf(removed), -1);
}

TEST_F(PlotEditorTest, TheTableListFollowsThePlotAndItsAddAndRemoveButtons)
{
    auto& master = plot->MasterManager();
    TiComponentEditorListBox& tables = *form->ListBox(TiEditorKind::Table);
    ASSERT_EQ(tables.Items()->Count(), 1);

    // Added by the plot: appended, selected and loaded.
    plot->AddTable();
    ASSERT_EQ(tables.Items()->Count(), 2);
    EXPECT_EQ(tables.ItemIndex(), 1);
    EXPECT_EQ(tables.Items()->Objects(1), &plot->Table(1));
    EXPECT_EQ(control<TEdit>("TableNameEdit").Text(), plot->Table(1).Name());

    // Renamed on the page: the list shows the new name at once.
    type("TableNameEdit", "Levels");
    EXPECT_EQ(plot->Table(1).Name(), "Levels");
    EXPECT_EQ(listText(tables, 1), "Levels");

    // Added and removed in the editor.
    click("iTableAddButton");
    ASSERT_EQ(master.TableManager()->Count(), 3);
    ASSERT_EQ(tables.Items()->Count(), 3);
    EXPECT_EQ(tables.ItemIndex(), 2);
    click("TableRemoveButton");
    EXPECT_EQ(master.TableManager()->Count(), 2);
    EXPECT_EQ(tables.Items()->Count(), 2);
    EXPECT_EQ(tables.ItemIndex(), 1);
    EXPECT_EQ(control<TEdit>("TableNameEdit").Text(), "Levels");

    // Deleted by the plot; without tables the page is disabled but Add.
    plot->DeleteTable(0);
    ASSERT_EQ(tables.Items()->Count(), 1);
    EXPECT_EQ(listText(tables, 0), "Levels");
    click("TableRemoveButton");
    EXPECT_EQ(master.TableManager()->Count(), 0);
    EXPECT_FALSE(control<TEdit>("TableNameEdit").Enabled());
    EXPECT_FALSE(control<TButton>("TableRemoveButton").Enabled());
    EXPECT_TRUE(control<TButton>("iTableAddButton").Enabled());
}

TEST_F(PlotEditorTest, TheTablesLayoutPageMovesTheTableAndLeavesTheAxesAlone)
{
    const double xStart = plot->XAxis(0).StartPercent();
    const double yStop = plot->YAxis(0).StopPercent();
    type("TableStopPercentEdit", "60");
    EXPECT_DOUBLE_EQ(plot->Table(0).StopPercent(), 60);
    EXPECT_DOUBLE_EQ(plot->XAxis(0).StartPercent(), xStart);
    EXPECT_DOUBLE_EQ(plot->YAxis(0).StopPercent(), yStop);
}

TEST_F(PlotEditorTest, TheLayoutPopupOffersWhatSuitsTheObjectUnderThePointer)
{
    auto& viewer = control<TiPlotLayoutViewer>("iPlotLayoutViewer");
    reveal(viewer);
    viewer.Repaint();
    QApplication::processEvents();
    ASSERT_EQ(viewer.PopupMenu(), &control<TPopupMenu>("LayoutPopupMenu"));
    const auto pointOver = [&](TiPlotLayoutObject* object) {
        for (int y = 1; y < viewer.Height(); y += 2)
            for (int x = 1; x < viewer.Width(); x += 2)
                if (viewer.GetMouseOverBlock(x, y) == object)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    };
    /// Right-clicks through the window and returns the menu that opened.
    const auto rightClick = [&](QPoint at) -> QMenu* {
        QWidget* top = viewer.Widget()->window();
        top->activateWindow();
        QApplication::processEvents();
        QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, viewer.Widget()->mapTo(top, at));
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    struct Case
    {
        const char* what;
        TiPlotLayoutObject* object;
        bool canDelete, canHide;
    };
    const Case cases[] = {
        {"title", &plot->Label(0), false, true},
        {"second label", &plot->Label(1), true, true},
        {"X axis", &plot->XAxis(0), true, true},
        {"table", &plot->Table(0), true, true},
        {"data view", &plot->DataView(0), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QPoint at = pointOver(c.object);
        ASSERT_NE(at, QPoint(-1, -1)) << "the object shows in the layout";
        QMenu* menu = rightClick(at);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(form->RightClickObject(), c.object);
        EXPECT_EQ(control<TMenuItem>("DeleteMenuItem").Enabled(), c.canDelete);
        EXPECT_EQ(control<TMenuItem>("VisibleMenuItem").Enabled(), c.canHide);
        EXPECT_TRUE(control<TMenuItem>("EditMenuItem").Enabled());
        menu->close();
        QApplication::processEvents();
    }

    // Edit on an X axis shows its page with the axis selected and loaded.
    QMenu* menu = rightClick(pointOver(&plot->XAxis(0)));
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions())
        if (action->text() == "Edit")
            action->trigger();
    QApplication::processEvents();
    EXPECT_EQ(control<TPageControl>("PageControl").ActivePage(), &control<TTabSheet>("XAxesTabSheet"));
    EXPECT_EQ(form->SelectedObject(TiEditorKind::XAxis), &plot->XAxis(0));
    EXPECT_EQ(control<TEdit>("XAxisNameEdit").Text(), plot->XAxis(0).Name());
    if (QWidget* open = QApplication::activePopupWidget())
        open->close();
}

TEST(PlotEditorEvents, OpeningAndClosingTheEditorRaiseTheirEventsWithTheForm)
{
    auto plot = makeEditablePlot();
    std::vector<std::pair<std::string, TObject*>> raised;
    plot->OnAfterOpenEditor = [&](TObject* Sender) { raised.emplace_back("open", Sender); };
    plot->OnAfterCloseEditor = [&](TObject* Sender) { raised.emplace_back("close", Sender); };
    plot->MasterManager().EditProperties();
    auto* form = dynamic_cast<TiPlotEditorForm*>(plot->MasterManager().EditorLink());
    ASSERT_NE(form, nullptr);
    QApplication::processEvents();
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0], std::make_pair(std::string("open"), static_cast<TObject*>(form)));
    form->Close();
    QApplication::processEvents();
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_EQ(raised[1], std::make_pair(std::string("close"), static_cast<TObject*>(form)));
    EXPECT_EQ(plot->MasterManager().EditorLink(), nullptr);
}

TEST_F(PlotEditorTest, WithoutChannelsThePageIsDisabledButAdd)
{
    click("ChannelRemoveButton");
    ASSERT_EQ(plot->MasterManager().ChannelManager()->Count(), 0);
    EXPECT_FALSE(control<TEdit>("ChannelNameEdit").Enabled());
    EXPECT_EQ(control<TEdit>("ChannelNameEdit").Text(), "");
    EXPECT_FALSE(control<TButton>("ChannelRemoveButton").Enabled());
    EXPECT_FALSE(control<TiCheckBox>("ChannelVisibleCheckBox").Checked());
    EXPECT_TRUE(control<TButton>("iChannelAddButton").Enabled());
    click("iChannelAddButton");
    EXPECT_TRUE(control<TEdit>("ChannelNameEdit").Enabled());
    EXPECT_EQ(control<TEdit>("ChannelNameEdit").Text(), plot->Channel(0).Name());
}

TEST_F(PlotEditorTest, TypedNumbersAreHeldWithinTheRangeOfTheirProperty)
{
    struct Row
    {
        const char* control;
        const char* typed;
        const char* property;
        const char* stored;
    };
    const Row rows[] = {
        {"XAxisLabelPrecisionEdit", "1000", "LabelsPrecision", "30"},
        {"XAxisLabelPrecisionEdit", "-4", "LabelsPrecision", "0"},
        {"YAxisLabelPrecisionEdit", "25", "LabelsPrecision", "20"},
        {"XAxisMinorCountEdit", "-3", "MinorCount", "0"},
        {"XAxisMajorLengthEdit", "abc", "MajorLength", "0"},
        {"ChannelMarkersSizeEdit", "500", "MarkersSize", "100"},
        {"DataCursorPointerPenWidthEdit", "0", "PointerPenWidth", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.control) + " " + row.typed);
        type(row.control, row.typed);
        TPersistent& object = std::string(row.control).starts_with("XAxis")   ? static_cast<TPersistent&>(plot->XAxis(0))
                              : std::string(row.control).starts_with("YAxis") ? plot->YAxis(0)
                              : std::string(row.control).starts_with("Channel")
                                  ? static_cast<TPersistent&>(plot->Channel(0))
                                  : plot->DataCursor(0);
        EXPECT_EQ(property(object, row.property), row.stored);
        EXPECT_EQ(control<TEdit>(row.control).Text(), row.stored);
    }
}

TEST_F(PlotEditorTest, NoneAndAllShowTranslatedAndAreStoredAsTheirTokens)
{
    plot->AddTranslation("<None>", "<Keine>");
    plot->AddTranslation("<All>", "<Alle>");
    form->UpdateAll();
    auto& xName = control<TComboBox>("ChannelXAxisNameComboBox");
    ASSERT_EQ(xName.Items()->Get(0), "<Keine>");
    reveal(xName);
    xName.Widget()->setFocus();
    QTest::keyClick(xName.Widget(), Qt::Key_Up);
    EXPECT_EQ(plot->Channel(0).XAxisName(), "<None>");
    EXPECT_EQ(xName.Text(), "<Keine>");

    auto& gridX = control<TComboBox>("DataViewGridXAxisNameComboBox");
    ASSERT_EQ(gridX.Items()->Get(gridX.Items()->Count() - 1), "<Alle>");
    pickNext("DataViewGridXAxisNameComboBox");
    EXPECT_EQ(property(plot->DataView(0), "GridXAxisName"), "\"<All>\"");

    auto& cursorChannel = control<TComboBox>("DataCursorChannelNameComboBox");
    ASSERT_EQ(cursorChannel.Items()->Get(0), "<Alle>");
    reveal(cursorChannel);
    cursorChannel.Widget()->setFocus();
    QTest::keyClick(cursorChannel.Widget(), Qt::Key_Up);
    EXPECT_EQ(property(plot->DataCursor(0), "ChannelName"), "\"<All>\"");
}

TEST_F(PlotEditorTest, TheTitleLabelStaysAndFollowsTheControlPage)
{
    form->SelectObject(plot->Label(0));
    EXPECT_FALSE(control<TButton>("LabelRemoveButton").Enabled());
    form->SelectObject(plot->Label(1));
    EXPECT_TRUE(control<TButton>("LabelRemoveButton").Enabled());

    type("TitleTextEdit", "Response");
    EXPECT_EQ(plot->Label(0).Caption(), "Response");
    form->SelectObject(plot->Label(0));
    EXPECT_EQ(control<TEdit>("LabelCaptionMemo").Text(), "Response");
    type("LabelCaptionMemo", "Curve");
    EXPECT_EQ(control<TEdit>("TitleTextEdit").Text(), "Curve");
}

TEST_F(PlotEditorTest, AColourPickedInTheDialogAndTheControlPageReachThePlot)
{
    qx::ScriptedDialogService dialogs;
    dialogs.colorAnswers = {clLime};
    auto& picker = control<TiComponentEditorColorPicker>("ChannelColorPicker");
    reveal(picker);
    qx::test::clickThroughWindow(picker.Button());
    QApplication::processEvents();
    EXPECT_EQ(plot->Channel(0).Color(), clLime);
    EXPECT_EQ(dialogs.colorRequests.size(), 1u);
    bool box = false;
    TColor shown = clRed;
    std::string text;
    form->ListBox(TiEditorKind::Channel)->OnGetData(0, box, shown, text);
    EXPECT_TRUE(box);
    EXPECT_EQ(shown, clLime);

    // The Control page writes the plot component; text that is no number reads as 0.
    type("UpdateFrameRateEdit", "abc");
    EXPECT_EQ(plot->UpdateFrameRate(), 0);
    type("UpdateFrameRateEdit", "250");
    EXPECT_EQ(plot->UpdateFrameRate(), 100);
    type("PrintDocumentNameEdit", "Report");
    EXPECT_EQ(property(*plot, "PrintDocumentName"), "\"Report\"");
}

TEST_F(PlotEditorTest, TheToolbarEditButtonAndAnObjectsEditEntryOpenTheEditor)
{
    auto& master = plot->MasterManager();
    master.EditObject(&plot->XAxis(0));
    auto& pages = control<TPageControl>("PageControl");
    EXPECT_EQ(pages.ActivePage(), &control<TTabSheet>("XAxesTabSheet"));
    // Closing a stay-on-top editor frees it; the toolbar's button makes a new one.
    form->Close();
    QApplication::processEvents();
    EXPECT_EQ(master.EditorLink(), nullptr);
    plot->ToolBar(0).DoButtonClickEdit();
    EXPECT_NE(master.EditorLink(), nullptr);
}

} // namespace

namespace {

TEST(PlotEditorChannelKinds, TheYTPagesShowOnAYTPlotOnlyAndEditItsChannel)
{
    const auto hiddenTabs = [](TiPlotEditorForm& form) {
        std::vector<std::string> hidden;
        auto* pages = dynamic_cast<TPageControl*>(form.FindComponent("ChannelPageControl"));
        for (int i = 0; pages && i < pages->PageCount(); ++i)
            if (!pages->Pages(i)->TabVisible())
                hidden.push_back(pages->Pages(i)->Caption());
        return hidden;
    };
    auto xy = makeEditablePlot();
    xy->MasterManager().EditProperties();
    auto* xyForm = dynamic_cast<TiPlotEditorForm*>(xy->MasterManager().EditorLink());
    ASSERT_NE(xyForm, nullptr);
    EXPECT_EQ(hiddenTabs(*xyForm), (std::vector<std::string>{"Bar", "High/Low", "Fill", "Digital"}));
    EXPECT_FALSE(dynamic_cast<TControl*>(xyForm->FindComponent("ChannelFastDrawCheckBox"))->Visible());

    TiPlot yt(nullptr);
    yt.SetBounds(0, 0, 400, 260);
    yt.SetEditorFormStyle(ipfsStayOnTop);
    ASSERT_GT(yt.MasterManager().ChannelManager()->Count(), 0);
    yt.MasterManager().EditProperties();
    auto* form = dynamic_cast<TiPlotEditorForm*>(yt.MasterManager().EditorLink());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(hiddenTabs(*form).empty());
    auto& fill = *dynamic_cast<TiCheckBox*>(form->FindComponent("ChannelFillEnabledCheckBox"));
    auto& pages = *dynamic_cast<TPageControl*>(form->FindComponent("ChannelPageControl"));
    pages.SetActivePage(dynamic_cast<TTabSheet*>(fill.Parent()));
    dynamic_cast<TPageControl*>(form->FindComponent("PageControl"))
        ->SetActivePage(dynamic_cast<TTabSheet*>(form->FindComponent("ChannelsTabSheet")));
    QApplication::processEvents();
    TPersistent& channel = *yt.MasterManager().ChannelManager()->GetItem(0);
    const bool before = qx::detail::asBool(qx::getProperty(channel, "FillEnabled"));
    qx::test::clickThroughWindow(fill.Widget(), QPoint(6, fill.Height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(qx::detail::asBool(qx::getProperty(channel, "FillEnabled")), !before);
}

} // namespace
