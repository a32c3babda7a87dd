// Plot objects, their managers and the master manager: naming, colour rotation, first
// references, and every notification road to the plot and the run-time editor.

#include "PlotTestComponent.h"
#include "PlotTestObjects.h"

#include "controls/plot/base/iPlotMasterManager.h"
#include "platform/gui/Form.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/LayoutParser.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

class RecordingEditor : public TiPlotEditorLink
{
public:
    bool Closing() const override { return closing; }
    void ObjectInserted(TiPlotObject& o) override { log.push_back("insert " + o.Name()); }
    void ObjectRemoved(TiPlotObject& o) override { log.push_back("remove " + o.Name()); }
    void ObjectRenamed(TiPlotObject& o) override { log.push_back("rename " + o.NameOld() + " > " + o.Name()); }
    void Execute(bool StayOnTop) override { log.push_back(StayOnTop ? "show" : "show modal"); }
    void SelectObject(TiPlotObject& o) override { log.push_back("select " + o.Name()); }
    void StoreControlPage() override { log.push_back("store control page"); }
    std::vector<int> ActivePages() const override { return pages; }
    void SetActivePages(const std::vector<int>& Pages) override { pages = Pages; }
    void Free() override { log.push_back("free"); }
    bool closing = false;
    std::vector<int> pages;
    std::vector<std::string> log;
};

class MasterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        master = std::make_unique<TiPlotMasterManager>(&plot);
        master->OnChange = [this](TObject* s) { changes.push_back(s); };
        master->OnInsert = [this](TObject* s) { inserts.push_back(s); };
        master->OnRemove = [this](TObject* s) {
            removes.push_back(s);
            objectRemovals += dynamic_cast<TiPlotObject*>(s) != nullptr;
        };
        master->OnInvalidateNow = [this](TObject*) { ++invalidations; };
    }
    void TearDown() override { master.reset(); }
    TTestChannel& channel(int i) { return static_cast<TTestChannel&>(*master->ChannelManager()->GetItem(i)); }

    TTestPlotComponent plot{nullptr};
    std::unique_ptr<TiPlotMasterManager> master;
    std::vector<TObject*> changes, inserts, removes;
    int invalidations = 0;
    int objectRemovals = 0;
};

TEST(PlotManagers, TheConstructorsInsistOnOwnerAndEveryHandler)
{
    TTestPlotComponent plot(nullptr);
    const TNotifyEvent h = [](TObject*) {};
    struct Case { TWinControl* owner; TNotifyEvent c, i, r, n; const char* managerText; const char* objectText; };
    const Case cases[] = {
        {nullptr, h, h, h, h, "Owner must be Assigned", "Owner must be assigned"},
        {&plot, nullptr, h, h, h, "OnChange event handler can not be null", "OnChange event handler can not be null"},
        {&plot, h, nullptr, h, h, "OnInsert event handler can not be null", "OnInsert event handler can not be null"},
        {&plot, h, h, nullptr, h, "OnRemove event handler can not be null", "OnRemove event handler can not be null"},
        {&plot, h, h, h, nullptr, "AOnRename event handler can not be null", "AOnRename event handler can not be null"},
    };
    for (const Case& c : cases) {
        try {
            TiPlotChannelManager manager(c.owner, c.c, c.i, c.r, c.n);
            ADD_FAILURE() << "manager made";
        } catch (const EiPlotError& e) {
            EXPECT_STREQ(e.what(), c.managerText);
        }
        try {
            TTestChannel object(c.owner, c.c, c.i, c.r, c.n);
            ADD_FAILURE() << "object made";
        } catch (const EiPlotError& e) {
            EXPECT_STREQ(e.what(), c.objectText);
        }
    }
    TiPlotObjectManager objects(&plot, h, h, h, h);
    EXPECT_THROW(
        try { objects.CreateObject(); } catch (const EiPlotError& e) {
            EXPECT_STREQ(e.what(), "Object Manager does not support creation of objects");
            throw;
        },
        EiPlotError);
    EXPECT_THROW(objects.GetItem(0), std::out_of_range);
}

