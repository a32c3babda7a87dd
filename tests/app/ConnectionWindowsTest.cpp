#include "FakeConnectionHost.h"
#include "app/FHidData.h"
#include "app/FNetworkSetup.h"
#include "platform/gui/Edit.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Strings.h"
#include "platform/text/EConvertError.h"
#include "PumpUntil.h"
#include "tests/platform/net/LoopbackListener.h"

#include <gtest/gtest.h>

#include <memory>

namespace qx::test {
namespace {

// ---- network setup ----

class NetworkSetupTest : public ::testing::Test
{
protected:
    NetworkSetupTest()
    {
        registerConnectionWindows();
        dialog = std::make_unique<TfmNetworkSetup>(nullptr);
        dialog->SetHost(host);
    }

    void typeAddress(const char* a, const char* b, const char* c, const char* d)
    {
        dialog->edIp1->SetText(a);
        dialog->edIp2->SetText(b);
        dialog->edIp3->SetText(c);
        dialog->edIp4->SetText(d);
    }

    // Shown as the menu item shows it, so that Set can close it.
    void show()
    {
        dialog->Show();
        dialog->FormShow(dialog.get());
    }

    FakeConnectionHost host;
    std::unique_ptr<TfmNetworkSetup> dialog;
};

TEST_F(NetworkSetupTest, LayoutHoldsTheStartValuesAndManualMode)
{
    EXPECT_EQ(dialog->ClientWidth(), 280);
    EXPECT_EQ(dialog->ClientHeight(), 220);
    EXPECT_EQ(dialog->edId->Text(), "1");
    EXPECT_EQ(dialog->edIp1->Text() + "." + dialog->edIp2->Text() + "." + dialog->edIp3->Text() + "." +
                  dialog->edIp4->Text(),
              "192.168.1.101");
    for (TEdit* e : {dialog->edId, dialog->edIp1, dialog->edIp2, dialog->edIp3, dialog->edIp4}) {
        EXPECT_EQ(e->MaxLength(), 3);
        EXPECT_TRUE(e->NumbersOnly());
    }
    EXPECT_TRUE(dialog->rbManualSetting->Checked());
    EXPECT_FALSE(dialog->rbManualSetting->Visible());
    EXPECT_FALSE(dialog->rbAutoSetting->Visible());
}

TEST_F(NetworkSetupTest, ShowFillsTheAddressOctetsAndTheCaptions)
{
    host.deviceAddress = 0x7F0B0CFE; // loopback, octets all different
    show();
    EXPECT_EQ(dialog->edIp1->Text(), "127");
    EXPECT_EQ(dialog->edIp2->Text(), "11");
    EXPECT_EQ(dialog->edIp3->Text(), "12");
    EXPECT_EQ(dialog->edIp4->Text(), "254");
    EXPECT_EQ(dialog->FormatDeviceAddress(), "127.11.12.254");
    EXPECT_EQ(dialog->Caption(), "Setting ID/IP");
    EXPECT_EQ(dialog->gbIdSetting->Caption(), " Input ID Number");
    EXPECT_EQ(dialog->lbMessage->Caption(), "Number :");
}

struct IdCase
{
    const char* text;
    bool accepted;
};

void PrintTo(const IdCase& c, std::ostream* os) { *os << "id " << c.text; }

class NetworkSetupIdTest : public NetworkSetupTest, public ::testing::WithParamInterface<IdCase>
{
};

TEST_P(NetworkSetupIdTest, IdsFrom1To250AreAppliedOthersRefusedWithTheMessage)
{
    host.connected = true; // the address is not applied: only the id decides
    host.deviceId = 7;
    show();
    dialog->edId->SetText(GetParam().text);
    dialog->bnSetClick(nullptr);
    if (GetParam().accepted) {
        EXPECT_EQ(host.calls, (std::vector<std::string>{std::string("SetDeviceId ") + GetParam().text,
                                                        "SetAutoAddressMode 0"}));
        EXPECT_FALSE(dialog->Visible());
    } else {
        EXPECT_EQ(host.calls, std::vector<std::string>{"ShowInformation SID_ID_NUMBER_ERROR"});
        EXPECT_EQ(dialog->edId->Text(), "7") << "the field returns to the current id";
        EXPECT_TRUE(dialog->Visible()) << "nothing applied: the dialog stays open";
    }
}

INSTANTIATE_TEST_SUITE_P(Ids, NetworkSetupIdTest,
                         ::testing::Values(IdCase{"1", true}, IdCase{"250", true}, IdCase{"0", false},
                                           IdCase{"251", false}));

TEST_F(NetworkSetupTest, SetOfflineAppliesTheAddressToTheSocketAndTheMainWindow)
{
    LoopbackListener listener;
    host.socket.SetPort(listener.port());
    show();
    typeAddress("127", "0", "0", "1");
    dialog->edId->SetText("0"); // a refused id still lets the address through
    dialog->bnSetClick(nullptr);
    EXPECT_EQ(host.socket.Address(), "127.0.0.1");
    EXPECT_TRUE(host.socket.Active()) << "the socket connects to the new address at once";
    EXPECT_EQ(host.deviceAddress, 0x7F000001u);
    EXPECT_EQ(host.ipText, "IP : 127.0.0.1");
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"ShowInformation SID_ID_NUMBER_ERROR", "SetAutoAddressMode 0"}));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(pumpUntil([&] { return host.socket.Socket()->Connected(); }));
    host.socket.SetActive(false);
}

