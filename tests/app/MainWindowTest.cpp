#include "MainWindowFixture.h"

#include "app/MainLayout.h"
#include "editors/channel/DelayMarker.h"
#include "FrameBuilder.h"
#include "PseudoTerminal.h"
#include "PumpUntil.h"
#include "link/LinkMessages.h"
#include "platform/net/ClientSocket.h"
#include "tests/platform/net/LoopbackListener.h"
#include "link/LinkRouter.h"
#include "model/LUnitControl.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/RadioButton.h"
#include "controls/buttons/rz/RzButton.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "platform/gui/FormScroller.h"
#include "platform/gui/ItemStrings.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"

#include <QScrollBar>
#include <QWidget>

#include <QTest>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string suffix(int c) { return qx::channelSuffix(c); }

TEST_F(MainWindowTest, StartsOfflineOnTheGainPageAtTheDesignSize)
{
    EXPECT_EQ(window->Caption(), "K-ARX QX-73B DSP Processor Editor V1.2");
    EXPECT_EQ(window->Width(), 1125);
    EXPECT_EQ(window->Height(), 727);
    EXPECT_EQ(window->CurrentPage, 14);
    EXPECT_TRUE(find("rzgFftGain")->Visible());
    EXPECT_TRUE(find("rzgParamGain")->Visible());
    EXPECT_EQ(window->DeviceId, 1);
    EXPECT_EQ(window->DeviceAddress, 0xC0A80165U) << "192.168.1.101";
    EXPECT_EQ(window->Language, "English");
    EXPECT_EQ(window->DragHandle, -1);
    EXPECT_EQ(window->ShownCompOutput, 4);
    EXPECT_EQ(window->ShownLimitOutput, 4);
    EXPECT_FALSE(window->Exchange().connected);
    EXPECT_EQ(window->BypassImpulse, qx::unitImpulse()) << "a unit impulse as long as a coefficient buffer";
    // The first showing of the factory record sets every tap count to its 512.
    for (int c = 0; c < 12; ++c) {
        EXPECT_EQ(window->FirTaps[c], 512) << suffix(c);
        EXPECT_FLOAT_EQ(window->FirCoeffs[c][0], 1.0F) << suffix(c);
        EXPECT_FLOAT_EQ(window->FirCoeffs[c][1], 0.0F) << suffix(c);
    }
    for (const auto& plot : window->Plots)
        EXPECT_NE(plot, nullptr);
    EXPECT_TRUE(find<TRadioButton>("rbShowEqFirOut1")->Enabled());
    // The gain overviews show In A's and Out 1's curves in their colours.
    const std::tuple<const char*, int> overviews[] = {{"fftDrawGainIn", 0}, {"fftDrawGainOut", 4}};
    for (const auto& [graph, channel] : overviews) {
        TColor colour = clBlack;
        ASSERT_TRUE(find<LMyFFTDrawHpLp6dB>(graph)->GetPlotColor(colour, channel)) << graph;
        EXPECT_EQ(colour, Plot::channelColour(channel)) << graph;
    }
}

TEST_F(MainWindowTest, CaptionsComeFromTheEnglishTable)
{
    struct Case
    {
        const char* name;
        const char* caption;
    };
    const Case menus[] = {{"File", "File"}, {"Connected", "Connect"}, {"NetworkSetup", "Setting ID/IP"},
                          {"InDigital", "AES/EBU"}, {"About", "About"}};
    for (const Case& c : menus)
        EXPECT_EQ(find<TMenuItem>(c.name)->Caption(), c.caption) << c.name;
    EXPECT_TRUE(find<TMenuItem>("English")->Checked());
    EXPECT_FALSE(find<TMenuItem>("ChineseSimplified")->Checked());
    EXPECT_TRUE(find<TMenuItem>("NetworkSetup")->Visible());
    EXPECT_FALSE(find<TMenuItem>("LanguageSel")->Visible());
    const Case controls[] = {{"rzbMenuLink", "OffLine"}, {"rzbPhaseInA", "Normal"}, {"rzbMuteOut8", "Mute"},
                             {"lbGateName", "In A  Gate"}, {"lbCompName", "Out 1  RMS Compressor"},
                             {"lbLimitName", "Out 1  Peak Limit"}, {"rzbMenuOut3", "Out3"}};
    for (const Case& c : controls)
        EXPECT_EQ(find(c.name)->Caption(), c.caption) << c.name;
}

