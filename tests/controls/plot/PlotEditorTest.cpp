// The run-time plot editor on a test plot that lets the user edit its objects: the lists
// follow the plot, each page edits its object through the real controls, the plot repaints.

#include "PlotControlSupport.h"
#include "TempDir.h"
#include "ValueConverterDriver.h"
#include "WindowSystemInput.h"

#include "controls/plot/editor/iPlotEditor.h"
#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/objects/iPlotTable.h"
#include "controls/plot/plot/iPlot.h"
#include "controls/plot/plot/iPlotLayoutViewer.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "controls/plot/editor/iComponentEditorCheckBox.h"
#include "controls/plot/editor/iComponentEditorColorPicker.h"
#include "controls/plot/editor/iComponentEditorEdit.h"
#include "controls/plot/editor/iComponentEditorListBox.h"
#include "controls/plot/editor/iComponentEditorPageControl.h"
#include "controls/plot/editor/iComponentEditorValueConverterPicker.h"
#include "controls/plot/editor/iValueConverterEdit.h"
#include "controls/plot/objects/iPlotAnnotation.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Edit.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/Strings.h"
#include "platform/gui/Timer.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <chrono>
#include <deque>
#include <filesystem>
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

    /// Clicks a value converter button through the window and answers the converter: types
    /// `typed` (when given) over its value, then clicks OK or Cancel.
    qx::test::ConverterOpened converse(const std::string& pickerName, const std::string& typed, bool ok)
    {
        auto& picker = control<TiComponentEditorValueConverterPicker>(pickerName);
        reveal(picker);
        const qx::test::ConverterOpened opened = qx::test::answerValueConverter(
            picker, ok, [&] { qx::test::clickThroughWindow(picker); },
            [&](TiValueConverterEditForm& converter) {
                if (typed.empty())
                    return;
                qx::test::clickThroughWindow(*converter.ValueEdit);
                QTest::keyClick(converter.Widget()->window()->windowHandle(), Qt::Key_A, Qt::ControlModifier);
                qx::test::typeThroughWindow(*converter.ValueEdit, typed);
            });
        EXPECT_TRUE(opened.shown) << "the value converter showed";
        EXPECT_EQ(picker.Form(), nullptr) << "the converter is gone after the dialog";
        return opened;
    }

    /// Right-clicks the layout viewer at a point through the window; the menu that opened.
    QMenu* layoutMenuAt(QPoint at)
    {
        auto& viewer = control<TiPlotLayoutViewer>("iPlotLayoutViewer");
        QWidget* top = viewer.Widget()->window();
        top->activateWindow();
        QApplication::processEvents();
        QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, viewer.Widget()->mapTo(top, at));
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    /// A point of the layout viewer over the object (over empty space for nullptr), or
    /// (-1, -1) when it shows nowhere.
    QPoint layoutPointOver(TiPlotLayoutObject* object)
    {
        auto& viewer = control<TiPlotLayoutViewer>("iPlotLayoutViewer");
        reveal(viewer);
        viewer.Repaint();
        QApplication::processEvents();
        for (int y = 1; y < viewer.Height(); y += 2)
            for (int x = 1; x < viewer.Width(); x += 2)
                if (viewer.GetMouseOverBlock(x, y) == object)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    }

    /// Opens the layout popup over the object and clicks the entry with the caption in the
    /// menu's window; false when the entry is missing or disabled (the menu is then closed).
    bool chooseInLayoutPopup(TiPlotLayoutObject* object, const std::string& caption)
    {
        const QPoint at = layoutPointOver(object);
        EXPECT_NE(at, QPoint(-1, -1)) << "the object shows in the layout";
        QMenu* menu = layoutMenuAt(at);
        if (!menu) {
            ADD_FAILURE() << "no menu opened";
            return false;
        }
        QAction* entry = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().toStdString() == caption)
                entry = action;
        if (!entry || !entry->isEnabled()) {
            menu->close();
            QApplication::processEvents();
            return false;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        QApplication::processEvents();
        if (QWidget* open = QApplication::activePopupWidget())
            open->close();
        return true;
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
    const auto component = [](TiXYPlot& p) -> TPersistent& { return p; };
    const auto title = [](TiXYPlot& p) -> TPersistent& { return p.Label(0); };
    const Row rows[] = {
        {"OuterMarginLeftEdit", Row::Type, "20", component, "OuterMarginLeft", "20"},
        {"BackGroundGradientEnabledCheckBox", Row::Click, "", component, "BackGroundGradientEnabled", "True"},
        {"BackGroundGradientDirectionComboBox", Row::Pick, "", component, "BackGroundGradientDirection",
         "ifdBottomTop"},
        {"TitleTextEdit", Row::Type, "Response", title, "Caption", "\"Response\""},
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
    ASSERT_EQ(viewer.PopupMenu(), &control<TPopupMenu>("LayoutPopupMenu"));
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
        const QPoint at = layoutPointOver(c.object);
        ASSERT_NE(at, QPoint(-1, -1)) << "the object shows in the layout";
        QMenu* menu = layoutMenuAt(at);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(form->RightClickObject(), c.object);
        EXPECT_EQ(control<TMenuItem>("DeleteMenuItem").Enabled(), c.canDelete);
        EXPECT_EQ(control<TMenuItem>("VisibleMenuItem").Enabled(), c.canHide);
        EXPECT_TRUE(control<TMenuItem>("EditMenuItem").Enabled());
        menu->close();
        QApplication::processEvents();
    }

    // Edit on an X axis shows its page with the axis selected and loaded.
    QMenu* menu = layoutMenuAt(layoutPointOver(&plot->XAxis(0)));
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

    // The bar width's value converter: an interval of half a day becomes the channel's width.
    auto& picker =
        *dynamic_cast<TiComponentEditorValueConverterPicker*>(form->FindComponent("iComponentEditorValueConverterPicker1"));
    pages.SetActivePage(dynamic_cast<TTabSheet*>(picker.Parent()));
    QApplication::processEvents();
    const qx::test::ConverterOpened opened = qx::test::answerValueConverter(
        picker, true, [&] { qx::test::clickThroughWindow(picker); },
        [](TiValueConverterEditForm& converter) {
            qx::test::clickThroughWindow(*converter.HoursEdit);
            QWindow* window = converter.Widget()->window()->windowHandle();
            QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
            qx::test::typeThroughWindow(*converter.HoursEdit, "12");
            QTest::keyClick(window, Qt::Key_Return);
        });
    EXPECT_TRUE(opened.shown);
    EXPECT_EQ(opened.page, 0) << "the interval page";
    EXPECT_DOUBLE_EQ(qx::detail::asFloat(qx::getProperty(channel, "BarWidth")), std::trunc(opened.value) + 0.5);
}

} // namespace

