// The store, recall, name and factory-default dialogs: their layouts and
// texts, the choice of a preset by the user, and the store reaching the
// model's preset operations, whose acknowledgement renames the rows.

#include <QImage>
#include <QTableWidget>
#include <QWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ExchangeFixture.h"
#include "app/presets/DialogText.h"
#include "app/presets/FFactory.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStoreName.h"
#include "app/presets/FStorePreset.h"
#include "app/presets/PresetDialogHost.h"
#include "app/presets/PresetDialogs.h"
#include "app/strings/TextTables.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/ValueListEditor.h"
#include "platform/text/AnsiCodePage.h"

namespace qxtest {
namespace {

qx::PresetName nameOf(std::string_view ansi)
{
    qx::PresetName n;
    n.fill(' ');
    std::copy_n(ansi.begin(), std::min(ansi.size(), n.size()), n.begin());
    return n;
}

struct FakePresetHost : qx::PresetDialogHost
{
    bool connected = true;
    std::vector<std::pair<int, qx::PresetName>> stores;
    std::vector<int> recalls;
    int factoryDefaults = 0;

    bool IsConnected() const override { return connected; }
    void StorePreset(int row, const qx::PresetName& name) override { stores.emplace_back(row, name); }
    void RecallPreset(int row) override { recalls.push_back(row); }
    void LoadFactoryDefault() override { ++factoryDefaults; }
};

// The four dialogs as the program makes them, with the English texts.
class PresetDialogs
{
public:
    explicit PresetDialogs(qx::PresetDialogHost& host)
    {
        qx::setPresetDialogHost(&host);
        qx::setDialogTranslator([](std::string_view id) { return qx::Translate(qx::kLanguageEnglish, id); });
        fmStorePreset = store.get();
        fmRecallPreset = recall.get();
        fmStoreName = name.get();
        fmFactory = factory.get();
    }
    ~PresetDialogs()
    {
        fmStorePreset = nullptr;
        fmRecallPreset = nullptr;
        fmStoreName = nullptr;
        fmFactory = nullptr;
        qx::setPresetDialogHost(nullptr);
        qx::setDialogTranslator({});
    }
    PresetDialogs(const PresetDialogs&) = delete;
    PresetDialogs& operator=(const PresetDialogs&) = delete;

