// The link selection, channel copy, channel name and PEQ reset dialogs,
// opened from the main window's menu, labels and buttons and clicked through
// as a user clicks them: the grid's rules, the copies, the masks and names
// stored and the frames sent, offline and (with the frames recorded) online.

#include "ChannelWindowFixture.h"
#include "WindowSystemInput.h"
#include "PumpUntil.h"
#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/buttons/vr/VrButtons.h"
#include "controls/skinned/AdvTrackBar.h"
#include "model/LUnitControl.h"
#include "model/NameText.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/text/AnsiCodePage.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace chantest;
using qx::test::chooseThroughWindow;
using qx::test::clickThroughWindow;
using qx::test::enterThroughWindow;

class ChannelDialogsTest : public ChannelWindowTest
{
protected:
    void SetUp() override
    {
        ChannelWindowTest::SetUp();
        // The user starts once the window system has made the window the active one.
        ASSERT_TRUE(shown());
    }

    // Opens a modal dialog from the main window's menu; `inside` runs in its loop.
    void fromMenu(const char* item, TForm& dialog, const std::function<void()>& inside)
    {
        const WhenShown run(dialog, inside);
        EXPECT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>(item))) << item;
        EXPECT_TRUE(run.Ran()) << item;
        EXPECT_FALSE(dialog.Visible()) << item << " closed";
    }
    // A control clicked through the window, its page brought to the front first.
    void clickOnPage(const std::string& name)
    {
        TControl* control = find(name);
        showPageOf(*control);
        clickThroughWindow(*control);
    }
    // The grid button of row r, column h, clicked through the dialog's window.
    void clickGrid(int row, int column) { clickThroughWindow(*fmLinkSel->GridButton(row, column)); }
    std::string caption(const std::string& name) const { return find(name)->Caption(); }
    // Distinct settings on channel c: gain, delay, polarity, a PEQ band.
    void giveSettings(int c, int gainWord, int delay)
    {
        unit().SetGain(c, static_cast<std::uint16_t>(gainWord));
        unit().SetDelay(c, static_cast<std::uint16_t>(delay));
        unit().SetPolarity(c, 1);
        unit().SetPeqBand(c, 1, qx::PeqBand{150, 200, 40, 1}, 1);
        sent().clear();
    }
    // FIR taps in use on channels: inputs with `taps` coefficients, not
    // bypassed; outputs in `mode` with coefficients from a file. The window
    // then shows the state, which sums the taps into its budget.
    void giveFirTaps(std::initializer_list<int> channels, int taps, int mode = 1)
    {
        for (int c : channels) {
            if (c < 4) {
                qx::writeWord(unit().record(), rec::input(c) + rec::kInFirTapCount, static_cast<unsigned>(taps));
                qx::writeWord(unit().record(), rec::input(c) + rec::kInFirBypass, 0U);
                continue;
            }
            qx::OutputFilter f = unit().GetOutputFilter(c);
            f.mode = static_cast<std::int16_t>(mode);
            f.fir.type = 4;
            f.fir.taps = static_cast<std::uint16_t>(taps);
            unit().SetOutputFilter(c, f);
        }
        window->LoadUnitToForm();
        sent().clear();
        window->messages.clear();
    }
};

// --- the link dialog -----------------------------------------------------

TEST_F(ChannelDialogsTest, JoiningTwoInputsOfflineCopiesTheHeadAndStoresTheMasks)
{
    giveSettings(0, 330, 960);
    unit().SetMute(1, 1);
    sent().clear();
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(1, 0); // InB joins InA
        clickGrid(2, 0); // InC joins InA
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    EXPECT_EQ(unit().GetLinkMask(0), 0x7);
    EXPECT_EQ(unit().GetLinkMask(1), 0);
    EXPECT_EQ(unit().GetLinkMask(2), 0);
    EXPECT_EQ(unit().GetLinkMask(3), 0x8);
    EXPECT_EQ(window->LinkGroupMask(2), 0x7);
    for (int c : {1, 2}) {
        EXPECT_EQ(unit().GetGain(c), 330) << c;
        EXPECT_EQ(unit().GetDelay(c), 960) << c;
        EXPECT_EQ(unit().GetPolarity(c), 1) << c;
        EXPECT_EQ(unit().GetPeqBand(c, 1).gain, 150) << c;
        EXPECT_TRUE(unit().IsPeqBandBypassed(c, 1)) << c;
    }
    EXPECT_EQ(unit().GetGain(3), 280) << "InD stays alone";
    EXPECT_TRUE(unit().IsMuted(1)) << "a member keeps its mute";
    EXPECT_FALSE(unit().IsMuted(2));
    EXPECT_EQ(window->ChannelNameText(1), "InB") << "and its name";
    EXPECT_EQ(caption("rzbMenuInA"), "InA");
    EXPECT_EQ(caption("rzbMenuInB"), "B=A");
    EXPECT_EQ(caption("rzbMenuInC"), "C=A");
    EXPECT_EQ(caption("rzbMenuInD"), "InD");
    EXPECT_EQ(window->CurrentPage, 14) << "the gain page in front";
    EXPECT_TRUE(button("rzbMenuGain")->Down());
    EXPECT_EQ(find<TAdvTrackBar>("isGainBackupInC")->Position(), 50) << "the model shown again";
    EXPECT_EQ(sent(), (std::vector<Sent>{frame(kLinkMask, {0, 7}, true), frame(kLinkMask, {1, 0}, true),
                                         frame(kLinkMask, {2, 0}, true)}));
}

