#pragma once
// The main window: the frame with its pages, menus and block diagram, and
// the one object that holds the editor's run-time state. Its member
// functions live in the folder of their subsystem; all are declared here.

#include "app/MainPlots.h"
#include "app/lock/LockDialogHost.h"
#include "model/dialogs/PresetDialogHost.h"
#include "model/ExchangeHost.h"
#include "model/ExchangeState.h"
#include "model/FirImage.h"
#include "model/UnitHost.h"
#include "platform/gui/Form.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class LCommProc;
class LNetProc;
class LUsbProc;
class LUnitControl;
class TControl;
class TJvHidDevice;
namespace qx {
class LinkWorker;
class ReplyDispatcher;
} // namespace qx
class TMenuItem;
class TTimer;

// The FIR editor settings of the output page last opened.
struct FirDesignSnapshot
{
    std::uint8_t typeIndex = 0;
    std::uint8_t windowIndex = 0;
    std::int16_t lowCutPosition = 0;
    std::int16_t highCutPosition = 0;
    std::int16_t tapsIndex = 0;
};

class TfmMain : public TForm,
                public qx::UnitHost,
                public qx::ExchangeHost,
                public qx::PresetDialogHost,
                public qx::LockDialogHost
{
public:
    static constexpr int kPlotCount = 14;
    static constexpr int kPageGain = 14;
    static constexpr int kDesignWidth = 1125;
    static constexpr int kDesignHeight = 727;

    explicit TfmMain(TComponent* Owner);
    ~TfmMain() override;

    // Handlers bound by the layout.
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormResize(TObject* Sender);
    void tmStartConnectTimer(TObject* Sender);
    void tmProcessShowTimer(TObject* Sender);
    void tmInLevelDetTimer(TObject* Sender);
    void tmMipsFlashTimer(TObject* Sender);
    void tmPresetLoadCountTimer(TObject* Sender);
    void tmUploadTimer(TObject* Sender);
    void tmDownloadEndTimer(TObject* Sender);
    void OpenClick(TObject* Sender);
    void SaveClick(TObject* Sender);
    void UploadClick(TObject* Sender);
    void DownloadClick(TObject* Sender);
    void FactoryDefaultClick(TObject* Sender);
    void bStoreClick(TObject* Sender);
    void bRecallClick(TObject* Sender);
    void UnitClick(TObject* Sender);
    void LockModeClick(TObject* Sender);
    void tmPtsTimer(TObject* Sender);
    void rzbMenuInAClick(TObject* Sender);
    void lbMatrixFirInAClick(TObject* Sender);
    void lbMatrixDeqInAClick(TObject* Sender);
    void lbMatrixGainInAClick(TObject* Sender);
    void lbMatrixGateInAClick(TObject* Sender);
    void lbMatrixDelayInAClick(TObject* Sender);
    void lbMatrixCompOut1Click(TObject* Sender);
    void lbMatrixPhaseOut1Click(TObject* Sender);
    void lbMatrixChNameInAMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void lbMatrixChNameInAMouseLeave(TObject* Sender);
    void ExitClick(TObject* Sender);
    void AboutClick(TObject* Sender);
    void MemoShowClick(TObject* Sender);
    void ConnectedClick(TObject* Sender);
    void DoNothingClick(TObject* Sender); // SettingID, BlockDiagram, ConnectHelp
    void InAnalogClick(TObject* Sender);
    void InDigitalClick(TObject* Sender);
    void OutAnalogClick(TObject* Sender);
    void OutDigitalClick(TObject* Sender);
    void ChineseSimplifiedClick(TObject* Sender);
    void EnglishClick(TObject* Sender);

    // Language.
    std::string_view Translate(std::string_view id) const;
    void ApplyLanguage();
    // Text to a new NUL-terminated array in the ANSI code page; caller owns it.
    static std::unique_ptr<char[]> ToAnsiBuffer(std::string_view utf8);

    void SetExitConfirmed(bool confirmed) { ExitConfirmed = confirmed; }
    void SetDeviceId(int id);
    // The page of the channel group that channel c belongs to (-1 none).
    int GroupLeader(int c) const;

    // qx::UnitHost and qx::ExchangeHost.
    std::uint8_t GetDeviceId() const override { return static_cast<std::uint8_t>(DeviceId); }
    void SendCommand(const LCmd& command, bool urgent) override;
    bool IsBusy() const override { return Busy; }
    void MarkCurveChanged(int channel) override;
    void ShowPresetRowName(int preset, const qx::PresetName& name) override;
    void SetLinkTimeout(int milliseconds) override;
    void SetLinkRetries(int count) override;
    void SetKeepAliveSuppressed(bool suppressed) override;
    bool IsUsbLink() const override { return UsbLink != nullptr; }
    void SetTimerEnabled(qx::ExchangeTimer timer, bool enabled) override;
    int ProgressPosition() const override;
    int ProgressMax() const override;
    void SetProgressPosition(int position) override;
    void SetProgressMax(int maximum) override;
    void SetStatusText(std::string_view stringId) override;
    void CloseProgressWindow() override;
    void NotifyConnectResult(int result) override;
    void ShowOnline() override;
    void ShowModelError(std::string_view stringId) override;
    void SetLockModeVisible(bool visible) override;
    void SetUnlockReplyState(int state) override;
    void LoadUnitToForm() override;
    void ReenableLinkControls() override;
    void ShowProgressWindow(bool modal) override;
    void ShowInformation(std::string_view stringId) override;
    void ShowFactoryDialog() override;
    std::optional<std::filesystem::path> ChooseFile(qx::FileDialog dialog) override;
    void SetMainWindowEnabled(bool enabled) override;
    void SetBusy(bool busy) override { Busy = busy; }
    void ShowCurrentPreset(std::string_view number, const qx::PresetName& name) override;
    void ClearPeqSelection() override;
    void ShowOpenedFirFilters() override;
    void Pause(int milliseconds) override;
    // qx::PresetDialogHost and qx::LockDialogHost.
    bool IsConnected() const override { return Exchange().connected; }
    void StorePreset(int row, const qx::PresetName& name) override;
    void RecallPreset(int row) override;
    void LoadFactoryDefault() override;
    void StartDisconnect() override;
    void ResumeStateLoad() override;
    // qx::MeterView.
    // ---- Showing the unit state and the meters: LoadUnitToForm is defined in
    // model/FMainShowState.cpp; IsDynamicsArmed, ShowMeters and ClearMeters in
    // model/FMainMeters.cpp. ----
    bool IsDynamicsArmed(int output, bool limiter) const override;
    void ShowMeters(const qx::MeterFrame& frame) override;
    void ClearMeters() override;
    void SetDspText(std::string_view text) override;
    void SetDspLabelStyle(qx::DspLabelStyle style) override;

    // The connection state: connecting, connected, online, acknowledgement
    // step, transfer kind, preset slots (held by the reply exchanges).
    const qx::ExchangeState& Exchange() const;
    bool IsOnline() const;

    // State fields.
    std::unique_ptr<LUnitControl> UnitControl;
    std::array<qx::PlotPtr, kPlotCount> Plots;
    // The open link; at most one is set.
    std::unique_ptr<LCommProc> ComLink;
    std::unique_ptr<LUsbProc> UsbLink;
    std::unique_ptr<LNetProc> NetLink;
    TJvHidDevice* HidDevice = nullptr; // taken from the HID controller
    std::string ComPortName;
    int DeviceId = 0;
    std::uint32_t DeviceAddress = 0;
    std::string Language;
    bool Initialising = false;
    bool ExitConfirmed = false;
    bool Busy = false;
    std::unique_ptr<qx::ReplyDispatcher> Replies;
    int CurrentPage = 0;
    int ShownCompOutput = 0;
    int ShownGateInput = 0;
    int ShownLimitOutput = 0;
    int SelectedBand = 0;
    int HoverBand = 0;
    int ExtraHeight = 0;
    int MipsFlashCount = 0;
    qx::FirCounts FirTaps{};
    qx::FirBuffers FirCoeffs{};
    float BypassImpulse = 0.0F;
    int FirTapsInUse = 0;
    FirDesignSnapshot FirDesign;
    std::vector<std::string> PresetFirBlocks;
    std::vector<std::uint8_t> UnitFileBlocks;
    std::array<int, 14> OverlayRefreshMasks{};

private:
    TControl* control(std::string_view name) const;
    TMenuItem* menuItem(std::string_view name) const;
    TTimer* timer(std::string_view name) const;
    void setCaption(std::string_view name, std::string_view id);
    void openPageOf(TControl* pageButton);
    void openFixedPage(TObject* Sender, std::string_view button);
    void stopTimer(std::string_view name);
    qx::LinkWorker* openLink() const;
    std::filesystem::path lastFolder_;
    bool shareButtonPictures();
};

// The one main window; null until it is made.
extern TfmMain* fmMain;

namespace qx {
// Registers the main window with the property registry (its handlers).
void registerMainWindow();
// "In" + letter or "Out" + digit of channel c (0-11).
std::string channelSuffix(int c);
} // namespace qx