namespace {

TEST_F(PlotEditorTest, EveryNumberThatMayHoldATimeHasTheValueConverterAtItsRightEdge)
{
    struct Row
    {
        const char* picker;
        const char* edit;
        TiValueConverterPageType page;
    };
    std::vector<Row> rows = {
        {"iComponentEditorValueConverterPicker1", "ChannelBarWidthEdit", ivcptInterval},
        {"ChannelHighLowBarWidthPicker", "ChannelHighLowBarWidthEdit", ivcptInterval},
        {"ChannelHighLowOpenWidthPicker", "ChannelHighLowOpenWidthEdit", ivcptInterval},
        {"ChannelHighLowOpenHeightPicker", "ChannelHighLowOpenHeightEdit", ivcptInterval},
        {"ChannelHighLowCloseWidthPicker", "ChannelHighLowCloseWidthEdit", ivcptInterval},
        {"ChannelHighLowCloseHeightPicker", "ChannelHighLowCloseHeightEdit", ivcptInterval},
    };
    for (const char* a : {"XAxis", "YAxis"}) {
        static std::deque<std::string> names;
        const auto n = [&](const char* suffix) { return names.emplace_back(std::string(a) + suffix).c_str(); };
        rows.push_back({n("MinTimePicker"), n("MinEdit"), ivcptDateTime});
        rows.push_back({n("SpanTimePicker"), n("SpanEdit"), ivcptInterval});
        rows.push_back({n("DesiredStartTimePicker"), n("DesiredStartEdit"), ivcptInterval});
        rows.push_back({n("DesiredIncrementTimePicker"), n("DesiredIncrementEdit"), ivcptInterval});
        rows.push_back({n("CartesianChildRefValuePicker"), n("CartesianChildRefValueEdit"), ivcptInterval});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.picker);
        auto& picker = control<TiComponentEditorValueConverterPicker>(row.picker);
        auto& edit = control<TiComponentEditorEdit>(row.edit);
        EXPECT_EQ(picker.Associate(), &edit);
        EXPECT_EQ(picker.Left(), edit.Left() + edit.Width());
        EXPECT_EQ(picker.Top(), edit.Top());
        EXPECT_EQ(picker.Height(), edit.Height());
        EXPECT_EQ(picker.Parent(), edit.Parent());
        EXPECT_EQ(picker.DefaultPage(), row.page);
        EXPECT_EQ(picker.Caption(), "...");
        EXPECT_EQ(picker.Hint(), "Date/Time Editor");
        EXPECT_TRUE(static_cast<bool>(picker.TranslationMethod));
    }
    // Without a selection a page's buttons are disabled with its boxes; Add enables them again.
    click("YAxisRemoveButton");
    click("YAxisRemoveButton");
    ASSERT_EQ(plot->MasterManager().YAxisManager()->Count(), 0);
    EXPECT_FALSE(control<TControl>("YAxisMinTimePicker").Enabled());
    EXPECT_FALSE(control<TControl>("YAxisSpanEdit").Enabled());
    EXPECT_TRUE(control<TControl>("XAxisMinTimePicker").Enabled());
    click("YAxesAddButton");
    EXPECT_TRUE(control<TControl>("YAxisMinTimePicker").Enabled());
}