// One name of the inventories with the channel it belongs to (-1 for a
// name without a channel).
struct ComposedName
{
    std::string name;
    int channel;
};

// The names a prefix stands for on the given sides (In, Out, InOut or One).
std::vector<ComposedName> composeNames(const std::string& prefix, const std::string& sides)
{
    std::vector<ComposedName> names;
    const auto star = prefix.find('*');
    auto compose = [&](const std::string& tail, int channel) {
        if (star == std::string::npos)
            names.push_back({prefix + tail, channel});
        else
            for (char letter = 'A'; letter <= 'D'; ++letter)
                names.push_back({prefix.substr(0, star) + letter + prefix.substr(star + 1) + tail, channel});
    };
    if (sides == "One")
        names.push_back({prefix, -1});
    for (int c = 0; c < 12; ++c) {
        const bool input = c < 4;
        if (sides == "InOut")
            compose(suffix(c), c);
        else if (sides == "In" && input)
            compose(std::string(1, static_cast<char>('A' + c)), c);
        else if (sides == "Out" && !input)
            compose(std::to_string(c - 3), c);
    }
    return names;
}

// The lines of an inventory in tests/app/data, without comments and blanks.
std::vector<std::string> inventoryLines(const std::string& file)
{
    std::ifstream in(std::string(QX_TEST_DATA_DIR "/") + file);
    EXPECT_TRUE(in) << file;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

// Every name the code composes exists in the layout with the class the code
// expects. Families not built yet are stood in for by standard controls.
TEST_F(MainWindowTest, EveryComposedNameExistsWithItsClass)
{
    // Families not built yet would be stood in for by standard controls (none today).
    const std::map<std::string, std::string> standIn;
    int checked = 0;
    for (const std::string& line : inventoryLines("ComposedNames.txt")) {
        std::istringstream fields(line);
        std::string prefix, sides, cls;
        fields >> prefix >> sides >> cls;
        const std::string expected = standIn.count(cls) ? standIn.at(cls) : cls;
        for (const ComposedName& composed : composeNames(prefix, sides)) {
            TComponent* component = window->FindComponent(composed.name);
            ASSERT_NE(component, nullptr) << composed.name << " (" << line << ")";
            EXPECT_EQ(component->ClassName(), expected) << composed.name;
            ++checked;
        }
    }
    EXPECT_GT(checked, 1500) << "the inventory was read";
}

// The loaded window's controls carry the settings of the property table:
// faders, meters, level bars, band grids, graphs and value boxes.
TEST_F(MainWindowTest, ControlsCarryTheirSettings)
{
    int checked = 0;
    for (const std::string& line : inventoryLines("ComposedProperties.txt")) {
        std::istringstream fields(line);
        std::string prefix, sides, path, value;
        fields >> prefix >> sides >> path >> std::ws;
        std::getline(fields, value);
        for (const ComposedName& composed : composeNames(prefix, sides)) {
            TComponent* component = window->FindComponent(composed.name);
            ASSERT_NE(component, nullptr) << composed.name << " (" << line << ")";
            const std::string expected = value == "@channel" ? std::to_string(composed.channel) : value;
            std::string actual;
            try {
                actual = qx::toText(qx::getProperty(*component, path));
            } catch (const qx::PropertyError& error) {
                ADD_FAILURE() << composed.name << "." << path << ": " << error.what();
                continue;
            }
            EXPECT_EQ(actual, expected) << composed.name << "." << path;
            ++checked;
        }
    }
    EXPECT_GT(checked, 800) << "the table was read";
}

struct PageCase
{
    const char* button;
    int page;
    const char* graph;
};

const PageCase kPages[] = {
    {"rzbMenuInA", 0, "rzgFftInA"},     {"rzbMenuInD", 3, "rzgFftInD"},   {"rzbMenuOut1", 4, "rzgFftOut1"},
    {"rzbMenuOut8", 11, "rzgFftOut8"},  {"rzbMenuComp", 12, "rzgFftComp"}, {"rzbMenuDelay", 13, "rzgFftDelay"},
    {"rzbMenuMatrix", 15, "rzgFftMatrix"}, {"rzbMenuLimit", 17, "rzgFftLimit"},
};

TEST_F(MainWindowTest, PageButtonsBringTheirPagePairToFront)
{
    for (const PageCase& c : kPages) {
        ASSERT_TRUE(press(c.button)) << c.button;
        EXPECT_EQ(window->CurrentPage, c.page) << c.button;
        EXPECT_TRUE(find(c.graph)->Visible()) << c.button;
        std::string param = c.graph;
        param.replace(0, 6, "rzgParam");
        EXPECT_TRUE(find(param)->Visible()) << c.button;
        EXPECT_FALSE(find("rzgFftGain")->Visible()) << c.button;
        ASSERT_TRUE(press("rzbMenuGain"));
        EXPECT_EQ(window->CurrentPage, 14);
        EXPECT_FALSE(find(c.graph)->Visible()) << c.button;
    }
}

// The Gate button has the Comp button's place and size and lies beneath it:
// a click there presses Comp, and the Gate page stays behind.
TEST_F(MainWindowTest, AClickAtTheGateButtonsPlacePressesComp)
{
    TControl* gate = find("rzbMenuGate");
    EXPECT_EQ(gate->BoundsRect(), find("rzbMenuComp")->BoundsRect());
    EXPECT_FALSE(press("rzbMenuGate")) << "covered";
    qx::test::clickThroughWindow(gate->Widget());
    EXPECT_EQ(window->CurrentPage, 12);
    EXPECT_FALSE(find("rzgFftGate")->Visible());
}

TEST_F(MainWindowTest, PressingThePageInFrontChangesNothing)
{
    ASSERT_TRUE(press("rzbMenuOut2"));
    find("rzgFftGain")->Show();
    ASSERT_TRUE(press("rzbMenuOut2"));
    EXPECT_TRUE(find("rzgFftGain")->Visible()) << "no hide or show ran";
    EXPECT_EQ(window->CurrentPage, 5);
}

TEST_F(MainWindowTest, ALinkedChannelShowsItsLeadersPageUnderItsOwnName)
{
    // Out2 (channel 5) heads a group holding Out3 (channel 6): bits 1 and 2.
    window->UnitControl->SetLinkMask(5, 0x6);
    window->UnitControl->SetLinkMask(6, 0);
    ASSERT_EQ(window->GroupLeader(6), 5);
    ASSERT_TRUE(press("rzbMenuOut3"));
    EXPECT_EQ(window->CurrentPage, 6);
    EXPECT_TRUE(find("rzgFftOut2")->Visible());
    EXPECT_FALSE(find("rzgFftOut3")->Visible());
    EXPECT_EQ(find("lbFftChannelOut2")->Caption(), "Out3");
    EXPECT_EQ(find("lbGainNameOut2")->Caption(), "Out3");
    // The group's curve in the colour of the channel pressed.
    auto* graph = find<LMyFFTDrawHpLp6dB>("fftDrawOut2");
    TColor colour = clBlack;
    ASSERT_TRUE(graph->GetPlotColor(colour, Plot::kSumSection));
    EXPECT_EQ(colour, Plot::channelColour(6)) << "Out3's yellow";
    ASSERT_TRUE(press("rzbMenuOut2"));
    ASSERT_TRUE(graph->GetPlotColor(colour, Plot::kSumSection));
    EXPECT_EQ(colour, Plot::channelColour(5)) << "Out2's own colour again";
    EXPECT_EQ(find("lbFftChannelOut2")->Caption(), "Out2");
}

// The block diagram's labels open their pages when clicked; the input rows'
// GAIN and MUTE labels lead to their channel's page, as the row's other
// channel labels do.
TEST_F(MainWindowTest, BlockDiagramLabelsOpenTheirPages)
{
    const std::pair<const char*, int> cases[] = {
        {"lbMatrixDelayOut5", 13}, {"lbMatrixDeqInC", 2},  {"lbMatrixCompOut3", 12}, {"lbMatrixPhaseOut1", 17},
        {"lbMatrixXoverOut8", 11}, {"lbMatrixFirInB", 1},  {"lbMatrixGainInA", 0},   {"lbMatrixGateInB", 1},
        {"lbMatrixGainInD", 3},    {"lbMatrixGateInC", 2}};
    for (const auto& [name, page] : cases) {
        ASSERT_TRUE(press("rzbMenuMatrix"));
        ASSERT_EQ(window->CurrentPage, 15);
        EXPECT_TRUE(press(name)) << name << " in sight";
        EXPECT_EQ(window->CurrentPage, page) << name;
    }
}

TEST_F(MainWindowTest, OutputSelectDigitalChecksTheItemAndShowsTheLabel)
{
    ASSERT_TRUE(choose("OutDigital"));
    EXPECT_TRUE(find<TMenuItem>("OutDigital")->Checked());
    EXPECT_FALSE(find<TMenuItem>("OutAnalog")->Checked());
    EXPECT_TRUE(find("lbOutSelDigital")->Visible());
    EXPECT_EQ(qx::readWord(window->UnitControl->record(), qx::rec::kOutputSelect), 1);
    ASSERT_TRUE(choose("OutAnalog"));
    EXPECT_FALSE(find("lbOutSelDigital")->Visible());
}

TEST_F(MainWindowTest, TheTraditionalChineseLanguageReadsTheEnglishTable)
{
    window->Language = "ChineseBIG5";
    EXPECT_EQ(window->Translate("SID_EXIT_OK"), "OK");
}

TEST(MainLayout, GraphsAreOddHeightsAndMarkersGuardAnEmptyFader)
{
    EXPECT_EQ(qx::graphHeight(0), 255);
    EXPECT_EQ(qx::graphHeight(1), 257);
    EXPECT_EQ(qx::graphHeight(2), 257);
    EXPECT_EQ(qx::delayMarkerLeft(5, 0, 475), 40) << "a fader Max of 0";
    EXPECT_EQ(qx::delayMarkerLeft(32640, 32640, 475), 425);
    EXPECT_EQ(qx::delayMarkerLeft(16320, 32640, 475), 232);
}

struct ResizeCase
{
    const char* name;
    const char* property;
    int atDesign;
    int atLarger; // 1425 x 817: dw 300, dh 90
};

const ResizeCase kResize[] = {
    {"vrbEqBypassInA", "Left", 776, 1076},  {"vrbEqShowAllOut8", "Left", 934, 1234},
    {"fftDrawInA", "Height", 255, 345},     {"fftDrawOut8", "Width", 1070, 1370},
    {"fftDrawGainOut", "Left", 550, 700},   {"rzgFftDelay", "Height", 284, 374},
    {"rzgParamOut1", "Top", 292, 382},      {"rzgParamOut1", "Left", 20, 170},
    {"lb0CompOut", "Top", 115, 165},         {"lbN60CompOut", "Top", 208, 298},
    {"pbLevelCompOut1", "Height", 185, 265}, {"rzmGrLimitOut8", "Height", 214, 304},
    {"plLevelGateInD", "Left", 1032, 1332}, {"plMatrixOut8", "Left", 561, 761},
    {"plMatrixOut8", "Top", 237, 317},      {"plMatrixInD", "Top", 218, 290},
    {"lbMatrixPhaseOut1", "Left", 240, 284}, {"lbMatrixFirInA", "Left", 362, 449},
    {"imDelayOut8", "Top", 198, 286},       {"imDelayInB", "Top", 74, 110},
    {"rzgPreset", "Top", 626, 716},         {"rzgPreset", "Left", 10, 160},
    {"rzbMenuLink", "Left", 1040, 1340},    {"pbMatrix", "Width", 97, 197},
};

int property(const TControl& c, const std::string& p)
{
    if (p == "Left")
        return c.Left();
    if (p == "Top")
        return c.Top();
    if (p == "Width")
        return c.Width();
    return c.Height();
}

TEST_F(MainWindowTest, ResizeSharesExtraSpaceByTheTables)
{
    for (const ResizeCase& c : kResize)
        EXPECT_EQ(property(*find(c.name), c.property), c.atDesign) << c.name << "." << c.property << " at design";
    window->SetBounds(0, 0, 1425, 817);
    window->FormResize(window.get());
    EXPECT_EQ(window->ExtraHeight, 90);
    EXPECT_FALSE(window->AutoScroll());
    for (const ResizeCase& c : kResize)
        EXPECT_EQ(property(*find(c.name), c.property), c.atLarger) << c.name << "." << c.property << " larger";
    // Below the design size the window scrolls and keeps the last layout.
    window->SetBounds(0, 0, 1000, 700);
    window->FormResize(window.get());
    EXPECT_TRUE(window->AutoScroll());
    for (const ResizeCase& c : kResize)
        EXPECT_EQ(property(*find(c.name), c.property), c.atLarger) << c.name << "." << c.property << " smaller";
}

TEST_F(MainWindowTest, DelayTimeLabelsFollowTheirMarkers)
{
    for (int c = 0; c < 12; ++c) {
        const TControl* marker = find("imDelay" + suffix(c));
        const TControl* time = find("lbFftDelayTime" + suffix(c));
        EXPECT_EQ(marker->Left(), 40) << suffix(c);
        EXPECT_EQ(time->Left(), marker->Left() + 30) << suffix(c);
        EXPECT_EQ(time->Top(), marker->Top() + marker->Height() / 4) << suffix(c);
    }
}

} // namespace