TEST_F(NetworkSetupTest, AnOctetOutsideTheByteRangeIsRefusedAndNothingIsApplied)
{
    show();
    typeAddress("127", "0", "300", "1");
    dialog->edId->SetText("5");
    dialog->bnSetClick(nullptr);
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowInformation SID_ID_NUMBER_ERROR"});
    EXPECT_EQ(host.deviceId, 1) << "not even the id";
    EXPECT_EQ(host.deviceAddress, 0xC0A80165u);
    EXPECT_FALSE(host.socket.Active());
    EXPECT_EQ(host.socket.Address(), "");
    EXPECT_TRUE(dialog->Visible());
}

TEST_F(NetworkSetupTest, AFieldThatIsNoNumberStopsSetBeforeAnythingIsApplied)
{
    for (const bool emptyId : {true, false}) {
        show();
        typeAddress("127", "", "0", "1");
        dialog->edId->SetText(emptyId ? "" : "9");
        EXPECT_THROW(dialog->bnSetClick(nullptr), EConvertError);
        EXPECT_TRUE(host.calls.empty());
        EXPECT_FALSE(host.socket.Active());
    }
}

TEST_F(NetworkSetupTest, ExitAppliesNothingAndShowsTheCurrentId)
{
    host.deviceId = 12;
    show();
    dialog->edId->SetText("44");
    dialog->bnExitClick(nullptr);
    EXPECT_EQ(dialog->edId->Text(), "12");
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(dialog->Visible());
}