TEST_F(MasterTest, NewChannelsAreNumberedAfterTheLargestNumberInUse)
{
    EXPECT_EQ(master->AddChannel(), 0);
    EXPECT_EQ(master->AddChannel(), 1);
    EXPECT_EQ(master->AddChannel(), 2);
    EXPECT_EQ(channel(2).Name(), "Channel 3");
    delete &channel(1);
    EXPECT_EQ(master->ChannelManager()->Count(), 2);
    master->AddChannel();
    EXPECT_EQ(channel(2).Name(), "Channel 4");
    EXPECT_EQ(channel(2).TitleText, "Channel 4");

    channel(0).SetName("channel 9");
    channel(1).SetName("Channel");
    EXPECT_EQ(master->ChannelManager()->GetNextName(), "Channel 10");
    channel(1).SetName("Channel  x12");
    EXPECT_EQ(master->ChannelManager()->GetNextName(), "Channel 10");
    // The largest 32-bit number saturates instead of wrapping to a negative name.
    channel(1).SetName("Channel 2147483647");
    EXPECT_EQ(master->ChannelManager()->GetNextName(), "Channel 2147483647");
}

TEST_F(MasterTest, ChannelColoursRotateThroughThePaletteByUse)
{
    master->AddChannel();
    EXPECT_EQ(channel(0).Color(), TColor(0x0000FF));
    master->AddChannel(); // made red, so red is used twice: the next least used is yellow
    EXPECT_EQ(channel(1).Color(), TColor(0x00FFFF));
    master->AddChannel();
    EXPECT_EQ(channel(2).Color(), TColor(0xFF0000));
    EXPECT_EQ(master->ChannelManager()->GetIndexByName("CHANNEL 2"), 1);
    EXPECT_EQ(master->ChannelManager()->GetObjectByName("nothing"), nullptr);
}

TEST_F(MasterTest, NewObjectsGetTheirFirstReferences)
{
    master->AddChannel();
    EXPECT_EQ(channel(0).XAxisName, ""); // no axes yet
    master->AddXAxis();
    master->AddYAxis();
    master->AddLabel();
    master->AddChannel();
    EXPECT_EQ(channel(1).XAxisName, "X-Axis 1");
    EXPECT_EQ(channel(1).YAxisName, "Y-Axis 1");
    EXPECT_EQ(static_cast<TTestXAxis*>(master->XAxisManager()->GetItem(0))->Title, "X-Axis 1");
    EXPECT_EQ(static_cast<TTestLabel*>(master->LabelManager()->GetItem(0))->Caption, "Label 1");
    // An object that already has a name keeps it and gets no first references.
    TiPlotMasterManager* m = master.get();
    auto* named = new TTestChannel(&plot, [m](TObject* s) { m->RouteChange(s); }, [m](TObject* s) { m->RouteInsert(s); },
                                   [m](TObject* s) { m->RouteRemove(s); }, [m](TObject* s) { m->RouteRename(s); });
    named->SetName("Stored");
    named->DoInsert();
    EXPECT_EQ(named->TitleText, "");
    EXPECT_EQ(master->ChannelManager()->Count(), 3);
    EXPECT_EQ(master->ObjectManager()->Count(), 6);
}