    // Registered before the first dialog is made.
    bool registered = (qx::registerPresetDialogs(), true);
    std::unique_ptr<TfmStorePreset> store{qx::newForm<TfmStorePreset>(nullptr)};
    std::unique_ptr<TfmRecallPreset> recall{qx::newForm<TfmRecallPreset>(nullptr)};
    std::unique_ptr<TfmStoreName> name{qx::newForm<TfmStoreName>(nullptr)};
    std::unique_ptr<TfmFactory> factory{qx::newForm<TfmFactory>(nullptr)};
};

// A click on grid row `row` (1 the first) as the user makes it.
void clickRow(qx::PresetListForm& list, int row)
{
    auto* table = static_cast<QTableWidget*>(list.vledPresetName->Widget());
    table->scrollToItem(table->item(row - 1, 1));
    const QRect cell = table->visualRect(table->model()->index(row - 1, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

// The name dialog opened and activated as the window system does.
void activate(TfmStoreName& dialog)
{
    Application->ProcessMessages();
    dialog.FormActivate(&dialog);
}

std::string rowName(const qx::PresetListForm& list, int row)
{
    const qx::PresetName n = list.RowName(row);
    return std::string(n.begin(), n.end());
}

class PresetDialogsTest : public ::testing::Test
{
protected:
    FakePresetHost host;
    PresetDialogs dialogs{host};
};

TEST_F(PresetDialogsTest, LayoutsHoldTheGridsAndTheNameBox)
{
    EXPECT_EQ(dialogs.store->ClientWidth(), 260);
    EXPECT_EQ(dialogs.store->ClientHeight(), 321);
    EXPECT_EQ(dialogs.name->ClientWidth(), 259);
    EXPECT_EQ(dialogs.name->ClientHeight(), 148);
    EXPECT_EQ(dialogs.factory->ClientWidth(), 359);
    EXPECT_EQ(dialogs.factory->ClientHeight(), 174);

    TValueListEditor& storeGrid = *dialogs.store->vledPresetName;
    TValueListEditor& recallGrid = *dialogs.recall->vledPresetName;
    EXPECT_EQ(storeGrid.RowCount(), 21);
    EXPECT_EQ(recallGrid.RowCount(), 22);
    EXPECT_EQ(storeGrid.Keys(1), "     U01");
    EXPECT_EQ(storeGrid.Keys(20), "     U20");
    EXPECT_EQ(recallGrid.Keys(1), "     F00");
    EXPECT_EQ(recallGrid.Keys(21), "     U20");
    EXPECT_EQ(storeGrid.Cells(1, 5), "  Default Preset");
    EXPECT_EQ(storeGrid.ColWidths()->Lines(), (std::vector<std::string>{"69", "125"}));
    EXPECT_EQ(dialogs.name->edName->MaxLength(), 14);
}

// As the user sees them: the store list shows ten presets under its title
// row, and the name box is pale yellow.
TEST_F(PresetDialogsTest, TheListShowsTenRowsAndTheNameBoxIsPaleYellow)
{
    dialogs.store->Show();
    auto* table = static_cast<QTableWidget*>(dialogs.store->vledPresetName->Widget());
    EXPECT_LE(table->rowViewportPosition(9) + table->rowHeight(9), table->viewport()->height()) << "U10 whole";
    dialogs.store->Hide();

    dialogs.name->Show();
    const QImage box = dialogs.name->edName->Widget()->grab().toImage();
    const QRgb inside = box.pixel(box.width() - 8, box.height() / 2);
    EXPECT_EQ(RGB(qRed(inside), qGreen(inside), qBlue(inside)), 0x00C0FFFFU);
    dialogs.name->Hide();
}

struct ShownText
{
    const char* what;
    std::function<std::string(PresetDialogs&)> shown;
    const char* english;
};

TEST_F(PresetDialogsTest, EveryShowTakesItsTextsFromTheTables)
{
    // Texts changed by code are put back by the next show.
    dialogs.store->lPresetSelect->SetCaption("x");
    dialogs.factory->lbMessage->SetCaption("x");
    for (TForm* f : std::initializer_list<TForm*>{dialogs.store.get(), dialogs.recall.get(), dialogs.name.get(),
                                                 dialogs.factory.get()}) {
        f->Show();
        f->Hide();
    }
    const std::vector<ShownText> cases = {
        {"store caption", [](PresetDialogs& d) { return d.store->Caption(); }, "Store Preset"},
        {"store title", [](PresetDialogs& d) { return d.store->lPresetSelect->Caption(); }, "Store Preset"},
        {"store cancel", [](PresetDialogs& d) { return d.store->bnCancel->Caption(); }, "Cancel"},
        {"store column", [](PresetDialogs& d) { return d.store->vledPresetName->Cells(0, 0); }, "Number"},
        {"recall caption", [](PresetDialogs& d) { return d.recall->Caption(); }, "Recall Preset"},
        {"recall title", [](PresetDialogs& d) { return d.recall->lPresetSelect->Caption(); }, "Recall Preset"},
        {"recall column", [](PresetDialogs& d) { return d.recall->vledPresetName->Cells(1, 0); }, "Name"},
        {"name caption", [](PresetDialogs& d) { return d.name->Caption(); }, "Name"},
        {"name heading", [](PresetDialogs& d) { return d.name->lblPresetName->Caption(); }, "Name"},
        {"name OK", [](PresetDialogs& d) { return d.name->btnOK->Caption(); }, "OK"},
        {"name cancel", [](PresetDialogs& d) { return d.name->bnCancel->Caption(); }, "Cancel"},
        {"factory caption", [](PresetDialogs& d) { return d.factory->Caption(); }, "Information"},
        {"factory message", [](PresetDialogs& d) { return d.factory->lbMessage->Caption(); },
         "Are you Sure to Return Factory Default?"},
        {"factory OK", [](PresetDialogs& d) { return d.factory->btnOK->Caption(); }, "OK"},
        {"factory cancel", [](PresetDialogs& d) { return d.factory->bnCancel->Caption(); }, "Cancel"},
    };
    for (const ShownText& c : cases) {
        EXPECT_EQ(c.shown(dialogs), c.english) << c.what;
    }
}

TEST_F(PresetDialogsTest, StoringU07AsksForTheNameAndStoresItPadded)
{
    dialogs.store->SetRowName(6, nameOf("Live Mix"));
    dialogs.store->Show();
    clickRow(*dialogs.store, 7);

    TfmStoreName& name = *dialogs.name;
    ASSERT_TRUE(name.Visible());
    EXPECT_TRUE(dialogs.store->Visible()) << "the list stays open beneath";
    EXPECT_EQ(name.lTitle->Caption(), "U07 : ");
    EXPECT_EQ(name.edName->Text(), "Live Mix") << "trailing blanks removed";
    activate(name);
    EXPECT_TRUE(name.edName->Enabled());
    EXPECT_EQ(name.edName->SelLength(), 8) << "the whole name selected";

    QTest::keyClicks(name.edName->Widget(), "Main");
    QTest::keyClick(name.edName->Widget(), Qt::Key_Return);

    ASSERT_EQ(host.stores.size(), 1U);
    EXPECT_EQ(host.stores[0].first, 6);
    EXPECT_EQ(host.stores[0].second, nameOf("Main"));
    EXPECT_EQ(name.edName->Text(), "Main          ") << "the box shows the padded name";
    EXPECT_FALSE(name.Visible());
    EXPECT_FALSE(dialogs.store->Visible());
    EXPECT_EQ(rowName(*dialogs.store, 6), "Live Mix      ") << "renamed only once the processor has stored it";

    qx::ShowPresetRowName(7, host.stores[0].second);
    EXPECT_EQ(dialogs.store->vledPresetName->Cells(1, 7), "  Main          ");
    EXPECT_EQ(dialogs.recall->vledPresetName->Cells(1, 8), "  Main          ");
}

TEST_F(PresetDialogsTest, RecallingF00ShowsTheNameForConfirmationOnly)
{
    dialogs.recall->Show();
    clickRow(*dialogs.recall, 1);
    TfmStoreName& name = *dialogs.name;
    ASSERT_TRUE(name.Visible());
    EXPECT_EQ(name.lTitle->Caption(), "F00 : ");
    EXPECT_EQ(name.edName->Text(), "Default Preset");
    activate(name);
    EXPECT_FALSE(name.edName->Enabled());

    name.btnOK->Click();
    EXPECT_EQ(host.recalls, std::vector<int>{0});
    EXPECT_TRUE(host.stores.empty());
    EXPECT_FALSE(name.Visible());
    EXPECT_FALSE(dialogs.recall->Visible());
}

TEST_F(PresetDialogsTest, RecallRowsTitleTheirUserPreset)
{
    dialogs.recall->Show();
    clickRow(*dialogs.recall, 12);
    EXPECT_EQ(dialogs.name->lTitle->Caption(), "U11 : ");
    EXPECT_EQ(dialogs.name->PresetIndex, 11);
    EXPECT_EQ(dialogs.name->StoreMode, 0);
}

struct TypedName
{
    const char* typed;     // UTF-8, as the box holds it
    const char* stored;    // the 14 Windows-1252 bytes sent
};

TEST_F(PresetDialogsTest, TypedNamesAreStoredLiterallyAsFourteenCodePageBytes)
{
    const std::vector<TypedName> cases = {
        {"50% Wet", "50% Wet       "},
        {"ABCDEFGHIJKLMN", "ABCDEFGHIJKLMN"},
        {"Caf\xC3\xA9 \xC3\x9C" "ber Alles!", "Caf\xE9 \xDC" "ber Alles"},
        {"\xE2\x82\xAC" "5 Room", "\x80" "5 Room        "},
        {"", "              "},
    };
    for (const TypedName& c : cases) {
        dialogs.store->Show();
        clickRow(*dialogs.store, 3);
        dialogs.name->edName->SetText(c.typed);
        dialogs.name->btnOK->Click();
        ASSERT_FALSE(host.stores.empty()) << c.typed;
        EXPECT_EQ(host.stores.back().first, 2);
        EXPECT_EQ(host.stores.back().second, nameOf(c.stored)) << c.typed;
    }
}

TEST_F(PresetDialogsTest, ARowKeepsANameOfFourteenCodePageCharacters)
{
    dialogs.recall->SetRowName(4, nameOf("Stra\xDF" "e \xA9 2024!"));
    EXPECT_EQ(dialogs.recall->vledPresetName->Cells(1, 5), "  Stra\xC3\x9F" "e \xC2\xA9 2024!");
    EXPECT_EQ(rowName(*dialogs.recall, 4), "Stra\xDF" "e \xA9 2024!");
    dialogs.recall->SetRowName(21, nameOf("out of range"));
    dialogs.recall->SetRowName(-1, nameOf("out of range"));
    EXPECT_EQ(dialogs.recall->vledPresetName->RowCount(), 22);
}

TEST_F(PresetDialogsTest, CancelOfTheNameDialogLeavesTheListOpen)
{
    dialogs.store->Show();
    clickRow(*dialogs.store, 2);
    dialogs.name->bnCancel->Click();
    EXPECT_FALSE(dialogs.name->Visible());
    EXPECT_TRUE(dialogs.store->Visible());
    EXPECT_TRUE(host.stores.empty());

    dialogs.store->bnCancel->Click();
    EXPECT_FALSE(dialogs.store->Visible());
    EXPECT_TRUE(host.stores.empty());
}

TEST_F(PresetDialogsTest, OfflineTheStoreStillReachesTheOperationWhichDecides)
{
    host.connected = false;
    dialogs.store->Show();
    clickRow(*dialogs.store, 4);
    dialogs.name->btnOK->Click();
    EXPECT_EQ(host.stores.size(), 1U);
    EXPECT_FALSE(dialogs.store->Visible());
    EXPECT_EQ(rowName(*dialogs.store, 3), "Default Preset");
}

TEST_F(PresetDialogsTest, FactoryDialogOkReturnsToTheFactoryDefaultCancelDoesNot)
{
    dialogs.factory->Show();
    dialogs.factory->bnCancel->Click();
    EXPECT_FALSE(dialogs.factory->Visible());
    EXPECT_EQ(host.factoryDefaults, 0);

    dialogs.factory->Show();
    dialogs.factory->btnOK->Click();
    EXPECT_FALSE(dialogs.factory->Visible());
    EXPECT_EQ(host.factoryDefaults, 1);
}

// ---- the dialogs over the model's preset operations ----

// The main window's part: the dialogs' operations go to the dispatcher's
// preset commands, and the rows the model names go to both lists.
struct ModelPresetHost : qx::PresetDialogHost
{
    explicit ModelPresetHost(qx::ReplyDispatcher& d) : dispatcher(d) {}
    bool IsConnected() const override { return dispatcher.state().connected; }
    void StorePreset(int row, const qx::PresetName& name) override { dispatcher.presets().StorePreset(row, name); }
    void RecallPreset(int row) override { dispatcher.presets().RecallPreset(row); }
    void LoadFactoryDefault() override { dispatcher.presets().LoadFactoryDefault(); }
    qx::ReplyDispatcher& dispatcher;
};

class PresetDialogsOverModelTest : public ExchangeFixture
{
protected:
    PresetDialogsOverModelTest()
    {
        unitHost.onRow = [](int preset, const qx::PresetName& name) { qx::ShowPresetRowName(preset, name); };
    }
    ModelPresetHost host{dispatcher};
    PresetDialogs dialogs{host};
};

TEST_F(PresetDialogsOverModelTest, AStoreRenamesTheRowsOnlyAfterItsAcknowledgement)
{
    goOnline();
    dialogs.store->Show();
    clickRow(*dialogs.store, 5);
    dialogs.name->edName->SetText("Church");
    dialogs.name->btnOK->Click();
    EXPECT_EQ(dispatcher.state().currentPreset, 5);
    EXPECT_EQ(rowName(*dialogs.store, 4), "Default Preset") << "sent, not yet acknowledged";

    deliver(1, {});
    EXPECT_EQ(rowName(*dialogs.recall, 5), "Default Preset");
    deliver(1, {});
    EXPECT_EQ(rowName(*dialogs.store, 4), "Church        ");
    EXPECT_EQ(rowName(*dialogs.recall, 5), "Church        ");
    EXPECT_TRUE(unit.IsPresetUsed(4));
}

TEST_F(PresetDialogsOverModelTest, AStoreOfflineSendsNothingAndRenamesNothing)
{
    dialogs.store->Show();
    clickRow(*dialogs.store, 5);
    dialogs.name->edName->SetText("Church");
    dialogs.name->btnOK->Click();
    EXPECT_TRUE(host.dispatcher.state().ackStep == qx::kStepIdle);
    EXPECT_TRUE(takeSent().empty());
    EXPECT_EQ(rowName(*dialogs.store, 4), "Default Preset");
    EXPECT_EQ(rowName(*dialogs.recall, 5), "Default Preset");
}

TEST_F(PresetDialogsOverModelTest, RecallOkSendsThePresetNumber)
{
    goOnline();
    dialogs.recall->Show();
    clickRow(*dialogs.recall, 4);
    dialogs.name->btnOK->Click();
    const auto sent = takeSent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent[0], command(0x20, {3}, true));
}

} // namespace
} // namespace qxtest