TEST_F(PlotEditorTest, TabRunsFromANumberToItsValueConverterButtonAndOn)
{
    const std::vector<const char*> order = {"XAxisMinEdit", "XAxisMinTimePicker", "XAxisSpanEdit",
                                            "XAxisSpanTimePicker", "XAxisDesiredStartEdit"};
    auto& first = control<TWinControl>(order.front());
    reveal(first);
    qx::test::clickThroughWindow(first);
    QApplication::processEvents();
    ASSERT_TRUE(first.Focused());
    QWindow* window = first.Widget()->window()->windowHandle();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(window, Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_TRUE(control<TWinControl>(order[i]).Focused()) << "Tab " << i << " to " << order[i];
    }
    QTest::keyClick(window, Qt::Key_Tab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_TRUE(control<TWinControl>("XAxisSpanTimePicker").Focused()) << "Shift+Tab goes back";
}

TEST_F(PlotEditorTest, TheValueConverterHandsItsNumberToTheBoxAndThePlotRepaints)
{
    struct Row
    {
        const char* picker;
        int page;
        std::function<double(TiXYPlot&)> value;
        const char* typed;
        bool ok;
        double expected;
    };
    const Row rows[] = {
        {"XAxisMinTimePicker", 1, [](TiXYPlot& p) { return p.XAxis(0).Min(); }, "36526.5", true, 36526.5},
        {"XAxisSpanTimePicker", 0, [](TiXYPlot& p) { return p.XAxis(0).Span(); }, "250", true, 250},
        {"YAxisSpanTimePicker", 0, [](TiXYPlot& p) { return p.YAxis(0).Span(); }, "7", false, -1},
        {"YAxisMinTimePicker", 1, [](TiXYPlot& p) { return p.YAxis(0).Min(); }, "-50", true, -50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.picker);
        const double before = row.value(*plot);
        TBitmap picture = qx::test::plotPicture(*plot);
        const qx::test::ConverterOpened opened = converse(row.picker, row.typed, row.ok);
        EXPECT_EQ(opened.page, row.page);
        EXPECT_DOUBLE_EQ(opened.value, before) << "the converter opens on the box's number";
        const double expected = row.ok ? row.expected : before;
        EXPECT_DOUBLE_EQ(row.value(*plot), expected);
        TBitmap after = qx::test::plotPicture(*plot);
        EXPECT_EQ(samePicture(picture, after), !row.ok) << "whether the plot changed";
    }
}

TEST_F(PlotEditorTest, TheValueConverterIsTranslatedLikeTheEditor)
{
    plot->AddTranslation("Value Converter", "Wertwandler");
    const qx::test::ConverterOpened opened = converse("XAxisSpanTimePicker", "", false);
    EXPECT_EQ(opened.caption, "Wertwandler");
}

TEST_F(PlotEditorTest, TheControlPagesFilesAndLogReachThePlot)
{
    qx::test::TempDir dir;
    qx::ScriptedDialogService dialogs;
    const std::string folder = dir.path().string();
    plot->SetDefaultDataDirectory(folder + "/data");
    plot->SetDefaultAnnotationDirectory(folder + "/notes");
    plot->SetDefaultPropertyDirectory(folder + "/config");
    // The folders are taken from the plot each time the editor is shown.
    plot->MasterManager().EditProperties();
    QApplication::processEvents();
    const auto answer = [&](const std::string& name) {
        dialogs.fileAnswers.push_back(qx::FileDialogResult{{(dir / name).string()}, 1});
    };

    answer("points.dat");
    click("ControlDataSavePicker");
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests.back().initialDir, folder + "/data");
    ASSERT_TRUE(std::filesystem::exists(dir / "points.dat"));
    // Loading clears every channel first, so the points are not doubled.
    answer("points.dat");
    click("ControlDataOpenPicker");
    EXPECT_EQ(dialogs.fileRequests.back().initialDir, folder + "/data");
    EXPECT_EQ(plot->Channel(0).Count(), 3);

    plot->AddAnnotation();
    answer("notes.ano");
    click("ControlAnnotationSavePicker");
    EXPECT_EQ(dialogs.fileRequests.back().initialDir, folder + "/notes");
    plot->AddAnnotation();
    ASSERT_EQ(plot->AnnotationCount(), 2);
    answer("notes.ano");
    click("ControlAnnotationOpenPicker");
    EXPECT_EQ(plot->AnnotationCount(), 1);

    // Activate without a file name: the plot's error shows and nothing changes.
    std::vector<std::string> errors;
    Application->OnException = [&](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    click("ControlLogActivateButton");
    Application->OnException = nullptr;
    EXPECT_EQ(errors, std::vector<std::string>{"Log File Name not Defined"});
    EXPECT_FALSE(plot->LoggingActive());
    EXPECT_TRUE(control<TButton>("ControlLogActivateButton").Enabled());

    // The log: a name picked with "...", then Activate and Deactivate.
    answer("run.log");
    click("ControlLogFileNamePicker");
    EXPECT_EQ(control<TEdit>("ControlLogFileNameEdit").Text(), (dir / "run.log").string());
    EXPECT_EQ(plot->LogFileName(), (dir / "run.log").string());
    EXPECT_TRUE(control<TButton>("ControlLogActivateButton").Enabled());
    EXPECT_FALSE(control<TButton>("ControlLogDeactivateButton").Enabled());
    click("ControlLogActivateButton");
    EXPECT_TRUE(plot->LoggingActive());
    EXPECT_FALSE(control<TEdit>("ControlLogFileNameEdit").Enabled());
    EXPECT_FALSE(control<TControl>("ControlLogFileNamePicker").Enabled());
    EXPECT_FALSE(control<TButton>("ControlLogActivateButton").Enabled());
    EXPECT_TRUE(control<TButton>("ControlLogDeactivateButton").Enabled());
    click("ControlLogDeactivateButton");
    EXPECT_FALSE(plot->LoggingActive());
    EXPECT_TRUE(control<TEdit>("ControlLogFileNameEdit").Enabled());
    EXPECT_TRUE(control<TButton>("ControlLogActivateButton").Enabled());
    EXPECT_TRUE(std::filesystem::exists(dir / "run.log"));

    // A channel's log "..." proposes the file the channel logs to; cancelled, it changes nothing.
    type("ChannelLogFileNameEdit", (dir / "channel.log").string());
    EXPECT_EQ(plot->Channel(0).LogFileName(), (dir / "channel.log").string());
    click("ChannelLogFileNamePicker");
    EXPECT_EQ(dialogs.fileRequests.back().fileName, (dir / "channel.log").string());
    EXPECT_EQ(plot->Channel(0).LogFileName(), (dir / "channel.log").string());
}

TEST_F(PlotEditorTest, TheAnnotationDefaultsOfTheControlPageGoToNewAnnotations)
{
    qx::ScriptedDialogService dialogs;
    dialogs.colorAnswers = {clYellow, clNavy};
    reveal(control<TControl>("AnnotationDefaultBrushColorPicker"));
    qx::test::clickThroughWindow(control<TiComponentEditorColorPicker>("AnnotationDefaultBrushColorPicker").Button());
    QApplication::processEvents();
    qx::test::clickThroughWindow(control<TiComponentEditorColorPicker>("AnnotationDefaultPenColorPicker").Button());
    QApplication::processEvents();
    pickNext("AnnotationDefaultBrushStyleComboBox");
    pickNext("AnnotationDefaultPenStyleComboBox");
    type("AnnotationDefaultPenWidthEdit", "3");
    pickNext("AnnotationDefaultReferenceComboBox");
    TiPlotAnnotation& note = plot->Annotation(plot->AddAnnotation());
    EXPECT_EQ(note.BrushColor(), clYellow);
    EXPECT_EQ(note.PenColor(), clNavy);
    EXPECT_EQ(note.BrushStyle(), bsClear);
    EXPECT_EQ(note.PenStyle(), psDash);
    EXPECT_EQ(note.PenWidth(), 3);
    EXPECT_EQ(note.Reference(), iprtChannel);
    // Typed past its range, the width is held at 100.
    type("AnnotationDefaultPenWidthEdit", "250");
    EXPECT_EQ(plot->AnnotationDefaultPenWidth(), 100);
}

TEST_F(PlotEditorTest, TheLayoutPopupsEntriesActOnThePlotAndTheLists)
{
    auto& master = plot->MasterManager();
    TiComponentEditorListBox& labels = *form->ListBox(TiEditorKind::Label);
    TiComponentEditorListBox& yAxes = *form->ListBox(TiEditorKind::YAxis);

    // Visible hides the second label and shows it again; its page follows.
    form->SelectObject(plot->Label(1));
    TBitmap shown = qx::test::plotPicture(*plot);
    ASSERT_TRUE(chooseInLayoutPopup(&plot->Label(1), "Visible"));
    EXPECT_FALSE(plot->Label(1).Visible());
    EXPECT_FALSE(control<TiCheckBox>("LabelVisibleCheckBox").Checked());
    TBitmap hidden = qx::test::plotPicture(*plot);
    EXPECT_FALSE(samePicture(shown, hidden));
    ASSERT_TRUE(chooseInLayoutPopup(&plot->Label(1), "Visible"));
    EXPECT_TRUE(plot->Label(1).Visible());
    EXPECT_TRUE(control<TiCheckBox>("LabelVisibleCheckBox").Checked());

    // Delete: refused for the title, done for the second label, an axis and the table.
    EXPECT_FALSE(chooseInLayoutPopup(&plot->Label(0), "Delete"));
    EXPECT_EQ(master.LabelManager()->Count(), 2);
    ASSERT_TRUE(chooseInLayoutPopup(&plot->Label(1), "Delete"));
    EXPECT_EQ(master.LabelManager()->Count(), 1);
    EXPECT_EQ(labels.Items()->Count(), 1);
    EXPECT_EQ(form->RightClickObject(), nullptr);
    const std::string removed = plot->YAxis(1).Name();
    ASSERT_TRUE(chooseInLayoutPopup(&plot->YAxis(1), "Delete"));
    EXPECT_EQ(master.YAxisManager()->Count(), 1);
    EXPECT_EQ(yAxes.Items()->Count(), 1);
    EXPECT_EQ(control<TComboBox>("ChannelYAxisNameComboBox").Items()->IndexOf(removed), -1);
    ASSERT_TRUE(chooseInLayoutPopup(&plot->Table(0), "Delete"));
    EXPECT_EQ(master.TableManager()->Count(), 0);
    EXPECT_EQ(form->ListBox(TiEditorKind::Table)->Items()->Count(), 0);

    // Add X-Axis, Add Y-Axis and Add Label, from over the data view.
    TiPlotLayoutObject* view = &plot->DataView(0);
    ASSERT_TRUE(chooseInLayoutPopup(view, "Add X-Axis"));
    EXPECT_EQ(master.XAxisManager()->Count(), 2);
    EXPECT_EQ(form->ListBox(TiEditorKind::XAxis)->Items()->Count(), 2);
    EXPECT_EQ(form->SelectedObject(TiEditorKind::XAxis), &plot->XAxis(1));
    ASSERT_TRUE(chooseInLayoutPopup(view, "Add Y-Axis"));
    EXPECT_EQ(master.YAxisManager()->Count(), 2);
    EXPECT_EQ(yAxes.Items()->Count(), 2);
    ASSERT_TRUE(chooseInLayoutPopup(view, "Add Label"));
    EXPECT_EQ(master.LabelManager()->Count(), 2);
    EXPECT_EQ(labels.Items()->Count(), 2);

    // XY-Axes Reverse toggles the plot's axes and shows checked the next time.
    TBitmap upright = qx::test::plotPicture(*plot);
    ASSERT_FALSE(master.XYAxesReverse());
    ASSERT_TRUE(chooseInLayoutPopup(view, "XY-Axes Reverse"));
    EXPECT_TRUE(master.XYAxesReverse());
    TBitmap reversed = qx::test::plotPicture(*plot);
    EXPECT_FALSE(samePicture(upright, reversed));
    QMenu* menu = layoutMenuAt(layoutPointOver(view));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(control<TMenuItem>("XYAxesReverseMenuItem").Checked());
    menu->close();
    QApplication::processEvents();
    ASSERT_TRUE(chooseInLayoutPopup(view, "XY-Axes Reverse"));
    EXPECT_FALSE(master.XYAxesReverse());
}

TEST_F(PlotEditorTest, AnObjectTheLayoutViewerHoldsIsForgottenWhenThePlotDropsIt)
{
    auto& viewer = control<TiPlotLayoutViewer>("iPlotLayoutViewer");
    const QPoint at = layoutPointOver(&plot->Label(1));
    ASSERT_NE(at, QPoint(-1, -1));
    QWidget* top = viewer.Widget()->window();
    top->activateWindow();
    QApplication::processEvents();
    QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, viewer.Widget()->mapTo(top, at));
    QApplication::processEvents();
    ASSERT_EQ(viewer.SelectedObject(), &plot->Label(1));
    plot->DeleteLabel(1);
    EXPECT_EQ(viewer.SelectedObject(), nullptr);
    QTest::mouseMove(top->windowHandle(), viewer.Widget()->mapTo(top, at + QPoint(20, 20)));
    QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, viewer.Widget()->mapTo(top, at + QPoint(20, 20)));
    QApplication::processEvents();
    EXPECT_EQ(viewer.EditMode(), ilemNone);
}

