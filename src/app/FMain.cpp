#include "app/FMain.h"

#include "app/FHidData.h"
#include "app/SmallWindows.h"
#include "app/presets/DialogText.h"
#include "app/presets/PresetDialogs.h"
#include "app/strings/TextTables.h"
#include "codec/SharedConstants.h"
#include "link/LinkRouter.h"
#include "link/hid/ProcessorHidPort.h"
#include "link/hid/TJvHidDeviceController.h"
#include "model/LUnitControl.h"
#include "model/ReplyDispatcher.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/channel/ChannelNameEditor.h"
#include "editors/channel/DelayEditor.h"
#include "editors/channel/GainEditor.h"
#include "editors/channel/LinkEditor.h"
#include "editors/channel/MatrixEditor.h"
#include "editors/eq/CrossoverEditor.h"
#include "editors/eq/CurveOverlays.h"
#include "editors/eq/FirCoefficientEditor.h"
#include "editors/eq/GraphMouseEditor.h"
#include "editors/eq/GraphViewEditor.h"
#include "editors/eq/OutputFirEditor.h"
#include "editors/eq/PeqEditor.h"
#include "platform/gui/Control.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Timer.h"
#include "platform/text/AnsiCodePage.h"
#include "response/Plot.h"

#include <string>

TfmMain* fmMain = nullptr;

namespace {

constexpr int kPresetCount = 20;
constexpr std::uint32_t kDefaultAddress = (192U << 24) | (168U << 16) | (1U << 8) | 101U;
constexpr const char* kDefaultAddressText = "192.168.1.101";
constexpr int kProcessorPort = 9761;

} // namespace

TfmMain::TfmMain(TComponent* Owner) : TForm(Owner)
{
    LoadLayout("FMain");
    PresetFirBlocks.resize(kPresetCount);
    makeConnectionDevices();
}

// The main window lives until the process ends; FormClose has closed the
// links by then.
TfmMain::~TfmMain()
{
    if (fmMain == this)
        fmMain = nullptr;
    if (qx::presetDialogHost() == this) {
        qx::setPresetDialogHost(nullptr);
        qx::setDialogTranslator({});
    }
    if (qx::lockDialogHost() == this)
        qx::setLockDialogHost(nullptr);
    if (qx::channelDialogHost() == this)
        qx::setChannelDialogHost(nullptr);
    if (fmHidData)
        fmHidData->OnShownChange = nullptr;
    closeConnection();
}

void TfmMain::FormCreate(TObject*)
{
    SetCaption(std::string(qx::kWindowTitle) + " " + std::string(qx::kVersionText));
    SetDeviceId(1);
    DragHandle = -1;
    CurrentPage = kPageGain;
    ShownCompOutput = 4;
    ShownGateInput = 0;
    ShownLimitOutput = 4;
    if (TControl* c = control("rzgFftInA"))
        c->Show();
    if (TControl* c = control("rzgParamGain"))
        c->Show();

    SetBounds(Left(), Top(), kDesignWidth, kDesignHeight);
    if (TControl* preset = control("rzgPreset"))
        preset->SetTop(626);
    ExtraHeight = 0;

    for (int c = 0; c < kPlotCount; ++c) {
        const std::string graph = c < qx::kChannelCount ? "fftDraw" + qx::channelSuffix(c)
                                                        : c == qx::kChannelCount ? "fftDrawGainIn" : "fftDrawGainOut";
        Plots[static_cast<std::size_t>(c)] = qx::makeMagnitudePlot(control(graph));
    }

    Language = std::string(qx::kLanguageEnglish);
    for (const char* item : {"ChineseSimplified", "ChineseTraditional"})
        if (TMenuItem* m = menuItem(item))
            m->SetChecked(false);
    if (TMenuItem* m = menuItem("English"))
        m->SetChecked(true);
    ApplyLanguage();

    MipsFlashCount = 0;
    BypassImpulse = qx::unitImpulse();
    for (int c = 0; c < qx::kChannelCount; ++c) {
        FirCoeffs[c][0] = 1.0F;
        FirTaps[c] = c < 4 ? 2048 : 512;
    }
    qx::seedTransferPlots(control("ipComp"), control("ipLimit"), control("ipGate"));

    qx::setPresetDialogHost(this);
    qx::setLockDialogHost(this);
    qx::setChannelDialogHost(this);
    qx::setDialogTranslator([this](std::string_view id) { return Translate(id); });
    UnitControl = std::make_unique<LUnitControl>(this);
    Replies = std::make_unique<qx::ReplyDispatcher>(*this, *UnitControl, FirCoeffs);
    Initialising = true;
    ClearPeqSelection();
    LoadUnitToForm();
    Initialising = false;

    for (const char* box : {"rzgFftGain", "rzgParamGain"})
        if (TControl* c = control(box))
            c->BringToFront();

    if (TTimer* start = timer("tmStartConnect"))
        start->SetEnabled(true);
    RefreshGainOverlays();
    // The gain overviews show In A's and Out 1's curves.
    Plots[qx::kChannelCount]->DrawSection(0, Plot::channelColour(0));
    Plots[qx::kChannelCount + 1]->DrawSection(qx::kInputCount, Plot::channelColour(qx::kInputCount));

    ClientSocket->SetPort(kProcessorPort);
    ClientSocket->SetAddress(kDefaultAddressText);
    DeviceAddress = kDefaultAddress;
    if (TMenuItem* m = menuItem("NetworkSetup"))
        m->SetVisible(true);
    Replies->meters().ResetMeters();

    if (!shareButtonPictures())
        return;
    if (auto* rb = qx::findComponent<TRadioButton>(*this, "rbShowEqFirOut1"))
        rb->SetEnabled(true);
}