// Online the processor copies: the copies, the masks, then the status poll
// whose acknowledgement reloads the processor's state.
TEST_F(ChannelDialogsTest, JoiningTwoInputsOnlineLeavesTheCopyToTheProcessor)
{
    giveSettings(0, 330, 960);
    setConnected(true);
    find<TTimer>("tmInLevelDet")->SetEnabled(true);
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(1, 0);
        clickGrid(2, 0);
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    // The meter poll running meanwhile may have asked for levels (0x40).
    std::vector<Sent> edits;
    for (const Sent& k : sent())
        if (qxtest::codeOf(k) != 0x40)
            edits.push_back(k);
    EXPECT_EQ(edits, (std::vector<Sent>{frame(kCopy, {0, 1}, true), frame(kCopy, {0, 2}, true),
                                        frame(kLinkMask, {0, 7}, true), frame(kLinkMask, {1, 0}, true),
                                        frame(kLinkMask, {2, 0}, true), frame(kStatusPoll, {}, true)}));
    EXPECT_EQ(window->Exchange().ackStep, qx::kStepReloadState);
    EXPECT_FALSE(find<TTimer>("tmInLevelDet")->Enabled()) << "no meter poll until the reload";
    EXPECT_EQ(unit().GetGain(1), 280) << "the model waits for the reload";
    EXPECT_EQ(unit().GetLinkMask(0), 0x7);
    setConnected(false);
}

// Outputs: a head's new members get "member=head" at once.
TEST_F(ChannelDialogsTest, JoiningOutputsCaptionsTheMembers)
{
    giveSettings(4, 200, 48);
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(6, 4); // Out3 joins Out1
        clickGrid(11, 4); // Out8 joins Out1
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    EXPECT_EQ(unit().GetLinkMask(4), 0x85);
    EXPECT_EQ(caption("rzbMenuOut3"), "3=1");
    EXPECT_EQ(caption("rzbMenuOut8"), "8=1");
    EXPECT_EQ(caption("rzbMenuOut2"), "Out2");
    EXPECT_EQ(unit().GetGain(11), 200);
    EXPECT_EQ(unit().GetGain(5), 280);
}

// A member that joins another group leaves its old one; a head whose column
// loses its members stands alone: the masks are written again for both.
TEST_F(ChannelDialogsTest, RegroupingWritesEveryChangedMask)
{
    storeMasks(4, {0x03, 0x00, 0x0C, 0x00}); // Out1 heads Out2, Out3 heads Out4
    window->LoadUnitToForm();
    sent().clear();
    EXPECT_EQ(caption("rzbMenuOut2"), "2=1");
    EXPECT_EQ(caption("rzbMenuOut4"), "4=3");
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(5, 5); // Out2 stands alone
        clickGrid(7, 4); // Out4 joins Out1
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    EXPECT_EQ(unit().GetLinkMask(4), 0x09);
    EXPECT_EQ(unit().GetLinkMask(5), 0x02);
    EXPECT_EQ(unit().GetLinkMask(6), 0x04);
    EXPECT_EQ(unit().GetLinkMask(7), 0x00);
    EXPECT_EQ(sent(), (std::vector<Sent>{frame(kLinkMask, {4, 9}, true), frame(kLinkMask, {5, 2}, true),
                                         frame(kLinkMask, {6, 4}, true)}));
    EXPECT_EQ(caption("rzbMenuOut2"), "Out2");
    EXPECT_EQ(caption("rzbMenuOut3"), "Out3");
    EXPECT_EQ(caption("rzbMenuOut4"), "4=1");
}

// Set with nothing changed writes nothing and leaves the page alone.
TEST_F(ChannelDialogsTest, SetWithoutAChangeDoesNothing)
{
    clickThroughWindow(*button("rzbMenuOut5"));
    fromMenu("Link", *fmLinkSel, [&] { clickThroughWindow(*fmLinkSel->bnSet); });
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(window->CurrentPage, 8);
}