TEST_F(MasterTest, NotificationsReachThePlotTheManagersAndTheEditor)
{
    RecordingEditor editor;
    master->SetEditorLink(&editor);
    master->AddXAxis();
    master->AddChannel();
    ASSERT_FALSE(inserts.empty());
    EXPECT_EQ(inserts.back(), &channel(0));
    master->XAxisManager()->GetItem(0)->SetName("Time");
    EXPECT_EQ(editor.log.back(), "rename X-Axis 1 > Time");
    EXPECT_EQ(channel(0).renames.back(), "X-Axis 1 > Time"); // the other objects hear of it
    changes.clear();
    channel(0).SetVisible(false);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], master.get()); // the master, not the object, is the sender

    master->AddChannel();
    TiPlotObject* axis = master->XAxisManager()->GetItem(0);
    delete axis;
    EXPECT_EQ(removes.back(), axis);
    EXPECT_EQ(editor.log.back(), "remove Time");
    EXPECT_EQ(channel(0).removals, std::vector<std::string>{"Time"});
    EXPECT_EQ(master->XAxisManager()->Count(), 0);
    EXPECT_EQ(master->ObjectManager()->Count(), 2);

    editor.closing = true;
    channel(0).SetName("Quiet");
    EXPECT_EQ(editor.log.back(), "remove Time");
    master->SetEditorLink(nullptr);
}

TEST_F(MasterTest, LayoutObjectsTellTheLayoutWhenTheyComeMoveAndGo)
{
    // The plot binds each new layout object's layout notification, as its layout does.
    std::vector<std::string> log;
    master->OnInsert = [&](TObject* s) {
        if (auto* o = dynamic_cast<TiPlotLayoutObject*>(s)) {
            log.push_back("insert " + o->Name());
            o->FOnLayoutChange = [&](TObject*) { log.push_back("layout"); };
        }
    };
    master->OnRemove = [&](TObject* s) {
        if (auto* o = dynamic_cast<TiPlotObject*>(s))
            log.push_back("remove " + o->Name());
    };
    master->OnChange = [&](TObject*) { log.push_back("change"); };
    master->AddLabel(); // named first (a change), then announced, then laid out
    EXPECT_EQ(log, (std::vector<std::string>{"change", "insert Label 1", "layout"}));
    TiPlotLayoutObject& label = static_cast<TiPlotLayoutObject&>(*master->LabelManager()->GetItem(0));
    log.clear();
    label.SetZOrder(2);
    label.SetZOrder(2); // unchanged: nothing
    label.SetStartPercent(10); // a change of extent, not of place
    EXPECT_EQ(log, (std::vector<std::string>{"layout", "change", "change"}));
    log.clear();
    delete &label; // the plot hears first, the two managers let go, then the layout
    EXPECT_EQ(log, (std::vector<std::string>{"remove Label 1", "change", "change", "layout", "change"}));
    EXPECT_EQ(master->LabelManager()->Count(), 0);
    EXPECT_EQ(master->ObjectManager()->Count(), 0);
}

TEST_F(MasterTest, EditPermissionAndReversedAxesReachEveryObjectNowAndLater)
{
    master->SetUserCanEditObjects(false);
    master->AddChannel();
    EXPECT_FALSE(channel(0).UserCanEdit());
    master->SetUserCanEditObjects(true);
    EXPECT_TRUE(channel(0).UserCanEdit());
    master->SetXYAxesReverse(true);
    EXPECT_EQ(invalidations, 1);
    EXPECT_TRUE(channel(0).XYAxesReversed());
    master->AddChannel();
    EXPECT_TRUE(channel(1).XYAxesReversed());
}

TEST_F(MasterTest, SelectingAnObjectTellsTheOthersAndDisablingDeselectsFirst)
{
    master->AddChannel();
    master->AddChannel();
    std::vector<std::string> order;
    channel(0).SetUserSelected(true);
    EXPECT_TRUE(channel(0).UserSelected());
    EXPECT_GE(invalidations, 1);
    master->OnChange = [&](TObject*) { order.push_back(channel(0).UserSelected() ? "change selected" : "change"); };
    channel(0).SetEnabled(false);
    EXPECT_FALSE(channel(0).UserSelected());
    EXPECT_EQ(order, std::vector<std::string>{"change"});
    master->OnChange = nullptr;

    channel(1).SetUserSelected(true);
    master->DeSelectAll();
    EXPECT_FALSE(channel(1).UserSelected());
    TPoint pos{1, 1};
    EXPECT_FALSE(master->ObjectManager()->MouseWheelFocusObjects(120, {}, pos));
}