namespace {

using Kind = TRzButtonBitmaps::Kind;

// Gives `target` the pictures `kinds` of `source`; false when either is missing.
bool takePictures(const TComponent& owner, const std::string& target, const std::string& source,
                  std::initializer_list<Kind> kinds)
{
    auto* to = qx::findComponent<TRzBmpButton>(owner, target);
    auto* from = qx::findComponent<TRzBmpButton>(owner, source);
    if (!to || !from)
        return false;
    for (Kind kind : kinds)
        to->Bitmaps()->SetPicture(kind, from->Bitmaps()->Picture(kind));
    return true;
}

// The channel buttons' four pictures; the disabled one is the source's stay-down picture.
bool takeChannelPictures(const TComponent& owner, const std::string& target, const std::string& source)
{
    if (!takePictures(owner, target, source, {TRzButtonBitmaps::kDown, TRzButtonBitmaps::kHot,
                                              TRzButtonBitmaps::kStayDown}))
        return false;
    auto* to = qx::findComponent<TRzBmpButton>(owner, target);
    auto* from = qx::findComponent<TRzBmpButton>(owner, source);
    to->Bitmaps()->SetPicture(TRzButtonBitmaps::kDisabled, from->Bitmaps()->StayDown());
    return true;
}

} // namespace

// The page and channel buttons share the pictures of a few of them; a
// missing button ends the sharing there (false).
bool TfmMain::shareButtonPictures()
{
    const auto all = {TRzButtonBitmaps::kDown, TRzButtonBitmaps::kHot, TRzButtonBitmaps::kStayDown};
    const auto hotAndStay = {TRzButtonBitmaps::kHot, TRzButtonBitmaps::kStayDown};
    bool ok = takePictures(*this, "rzbMenuComp", "rzbMenuGain", all) &&
              takePictures(*this, "rzbMenuDelay", "rzbMenuGain", all);
    for (const char* name : {"rzbMenuMatrix", "rzbMenuGate", "rzbMenuLimit"})
        ok = ok && takePictures(*this, name, "rzbMenuGain", hotAndStay);
    for (const char* name : {"rzbMenuGate", "rzbMenuLimit"})
        ok = ok && takePictures(*this, name, "rzbMenuMatrix", {TRzButtonBitmaps::kDown});
    for (int c = 1; c < 12 && ok; ++c) {
        const std::string s = qx::channelSuffix(c);
        ok = takeChannelPictures(*this, "rzbMenu" + s, c < 4 ? "rzbMenuInA" : "rzbMenuGain") &&
             takeChannelPictures(*this, "rzbPhaseBackup" + s, "rzbPhaseBackupInA") &&
             takeChannelPictures(*this, "rzbMuteBackup" + s, "rzbMuteBackupInA");
    }
    for (char letter = 'A'; letter <= 'D' && ok; ++letter)
        for (int n = 1; n <= 8 && ok; ++n)
            ok = takePictures(*this, std::string("rzb") + letter + "MatrixOut" + std::to_string(n), "rzbAMatrixOut1",
                              all);
    return ok;
}

void TfmMain::FormClose(TObject*, TCloseAction& Action)
{
    if (fmExit)
        fmExit->Show();
    if (!ExitConfirmed) {
        Action = caNone;
        return;
    }
    Action = caHide;
    // Each close stops the link's worker (waiting at most 5 s) and drops
    // the frames still queued.
    Router->CloseAll();
}

// Runs 300 ms after start: presses the link button, whose handler opens the
// connection dialog.
void TfmMain::tmStartConnectTimer(TObject*)
{
    if (TTimer* start = timer("tmStartConnect"))
        start->SetEnabled(false);
    if (auto* link = qx::findComponent<TRzBmpButton>(*this, "rzbMenuLink"))
        link->Click();
}

std::string_view TfmMain::Translate(std::string_view id) const { return qx::Translate(Language, id); }

std::unique_ptr<char[]> TfmMain::ToAnsiBuffer(std::string_view utf8) { return qx::ToAnsiBuffer(utf8); }

int TfmMain::GroupLeader(int c) const
{
    if (!UnitControl || c < 0 || c >= qx::kChannelCount)
        return -1;
    if (UnitControl->GetLinkMask(c) != 0)
        return c;
    const bool input = c < 4;
    const int first = input ? 0 : 4;
    const int last = input ? 3 : 11;
    const unsigned bit = 1U << (input ? c : c - 4);
    for (int h = first; h <= last; ++h)
        if (UnitControl->GetLinkMask(h) & bit)
            return h;
    return -1;
}

