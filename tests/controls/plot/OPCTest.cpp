// The OPC binding: inert without a library (the state on this system), and through a fake
// library: items feeding control properties, the group manager's events, the explorer.
// Set QX_SCREENSHOT_DIR to keep the explorer's picture.

#include "RaisedText.h"
#include "FakeOPCLibrary.h"
#include "PlotTestComponent.h"
#include "TempDir.h"
#include "WindowScreenshot.h"

#include "controls/plot/opc/iOPCExplorer.h"
#include "controls/plot/opc/iOPCManager.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/LayoutWriter.h"
#include "platform/gui/TreeView.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

using qx::test::raisedText;

constexpr const char* kNotFound = "Sorvik OPC DLL Not Found.";

TEST(OPCWithoutLibrary, ControlsWithItemsAndManagersComeAndGoWithoutALibraryCall)
{
    ASSERT_TRUE(iOPC::OPCLibraryMissing());
    EXPECT_NO_THROW({
        auto control = std::make_unique<TTestVCLComponent>(nullptr);
        const int i = control->OPCAddItem();
        control->SetOPCItemServerName(i, "Server");
        control->SetOPCItemItemName(i, "Item");
        control->SetOPCItemPropertyName(i, "Level");
        control->SetOPCItemAutoConnect(i, true);
        control->OPCItemLoaded(i);
        control->OPCItemActivate(i);
        control->SetOPCItemData(i, TiVariant(3));
        EXPECT_FALSE(control->OPCItems().Item(i).Active());
        EXPECT_FALSE(control->OPCItems().Item(i).UpdateSuspended());
        TiOPCManager manager(nullptr);
        EXPECT_EQ(manager.GroupAdd("Group", "Local", 100, "Server"), 0);
        EXPECT_EQ(manager.Group(0).DLLGroupHandle(), 0);
        EXPECT_FALSE(manager.FirstInstance());
        manager.GroupClear();
    });
}

TEST(OPCWithoutLibrary, TheDirectWrappersRaiseTheNotFoundText)
{
    TiOPCManager manager(nullptr);
    manager.GroupAdd("Group", "Local", 100, "Server");
    const std::function<void()> calls[] = {
        [&] { manager.CloseAllServerConnections(); },
        [&] { manager.ExplorerShow(); },
        [&] { manager.Group(0).Resume(); },
        [&] { manager.Group(0).Suspend(); },
        [&] { manager.Group(0).SetUpdateRate(200); },
        [] { iOPC::SignalSendData(1, TiVariant(1)); },
        [] { iOPC::ServerConnectionGetCount(); },
    };
    for (const auto& call : calls)
        EXPECT_EQ(raisedText(call), kNotFound);
    EXPECT_EQ(iOPC::ManagerCreated(), 0);
    EXPECT_EQ(iOPC::GetLastCallErrorString(), "");
}

class OPCFakeTest : public ::testing::Test
{
protected:
    int bindItem(const std::string& property)
    {
        const int i = control.OPCAddItem();
        TiOPCItem& item = control.OPCItems().Item(i);
        item.SetPropertyName(property);
        item.SetServerName("Fake.Server");
        item.SetItemName("Tank." + property);
        item.Activate();
        return i;
    }
    int handleOf(int i) { return control.OPCItems().Item(i).SignalHandle(); }

    FakeOPCLibrary library;
    TTestVCLComponent control{nullptr};
};

TEST_F(OPCFakeTest, AnItemBoundToAPropertyReceivesScaledData)
{
    const int i = bindItem("Level");
    ASSERT_NE(handleOf(i), 0);
    const auto& signal = library.signalTable[handleOf(i)];
    EXPECT_EQ(signal.server, "Fake.Server");
    EXPECT_EQ(signal.computer, "Local");
    EXPECT_EQ(signal.rate, 500);
    EXPECT_EQ(signal.requestedType, 0);
    std::vector<int> newData;
    control.OnNewOPCData = [&](int index) { newData.push_back(index); };
    control.OPCItems().Item(i).SetScalar(2);
    library.Deliver(handleOf(i), TiVariant(21), 0xC0);
    EXPECT_EQ(control.Level(), 42);
    EXPECT_EQ(control.OPCItems().Item(i).Data(), TiVariant(42));
    EXPECT_FALSE(control.sentOut); // a change from OPC is not sent back
    EXPECT_EQ(newData, std::vector<int>{0});

    // Bad quality: stored unscaled, the property keeps its value, the events still come.
    library.Deliver(handleOf(i), TiVariant(5), 0x00);
    EXPECT_EQ(control.Level(), 42);
    EXPECT_EQ(control.OPCItems().Item(i).Data(), TiVariant(5));
    EXPECT_EQ(newData.size(), 2u);

    // A change by the program goes out to the item.
    control.SetLevel(7);
    EXPECT_TRUE(control.sentOut);
    EXPECT_EQ(library.signalTable[handleOf(i)].sent, TiVariant(7));
}