namespace {

TEST_F(MainWindowTest, ACloseBeforeTheQuitDialogConfirmsIsRefused)
{
    TCloseAction action = caHide;
    window->FormClose(window.get(), action);
    EXPECT_EQ(action, caNone);
}

TEST_F(MainWindowTest, AConfirmedCloseClosesAndDeletesTheLink)
{
    qx::test::PseudoTerminal line;
    ASSERT_TRUE(window->Router->OpenCom(line.devicePath()));
    window->SetExitConfirmed(true);
    TCloseAction action = caNone;
    window->FormClose(window.get(), action);
    EXPECT_EQ(action, caHide);
    EXPECT_EQ(window->Router->Kind(), qx::LinkKind::None);
}

} // namespace

namespace {

TEST_F(MainWindowTest, OnlineNamesTheLinkInTheStatusLabel)
{
    window->ShowOnline();
    EXPECT_EQ(find("rzbMenuLink")->Caption(), "OnLine");
    EXPECT_EQ(find<TMenuItem>("Connected")->Caption(), "Disconnect");
    qx::test::PseudoTerminal line;
    window->ComPortName = line.devicePath();
    ASSERT_TRUE(window->Router->OpenCom(line.devicePath()));
    window->ShowOnline();
    EXPECT_EQ(find("lbShowIp")->Caption(), line.devicePath());
    window->Router->CloseAll();
}

} // namespace