struct EditCase
{
    const char* name;
    bool idEdit;
    bool enterKey; // else leaving the field
    const char* typed;
    const char* expected;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class NetworkSetupEditTest : public NetworkSetupTest, public ::testing::WithParamInterface<EditCase>
{
};

TEST_P(NetworkSetupEditTest, LeavingOrEnterPullsValuesBackIntoRange)
{
    const EditCase& c = GetParam();
    TEdit* edit = c.idEdit ? dialog->edId : dialog->edIp3;
    edit->SetText(c.typed);
    char16_t key = 13;
    if (c.idEdit && c.enterKey)
        dialog->edIdKeyPress(edit, key);
    else if (c.idEdit)
        dialog->edIdExit(edit);
    else if (c.enterKey)
        dialog->edIp1KeyPress(edit, key);
    else
        dialog->edIp1Exit(edit);
    EXPECT_EQ(edit->Text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Edits, NetworkSetupEditTest,
                         ::testing::Values(EditCase{"address over 255 on leaving", false, false, "300", "255"},
                                           EditCase{"address over 255 on Enter", false, true, "300", "255"},
                                           EditCase{"address in range", false, false, "0", "0"},
                                           EditCase{"id over 250 on leaving", true, false, "251", "250"},
                                           EditCase{"id under 1 on leaving", true, false, "0", "1"},
                                           EditCase{"id over 250 on Enter", true, true, "999", "250"},
                                           EditCase{"id 0 on Enter", true, true, "0", "1"},
                                           EditCase{"id in range", true, true, "250", "250"}),
                         [](const auto& p) { return "case" + std::to_string(p.index); });

TEST_F(NetworkSetupTest, AutomaticModeGreysTheAddressEdits)
{
    dialog->rbAutoSetting->SetChecked(true);
    for (TEdit* e : {dialog->edIp1, dialog->edIp2, dialog->edIp3, dialog->edIp4}) {
        EXPECT_FALSE(e->Enabled());
        EXPECT_EQ(e->Color(), clSilver);
    }
    dialog->rbManualSetting->SetChecked(true);
    EXPECT_TRUE(dialog->edIp1->Enabled());
    EXPECT_EQ(dialog->edIp1->Color(), clWindow);
}

TEST_F(NetworkSetupTest, WhileOnlineNothingCanBeChangedWhateverTheMode)
{
    for (const bool automatic : {false, true}) {
        (automatic ? dialog->rbAutoSetting : dialog->rbManualSetting)->SetChecked(true);
        dialog->SetUpFor(true);
        EXPECT_FALSE(dialog->gbIpSetting->Enabled());
        EXPECT_FALSE(dialog->rbManualSetting->Enabled());
        EXPECT_FALSE(dialog->rbAutoSetting->Enabled());
        for (TEdit* e : {dialog->edId, dialog->edIp1, dialog->edIp2, dialog->edIp3, dialog->edIp4}) {
            EXPECT_FALSE(e->Enabled());
            EXPECT_EQ(e->Color(), clSilver);
        }
        dialog->SetUpFor(false);
        EXPECT_TRUE(dialog->gbIpSetting->Enabled());
        EXPECT_EQ(dialog->edId->Enabled(), !automatic);
        EXPECT_EQ(dialog->edIp4->Color(), automatic ? clSilver : clWindow);
    }
}

// ---- traffic monitor ----

class TrafficMonitorTest : public ::testing::Test
{
protected:
    TrafficMonitorTest()
    {
        registerConnectionWindows();
        window = std::make_unique<TfmHidData>(nullptr);
    }
    TStrings& lines() { return *window->hbHidData->Items(); }

    std::unique_ptr<TfmHidData> window;
};

TEST_F(TrafficMonitorTest, AHiddenWindowRecordsNothing)
{
    window->AddTraceLine("NET W 10 02 ");
    window->Show();
    EXPECT_EQ(lines().Count(), 0) << "also not after it is shown";
}

TEST_F(TrafficMonitorTest, LinesAreAppendedAndTheNewestSelectedAlsoAfterClear)
{
    window->Show();
    window->AddTraceLine("NET W 10 ");
    window->AddTraceLine("NET R 10 ");
    EXPECT_EQ(lines().Count(), 2);
    EXPECT_EQ(window->hbHidData->ItemIndex(), 1);
    window->bnClearClick(nullptr);
    EXPECT_EQ(lines().Count(), 0);
    window->AddTraceLine("COM W 10 ");
    EXPECT_EQ(lines().Count(), 1);
    EXPECT_EQ(window->hbHidData->ItemIndex(), 0);
}

TEST_F(TrafficMonitorTest, TheListKeepsTheNewestTenThousandLines)
{
    window->Show();
    for (int i = 0; i < TfmHidData::kMaxLines + 3; ++i)
        window->AddTraceLine(std::to_string(i));
    EXPECT_EQ(lines().Count(), TfmHidData::kMaxLines);
    EXPECT_EQ(lines().Strings(0), "3");
    EXPECT_EQ(window->hbHidData->ItemIndex(), TfmHidData::kMaxLines - 1);
}

} // namespace
} // namespace qx::test