TEST_F(OPCFakeTest, ScaleOffsetAndPropertyKinds)
{
    struct Case { const char* property; TiVariant value; double scalar, offset; std::function<bool()> check; };
    const Case cases[] = {
        {"Gain", TiVariant(1.5), 2, 0, [&] { return control.Gain() == 3.0; }},
        {"Gain", TiVariant(1.5), 0, 0.25, [&] { return control.Gain() == 1.75; }},
        {"Level", TiVariant(std::int64_t{10}, TiVariant::varWord), 1.26, 0, [&] { return control.Level() == 13; }},
        {"Flag", TiVariant("true"), 0, 0, [&] { return control.Flag(); }},
        {"Flag", TiVariant("2"), 0, 0, [&] { return control.Flag(); }},
        {"Flag", TiVariant("0"), 0, 0, [&] { return !control.Flag(); }},
        {"Side", TiVariant("7"), 0, 0, [&] { return control.Side() == sdRight; }}, // two values: not 0 is 1
        {"Side", TiVariant("FALSE"), 0, 0, [&] { return control.Side() == sdLeft; }},
        {"Shape", TiVariant("2"), 0, 0, [&] { return control.Shape() == tsTriangle; }},
        {"Shape", TiVariant("True"), 0, 0, [&] { return control.Shape() == tsSquare; }},
        {"Label", TiVariant("hello"), 5, 5, [&] { return control.Label() == "hello"; }},
    };
    for (const Case& c : cases) {
        control.OPCRemoveAllItems();
        const int i = bindItem(c.property);
        control.OPCItems().Item(i).SetScalar(c.scalar);
        control.OPCItems().Item(i).SetOffset(c.offset);
        library.Deliver(handleOf(i), c.value, 0xD8);
        EXPECT_TRUE(c.check()) << c.property << " " << c.value.AsText();
    }
    EXPECT_EQ(library.signalTable.rbegin()->second.requestedType, 8); // a string property asks for text
}

TEST_F(OPCFakeTest, AnItemRegistersOnlyWithAPropertyASourceAndAnItemName)
{
    struct Case { const char* group; const char* server; const char* item; bool registers; };
    const Case cases[] = {
        {"", "Server", "Item", true}, {"Group", "", "Item", true}, {"", "", "Item", false},
        {"Group", "Server", " ", false},
    };
    for (const Case& c : cases) {
        control.OPCRemoveAllItems();
        library.calls.clear();
        const int i = control.OPCAddItem();
        TiOPCItem& item = control.OPCItems().Item(i);
        item.SetPropertyName("Level");
        item.SetGroupName(c.group);
        item.SetServerName(c.server);
        item.SetItemName(c.item);
        item.Activate();
        EXPECT_EQ(std::count(library.calls.begin(), library.calls.end(), "SignalAdd"), c.registers ? 1 : 0)
            << c.group << "/" << c.server << "/" << c.item;
    }
}

TEST_F(OPCFakeTest, MissingEntryPointsAndLibraryErrorsAreRaised)
{
    const int i = bindItem("Level");
    library.missing.insert("SignalSendData");
    EXPECT_EQ(raisedText([&] { control.OPCItems().Item(i).SetData(TiVariant(1)); }),
              "Function \"SignalSendData\" not found in \"iOPC2.dll\".");
    library.failing.insert("SignalAdd");
    EXPECT_EQ(raisedText([&] { bindItem("Gain"); }), "Server refused SignalAdd");
}

TEST_F(OPCFakeTest, AnErrorWhileNewDataIsHandledStaysOnTheItemSide)
{
    const int i = bindItem("Level");
    struct Case { const char* cause; std::function<void()> arrange; TiVariant value; std::string error; };
    const Case cases[] = {
        {"library error", [&] { library.failing.insert("SignalGetData"); }, TiVariant(3), "Server refused SignalGetData"},
        {"not a number", [] {}, TiVariant("lots"), "'lots' is not a valid integer value"},
        {"handler error", [&] { control.OnNewOPCData = [](int) { throw std::runtime_error("handler failed"); }; },
         TiVariant(4), "handler failed"},
        {"foreign exception", [&] { control.OnBeforeNewOPCData = [](int, TiVariant&) { throw 42; }; }, TiVariant(5),
         "Unknown error"},
    };
    for (const Case& c : cases) {
        library.failing.clear();
        control.OnNewOPCData = nullptr;
        control.OnBeforeNewOPCData = nullptr;
        control.SetErrorActive(false);
        c.arrange();
        EXPECT_NO_THROW(library.Deliver(handleOf(i), c.value, 0xC0)) << c.cause;
        EXPECT_EQ(control.OPCItems().Item(i).SinkError(), c.error) << c.cause;
        EXPECT_TRUE(control.ErrorActive()) << c.cause;
    }
    control.OnBeforeNewOPCData = nullptr;
    library.Deliver(handleOf(i), TiVariant(6), 0xC0);
    EXPECT_EQ(control.OPCItems().Item(i).SinkError(), "");
    EXPECT_EQ(control.Level(), 6);
}

