#include "TempDir.h"
#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/buttons/rz/RzFrameController.h"
#include "controls/buttons/rz/RzPanel.h"
#include "controls/buttons/rz/RzRegIniFile.h"
#include "platform/gui/Application.h"
#include "platform/gui/PropertyRegistry.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <fstream>

namespace {

/// A panel that counts how often the controller applies its settings.
class TCountingPanel : public TRzPanel
{
public:
    using TRzPanel::TRzPanel;
    int applied = 0;
    void ApplyFrameControllerSettings() override
    {
        ++applied;
        TRzPanel::ApplyFrameControllerSettings();
    }
};

class FrameControllerTest : public testing::Test, protected qx::test::FormFixture
{
protected:
    void SetUp() override
    {
        controller = new TRzFrameController(form.get());
        ini = new TRzRegIniFile(form.get());
        ini->SetPath((dir / "frames.ini").string());
    }
    void writeFile(const std::string& text)
    {
        std::ofstream(dir / "frames.ini") << text;
        ini->SetPath((dir / "frames.ini").string() + "x");
        ini->SetPath((dir / "frames.ini").string());
    }

    qx::test::TempDir dir;
    TRzFrameController* controller = nullptr;
    TRzRegIniFile* ini = nullptr;
};

TEST_F(FrameControllerTest, PushesItsFrameIntoLinkedPanelsWhileTheFrameIsVisible)
{
    auto* panel = make<TRzPanel>();
    panel->SetFrameController(controller);
    EXPECT_EQ(controller->ControlCount(), 1);
    controller->SetFrameStyle(fsStatus);
    EXPECT_EQ(panel->BorderOuter(), fsRaised) << "the frame is not visible yet";
    controller->SetFrameVisible(true);
    EXPECT_EQ(panel->BorderOuter(), fsStatus);
    controller->SetFrameColor(clNavy);
    EXPECT_EQ(panel->FlatColor(), clNavy);
    EXPECT_EQ(panel->FlatColorAdjustment(), 0);
    panel->SetFrameControllerNotifications(0);
    controller->SetFrameStyle(fsFlat);
    EXPECT_EQ(panel->BorderOuter(), fsStatus) << "no notification bits, no change";
}

TEST_F(FrameControllerTest, ColourCarriesTheFocusColourAlongAndClearsParentColor)
{
    controller->SetParentColor(true);
    controller->SetColor(clYellow);
    EXPECT_EQ(controller->FocusColor(), clYellow);
    EXPECT_FALSE(controller->ParentColor());
    controller->SetFocusColor(clRed);
    controller->SetColor(clLime);
    EXPECT_EQ(controller->FocusColor(), clRed);
}

TEST_F(FrameControllerTest, AnUpdateBracketAppliesOnceAtTheEnd)
{
    auto* panel = new TCountingPanel(form.get());
    panel->SetParent(form.get());
    panel->SetFrameController(controller);
    panel->applied = 0;
    controller->BeginUpdate();
    controller->SetFrameVisible(true);
    controller->SetFrameStyle(fsPopup);
    controller->SetColor(clAqua);
    EXPECT_EQ(panel->applied, 0);
    controller->EndUpdate();
    EXPECT_EQ(panel->applied, 1);
    EXPECT_EQ(panel->BorderOuter(), fsPopup);
    EXPECT_EQ(panel->Color(), clAqua);
}

TEST_F(FrameControllerTest, ControlsWithoutTheClientOperationAreServedByPropertyName)
{
    auto* combo = make<TRzComboBox>();
    combo->SetFrameController(controller);
    controller->SetFrameHotColor(clFuchsia);
    EXPECT_EQ(combo->FrameHotColor(), clFuchsia);
    controller->SetFrameSides(TSides{sdTop});
    EXPECT_EQ(combo->FrameSides(), TSides{sdTop});
}

TEST_F(FrameControllerTest, ALinkEndsWhenEitherSideGoes)
{
    auto* panel = make<TRzPanel>();
    panel->SetFrameController(controller);
    delete panel;
    EXPECT_EQ(controller->ControlCount(), 0);
    auto* other = make<TRzPanel>();
    other->SetFrameController(controller);
    delete controller;
    EXPECT_EQ(other->FrameController(), nullptr);
}

TEST_F(FrameControllerTest, SavesAndLoadsThroughTheSettingsFile)
{
    EXPECT_THROW(controller->Save("Frames"), ENoRegIniFile);
    try {
        controller->Load("Frames");
        FAIL();
    } catch (const ENoRegIniFile& e) {
        EXPECT_STREQ(e.what(), "Cannot load Custom Framing settings--No TRzRegIniFile component specified");
    }
    controller->SetRegIniFile(ini);
    controller->SetFrameStyle(fsGroove);
    controller->SetFrameSides(TSides{sdLeft, sdBottom});
    controller->SetColor(clInfoBk);
    controller->Save("Frames");

    TRzFrameController loaded(nullptr);
    loaded.SetRegIniFile(ini);
    loaded.Load("Frames");
    EXPECT_EQ(loaded.FrameStyle(), fsGroove);
    EXPECT_EQ(loaded.FrameSides(), (TSides{sdLeft, sdBottom}));
    EXPECT_EQ(loaded.Color(), clInfoBk);

    loaded.Load("Empty");
    EXPECT_EQ(loaded.FrameSides(), kAllSides);
    EXPECT_EQ(loaded.FrameStyle(), fsFlat);
    EXPECT_EQ(loaded.DisabledColor(), clWindow) << "the file's default differs from the constructor's";
}

TEST_F(FrameControllerTest, LoadedValuesOutOfRangeTakeTheirDefaults)
{
    writeFile("[Frames]\nFrameStyle=99\nFrameHotStyle=-3\nFramingPreference=7\nColor=305419896\nFrameColor=-16777200\n");
    controller->SetRegIniFile(ini);
    controller->SetFrameStyle(fsGroove);
    controller->Load("Frames");
    EXPECT_EQ(controller->FrameStyle(), fsFlat);
    EXPECT_EQ(controller->FrameHotStyle(), fsFlatBold);
    EXPECT_EQ(controller->FramingPreference(), fpXPThemes);
    EXPECT_EQ(controller->Color(), clWindow);
    EXPECT_EQ(controller->FrameColor(), clBtnShadow) << "0xFF000010 is a system colour: kept";
}

TEST_F(FrameControllerTest, OldStreamsFrameFlatTurnsOnHotTracking)
{
    qx::setProperty(*controller, "FrameFlat", qx::PropertyValue(true), true);
    EXPECT_TRUE(controller->FrameHotTrack());
    EXPECT_EQ(controller->FrameStyle(), fsStatus);
    EXPECT_EQ(controller->FrameHotStyle(), fsLowered);
    qx::setProperty(*controller, "FrameFocusStyle", qx::Ident{"fsRaised"}, true);
    EXPECT_EQ(controller->FrameHotStyle(), fsRaised);
}

TEST(RegIniFile, AnEmptyIniPathIsTheProgramsNameWithIni)
{
    TRzRegIniFile ini(nullptr);
    EXPECT_EQ(ini.ReadString("none", "none", "fallback"), "fallback");
    const std::string exe = QCoreApplication::applicationFilePath().toStdString();
    EXPECT_EQ(ini.Path(), exe + ".ini");
    ini.SetPath("settings.cfg");
    ini.ReadString("none", "none", "");
    EXPECT_EQ(ini.Path(), QCoreApplication::applicationDirPath().toStdString() + "/settings.ini");
}

TEST(RegIniFile, TheMachineWideFolderIsMissingHereSoTheFileLiesBesideTheProgram)
{
    TRzRegIniFile ini(nullptr);
    ini.SetSpecialFolder(sfProgramData);
    ini.SetPath("settings.ini");
    ini.ReadString("none", "none", "");
    EXPECT_EQ(ini.Path(), QCoreApplication::applicationDirPath().toStdString() + "/settings.ini");
}

TEST(RegIniFile, TheRegistryKeyNamesAFileUnderTheConfigurationFolder)
{
    const std::string title = Application->Title();
    Application->SetTitle("QxFrames");
    TRzRegIniFile ini(nullptr);
    ini.SetPathType(ptRegistry);
    ini.ReadBool("none", "none", false);
    const std::string path = ini.Path();
    EXPECT_NE(path.find("Software/Temp/QxFrames.ini"), std::string::npos) << path;
    Application->SetTitle(title);
}

} // namespace