TEST_F(PlotEditorTest, TheTablesStartAndStopPercentPlaceItsPicture)
{
    TiPlotTable& table = plot->Table(0);
    // A grid colour nothing else of the plot has.
    constexpr TColor kGrid = 0x3080F0;
    table.SetGridLinesColor(kGrid);
    // The page writes all its values at each change: it shows the new colour first.
    form->UpdateTableEdit();
    const auto tableRows = [&](TBitmap& picture) {
        // Rows of the plot's picture that hold the table's grid colour inside its column band.
        const TRect r = table.DrawRect();
        std::vector<int> rows;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, picture.Width()); ++x)
                if (picture.Canvas().Pixel(x, y) == kGrid) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    };
    TBitmap full = qx::test::plotPicture(*plot);
    const std::vector<int> fullRows = tableRows(full);
    ASSERT_FALSE(fullRows.empty());
    const TRect fullRect = table.DrawRect();

    // A lower stop moves the one-row table down by the data view's share.
    type("TableStopPercentEdit", "70");
    TBitmap lower = qx::test::plotPicture(*plot);
    const std::vector<int> lowerRows = tableRows(lower);
    ASSERT_FALSE(lowerRows.empty());
    EXPECT_GT(table.DrawRect().Top, fullRect.Top + 20);
    EXPECT_EQ(lowerRows.front() - fullRows.front(), table.DrawRect().Top - fullRect.Top);
    EXPECT_EQ(lowerRows.size(), fullRows.size());

    // A higher start shortens the stretch from below. The grid stands at the stretch's top,
    // so a row that still fits is drawn where it was...
    type("TableStartPercentEdit", "10");
    TBitmap shorter = qx::test::plotPicture(*plot);
    EXPECT_LT(table.DrawRect().Bottom, fullRect.Bottom - 10);
    EXPECT_EQ(tableRows(shorter), lowerRows);
    // ...and one that no longer fits is cut at its bottom.
    type("TableStartPercentEdit", "50");
    TBitmap cut = qx::test::plotPicture(*plot);
    const std::vector<int> cutRows = tableRows(cut);
    ASSERT_FALSE(cutRows.empty());
    EXPECT_EQ(cutRows.front(), lowerRows.front());
    EXPECT_LT(cutRows.back(), lowerRows.back());
    EXPECT_LE(cutRows.back(), table.DrawRect().Bottom);
}

} // namespace