TEST_F(OPCFakeTest, TheGroupManagerReportsGroupUpdatesByName)
{
    TiOPCManager manager(nullptr);
    EXPECT_TRUE(manager.FirstInstance());
    manager.SetBounds(10, 10, 100, 100);
    EXPECT_EQ(manager.Width(), 28);
    EXPECT_EQ(manager.Left(), 10);
    EXPECT_FALSE(manager.Visible());
    manager.GroupAdd("PUMPS", "Local", 250, "Fake.Server");
    manager.GroupAdd("Tanks", "Local", 500, "Fake.Server");
    EXPECT_EQ(manager.GetGroupIndex("pumps"), 0);
    EXPECT_EQ(manager.GetGroupIndex("valves"), -1);
    std::vector<std::string> events;
    manager.OnBeforeGroupUpdate = [&](TObject*, const std::string& name) { events.push_back("before " + name); };
    manager.OnAfterGroupUpdate = [&](TObject*, const std::string& name) { events.push_back("after " + name); };
    library.UpdateGroup(manager.Group(1).DLLGroupHandle(), manager);
    library.UpdateGroup(999, manager);
    EXPECT_EQ(events, (std::vector<std::string>{"before Tanks", "after Tanks", "before ", "after "}));
    manager.Group(0).SetUpdateRate(1000);
    EXPECT_EQ(library.groups[manager.Group(0).DLLGroupHandle()].rate, 1000);

    manager.OnAfterGroupUpdate = [](TObject*, const std::string&) { throw std::runtime_error("handler failed"); };
    EXPECT_NO_THROW(library.UpdateGroup(manager.Group(0).DLLGroupHandle(), manager));
    EXPECT_EQ(manager.SinkError(), "handler failed");
    manager.GroupDelete(0);
    EXPECT_EQ(library.groups.size(), 1u);
}

TEST_F(OPCFakeTest, AManagerWhoseGroupsTheLibraryRefusesToDeleteStillGoesQuietly)
{
    auto manager = std::make_unique<TiOPCManager>(nullptr);
    manager->GroupAdd("Pumps", "Local", 250, "Fake.Server");
    manager->GroupAdd("Tanks", "Local", 250, "Fake.Server");
    library.failing.insert("GroupDelete");
    EXPECT_EQ(raisedText([&] { manager->GroupDelete(0); }), "Server refused GroupDelete");
    EXPECT_EQ(manager->GroupCount(), 1);
    library.calls.clear();
    EXPECT_NO_THROW(manager.reset());
    EXPECT_EQ(library.calls, (std::vector<std::string>{"GroupDelete", "ManagerDestroyed"}));
}

TEST_F(OPCFakeTest, TheExplorerListsTheLibrarysServerConnections)
{
    library.servers = {"Fake.Server.2", "Fake.Server.1"};
    TiOPCManager manager(nullptr);
    const QImage shot = qx::WindowScreenshot::render("TiOPCExplorerForm", {}, [](TForm& form) {
        auto& explorer = static_cast<TiOPCExplorerForm&>(form);
        explorer.Refresh();
        explorer.TreeView->FullExpand();
    });
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.width(), 248);
    if (const char* dir = std::getenv("QX_SCREENSHOT_DIR")) {
        shot.save(QDir(dir).filePath("TiOPCExplorerForm-fake-library.png"));
    }

    // The manager shows one window for the process, listing what the library holds now.
    manager.ExplorerShow();
    TiOPCExplorerForm& shown = TiOPCExplorerForm::Instance();
    EXPECT_TRUE(shown.Visible());
    EXPECT_EQ(shown.Caption(), "Sorvik OPC Explorer");
    ASSERT_EQ(shown.TreeView->TopCount(), 2);
    library.servers.push_back("Fake.Server.3");
    manager.ExplorerShow();
    EXPECT_EQ(&TiOPCExplorerForm::Instance(), &shown);
    EXPECT_EQ(shown.TreeView->TopItem(0)->Count(), 3);
    shown.Hide();

    TiOPCExplorerForm form(nullptr);
    library.servers.pop_back();
    form.Refresh();
    ASSERT_EQ(form.TreeView->TopCount(), 2);
    TTreeNode* servers = form.TreeView->TopItem(0);
    EXPECT_EQ(servers->Text(), "Servers Connections");
    ASSERT_EQ(servers->Count(), 2);
    EXPECT_EQ(servers->Item(1)->Text(), "Fake.Server.1");
    EXPECT_EQ(servers->Item(1)->ImageIndex(), 2);
    EXPECT_EQ(form.TreeView->TopItem(1)->Count(), 0);
    EXPECT_EQ(form.ImageList->Count(), 3);
}

} // namespace