// A row that joins a group frees the rows that had joined it, and its column
// is closed to the rows below.
TEST_F(ChannelDialogsTest, TheGridKeepsMembersFromHeadingGroups)
{
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(8, 6); // Out5 joins Out3
        EXPECT_FALSE(fmLinkSel->GridButton(9, 8)->Enabled()) << "Out5's column closed below it";
        clickGrid(6, 5); // Out3 joins Out2
        EXPECT_TRUE(fmLinkSel->GridButton(8, 8)->Down()) << "Out5 stands alone again";
        EXPECT_FALSE(fmLinkSel->GridButton(8, 6)->Down());
        for (int k = 7; k <= 11; ++k)
            EXPECT_FALSE(fmLinkSel->GridButton(k, 6)->Enabled()) << "row " << k << ", column Out3";
        EXPECT_TRUE(fmLinkSel->GridButton(9, 8)->Enabled()) << "Out5 heads again";
        clickGrid(6, 6); // Out3 alone again
        for (int k = 7; k <= 11; ++k)
            EXPECT_TRUE(fmLinkSel->GridButton(k, 6)->Enabled()) << "row " << k << ", column Out3";
        clickGrid(6, 6);
        EXPECT_TRUE(fmLinkSel->GridButton(6, 6)->Down()) << "a row always keeps one button down";
        clickThroughWindow(*fmLinkSel->bnExit);
    });
    EXPECT_TRUE(sent().empty());
}

// Exit after a click in any row, InB and the last rows too, puts the stored
// groups back into the grid; nothing is stored or sent.
TEST_F(ChannelDialogsTest, ExitUndoesEveryUnsetChoice)
{
    struct Case
    {
        int row, column;
    };
    for (const Case& k : {Case{2, 0}, Case{5, 4}, Case{1, 0}, Case{3, 1}, Case{11, 9}}) {
        SCOPED_TRACE(k.row);
        fromMenu("Link", *fmLinkSel, [&] {
            clickGrid(k.row, k.column);
            EXPECT_TRUE(fmLinkSel->GridButton(k.row, k.column)->Down());
            EXPECT_EQ(fmLinkSel->GridEdited, 1);
            clickThroughWindow(*fmLinkSel->bnExit);
        });
        EXPECT_TRUE(fmLinkSel->GridButton(k.row, k.row)->Down());
        EXPECT_FALSE(fmLinkSel->GridButton(k.row, k.column)->Down());
    }
    EXPECT_TRUE(sent().empty());
}

// A load shows the stored groups in the grid and on the menu buttons.
TEST_F(ChannelDialogsTest, ALoadShowsTheGroupsInTheGridAndCaptions)
{
    storeMasks(0, {0x7, 0x0, 0x0, 0x8});
    storeMasks(4, {0x01, 0xAA, 0x04, 0x00, 0x10, 0x00, 0x40, 0x00});
    window->LoadUnitToForm();
    EXPECT_TRUE(fmLinkSel->GridButton(1, 0)->Down());
    EXPECT_TRUE(fmLinkSel->GridButton(2, 0)->Down());
    EXPECT_TRUE(fmLinkSel->GridButton(7, 5)->Down());
    EXPECT_TRUE(fmLinkSel->GridButton(11, 5)->Down());
    EXPECT_TRUE(fmLinkSel->GridButton(9, 5)->Down());
    EXPECT_TRUE(fmLinkSel->GridButton(10, 10)->Down());
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"rzbMenuInA", "InA"}, {"rzbMenuInB", "B=A"},  {"rzbMenuInC", "C=A"},   {"rzbMenuInD", "InD"},
        {"rzbMenuOut1", "Out1"}, {"rzbMenuOut2", "Out2"}, {"rzbMenuOut4", "4=2"}, {"rzbMenuOut6", "6=2"},
        {"rzbMenuOut8", "8=2"}, {"rzbMenuOut7", "Out7"},
    };
    for (const auto& [name, text] : captions)
        EXPECT_EQ(caption(name), text) << name;
    EXPECT_TRUE(sent().empty());
}

