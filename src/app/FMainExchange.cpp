// The main window's side of the exchanges with the processor: its timers,
// the progress and information windows, the file dialogs and the meters.

#include "app/FMain.h"

#include "app/FNetWorkScan.h"
#include "app/SmallWindows.h"
#include "app/lock/FLockMode.h"
#include "app/lock/FLockPassWord.h"
#include "app/lock/FLockSetup.h"
#include "app/presets/FFactory.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStorePreset.h"
#include "app/presets/PresetDialogs.h"
#include "link/LinkRouter.h"
#include "model/LUnitControl.h"
#include "model/MeterMonitor.h"
#include "model/NameText.h"
#include "model/PresetCommands.h"
#include "model/PresetFileTransfer.h"
#include "model/ReplyDispatcher.h"
#include "model/UnitDownload.h"
#include "model/UnitUpload.h"
#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/OpenDialog.h"
#include "platform/gui/StatusBar.h"
#include "platform/gui/Timer.h"

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr const char* kTimerNames[] = {"tmComScan",    "tmProcessShow",     "tmPts",    "tmInLevelDet", "tmDisconnect",
                                       "tmDownloadEnd", "tmPresetLoadCount", "tmUpload", "tmMipsFlash"};

} // namespace

const qx::ExchangeState& TfmMain::Exchange() const
{
    static const qx::ExchangeState kOffline{};
    return Replies ? Replies->state() : kOffline;
}

bool TfmMain::IsOnline() const { return Exchange().online; }

void TfmMain::SetTimerEnabled(qx::ExchangeTimer which, bool enabled)
{
    if (TTimer* t = timer(kTimerNames[static_cast<int>(which)]))
        t->SetEnabled(enabled);
}

void TfmMain::stopTimer(std::string_view name)
{
    if (TTimer* t = timer(name))
        t->SetEnabled(false);
}

// Shows the progress window unless the exchange that asked for it has
// already ended: a window shown after its transfer would have no way out.
void TfmMain::tmProcessShowTimer(TObject*)
{
    stopTimer("tmProcessShow");
    if (fmProcess && Replies && Replies->ProgressWanted())
        fmProcess->ShowModal();
}

void TfmMain::tmInLevelDetTimer(TObject*) { Replies->meters().OnMeterPollTimer(); }
void TfmMain::tmMipsFlashTimer(TObject*) { Replies->meters().OnMipsFlashTimer(); }

void TfmMain::tmPresetLoadCountTimer(TObject*) { Replies->presets().OnPresetLoadCountTimer(); }

void TfmMain::tmUploadTimer(TObject*)
{
    stopTimer("tmUpload");
    Replies->upload().OnUploadTimer();
}

void TfmMain::tmDownloadEndTimer(TObject*)
{
    stopTimer("tmDownloadEnd");
    Replies->download().OnDownloadEndTimer();
}

void TfmMain::OpenClick(TObject*) { Replies->presetFile().OpenClick(); }
void TfmMain::SaveClick(TObject*) { Replies->presetFile().SavePresetFile(); }
void TfmMain::UploadClick(TObject*) { Replies->upload().UploadUnit(); }
void TfmMain::DownloadClick(TObject*) { Replies->download().DownloadUnitFile(); }
void TfmMain::FactoryDefaultClick(TObject*) { Replies->presets().FactoryDefaultClick(); }

int TfmMain::ProgressPosition() const { return fmProcess ? fmProcess->Position() : 0; }
int TfmMain::ProgressMax() const { return fmProcess ? fmProcess->Max() : 0; }

void TfmMain::SetProgressPosition(int position)
{
    if (fmProcess)
        fmProcess->SetPosition(position);
}

void TfmMain::SetProgressMax(int maximum)
{
    if (fmProcess)
        fmProcess->SetMax(maximum);
}