namespace {

TEST_F(MainWindowTest, TheDeviceIdTakesOnly1To254)
{
    EXPECT_EQ(window->DeviceId, 1);
    for (int refused : {0, 255, -1}) {
        window->SetDeviceId(refused);
        EXPECT_EQ(window->DeviceId, 1) << refused;
        EXPECT_EQ(window->Router->DeviceId(), 1) << refused;
    }
    const auto* shown = qx::findComponent<TControl>(*window, "lbShowIdNumber");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Caption(), "ID : 1");
    window->SetDeviceId(254);
    EXPECT_EQ(window->GetDeviceId(), 254);
    EXPECT_EQ(window->Router->DeviceId(), 254);
    EXPECT_EQ(shown->Caption(), "ID : 254");
}

// A reply frame from a serial port that is not at 115200 baud (message 1362)
// is dropped; the same frame as message 1360 is a reply. A frame from a
// foreign device shows which: as a reply it starts the foreign-id timer and
// leaves the frame in flight waiting for its answer.
TEST_F(MainWindowTest, FramesFromAPortAtAnotherSpeedAreDropped)
{
    const std::vector<std::uint8_t> foreign = qx::test::replyFrame(7, 0x14, {0});
    const struct
    {
        unsigned id;
        bool replied;
    } cases[] = {{WM_LINK_FRAME, true}, {WM_LINK_FRAME_OTHER_BAUD, false}};
    for (const auto& c : cases) {
        auto* comScan = find<TTimer>("tmComScan");
        comScan->SetEnabled(false);
        TMessage message{c.id, foreign.size(), 0, 0, &foreign};
        window->Dispatch(message);
        EXPECT_EQ(comScan->Enabled(), c.replied) << c.id;
        EXPECT_EQ(message.Result, c.replied ? qx::kFrameNotAnAnswer : 0) << c.id;
        comScan->SetEnabled(false);
    }
}