// Groups that would occupy more FIR taps than the processor has are refused
// as a whole: the message, the stored groups back in the grid, the dialog
// still open, nothing stored or sent. Groups within the budget are set.
TEST_F(ChannelDialogsTest, LinkGroupsOverTheFirBudgetAreRefused)
{
    giveFirTaps({0, 4}, 2048);
    EXPECT_EQ(window->FirTapsReserved, 4096);
    fromMenu("Link", *fmLinkSel, [&] {
        for (int row : {1, 2, 3})
            clickGrid(row, 0); // InB, InC, InD join InA: 4 x 2048
        for (int row : {5, 6})
            clickGrid(row, 4); // Out2, Out3 join Out1: 3 x 2048
        clickThroughWindow(*fmLinkSel->bnSet);
        EXPECT_EQ(fmLinkSel->TapTotal, 7 * 2048);
        EXPECT_EQ(window->messages, std::vector<std::string>{"Run Out of FIR Resource!!"});
        EXPECT_TRUE(fmLinkSel->Visible()) << "the dialog stays open";
        for (int row : {1, 2, 3, 5, 6}) {
            EXPECT_TRUE(fmLinkSel->GridButton(row, row)->Down()) << "row " << row << " as stored";
            EXPECT_FALSE(fmLinkSel->GridButton(row, row < 4 ? 0 : 4)->Down()) << row;
        }
        // Within the budget: InB and InC join InA, Out2 joins Out1 (5 x 2048).
        clickGrid(1, 0);
        clickGrid(2, 0);
        clickGrid(5, 4);
        clickThroughWindow(*fmLinkSel->bnSet);
        EXPECT_EQ(fmLinkSel->TapTotal, 5 * 2048);
    });
    EXPECT_EQ(window->messages.size(), 1U);
    EXPECT_EQ(unit().GetLinkMask(0), 0x7);
    EXPECT_EQ(unit().GetLinkMask(4), 0x3);
    EXPECT_EQ(unit().GetInputFirTaps(2), 2048) << "the member took the head's FIR";
    EXPECT_EQ(unit().GetOutputFilter(5).fir.taps, 2048);
    EXPECT_EQ(window->FirTapsReserved, 5 * 2048);
}

// Groups that lower the taps in use are set even while the state is over
// the budget (a loaded state can be brought back under it): Out3 joins Out2,
// which has no FIR.
TEST_F(ChannelDialogsTest, LinkGroupsThatLowerTheTapsAreSetOverTheBudget)
{
    giveFirTaps({0, 1, 2, 3, 4, 6, 7}, 2048);
    EXPECT_EQ(window->FirTapsReserved, 7 * 2048);
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(6, 5);
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    EXPECT_TRUE(window->messages.empty());
    EXPECT_EQ(unit().GetLinkMask(5), 0x6);
    EXPECT_EQ(unit().GetOutputFilter(6), unit().GetOutputFilter(5)) << "Out3 took Out2's settings";
    EXPECT_EQ(window->FirTapsReserved, 6 * 2048);
}

// A copy into a newly joined member is weighed by itself (the member alone,
// not the group it headed), and a refused copy leaves that member out: its
// mask stays as stored and the head's mask leaves it out.
TEST_F(ChannelDialogsTest, ALinkCopyIsWeighedForTheMemberAlone)
{
    giveFirTaps({0, 1, 2, 3, 4}, 2048);
    storeMasks(4, {0x01, 0x0A, 0x04, 0x00}); // Out2 heads Out4
    window->LoadUnitToForm();
    ASSERT_EQ(window->FirTapsReserved, 10240);
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(5, 4); // Out2 joins Out1; Out4 stands alone again
        EXPECT_TRUE(fmLinkSel->GridButton(7, 7)->Down());
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    EXPECT_TRUE(window->messages.empty()) << "2048 taps more, not twice that";
    EXPECT_EQ(unit().GetLinkMask(4), 0x03);
    EXPECT_EQ(unit().GetLinkMask(5), 0x00);
    EXPECT_EQ(unit().GetLinkMask(7), 0x08);
    EXPECT_EQ(unit().GetOutputFilter(5).fir.taps, 2048);
    EXPECT_EQ(unit().GetOutputFilter(7).fir.type, 0) << "Out4 left the group, untouched";

    // With the inputs' FIRs bypassed the groups fit, but the window's own
    // count is full: the copy into Out3 is refused.
    for (int c = 0; c < 4; ++c)
        qx::writeWord(unit().record(), rec::input(c) + rec::kInFirBypass, 1U);
    window->LoadUnitToForm();
    window->FirTapsReserved = 12288;
    sent().clear();
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(6, 4); // Out3 joins Out1
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    EXPECT_EQ(window->messages, std::vector<std::string>{"Run Out of FIR Resource!!"});
    EXPECT_EQ(unit().GetLinkMask(4), 0x03) << "the head's mask leaves Out3 out";
    EXPECT_EQ(unit().GetLinkMask(6), 0x04) << "Out3 keeps its mask";
    EXPECT_EQ(unit().GetOutputFilter(6).fir.type, 0) << "and its settings";
    EXPECT_TRUE(fmLinkSel->GridButton(6, 6)->Down()) << "the grid shows the stored groups";
    EXPECT_EQ(caption("rzbMenuOut3"), "Out3");
    EXPECT_TRUE(sent().empty());
}