TEST_F(MasterTest, DestroyingThePlotFreesEveryObject)
{
    master->AddXAxis();
    master->AddChannel();
    master->AddToolBar();
    master->ShowToolBars(false);
    EXPECT_FALSE(master->ToolBarManager()->GetItem(0)->Visible());
    master->ObjectManager()->ShutDownSetup();
    objectRemovals = 0;
    master.reset();
    EXPECT_EQ(objectRemovals, 0); // detached: the objects' destruction notified nobody
    EXPECT_EQ(removes.size(), 12u); // each manager announces its own end
}

TEST(PlotLayoutObject, PercentsStayOrderedAndWithinRange)
{
    TTestPlotComponent plot(nullptr);
    const TNotifyEvent h = [](TObject*) {};
    struct Case { double start, stop; bool setStart; double value; double wantStart, wantStop; };
    const Case cases[] = {
        {0, 100, true, 99.5, 99, 100}, {0, 100, false, 0.5, 0, 1}, {10, 100, true, -5, 0, 100},
        {0, 50, true, 49.5, 49.5, 50.5}, {20, 100, false, 120, 20, 100}, {30, 60, false, 30.5, 29.5, 30.5},
    };
    for (const Case& c : cases) {
        TTestLabel label(&plot, h, h, h, h);
        label.SetStartStopPercent(c.start, c.stop);
        if (c.setStart)
            label.SetStartPercent(c.value);
        else
            label.SetStopPercent(c.value);
        EXPECT_EQ(label.StartPercent(), c.wantStart) << c.value;
        EXPECT_EQ(label.StopPercent(), c.wantStop) << c.value;
    }
    TTestLabel label(&plot, h, h, h, h);
    EXPECT_EQ(label.GetLayerSortKey(), "000100");
    label.SetLayer(2000000);
    EXPECT_EQ(label.GetLayerSortKey(), "2000000");
    label.SetStartPercent(12.5);
    EXPECT_EQ(label.GetStartSortKey(), "012");
    label.SetZOrder(7);
    EXPECT_EQ(label.GetZOrderSortKey(), "007");
}

class CountingPopup : public TPopupMenu
{
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int X, int Y) override { shownAt.push_back({X, Y}); }
    std::vector<TPoint> shownAt;
};

TEST(PlotObjectPopup, OpensOnARightClickOrTheMenuKeyOnlyWhenEnabled)
{
    TTestPlotComponent plot(nullptr);
    plot.SetBounds(0, 0, 200, 100);
    const TNotifyEvent h = [](TObject*) {};
    TTestLabel label(&plot, h, h, h, h);
    label.SetDrawRect({10, 10, 50, 30});
    CountingPopup menu(nullptr);
    menu.Items()->Add(new TMenuItem(&menu));
    label.iMouseDown(mbRight, {}, 20, 20, 120, 220, &menu);
    label.iMouseUp(mbRight, {}, 20, 20, 120, 220, false, &menu);
    ASSERT_EQ(menu.shownAt.size(), 1u);
    EXPECT_EQ(menu.shownAt[0].X, 120);
    EXPECT_EQ(menu.Items()->Count(), 0); // the object rebuilt the menu

    Word key = 0x79; // Shift+F10 opens it at the centre of the object
    label.iKeyDown(key, {ssShift}, &menu);
    ASSERT_EQ(menu.shownAt.size(), 2u);
    const TPoint centre = plot.ClientToScreen({30, 20});
    EXPECT_EQ(menu.shownAt[1].X, centre.X);
    EXPECT_EQ(menu.shownAt[1].Y, centre.Y);

    label.SetPopupEnabled(false);
    label.iMouseDown(mbRight, {}, 20, 20, 120, 220, &menu);
    label.iMouseUp(mbRight, {}, 20, 20, 120, 220, false, &menu);
    label.iKeyDown(key, {ssShift}, &menu);
    EXPECT_EQ(menu.shownAt.size(), 2u);

    label.SetPopupEnabled(true);
    label.AddEditMenuItem(menu);
    ASSERT_EQ(menu.Items()->Count(), 1);
    EXPECT_EQ(menu.Items()->Items(0)->Caption(), "Edit...");
    bool edited = false;
    label.FOnEdit = [&](TObject*) { edited = true; };
    menu.Items()->Items(0)->Click();
    EXPECT_TRUE(edited);
    label.SetUserCanEdit(false);
    label.AddEditMenuItem(menu);
    EXPECT_EQ(menu.Items()->Count(), 1);
}