// The scan's preparation connects the socket in manual address mode, also
// when the scan will probe no network (address 0); automatic mode clears
// the address and leaves the socket alone.
TEST_F(MainWindowTest, TheScanPreparationConnectsTheSocketInManualMode)
{
    constexpr std::uint32_t kLoopback = 0x7F000001;
    const struct
    {
        const char* name;
        int mode;
        std::uint32_t address;
        bool connects;
        std::uint32_t addressAfter;
    } cases[] = {{"manual, address set", 0, kLoopback, true, kLoopback},
                 {"manual, address 0", 0, 0, true, 0},
                 {"automatic", 1, kLoopback, false, 0}};
    for (const auto& c : cases) {
        qx::test::LoopbackListener processor;
        TClientSocket& socket = *window->ClientSocket;
        socket.SetActive(false);
        socket.SetAddress("127.0.0.1");
        socket.SetPort(processor.port());
        window->SetAutoAddressMode(c.mode);
        window->SetDeviceAddress(c.address);
        window->PrepareNetworkScan();
        EXPECT_EQ(socket.Active(), c.connects) << c.name;
        if (c.connects) {
            EXPECT_TRUE(qx::test::pumpUntil([&] { return socket.Socket()->Connected(); }, c.name)) << c.name;
            EXPECT_GE(processor.accept(), 0) << c.name;
        }
        EXPECT_EQ(window->GetDeviceAddress(), c.addressAfter) << c.name;
        socket.SetActive(false);
    }
}