// A head whose copy into it is refused keeps its whole group: the member it
// heads, which the grid let stand alone when the head joined another group,
// is not written either, so no channel is left in two groups.
TEST_F(ChannelDialogsTest, ARefusedCopyKeepsTheGroupItsMemberHeads)
{
    giveFirTaps({4}, 2048);
    storeMasks(4, {0x01, 0x0A, 0x04, 0x00}); // Out2 heads Out4
    window->LoadUnitToForm();
    window->FirTapsReserved = 12288;
    sent().clear();
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(5, 4); // Out2 joins Out1; Out4 stands alone in the grid
        EXPECT_TRUE(fmLinkSel->GridButton(7, 7)->Down());
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    EXPECT_EQ(window->messages, std::vector<std::string>{"Run Out of FIR Resource!!"});
    EXPECT_EQ(unit().GetLinkMask(4), 0x01);
    EXPECT_EQ(unit().GetLinkMask(5), 0x0A) << "Out2 still heads Out4";
    EXPECT_EQ(unit().GetLinkMask(7), 0x00) << "Out4 still its member";
    EXPECT_EQ(window->LinkGroupMask(7), 0x0A);
    EXPECT_TRUE(fmLinkSel->GridButton(7, 5)->Down()) << "the grid shows the stored groups";
    EXPECT_EQ(caption("rzbMenuOut4"), "4=2");
    EXPECT_TRUE(sent().empty());
}

// Heads and lone channels keep the buttons that overlay their curve on the
// other graphs; a member's are hidden and switched off, and come back when it
// stands alone again.
TEST_F(ChannelDialogsTest, AMembersCurveCannotBeOverlaid)
{
    auto* onOut1 = find<TVrPowerButton>("vrbShow3Out1");
    onOut1->SetActive(true);
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(6, 4); // Out3 joins Out1
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    for (const char* name : {"vrbShow3Out1", "vrbShow3Out2", "vrbShow3Out8", "vrbShow3Gain"}) {
        EXPECT_FALSE(find(name)->Visible()) << name;
        EXPECT_FALSE(find<TVrPowerButton>(name)->Active()) << name;
    }
    EXPECT_TRUE(find("vrbShow1Out3")->Visible()) << "the head's curve still overlays";
    EXPECT_TRUE(find("vrbShow2Gain")->Visible());
    fromMenu("Link", *fmLinkSel, [&] {
        clickGrid(6, 6);
        clickThroughWindow(*fmLinkSel->bnSet);
    });
    EXPECT_TRUE(find("vrbShow3Out1")->Visible());
    EXPECT_TRUE(find("vrbShow3Gain")->Visible());
}

// --- the copy dialog -----------------------------------------------------

TEST_F(ChannelDialogsTest, TheCopyDialogCopiesIntoTheTargetsGroup)
{
    giveSettings(4, 250, 4800);
    storeMasks(4, {0x01, 0x06, 0x00});     // Out2 heads Out2 and Out3
    unit().SetMatrixRoute(6, 3, true);     // Out3 also fed by InD
    unit().SetMixLevel(5, 0, 100);
    unit().SetMute(6, 1);
    sent().clear();
    EXPECT_EQ(fmCopy->cbOutSource->Style(), csDropDownList) << "the lists take no typed text";
    EXPECT_EQ(fmCopy->cbInDestination->Style(), csDropDownList);
    fromMenu("Copy", *fmCopy, [&] {
        EXPECT_TRUE(chooseThroughWindow(*fmCopy->cbOutSource, 0));
        EXPECT_TRUE(chooseThroughWindow(*fmCopy->cbOutDestination, 1));
        clickThroughWindow(*fmCopy->bnOutChCopy);
        EXPECT_TRUE(fmCopy->Visible()) << "the dialog stays open";
        clickThroughWindow(*fmCopy->bnExit);
    });
    for (int c : {5, 6}) {
        EXPECT_EQ(unit().GetGain(c), 250) << c;
        EXPECT_EQ(unit().GetDelay(c), 4800) << c;
        EXPECT_EQ(unit().GetPeqBand(c, 1).gain, 150) << c;
    }
    EXPECT_EQ(unit().GetMatrixRoute(6), 0x0C) << "Out3 keeps its routing";
    EXPECT_EQ(unit().GetMixLevel(5, 0), 100) << "Out2 keeps its mix level";
    EXPECT_TRUE(unit().IsMuted(6)) << "and Out3 its mute";
    EXPECT_EQ(window->ChannelNameText(6), "Out3");
    EXPECT_EQ(unit().GetLinkMask(5), 0x06);
    EXPECT_EQ(unit().GetGain(7), 280) << "Out4 is not in the group";
    EXPECT_EQ(find<TAdvTrackBar>("isGainOut3")->Position(), -30) << "the model shown again";
    EXPECT_TRUE(sent().empty());
}

