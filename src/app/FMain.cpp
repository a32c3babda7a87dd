#include "app/FMain.h"

#include "app/SmallWindows.h"
#include "app/strings/TextTables.h"
#include "link/LCommProc.h"
#include "link/LNetProc.h"
#include "model/LUnitControl.h"
#include "model/ReplyDispatcher.h"
#include "model/dialogs/PresetDialogs.h"
#include "model/SharedConstants.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "platform/gui/Control.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Timer.h"
#include "platform/text/AnsiCodePage.h"

#include <string>

TfmMain* fmMain = nullptr;

namespace {

constexpr int kPresetCount = 20;
constexpr std::uint32_t kDefaultAddress = (192U << 24) | (168U << 16) | (1U << 8) | 101U;

} // namespace

std::string qx::channelSuffix(int c)
{
    if (c < 4)
        return std::string("In") + static_cast<char>('A' + c);
    return "Out" + std::to_string(c - 3);
}

TfmMain::TfmMain(TComponent* Owner) : TForm(Owner)
{
    LoadLayout("FMain");
    PresetFirBlocks.resize(kPresetCount);
}

// The main window lives until the process ends; FormClose has closed the
// links by then.
TfmMain::~TfmMain()
{
    if (fmMain == this)
        fmMain = nullptr;
    if (qx::presetDialogHost() == this)
        qx::setPresetDialogHost(nullptr);
    if (qx::lockDialogHost() == this)
        qx::setLockDialogHost(nullptr);
}

void TfmMain::FormCreate(TObject*)
{
    SetCaption(std::string(qx::kWindowTitle) + " " + std::string(qx::kVersionText));
    SetDeviceId(1);
    SelectedBand = -1;
    HoverBand = -1;
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
    BypassImpulse = 1.0F;
    for (int c = 0; c < qx::kChannelCount; ++c) {
        FirCoeffs[c][0] = 1.0F;
        FirTaps[c] = c < 4 ? 2048 : 512;
    }

    qx::setPresetDialogHost(this);
    qx::setLockDialogHost(this);
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

    DeviceAddress = kDefaultAddress;
    if (TMenuItem* m = menuItem("NetworkSetup"))
        m->SetVisible(true);
    Replies->meters().ResetMeters();

    if (auto* rb = qx::findComponent<TRadioButton>(*this, "rbShowEqFirOut1"))
        rb->SetEnabled(true);
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
    if (ComLink) {
        ComLink->Close();
        ComLink.reset();
    }
    if (UsbLink) {
        UsbLink->Close();
        UsbLink.reset();
    }
    if (NetLink) {
        NetLink->Close();
        NetLink.reset();
    }
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

void TfmMain::SetDeviceId(int id) { DeviceId = id; }

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

// No link object exists yet: a command with no open link goes nowhere.
void TfmMain::SendCommand(const LCmd&, bool) {}

void TfmMain::MarkCurveChanged(int channel)
{
    if (channel < 0 || channel >= qx::kChannelCount)
        return;
    const bool input = channel < 4;
    const int first = input ? 0 : 4;
    const int last = input ? 3 : 11;
    for (int g = first; g <= last; ++g)
        OverlayRefreshMasks[g] |= 1 << channel;
    OverlayRefreshMasks[input ? 12 : 13] |= 1 << channel;
}

void TfmMain::ShowPresetRowName(int preset, const qx::PresetName& name) { qx::ShowPresetRowName(preset, name); }
// The open link: serial, else USB, else TCP.
qx::LinkWorker* TfmMain::openLink() const
{
    if (ComLink)
        return ComLink.get();
    if (UsbLink)
        return UsbLink.get();
    return NetLink.get();
}

void TfmMain::SetLinkTimeout(int milliseconds)
{
    if (qx::LinkWorker* link = openLink())
        link->SetTimeout(milliseconds);
}

void TfmMain::SetLinkRetries(int count)
{
    if (qx::LinkWorker* link = openLink())
        link->SetRetries(count);
}

void TfmMain::SetKeepAliveSuppressed(bool suppressed)
{
    if (ComLink)
        ComLink->SetKeepAliveSuppressed(suppressed);
    else if (UsbLink)
        UsbLink->SetKeepAliveSuppressed(suppressed);
    else if (NetLink)
        NetLink->SetKeepAliveSuppressed(suppressed);
}

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
        .method("MemoShowClick", &TfmMain::MemoShowClick)
        .method("ConnectedClick", &TfmMain::ConnectedClick)
        .method("SettingIDClick", &TfmMain::DoNothingClick)
        .method("BlockDiagramClick", &TfmMain::DoNothingClick)
        .method("ConnectHelpClick", &TfmMain::DoNothingClick)
        .method("InAnalogClick", &TfmMain::InAnalogClick)
        .method("InDigitalClick", &TfmMain::InDigitalClick)
        .method("OutAnalogClick", &TfmMain::OutAnalogClick)
        .method("OutDigitalClick", &TfmMain::OutDigitalClick)
        .method("ChineseSimplifiedClick", &TfmMain::ChineseSimplifiedClick)
        .method("EnglishClick", &TfmMain::EnglishClick);
}