TEST(PlotButton, AHeldAutoRepeatButtonClicksAfter500MsThenEvery50AndOnRelease)
{
    qx::ManualClock clock(5000);
    qx::setTimerClock(clock);
    {
        TTestPlotComponent plot(nullptr);
        TiPlotButton button(&plot, nullptr, nullptr, nullptr, nullptr);
        button.SetDrawRect({0, 0, 20, 10});
        button.TimerEnabled = true;
        int clicks = 0;
        button.OnClick = [&](TObject*) { ++clicks; };
        button.iMouseDown(mbLeft, {}, 5, 5, 0, 0, nullptr);
        clock.advance(499);
        qx::fireDueTimers();
        EXPECT_EQ(clicks, 0);
        clock.advance(1);
        qx::fireDueTimers();
        EXPECT_EQ(clicks, 1);
        clock.advance(50);
        qx::fireDueTimers();
        EXPECT_EQ(clicks, 2);
        clock.advance(30);
        qx::fireDueTimers();
        button.iMouseUp(mbLeft, {}, 5, 5, 0, 0, false, nullptr);
        EXPECT_EQ(clicks, 3);
        EXPECT_FALSE(button.RepeatTimerRunning());

        // A release outside does not click; a group button also raises its group click.
        int groupClicks = 0;
        button.GroupIndex = 1;
        button.OnGroupClick = [&](TObject*) { ++groupClicks; };
        button.TimerEnabled = false;
        button.iMouseDown(mbLeft, {}, 5, 5, 0, 0, nullptr);
        button.iMouseUp(mbLeft, {}, 25, 5, 0, 0, false, nullptr);
        EXPECT_EQ(clicks, 3);
        button.iMouseDown(mbLeft, {}, 5, 5, 0, 0, nullptr);
        button.iMouseUp(mbLeft, {}, 19, 9, 0, 0, false, nullptr);
        EXPECT_EQ(clicks, 4);
        EXPECT_EQ(groupClicks, 1);
    }
    qx::setTimerClock(qx::Clock::system());
}

} // namespace