TEST_F(ChannelDialogsTest, ACopyWithoutBothChannelsIsRefused)
{
    giveSettings(0, 330, 960);
    fromMenu("Copy", *fmCopy, [&] {
        EXPECT_TRUE(chooseThroughWindow(*fmCopy->cbInSource, 0));
        EXPECT_TRUE(chooseThroughWindow(*fmCopy->cbInDestination, 0)); // onto itself
        clickThroughWindow(*fmCopy->bnInChCopy);
        fmCopy->cbInDestination->SetItemIndex(-1); // no target
        clickThroughWindow(*fmCopy->bnInChCopy);
        fmCopy->cbInSource->SetItemIndex(-1); // no source
        fmCopy->cbInDestination->SetItemIndex(2);
        clickThroughWindow(*fmCopy->bnInChCopy);
        clickThroughWindow(*fmCopy->bnExit);
    });
    for (int c = 1; c < 4; ++c)
        EXPECT_EQ(unit().GetGain(c), 280) << c;
    EXPECT_TRUE(sent().empty());
}

// A copy asks the FIR tap budget for the change of the tap rule (IIR + FIR
// counted too) times the size of the target's group; a refused copy copies
// nothing, offline and online.
TEST_F(ChannelDialogsTest, ACopyIsWeighedAgainstTheFirBudget)
{
    struct Case
    {
        const char* what;
        int sourceMode; // of Out1, which has 2048 taps
        int target;     // item of the output target list
        unsigned out2Mask;
        bool connected;
        bool refused;
    };
    const Case cases[] = {
        {"into a lone output", 1, 2, 0x02, false, false},
        {"into a group of two", 1, 1, 0x0A, false, true},
        {"IIR + FIR counts its taps", 2, 1, 0x0A, false, true},
        {"online too", 1, 1, 0x0A, true, true},
        {"online within the budget", 1, 2, 0x02, true, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        giveFirTaps({0, 1, 2, 3}, 2048);
        giveFirTaps({4}, 2048, k.sourceMode);
        for (int c : {5, 6, 7})
            unit().SetOutputFilter(c, unit().GetOutputFilter(11));
        storeMasks(5, {k.out2Mask, 0x04, k.out2Mask == 0x0A ? 0x00U : 0x08U});
        window->LoadUnitToForm();
        ASSERT_EQ(window->FirTapsReserved, 10240);
        setConnected(k.connected);
        sent().clear();
        fromMenu("Copy", *fmCopy, [&] {
            EXPECT_TRUE(chooseThroughWindow(*fmCopy->cbOutSource, 0));
            EXPECT_TRUE(chooseThroughWindow(*fmCopy->cbOutDestination, k.target));
            clickThroughWindow(*fmCopy->bnOutChCopy);
            clickThroughWindow(*fmCopy->bnExit);
        });
        setConnected(false);
        const int target = 4 + k.target;
        if (k.refused) {
            EXPECT_EQ(window->messages, std::vector<std::string>{"Run Out of FIR Resource!!"});
            EXPECT_TRUE(sent().empty());
            EXPECT_EQ(unit().GetOutputFilter(target).fir.type, 0);
            EXPECT_EQ(window->FirTapsReserved, 10240);
        } else if (k.connected) {
            EXPECT_TRUE(window->messages.empty());
            EXPECT_EQ(sent(), std::vector<Sent>{frame(kCopy, {4, static_cast<std::uint8_t>(target)}, true)});
        } else {
            EXPECT_TRUE(window->messages.empty());
            EXPECT_EQ(unit().GetOutputFilter(target).fir.taps, 2048);
            EXPECT_EQ(window->FirTapsReserved, 12288);
        }
        window->messages.clear();
    }
}

TEST_F(ChannelDialogsTest, OnlineTheProcessorCopiesAndTheStateReloads)
{
    setConnected(true);
    fromMenu("Copy", *fmCopy, [&] {
        EXPECT_TRUE(chooseThroughWindow(*fmCopy->cbInSource, 3));
        EXPECT_TRUE(chooseThroughWindow(*fmCopy->cbInDestination, 1));
        clickThroughWindow(*fmCopy->bnInChCopy);
        clickThroughWindow(*fmCopy->bnExit);
    });
    EXPECT_EQ(sent(), std::vector<Sent>{frame(kCopy, {3, 1}, true)});
    EXPECT_EQ(window->Exchange().ackStep, qx::kStepReloadState);
    setConnected(false);
}

// --- channel names -------------------------------------------------------

TEST_F(ChannelDialogsTest, ALabelClickRenamesItsChannel)
{
    const WhenShown rename(*fmChannelName, [&] {
        EXPECT_EQ(fmChannelName->lbChannel->Caption(), "Out3 :");
        EXPECT_EQ(fmChannelName->edName->Text(), "Out3");
        EXPECT_EQ(fmChannelName->edName->SelLength(), 4) << "the present name selected";
        qx::test::typeThroughWindow(*fmChannelName->edName, "Sub");
        QTest::keyClick(fmChannelName->Widget()->windowHandle(), Qt::Key_Return);
    });
    clickOnPage("lbMatrixChNameOut3");
    EXPECT_TRUE(rename.Ran());
    EXPECT_FALSE(fmChannelName->Visible());
    EXPECT_EQ(sent(), std::vector<Sent>{frame(kChannelName, {6, 'S', 'u', 'b', 0, 0, 0, 0, 0}, true)});
    EXPECT_EQ(caption("lbMatrixChNameOut3"), "Sub");
    EXPECT_EQ(find("rzbMenuOut3")->Hint(), "Sub");
    EXPECT_EQ(caption("rzbMenuOut3"), "Out3") << "the caption tells the link state";
    EXPECT_EQ(window->ChannelNameText(6), "Sub");
}

TEST_F(ChannelDialogsTest, CancelKeepsTheName)
{
    const WhenShown cancel(*fmChannelName, [&] {
        qx::test::typeThroughWindow(*fmChannelName->edName, "Other");
        clickThroughWindow(*fmChannelName->bnCancel);
    });
    clickOnPage("lbMatrixChNameInB");
    EXPECT_TRUE(cancel.Ran());
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(window->ChannelNameText(1), "InB");
}

// Only the changed names are stored and sent, in channel order; a name is
// cut to 8 bytes of the code page, between characters.
TEST_F(ChannelDialogsTest, TheNameListSendsTheChangedNamesOnly)
{
    window->SetChannelName(9, qx::channelNameFromText("EightChr"));
    sent().clear();
    fromMenu("ChNameList", *fmChNameList, [&] {
        auto* out6 = qx::findComponent<TEdit>(*fmChNameList, "edMatrixChNameOut6");
        EXPECT_EQ(out6->Text(), "EightChr");
        EXPECT_EQ(qx::findComponent<TEdit>(*fmChNameList, "edMatrixChNameInA")->Text(), "InA");
        EXPECT_TRUE(enterThroughWindow(*qx::findComponent<TEdit>(*fmChNameList, "edMatrixChNameInB"), "Kick",
                                       Qt::Key_unknown));
        EXPECT_TRUE(enterThroughWindow(*qx::findComponent<TEdit>(*fmChNameList, "edMatrixChNameOut8"),
                                       "\xc3\xa9t\xc3\xa9 Top", Qt::Key_unknown));
        clickThroughWindow(*fmChNameList->btnOK);
    });
    EXPECT_EQ(sent(), (std::vector<Sent>{frame(kChannelName, {1, 'K', 'i', 'c', 'k', 0, 0, 0, 0}, true),
                                         frame(kChannelName, {11, 0xE9, 't', 0xE9, ' ', 'T', 'o', 'p', 0}, true)}));
    EXPECT_EQ(caption("lbMatrixChNameOut8"), "\xc3\xa9t\xc3\xa9 Top");
    EXPECT_EQ(window->ChannelNameText(9), "EightChr");

    sent().clear();
    fromMenu("ChNameList", *fmChNameList, [&] { clickThroughWindow(*fmChNameList->btnCancel); });
    EXPECT_TRUE(sent().empty());
}

TEST_F(ChannelDialogsTest, NamesAreCutAtEightCharactersOfTheCodePage)
{
    const qx::ChannelName cut = qx::channelNameFromText("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                                        "\xc3\xa9\xc3\xa9");
    EXPECT_EQ(cut, (qx::ChannelName{0xE9, 0xE9, 0xE9, 0xE9, 0xE9, 0xE9, 0xE9, 0xE9})) << "eight characters, not bytes";
    window->SetChannelName(2, qx::channelNameFromText("NoNulHereEither"));
    EXPECT_EQ(window->ChannelNameText(2), "NoNulHer");
    EXPECT_EQ(caption("lbMatrixChNameInC"), "NoNulHer");
    window->SetChannelName(3, qx::channelNameFromText(""));
    EXPECT_EQ(caption("lbMatrixChNameInD"), "");
    EXPECT_EQ(sent().back(), frame(kChannelName, {3, 0, 0, 0, 0, 0, 0, 0, 0}, true));
}

// --- the PEQ reset dialog ------------------------------------------------

TEST_F(ChannelDialogsTest, TheEqResetButtonAsksFirst)
{
    storeMasks(4, {0x01, 0x06, 0x00}); // Out2 heads Out3
    unit().SetPeqBand(5, 3, qx::PeqBand{200, 100, 60, 2}, 0);
    auto* reset = find("vrbEqResetOut2");
    showPageOf(*reset);

    const WhenShown cancel(*fmPeqRst, [&] { clickThroughWindow(*fmPeqRst->btnCancel); });
    clickThroughWindow(*reset);
    EXPECT_TRUE(cancel.Ran());
    EXPECT_EQ(unit().GetPeqBand(5, 3).gain, 200) << "Cancel changes nothing";

    const WhenShown ok(*fmPeqRst, [&] {
        EXPECT_EQ(fmPeqRst->Channel, 5);
        EXPECT_EQ(fmPeqRst->lbReset->Caption(), "Are you sure to RESET EQ ?");
        clickThroughWindow(*fmPeqRst->btnOK);
    });
    clickThroughWindow(*reset);
    EXPECT_TRUE(ok.Ran());
    EXPECT_FALSE(fmPeqRst->Visible());
    for (int c : {5, 6})
        for (int b = 0; b < 6; ++b)
            EXPECT_EQ(unit().GetPeqBand(c, b), unit().GetDefaultPeqBand(c, b)) << c << " band " << b;
    std::vector<Sent> urgent;
    for (const Sent& k : sent())
        if (k.urgent)
            urgent.push_back(k);
    std::vector<Sent> factoryBands;
    for (int b = 5; b >= 0; --b) {
        const qx::PeqBand band = unit().GetDefaultPeqBand(5, b);
        factoryBands.push_back(eqtest::peqFrame(5, b, band.gain, band.frequency, band.q, band.type, 0, true));
    }
    EXPECT_EQ(urgent, factoryBands) << "every band of Out2 sent, the last first";

    unit().SetPeqBand(5, 3, qx::PeqBand{200, 100, 60, 2}, 0);
    fmPeqRst->SetChannel(12);
    const WhenShown only(*fmPeqRst, [&] { clickThroughWindow(*fmPeqRst->btnOK); });
    fmPeqRst->ShowModal();
    EXPECT_EQ(unit().GetPeqBand(5, 3).gain, 200) << "channel 12 is none";
}

// Each dialog shows its texts in the window's language.
TEST_F(ChannelDialogsTest, TheDialogsSpeakTheWindowsLanguage)
{
    // The Language menu is hidden: its handler is the only road to another language.
    window->ChineseSimplifiedClick(find<TMenuItem>("ChineseSimplified"));
    ASSERT_NE(window->Translate("SID_LINK_TITLE"), "Link Selection");
    struct Case
    {
        const char* item;
        TForm* dialog;
        const char* title;
    };
    for (const Case& k : {Case{"Link", fmLinkSel, "SID_LINK_TITLE"}, Case{"Copy", fmCopy, "SID_COPY_TITLE"},
                          Case{"ChNameList", fmChNameList, "SID_CH_NAME_LIST"}}) {
        std::string title;
        fromMenu(k.item, *k.dialog, [&] {
            title = k.dialog->Caption();
            k.dialog->Close();
        });
        EXPECT_EQ(title, window->Translate(k.title)) << k.item;
    }
    EXPECT_EQ(fmLinkSel->bnSet->Caption(), window->Translate("SID_SET"));
    EXPECT_EQ(fmCopy->bnOutChCopy->Caption(), window->Translate("SID_COPY"));
    EXPECT_EQ(fmChNameList->btnCancel->Caption(), window->Translate("SID_EXIT"));
    fmPeqRst->SetChannel(0);
    const WhenShown reset(*fmPeqRst, [] { fmPeqRst->Close(); });
    fmPeqRst->ShowModal();
    EXPECT_EQ(fmPeqRst->lbReset->Caption(), window->Translate("SID_PEQRST_RESET"));
    EXPECT_EQ(fmPeqRst->btnOK->Caption(), window->Translate("SID_PEQRST_OK"));
    const WhenShown name(*fmChannelName, [] { fmChannelName->Close(); });
    clickOnPage("lbMatrixChNameOut1");
    EXPECT_EQ(fmChannelName->lbChannelName->Caption(), window->Translate("SID_CH_NAME"));
    EXPECT_EQ(fmChannelName->bnCancel->Caption(), window->Translate("SID_EXIT_CANCEL"));
}

} // namespace