void TfmMain::SetStatusText(std::string_view stringId)
{
    if (fmProcess && fmProcess->StatusBar)
        fmProcess->StatusBar->SetSimpleText(std::string(Translate(stringId)));
}

// The transfer that opened the progress window has ended or failed: the
// window goes, also when it was still waiting for its show timer.
void TfmMain::CloseProgressWindow()
{
    stopTimer("tmProcessShow");
    if (fmProcess && fmProcess->Visible())
        fmProcess->Close();
}

void TfmMain::ShowProgressWindow(bool modal)
{
    if (!fmProcess || fmProcess->Visible())
        return;
    if (modal)
        fmProcess->ShowModal();
    else
        fmProcess->Show();
}

void TfmMain::NotifyConnectResult(int result)
{
    if (fmNetwork)
        fmNetwork->NotifyConnectResult(static_cast<unsigned char>(result));
}

void TfmMain::ShowOnline()
{
    setCaption("rzbMenuLink", "SID_ONLINE");
    setCaption("Connected", "SID_DISCONNECT");
    std::string where;
    const qx::LinkKind kind = Router->Kind();
    if (kind == qx::LinkKind::Serial)
        where = ComPortName;
    else if (kind == qx::LinkKind::Usb)
        where = "USB";
    else if (kind == qx::LinkKind::Net)
        where = "IP : " + std::to_string(DeviceAddress >> 24) + "." + std::to_string((DeviceAddress >> 16) & 0xFF) +
                "." + std::to_string((DeviceAddress >> 8) & 0xFF) + "." + std::to_string(DeviceAddress & 0xFF);
    if (TControl* status = control("lbShowIp"))
        status->SetCaption(where);
}

// The connection dialog is hidden first: the message shows over the main window.
void TfmMain::ShowModelError(std::string_view stringId)
{
    if (fmNetwork)
        fmNetwork->Hide();
    ShowInformation(stringId);
}

// The exchange waits while the user reads the message: the link neither
// times out nor polls meanwhile.
void TfmMain::ShowInformation(std::string_view stringId)
{
    if (!fmInformation)
        return;
    fmInformation->lbMessage->SetCaption(std::string(Translate(stringId)));
    const qx::LinkRouter::TimeoutPause pause(*Router);
    fmInformation->ShowModal();
}

void TfmMain::ShowFactoryDialog()
{
    if (fmFactory)
        fmFactory->ShowModal();
}

void TfmMain::bStoreClick(TObject*)
{
    if (!fmStorePreset)
        return;
    fmStorePreset->lPresetSelect->SetCaption("Store Preset");
    fmStorePreset->ShowModal();
}

void TfmMain::bRecallClick(TObject*)
{
    if (!fmRecallPreset)
        return;
    fmRecallPreset->lPresetSelect->SetCaption("Recall Preset");
    fmRecallPreset->ShowModal();
}

void TfmMain::UnitClick(TObject*)
{
    if (fmLockSetup)
        fmLockSetup->ShowModal();
}

void TfmMain::LockModeClick(TObject*)
{
    if (fmLockMode)
        fmLockMode->ShowModal();
}

void TfmMain::tmPtsTimer(TObject*)
{
    stopTimer("tmPts");
    if (Exchange().ackStep != qx::kStepLocked || !fmLockPassWord)
        return;
    fmLockPassWord->ShowForLockedLoad();
}

void TfmMain::HoldLinkForUser(bool hold)
{
    if (!hold)
        userHold_.reset();
    else if (!userHold_)
        userHold_ = std::make_shared<qx::LinkRouter::TimeoutPause>(*Router);
}

void TfmMain::StorePreset(int row, const qx::PresetName& name) { Replies->presets().StorePreset(row, name); }
void TfmMain::RecallPreset(int row) { Replies->presets().RecallPreset(row); }
void TfmMain::LoadFactoryDefault() { Replies->presets().LoadFactoryDefault(); }
void TfmMain::StartDisconnect() { SetTimerEnabled(qx::ExchangeTimer::Disconnect, true); }
void TfmMain::ResumeStateLoad() { Replies->StartStateLoad(false); }