TEST_F(MainWindowTest, LinkSettingsWithoutALinkGoNowhere)
{
    window->SetLinkTimeout(5000);
    window->SetLinkRetries(2);
    window->SetKeepAliveSuppressed(true);
    EXPECT_FALSE(window->IsUsbLink());
    EXPECT_EQ(window->Router->Kind(), qx::LinkKind::None);
}

} // namespace

namespace {

// Below the design size the window's scroll bars bring the far controls
// into view: the last page button, the link button and the preset bar.
TEST_F(MainWindowTest, BelowTheDesignSizeTheFarControlsScrollIntoView)
{
    window->SetBounds(0, 0, 1000, 640);
    window->FormResize(window.get());
    qx::FormScroller& scroller = window->Scroller();
    ASSERT_TRUE(scroller.BarShown(true));
    ASSERT_TRUE(scroller.BarShown(false));
    QScrollBar* down = scroller.Bar(true);
    QScrollBar* across = scroller.Bar(false);
    // The client area below the menu bar, less the scroll bars.
    const int top = window->ClientOffset().Y;
    ASSERT_GT(top, 0) << "the menu bar";
    const QRect view(0, top, window->ClientWidth() - down->width(), window->ClientHeight() - across->height());
    auto inView = [&](const std::string& name) {
        const QWidget* w = find(name)->Widget();
        return view.contains(QRect(w->mapTo(window->Widget(), QPoint(0, 0)), w->size()));
    };
    for (const char* name : {"rzbMenuOut8", "rzbMenuLink", "bStore", "bRecall"}) {
        bool seen = false;
        for (const int y : {down->minimum(), down->maximum()})
            for (const int x : {across->minimum(), across->maximum()}) {
                down->setValue(y);
                across->setValue(x);
                seen = seen || inView(name);
            }
        EXPECT_TRUE(seen) << name << " can be scrolled into view";
    }
    down->setValue(0);
    across->setValue(0);
    EXPECT_FALSE(inView("rzbMenuLink")) << "cut off before scrolling";
    EXPECT_FALSE(inView("bStore")) << "cut off before scrolling";

    down->setValue(down->maximum());
    window->SetBounds(0, 0, 1125, 727);
    window->FormResize(window.get());
    EXPECT_FALSE(scroller.BarShown(true));
    EXPECT_EQ(find("rzgPreset")->Top(), 626) << "back in place at the design size";
}

// Every grid's type lists carry the table's names at the processor's codes
// (3 and 4 are the low-pass ones), and its bypass buttons the table's word;
// a language change renames them and keeps each row's type.
TEST_F(MainWindowTest, PeqTypeListsShowTheTablesNamesAtEachCode)
{
    const std::vector<std::string> english = {"Peak",    "Low Shelf", "High Shelf", "LP -6dB", "LP -12dB",
                                              "HP -6dB", "HP -12dB",  "Allpass1",   "Allpass2"};
    for (int c = 0; c < 12; ++c) {
        auto* grid = find<TMyPEQType8>("peqPeq" + suffix(c));
        ASSERT_NE(grid, nullptr) << suffix(c);
        for (int row = 0; row < grid->GetChannelNumber(); ++row) {
            EXPECT_EQ(grid->TypeList(row)->Items()->Lines(), english) << suffix(c) << " row " << row;
            EXPECT_EQ(grid->BypassButton(row)->Caption(), "Bypass") << suffix(c) << " row " << row;
        }
    }

    auto* grid = find<TMyPEQType8>("peqPeqOut2");
    grid->SetTypeValue(2, 4);
    find<TMenuItem>("ChineseSimplified")->Click(); // the hidden menu's handler, as the code calls it
    EXPECT_EQ(grid->TypeList(2)->Items()->Strings(4), window->Translate("SID_EQ_TYPE4"));
    EXPECT_NE(grid->TypeList(2)->Items()->Strings(4), "LP -12dB");
    EXPECT_EQ(grid->BypassButton(0)->Caption(), window->Translate("SID_EQ_BYPASS"));
    EXPECT_EQ(grid->GetTypeValue(2), 4) << "the row keeps its type";
}

// The language menu is hidden by layout, so a user cannot choose a language
// and the program runs in English; the items' handlers are called here
// directly, as the code's own way to switch the table.
TEST_F(MainWindowTest, TheLanguageItemsSwitchTheTableAndBack)
{
    EXPECT_FALSE(choose("ChineseSimplified")) << "the language menu is hidden";
    EXPECT_EQ(window->Language, "English");
    find<TMenuItem>("ChineseSimplified")->Click();
    EXPECT_EQ(window->Language, "ChineseGB");
    EXPECT_TRUE(find<TMenuItem>("ChineseSimplified")->Checked());
    EXPECT_FALSE(find<TMenuItem>("English")->Checked());
    EXPECT_EQ(find<TMenuItem>("File")->Caption(), window->Translate("SID_FILE"));
    EXPECT_NE(find<TMenuItem>("File")->Caption(), "File");
    EXPECT_EQ(find("rzbMenuOut3")->Caption(), "Out3") << "page buttons keep their captions";

    find<TMenuItem>("English")->Click();
    EXPECT_EQ(window->Language, "English");
    EXPECT_EQ(find<TMenuItem>("File")->Caption(), "File");
    find<TMenuItem>("English")->Click(); // already checked: nothing changes
    EXPECT_TRUE(find<TMenuItem>("English")->Checked());
}

} // namespace