namespace {

constexpr const char* kOPCLayout = R"(object form: TForm
  object plot: TTestVCLComponent
    OPCItems = <
      item
        PropertyName = "Level"
        ServerName = "Fake.Server"
        ItemName = "Tank.Level"
        UpdateRate = 250
      end
    >
  end
  object manager: TiOPCManager
    Groups = <
      item
        Name = "Pumps"
        ComputerName = "Local"
        OPCServerName = "Fake.Server"
        UpdateRate = 100
      end
      item
        Name = "Tanks"
        UpdateRate = 2000
      end
    >
  end
end
)";

TEST(OPCLayout, ItemsAndGroupsAreReadFromALayoutAndConnectOnlyWithALibrary)
{
    for (bool withLibrary : {false, true}) {
        std::unique_ptr<FakeOPCLibrary> library;
        if (withLibrary)
            library = std::make_unique<FakeOPCLibrary>();
        TForm form(nullptr);
        qx::loadLayoutText(form, kOPCLayout, "OPC.layout");
        auto* plot = dynamic_cast<TTestVCLComponent*>(form.FindComponent("plot"));
        auto* manager = dynamic_cast<TiOPCManager*>(form.FindComponent("manager"));
        ASSERT_TRUE(plot && manager);
        ASSERT_EQ(plot->OPCItemCount(), 1);
        EXPECT_EQ(plot->GetOPCItemUpdateRate(0), 250);
        ASSERT_EQ(manager->GroupCount(), 2);
        EXPECT_EQ(manager->Group(1).Name(), "Tanks");
        EXPECT_EQ(manager->Group(1).UpdateRate(), 2000);
        if (withLibrary) {
            // The item was loaded: with AutoConnect it registered itself.
            EXPECT_NE(plot->OPCItems().Item(0).SignalHandle(), 0);
            EXPECT_EQ(library->signalTable.begin()->second.rate, 250);
            EXPECT_EQ(library->groups.size(), 2u);
        } else {
            EXPECT_EQ(plot->OPCItems().Item(0).SignalHandle(), 0);
            EXPECT_EQ(manager->Group(0).DLLGroupHandle(), 0);
        }
    }
}

} // namespace

namespace {

TEST(OPCLayout, ItemsAndGroupsAreWrittenAndReadBackInOrder)
{
    TForm form(nullptr);
    qx::loadLayoutText(form, kOPCLayout, "OPC.layout");
    auto* plot = dynamic_cast<TTestVCLComponent*>(form.FindComponent("plot"));
    auto* manager = dynamic_cast<TiOPCManager*>(form.FindComponent("manager"));
    ASSERT_TRUE(plot && manager);

    const std::string managerText = qx::writeLayoutText(*manager);
    TiOPCManager readManager(nullptr);
    qx::readLayoutText(readManager, managerText, "manager.layout");
    ASSERT_EQ(readManager.GroupCount(), 2) << managerText;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(readManager.Group(i).Name(), manager->Group(i).Name());
        EXPECT_EQ(readManager.Group(i).ComputerName(), manager->Group(i).ComputerName());
        EXPECT_EQ(readManager.Group(i).OPCServerName(), manager->Group(i).OPCServerName());
        EXPECT_EQ(readManager.Group(i).UpdateRate(), manager->Group(i).UpdateRate());
    }
    TiOPCManager empty(nullptr);
    EXPECT_EQ(qx::writeLayoutText(empty).find("Groups"), std::string::npos) << "no groups, no Groups";

    const std::string plotText = qx::writeLayoutText(*plot);
    TTestVCLComponent readPlot(nullptr);
    qx::readLayoutText(readPlot, plotText, "plot.layout");
    ASSERT_EQ(readPlot.OPCItemCount(), 1) << plotText;
    EXPECT_EQ(readPlot.GetOPCItemItemName(0), "Tank.Level");
    EXPECT_EQ(readPlot.GetOPCItemServerName(0), "Fake.Server");
    EXPECT_EQ(readPlot.GetOPCItemUpdateRate(0), 250);
    TTestVCLComponent bare(nullptr);
    EXPECT_EQ(qx::writeLayoutText(bare).find("OPCItems"), std::string::npos) << "no items, no OPCItems";
}

} // namespace