void TfmMain::SetLockModeVisible(bool visible)
{
    if (TMenuItem* m = menuItem("LockMode"))
        m->SetVisible(visible);
}

void TfmMain::SetUnlockReplyState(int state)
{
    if (fmLockPassWord)
        fmLockPassWord->SetReplyState(static_cast<std::uint8_t>(state));
}

// Filling every control from the model comes with the channel editors.
void TfmMain::ReenableLinkControls()
{
    if (TControl* link = control("rzbMenuLink"))
        link->SetEnabled(true);
    if (TMenuItem* m = menuItem("Connected"))
        m->SetEnabled(true);
}

// File dialogs start in the user's home folder, then in the folder last used
// during the run; the working directory is never changed.
std::optional<std::filesystem::path> TfmMain::ChooseFile(qx::FileDialog dialog)
{
    const bool preset = dialog == qx::FileDialog::OpenPreset || dialog == qx::FileDialog::SavePreset;
    const bool save = dialog == qx::FileDialog::SavePreset || dialog == qx::FileDialog::SaveUnit;
    std::unique_ptr<TOpenDialog> chooser = save ? std::make_unique<TSaveDialog>(nullptr)
                                                : std::make_unique<TOpenDialog>(nullptr);
    if (dialog == qx::FileDialog::OpenFirCoefficients) {
        chooser->SetFilter("FIR files (*.csv)|*.Csv|FIR files (*.txt)|*.Txt");
        chooser->SetFileName("*.csv");
    } else {
        chooser->SetFilter(preset ? "Preset file (*.prs)|*.prs" : "Unit file (*.unt)|*.unt");
        chooser->SetDefaultExt(preset ? "prs" : "unt");
    }
    TOpenOptions options = chooser->Options();
    options << (save ? ofOverwritePrompt : ofFileMustExist);
    chooser->SetOptions(options);
    std::filesystem::path start = lastFolder_;
    if (start.empty())
        if (const char* home = std::getenv("HOME"))
            start = home;
    chooser->SetInitialDir(start.string());
    const qx::LinkRouter::TimeoutPause pause(*Router);
    if (!chooser->Execute())
        return std::nullopt;
    std::filesystem::path chosen(chooser->FileName());
    lastFolder_ = chosen.parent_path();
    return chosen;
}

void TfmMain::SetMainWindowEnabled(bool enabled)
{
    SetEnabled(enabled);
    if (enabled)
        SetFocus();
}

void TfmMain::ShowCurrentPreset(std::string_view number, const qx::PresetName& name)
{
    if (TControl* n = control("lbPstNum"))
        n->SetCaption(std::string(number));
    if (TControl* label = control("lbPstName"))
        label->SetCaption(qx::textOfName(name));
}

// The PEQ grids' selection comes with the equaliser editors.

void TfmMain::ShowOpenedFirFilters()
{
    for (int c = 0; c < 12; ++c) {
        const std::string s = qx::channelSuffix(c);
        TControl* graph = control("fftDraw" + s);
        TControl* name = control("lbNowFirName" + s);
        if (!graph || !name)
            return;
        graph->Invalidate();
        name->SetCaption("FirFilter");
    }
}

void TfmMain::Pause(int milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void TfmMain::SetDspText(std::string_view text)
{
    if (TControl* mips = control("lbDspMips"))
        mips->SetCaption(std::string(text));
}

void TfmMain::SetDspLabelStyle(qx::DspLabelStyle style)
{
    TControl* mips = control("lbDspMips");
    if (!mips)
        return;
    TFont font = mips->Font();
    font.Color = style == qx::DspLabelStyle::Alarm ? clRed : clWhite;
    font.SetSize(style == qx::DspLabelStyle::Calm ? 10 : 12);
    mips->SetFont(font);
}