TControl* TfmMain::control(std::string_view name) const { return qx::findComponent<TControl>(*this, name); }

TMenuItem* TfmMain::menuItem(std::string_view name) const { return qx::findComponent<TMenuItem>(*this, name); }

TTimer* TfmMain::timer(std::string_view name) const { return qx::findComponent<TTimer>(*this, name); }

void TfmMain::ShowPresetRowName(int preset, const qx::PresetName& name) { qx::ShowPresetRowName(preset, name); }
void TfmMain::setCaption(std::string_view name, std::string_view id)
{
    if (TMenuItem* m = menuItem(name))
        m->SetCaption(std::string(Translate(id)));
    else if (TControl* c = control(name))
        c->SetCaption(std::string(Translate(id)));
}

void qx::registerMainWindow()
{
    registerClass<TfmMain, TForm>("TfmMain")
        .method("FormCreate", &TfmMain::FormCreate)
        .method("FormClose", &TfmMain::FormClose)
        .method("FormResize", &TfmMain::FormResize)
        .method("tmStartConnectTimer", &TfmMain::tmStartConnectTimer)
        .method("tmProcessShowTimer", &TfmMain::tmProcessShowTimer)
        .method("tmInLevelDetTimer", &TfmMain::tmInLevelDetTimer)
        .method("tmMipsFlashTimer", &TfmMain::tmMipsFlashTimer)
        .method("tmPresetLoadCountTimer", &TfmMain::tmPresetLoadCountTimer)
        .method("tmUploadTimer", &TfmMain::tmUploadTimer)
        .method("tmDownloadEndTimer", &TfmMain::tmDownloadEndTimer)
        .method("OpenClick", &TfmMain::OpenClick)
        .method("SaveClick", &TfmMain::SaveClick)
        .method("UploadClick", &TfmMain::UploadClick)
        .method("DownloadClick", &TfmMain::DownloadClick)
        .method("FactoryDefaultClick", &TfmMain::FactoryDefaultClick)
        .method("bStoreClick", &TfmMain::bStoreClick)
        .method("bRecallClick", &TfmMain::bRecallClick)
        .method("UnitClick", &TfmMain::UnitClick)
        .method("LockSetupClick", &TfmMain::UnitClick)
        .method("LockModeClick", &TfmMain::LockModeClick)
        .method("tmPtsTimer", &TfmMain::tmPtsTimer)
        .method("rzbMenuInAClick", &TfmMain::rzbMenuInAClick)
        .method("lbMatrixFirInAClick", &TfmMain::lbMatrixFirInAClick)
        .method("lbMatrixDeqInAClick", &TfmMain::lbMatrixDeqInAClick)
        .method("lbMatrixGainInAClick", &TfmMain::lbMatrixGainInAClick)
        .method("lbMatrixGateInAClick", &TfmMain::lbMatrixGateInAClick)
        .method("lbMatrixDelayInAClick", &TfmMain::lbMatrixDelayInAClick)
        .method("lbMatrixCompOut1Click", &TfmMain::lbMatrixCompOut1Click)
        .method("lbMatrixPhaseOut1Click", &TfmMain::lbMatrixPhaseOut1Click)
        .method("lbMatrixChNameInAMouseMove", &TfmMain::lbMatrixChNameInAMouseMove)
        .method("lbMatrixChNameInAMouseLeave", &TfmMain::lbMatrixChNameInAMouseLeave)
        .method("ExitClick", &TfmMain::ExitClick)
        .method("AboutClick", &TfmMain::AboutClick)
        .method("Rs232CodeClick", &TfmMain::Rs232CodeClick)
        .method("InFirClick", &TfmMain::InFirClick)
        .method("MemoShowClick", &TfmMain::MemoShowClick)
        .method("HidDataClick", &TfmMain::HidDataClick)
        .method("ConnectedClick", &TfmMain::ConnectedClick)
        .method("SettingIDClick", &TfmMain::DoNothingClick)
        .method("BlockDiagramClick", &TfmMain::DoNothingClick)
        .method("ConnectHelpClick", &TfmMain::DoNothingClick)
        .method("InAnalogClick", &TfmMain::InAnalogClick)
        .method("InDigitalClick", &TfmMain::InDigitalClick)
        .method("OutAnalogClick", &TfmMain::OutAnalogClick)
        .method("OutDigitalClick", &TfmMain::OutDigitalClick)
        .method("ChineseSimplifiedClick", &TfmMain::ChineseSimplifiedClick)
        .method("EnglishClick", &TfmMain::EnglishClick)
        .method("rzbMenuLinkClick", &TfmMain::rzbMenuLinkClick)
        .method("tmDisconnectTimer", &TfmMain::tmDisconnectTimer)
        .method("tmLinkBrokenTimer", &TfmMain::tmLinkBrokenTimer)
        .method("tmComScanTimer", &TfmMain::tmComScanTimer)
        .method("NetworkSetupClick", &TfmMain::NetworkSetupClick);
    registerEqHandlers();
    registerChannelHandlers();
    registerGraphHandlers();
    registerFirHandlers();
    registerDynamicsHandlers();
}
