// Storing and recalling presets through the program's own windows against
// the simulated processor, as a user does: the Store or Recall button, a
// click on a row of the list, the name dialog, a typed name, OK. Each action
// runs from a timer of its own, so that the modal windows it opens leave the
// next steps running; every wait has a limit.

#include "PresetRowClick.h"
#include "ProgramWithSimulator.h"
#include "WindowSystemInput.h"
#include "app/SmallWindows.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStoreName.h"
#include "app/presets/FStorePreset.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "model/UnitRecord.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/ValueListEditor.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace rec = qx::rec;
using qx::test::clickRow;

std::string storedName(std::span<const std::uint8_t> image)
{
    const auto name = image.subspan(rec::kPresetName, rec::kPresetNameSize);
    return std::string(name.begin(), name.end());
}

class StoreRecall : public ProgramWithSimulator
{
protected:
    void SetUp() override
    {
        ProgramWithSimulator::SetUp();
        qx::writeWord(core.MutableCurrentImage(), rec::input(1) + rec::kInGain, 200);
        core.SeedPreset(3, "Seeded Show");
        ASSERT_TRUE(core.Handle(EncodeFrame(CM_MCS_CMD(1, 0x20, 0), 1)).addressed) << "the factory preset in use";
        startSimulator();
        ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load"));
    }

    // The simulator's thread ended, so that the test may read its state.
    void stopSimulator()
    {
        server.Stop();
        serverThread.join();
    }

    static bool noDialogOpen()
    {
        return !fmStorePreset->Visible() && !fmRecallPreset->Visible() && !fmStoreName->Visible() &&
               !fmProcess->Visible();
    }
};

TEST_F(StoreRecall, StoringThroughTheWindowsNamesThePresetOnTheProcessor)
{
    auto* nameBox = fmStoreName->edName;
    take({{"the main window", [] { return fmMain->Visible(); },
           [] { qx::test::clickThroughWindow(*find("bStore")); }},
          {"the store list", [] { return qx::test::readyForTheUser(*fmStorePreset); }, [] { clickRow(*fmStorePreset, 7); }},
          {"the name dialog, its box ready",
           [nameBox] { return qx::test::readyForTheUser(*fmStoreName) && nameBox->Enabled() && nameBox->Focused(); },
           [nameBox] {
               EXPECT_EQ(fmStoreName->lTitle->Caption(), "U07 : ");
               EXPECT_TRUE(fmStorePreset->Visible()) << "the list stays open beneath";
               nameBox->SelectAll();
               qx::test::typeThroughWindow(*nameBox, "Main");
           }},
          {"the typed name", [nameBox] { return nameBox->Text() == "Main"; },
           [] { qx::test::clickThroughWindow(*fmStoreName->btnOK); }}},
         [] { return noDialogOpen() && stateLoaded() && find("lbPstNum")->Caption() == "U07"; },
         "the preset stored and the meters back");

    EXPECT_EQ(find("lbPstName")->Caption(), "Main          ") << "the 14-character name";
    EXPECT_EQ(fmStorePreset->vledPresetName->Cells(1, 7), "  Main          ");
    EXPECT_EQ(fmRecallPreset->vledPresetName->Cells(1, 8), "  Main          ");
    EXPECT_TRUE(fmMain->IsOnline());
    stopSimulator();
    EXPECT_TRUE(core.IsPresetUsed(7));
    EXPECT_EQ(storedName(core.StoredImage(7)), "Main          ");
    EXPECT_TRUE(responder.ProtocolErrors().empty());
}

TEST_F(StoreRecall, RecallingThroughTheWindowsLoadsThePresetsState)
{
    ASSERT_EQ(find("lbPstNum")->Caption(), "F00");
    ASSERT_EQ(find<TAdvTrackBar>("isGainInB")->Position(), 0);
    take({{"the main window", [] { return fmMain->Visible(); },
           [] { qx::test::clickThroughWindow(*find("bRecall")); }},
          {"the recall list", [] { return qx::test::readyForTheUser(*fmRecallPreset); }, [] { clickRow(*fmRecallPreset, 4); }},
          {"the name dialog, on top of the list", [] { return qx::test::readyForTheUser(*fmStoreName); },
           [] {
               EXPECT_EQ(fmStoreName->lTitle->Caption(), "U03 : ");
               EXPECT_EQ(fmStoreName->edName->Text(), "Seeded Show");
               qx::test::clickThroughWindow(*fmStoreName->btnOK);
           }}},
         [] { return noDialogOpen() && stateLoaded() && find("lbPstNum")->Caption() == "U03"; },
         "the preset recalled and its state shown");

    EXPECT_EQ(find("lbPstName")->Caption(), "Seeded Show");
    EXPECT_EQ(find<TAdvTrackBar>("isGainInB")->Position(), -80) << "the recalled preset's gain";
    EXPECT_FALSE(fmStoreName->edName->Enabled()) << "a recall shows the name for confirmation only";
    stopSimulator();
    EXPECT_EQ(core.CurrentPreset(), 3);
    EXPECT_TRUE(responder.ProtocolErrors().empty());
}

} // namespace