namespace {

TEST_F(MainWindowTest, TheBlockDiagramHoldsTheOpenedPagesButtonDown)
{
    ASSERT_TRUE(press("rzbMenuMatrix"));
    ASSERT_TRUE(find<TRzBmpButton>("rzbMenuMatrix")->Down());
    ASSERT_TRUE(press("lbMatrixDelayOut2"));
    EXPECT_EQ(window->CurrentPage, 13);
    EXPECT_TRUE(find<TRzBmpButton>("rzbMenuDelay")->Down());
    EXPECT_FALSE(find<TRzBmpButton>("rzbMenuMatrix")->Down());
}

TEST_F(MainWindowTest, PhaseButtonsAreCaptionedByTheirState)
{
    find<TRzBmpButton>("rzbPhaseOut4")->SetDown(true);
    window->ApplyLanguage();
    EXPECT_EQ(find("rzbPhaseOut4")->Caption(), window->Translate("SID_PHASE_ON"));
    EXPECT_EQ(find("rzbPhaseOut5")->Caption(), window->Translate("SID_PHASE_OFF"));
}

TEST_F(MainWindowTest, AChannelPageShowsTheChannelsMute)
{
    window->UnitControl->SetMute(7, 1);
    ASSERT_TRUE(press("rzbMenuOut4"));
    EXPECT_TRUE(find<TRzBmpButton>("rzbMuteOut4")->Down());
}

} // namespace