namespace {

class RecordingLabel : public TTestLabel
{
public:
    using TTestLabel::TTestLabel;
    std::vector<std::string> log;

protected:
    void DoMouseLeft(const TiPlotMouseData& d) override { log.push_back("left " + std::to_string(d.XAxisPixels)); }
    void DoMouseMove(const TiPlotMouseData&) override { log.push_back("move"); }
    void DoMouseHint(const TiPlotMouseData&, TiHintData& h) override
    {
        h.Text = "changed";
        log.push_back("hint");
    }
    void DoMouseUp(const TiPlotMouseData&) override { log.push_back("up"); }
    bool DoMouseWheel(int delta, TShiftState, int, int) override
    {
        log.push_back("wheel " + std::to_string(delta));
        return true;
    }
};

TEST(PlotObjectManager, InputGoesToTheSelectedObjectsOnly)
{
    TTestPlotComponent plot(nullptr);
    TiPlotMasterManager master(&plot);
    const TNotifyEvent change = [&](TObject* s) { master.RouteChange(s); };
    const TNotifyEvent insert = [&](TObject* s) { master.RouteInsert(s); };
    const TNotifyEvent remove = [&](TObject* s) { master.RouteRemove(s); };
    const TNotifyEvent rename = [&](TObject* s) { master.RouteRename(s); };
    auto* selected = new RecordingLabel(&plot, change, insert, remove, rename);
    auto* other = new RecordingLabel(&plot, change, insert, remove, rename);
    selected->DoInsert();
    other->DoInsert();
    EXPECT_EQ(master.LabelManager()->Count(), 2);
    master.SetXYAxesReverse(true);
    selected->SetUserSelected(true);

    TiPlotObjectManager& objects = *master.ObjectManager();
    objects.MouseDownFocusObjects(mbLeft, {}, 3, 9, 0, 0, nullptr);
    TiHintData hint;
    hint.Text = "kept";
    objects.MouseMoveFocusObjects(hint, {}, 4, 9, 0, 0, false);
    objects.MouseUpFocusObjects(mbLeft, {}, 4, 9, 0, 0, false, nullptr);
    objects.MouseMoveFocusObjects(hint, {}, 5, 9, 0, 0, false);
    TPoint at{1, 1};
    EXPECT_TRUE(objects.MouseWheelFocusObjects(-120, {}, at));
    EXPECT_EQ(hint.Text, "kept"); // the objects work on a copy
    EXPECT_EQ(selected->log, (std::vector<std::string>{"left 9", "move", "up", "hint", "wheel -120"}));
    EXPECT_TRUE(other->log.empty());
    objects.SetShiftState({ssCtrl});
    EXPECT_TRUE(other->ShiftState().Contains(ssCtrl));
}

} // namespace

namespace {

/// A window holding one plot's objects, read from a layout as the plots will be.
class TTestPlotHost : public TForm
{
public:
    explicit TTestPlotHost(TComponent* AOwner) : TForm(AOwner), master(this) {}
    TiPlotMasterManager master;
};

void registerPlotHost()
{
    qx::registerClass<TTestPlotHost, TForm>("TTestPlotHost")
        .collection("XAxes", [](TTestPlotHost& h) { return h.master.XAxisManager()->Items(); })
        .collection("Channels", [](TTestPlotHost& h) { return h.master.ChannelManager()->Items(); });
}

TEST(PlotManagerItems, ALayoutCollectionMakesObjectsThatKeepTheirStoredNames)
{
    registerPlotHost();
    TTestPlotHost host(nullptr);
    host.master.AddChannel(); // replaced by what the layout holds
    qx::loadLayoutText(host, R"(object host: TTestPlotHost
  XAxes = <
    item
      Name = "Time"
    end
  >
  Channels = <
    item
      Name = "Left"
      Color = clLime
    end
    item
      Name = "Right"
      Visible = False
    end
  >
end
)", "Host.layout");
    TiPlotChannelManager& channels = *host.master.ChannelManager();
    ASSERT_EQ(channels.Count(), 2);
    auto& left = static_cast<TTestChannel&>(*channels.GetItem(0));
    auto& right = static_cast<TTestChannel&>(*channels.GetItem(1));
    EXPECT_EQ(left.Name(), "Left");
    EXPECT_EQ(left.Color(), clLime);
    EXPECT_EQ(left.TitleText, ""); // named by the layout: no first references
    EXPECT_EQ(left.XAxisName, "");
    EXPECT_FALSE(right.Visible());
    EXPECT_EQ(host.master.ObjectManager()->Count(), 3);
    EXPECT_EQ(host.master.XAxisManager()->GetItem(0)->Name(), "Time");

    // A bad item fails the load with its line and leaves no half-read object behind.
    EXPECT_THROW(qx::loadLayoutText(host, "object host: TTestPlotHost\n  Channels = <\n    item\n      Layer = \"x\"\n    end\n  >\nend\n",
                                    "Bad.layout"),
                 qx::LayoutError);
    EXPECT_EQ(channels.Count(), 0);
    EXPECT_EQ(host.master.ObjectManager()->Count(), 1);
}

} // namespace
