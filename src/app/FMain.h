#pragma once
// The main window: the frame with its pages, menus and block diagram, and
// the one object that holds the editor's run-time state. It is a shell: it
// keeps the handlers the layout binds and lends its controls and state to
// the editors (src/editors/), which show the unit state and the meters.

#include "app/ConnectionControl.h"
#include "app/ConnectionHost.h"
#include "app/MainPlots.h"
#include "app/presets/PresetDialogHost.h"
#include "platform/net/ClientSocket.h"
#include "app/lock/LockDialogHost.h"
#include "editors/UnitShowHost.h"
#include "editors/channel/ChannelDialogHost.h"
#include "editors/channel/ChannelEditorHost.h"
#include "editors/channel/DynamicsEditor.h"
#include "editors/channel/GateEditor.h"
#include "editors/eq/EqEditorHost.h"
#include "model/ExchangeHost.h"
#include "model/ControlNames.h"
#include "model/ExchangeState.h"
#include "model/FirImage.h"
#include "model/UnitHost.h"
#include "platform/gui/Form.h"
#include "platform/gui/UpDown.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class LUnitControl;
class TClientSocket;
class TControl;
class TCustomWinSocket;
class TJvHidDevice;
class TJvHidDeviceController;
namespace qx {
class Clock;
class LinkRouter;
class PeqEditor;
class CrossoverEditor;
class GainEditor;
class DelayEditor;
class LinkEditor;
class MatrixEditor;
class ChannelNameEditor;
class CurveOverlays;
class FirCoefficientEditor;
class GraphMouseEditor;
class GraphViewEditor;
class OutputFirEditor;
class ProcessorHidPort;
class ReplyDispatcher;
namespace hid {
class Backend;
}
} // namespace qx
class TMenuItem;
class TMyPEQType8;
class TTimer;

class TfmMain : public TForm,
                public qx::UnitHost,
                public qx::ExchangeHost,
                public qx::PresetDialogHost,
                public qx::LockDialogHost,
                public qx::ConnectionHost,
                public qx::ConnectionView,
                public qx::UnitShowHost,
                public qx::EqEditorHost,
                public qx::ChannelEditorHost,
                public qx::ChannelDialogHost
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
    void Rs232CodeClick(TObject* Sender);
    void InFirClick(TObject* Sender);
    void MemoShowClick(TObject* Sender);
    void HidDataClick(TObject* Sender);
    void ConnectedClick(TObject* Sender);
    void DoNothingClick(TObject* Sender); // SettingID, BlockDiagram, ConnectHelp
    void InAnalogClick(TObject* Sender);
    void InDigitalClick(TObject* Sender);
    void OutAnalogClick(TObject* Sender);
    void OutDigitalClick(TObject* Sender);
    void ChineseSimplifiedClick(TObject* Sender);
    void EnglishClick(TObject* Sender);
    // The connection's handlers.
    void rzbMenuLinkClick(TObject* Sender);
    void tmDisconnectTimer(TObject* Sender);
    void tmLinkBrokenTimer(TObject* Sender);
    void tmComScanTimer(TObject* Sender);
    void NetworkSetupClick(TObject* Sender);
    void ClientSocketConnecting(TObject* Sender, TCustomWinSocket* Socket);
    void ClientSocketConnect(TObject* Sender, TCustomWinSocket* Socket);
    void ClientSocketRead(TObject* Sender, TCustomWinSocket* Socket);
    void ClientSocketError(TObject* Sender, TCustomWinSocket* Socket, TErrorEvent ErrorEvent, int& ErrorCode);
    bool HidCtlEnumerate(TJvHidDevice* device, int index);
    void HidCtlDeviceChange(TJvHidDeviceController* controller);
    void HidCtlDeviceData(TJvHidDevice* device, std::uint8_t reportId, const std::uint8_t* data, std::uint16_t size);
    void HidCtlDeviceUnplug(TJvHidDevice* device);
    // Messages 1360/1362 (replies), 1361 (link failures) and 1365 (trace lines).
    void Dispatch(TMessage& Message) override;

    // Language.
    std::string_view Translate(std::string_view id) const override;
    void ApplyLanguage();
    // Text to a new NUL-terminated array in the ANSI code page; caller owns it.
    static std::unique_ptr<char[]> ToAnsiBuffer(std::string_view utf8);

    void SetExitConfirmed(bool confirmed) { ExitConfirmed = confirmed; }
    void SetDeviceId(int id) override;
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
    bool IsUsbLink() const override;
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
    void HoldLinkForUser(bool hold) override;
    // qx::ConnectionHost (the connection dialogs) and qx::ConnectionView.
    std::uint32_t GetDeviceAddress() const override { return DeviceAddress; }
    void SetDeviceAddress(std::uint32_t address) override { DeviceAddress = address; }
    void SetAutoAddressMode(int mode) override { AutoAddressMode = mode; }
    TClientSocket& NetSocket() override { return *ClientSocket; }
    void ShowIpText(const std::string& text) override;
    bool HasHidDevice() const override;
    void SetComPortName(const std::string& port) override { ComPortName = port; }
    void ConnectUsb() override;
    void ConnectNet() override;
    void ConnectCom() override;
    void Disconnect() override;
    void PrepareNetworkScan() override;
    void OpenNetworkSetup() override;
    void EnableLinkControls() override { ReenableLinkControls(); }
    void ShowOffline() override;
    void StopTransferTimers() override;
    void RescanHid() override;
    void CloseExchangeWindows() override;
    void ShowScanDialog() override;
    // Ties the connection to the scan dialog, the network setup dialog and
    // the traffic monitor once they exist.
    void AttachConnectionWindows();
    // qx::UnitShowHost: what showing the unit state (editors/UnitShow)
    // reads and writes of the window.
    int ShownPreset() const override { return Exchange().currentPreset; }
    bool IsInitialising() const override { return Initialising; }
    const qx::FirCounts& FirTapCounts() const override { return FirTaps; }
    void SetFirTaps(const qx::FirCounts& counts, int inUse) override;
    void SetOverlayMasks(const qx::OverlayMasks& masks) override { OverlayRefreshMasks = masks; }
    Plot* ChannelPlot(int channel) override;
    // qx::MeterView (editors/channel/MeterShow).
    bool IsDynamicsArmed(int output, bool limiter) const override;
    void ShowMeters(const qx::MeterFrame& frame) override;
    void ClearMeters() override;
    void SetDspText(std::string_view text) override;
    void SetDspLabelStyle(qx::DspLabelStyle style) override;

    // --- Equaliser and crossover editors (editors/eq) ---------------------
    // Handlers bound by the layout; each serves every channel's control of
    // its kind and does its work in qx::PeqEditor.
    void peqPeqInAChange(TObject* Sender);
    void peqPeqInAEditMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void peqPeqInAPeqTypeMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos,
                                    bool& Handled);
    void rzbEq1InAClick(TObject* Sender);
    void isEqFreqInAChange(TObject* Sender);
    void isEqBwInAChange(TObject* Sender);
    void isEqGainInAChange(TObject* Sender);
    void tmEqCurveTimer(TObject* Sender);
    void cvdEqFreqInAExit(TObject* Sender);
    void cvdEqFreqInAKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cvdEqBwInAExit(TObject* Sender);
    void cvdEqBwInAKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cvdEqGainInAExit(TObject* Sender);
    void cvdEqGainInAKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cvdEqParamInAKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void vrbEqBypassInAClick(TObject* Sender);
    // One band's values on the channel's faders and value boxes.
    void ShowPeqValues(int channel, bool enable, double q, double gainDb, double frequencyHz) override;
    void FocusPeqKeyBox(int channel) override;
    void UpdatePeqSections(TObject* graph) override;
    void RebuildPeqCurves();
    void ResetPeq(int channel) override;
    void isLowCutFreqInAChange(TObject* Sender);
    void isHighCutFreqInAChange(TObject* Sender);
    void rzcLowCutSlopInAChange(TObject* Sender);
    void rzcHighCutSlopInAChange(TObject* Sender);
    void rzcLowCutSlopInAMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos,
                                    bool& Handled);
    void rzcHighCutSlopInAMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos,
                                     bool& Handled);
    void rzbLowCutBypassInAClick(TObject* Sender);
    void rzbHighCutBypassInAClick(TObject* Sender);
    void cvdLowCutFreqInAExit(TObject* Sender);
    void cvdLowCutFreqInAKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cvdHighCutFreqInAExit(TObject* Sender);
    void cvdHighCutFreqInAKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void udLowCutBwOut1ChangingEx(TObject* Sender, bool& AllowChange, std::int16_t NewValue,
                                  TUpDownDirection Direction);
    void udHighCutBwOut1ChangingEx(TObject* Sender, bool& AllowChange, std::int16_t NewValue,
                                   TUpDownDirection Direction);
    void tmHpLpCurveTimer(TObject* Sender);
    // Side 1 high-pass, 0 low-pass; the base section is always 31.
    void ComputeCrossoverCurve(int side, int slopeRow, double frequencyHz, int baseSection, int channel);
    void UpdateHighPassSection(TObject* graph) override;
    void UpdateLowPassSection(TObject* graph) override;
    // qx::EqEditorHost.
    LUnitControl& Unit() override { return *UnitControl; }
    int DraggedHandle() const override { return DragHandle; }
    qx::PeqEditor& PeqEdit();
    qx::CrossoverEditor& CrossoverEdit();
    // --- end of the equaliser and crossover editors ------------------------

    // --- Gain, delay, link and channel-name editors (editors/channel) -----
    // Handlers bound by the layout; each serves every channel's control of
    // its kind and does its work in the editors of editors/channel.
    void isGainInAChange(TObject* Sender);
    void isGainBackupInAChange(TObject* Sender);
    void cvdGainInAKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cvdGainInAExit(TObject* Sender);
    void cvdGainBackupInAKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cvdGainBackupInAExit(TObject* Sender);
    void rzbPhaseInAClick(TObject* Sender);
    void rzbPhaseBackupInAClick(TObject* Sender);
    void rzbMuteInAClick(TObject* Sender);
    void rzbMuteBackupInAClick(TObject* Sender);
    void isDelayInAChange(TObject* Sender);
    void isDelayInAEnter(TObject* Sender);
    void isDelayInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void tmSliderTimer(TObject* Sender);
    void tmDlyDownTimer(TObject* Sender);
    void cvdDelayInBKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cvdDelayInAExit(TObject* Sender);
    void lbDelayLineInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void lbDelayLineInAMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void lbDelayLineInAMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void rzbUnit0Click(TObject* Sender);
    void lbMatrixChNameInAClick(TObject* Sender);
    void vrbEqResetInAClick(TObject* Sender);
    void LinkClick(TObject* Sender);
    void CopyClick(TObject* Sender);
    void ChNameListClick(TObject* Sender);
    void ShowLinkedGain(int channel, int position);
    void MirrorPhaseToLinked(int channel, bool inverse);
    void ShowLinkedDelay(int channel, int samples, int markerLeft);
    void DrawDelayLine(int channel);
    std::uint16_t LinkGroupMask(int channel) const;
    // qx::ChannelEditorHost and qx::ChannelDialogHost.
    int ShownPage() const override { return CurrentPage; }
    void ReloadStateOnAcknowledge() override;
    void CopyFirCoefficients(int source, int target) override;
    std::uint16_t GetLinkMask(int channel) const override;
    void SetLinkGroup(int channel, std::uint16_t mask) override;
    bool CopyChannel(int source, int target, bool reload, qx::CopyTargets targets) override;
    void FinishLinkChange() override;
    void ShowLinkCaption(int head, int channel) override;
    void ShowGainPage() override;
    std::string ChannelNameText(int channel) const override;
    void SetChannelName(int channel, const qx::ChannelName& name) override;
    qx::GainEditor& GainEdit();
    qx::DelayEditor& DelayEdit();
    qx::LinkEditor& LinkEdit();
    qx::ChannelNameEditor& NameEdit();
    // --- end of the gain, delay, link and channel-name editors ------------
    // --- FIR tap budget ----------------------------------------------------
    // Channel c's taps by the tap rule, from the model.
    int FirTapsInUse(int channel) const override;
    // Asks for a change of delta taps (the change of the tap rule times the
    // link group's size); true, with the message shown, when it is refused.
    bool ReserveFirTaps(int delta) override;
    // --- end of the FIR tap budget -----------------------------------------

    // --- Response-graph views, overlays and mouse editing (editors/eq) -----
    void fftDrawInAMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void fftDrawInAMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void fftDrawInAMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void tmMouseEqCurveTimer(TObject* Sender);
    // The overlays of channel graph `channel` (a page number), and of both
    // gain overview graphs, brought up to date.
    void RefreshChannelOverlays(int channel) override;
    void RefreshGainOverlays();
    // The overlay buttons: one handler per graph.
    void vrbShowBInAClick(TObject* Sender);
    void vrbShowAInBClick(TObject* Sender);
    void vrbShowAInCClick(TObject* Sender);
    void vrbShowAInDClick(TObject* Sender);
    void vrbShow2Out1Click(TObject* Sender);
    void vrbShow1Out2Click(TObject* Sender);
    void vrbShow1Out3Click(TObject* Sender);
    void vrbShow1Out4Click(TObject* Sender);
    void vrbShow1Out5Click(TObject* Sender);
    void vrbShow1Out6Click(TObject* Sender);
    void vrbShow1Out7Click(TObject* Sender);
    void vrbShow1Out8Click(TObject* Sender);
    void vrbShowAGainClick(TObject* Sender);
    void vrbShow1GainClick(TObject* Sender);
    void vrbEqShowAllInAClick(TObject* Sender);
    // Shows or hides every overlay button of the channel (the link dialog).
    void ShowOverlayButtons(int channel, bool visible) override;
    void rbShowGainInAClick(TObject* Sender);
    void rbShowPhaseInAClick(TObject* Sender);
    void rbShowEqFirInAClick(TObject* Sender);
    void UpdateFirSection(TObject* graph) override;
    qx::CurveOverlays& OverlayEdit();
    qx::GraphViewEditor& GraphViewEdit();
    qx::GraphMouseEditor& GraphMouseEdit();
    // --- end of the graph views, overlays and mouse editing ----------------

    // --- FIR editors and coefficient files (editors/eq) --------------------
    void rzcModeOut1Change(TObject* Sender);
    void rzcFirTypeOut1Change(TObject* Sender);
    void rzcFirWinOut1Change(TObject* Sender);
    void rzcFirTapsOut1Change(TObject* Sender);
    void isFirLowCutOut1Change(TObject* Sender);
    void isFirHighCutOut1Change(TObject* Sender);
    void cvdFirLowCutOut1Exit(TObject* Sender);
    void cvdFirLowCutOut1KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void cvdFirHighCutOut1Exit(TObject* Sender);
    void cvdFirHighCutOut1KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void rzbFirBypassOut1Click(TObject* Sender);
    void bnFirOKOut1Click(TObject* Sender);
    void UpdateOutputFirPanel(int channel) override;
    void sbOpenFileOut1Click(TObject* Sender);
    void sbOpenFirFileInAClick(TObject* Sender);
    void rzbFirBypassInAClick(TObject* Sender);
    // True, with the message shown, when one of the values is above 50.0.
    bool CheckFirCoefficients(const float* values, int count);
    qx::OutputFirEditor& OutputFirEdit();
    qx::FirCoefficientEditor& FirCoefficientEdit();
    // --- end of the FIR editors --------------------------------------------

    // --- Dynamics and matrix editors (editors/channel) ----------------------
    // The layout's handlers of the compressor, limiter and gate controls and
    // of each output's matrix controls: registerDynamicsHandlers binds one
    // name per block, parameter and output to them; each does its work in
    // the editors of editors/channel.
    template <qx::DynamicsBlock B, qx::DynamicsField F> void dynamicsFaderChange(TObject* Sender);
    template <qx::DynamicsBlock B, qx::DynamicsField F>
    void dynamicsUpDownChangingEx(TObject* Sender, bool& AllowChange, std::int16_t NewValue,
                                  TUpDownDirection Direction);
    template <qx::DynamicsBlock B, qx::DynamicsField F> void dynamicsBoxExit(TObject* Sender);
    template <qx::DynamicsBlock B, qx::DynamicsField F>
    void dynamicsBoxKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    template <qx::DynamicsBlock B>
    void dynamicsMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    template <qx::DynamicsBlock B> void dynamicsCurveTimer(TObject* Sender);
    template <qx::GateField F> void gateFaderChange(TObject* Sender);
    template <qx::GateField F> void gateBoxExit(TObject* Sender);
    template <qx::GateField F> void gateBoxKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    template <int Output> void matrixRouteClick(TObject* Sender);
    template <int Output>
    void matrixMixChangingEx(TObject* Sender, bool& AllowChange, std::int16_t NewValue, TUpDownDirection Direction);
    template <int Output> void matrixBoxExit(TObject* Sender);
    template <int Output> void matrixBoxKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void rzgFftMatrixPaint(TObject* Sender);
    void SourceSelectClick(TObject* Sender);
    void TestToneClick(TObject* Sender);
    void LimitCalculateClick(TObject* Sender);
    void SetCompParam(int channel, int which, int value);
    void ShowLinkedComp(int channel, int which, int value);
    void SetLimitParam(int channel, int which, int value);
    void MirrorLimiterToLinked(int channel, int which, int value);
    void ShowLinkedGate(int channel, int which, int value);
    void PlotCompCurve(int channel);
    void PlotLimitCurve(int channel);
    void PlotGateCurve(int channel);
    void PaintMatrix();
    int DynamicsPlotChannel(qx::DynamicsBlock block) const override;
    void SetDynamicsPlotChannel(qx::DynamicsBlock block, int channel) override;
    int LayoutExtraHeight() const override { return ExtraHeight; }
    qx::DynamicsEditor& DynamicsEdit(qx::DynamicsBlock block);
    qx::GateEditor& GateEdit();
    qx::MatrixEditor& MatrixEdit();
    // --- end of the dynamics and matrix editors ----------------------------

    // The connection state: connecting, connected, online, acknowledgement
    // step, transfer kind, preset slots (held by the reply exchanges).
    const qx::ExchangeState& Exchange() const;
    bool IsOnline() const;

    // State fields.
    std::unique_ptr<LUnitControl> UnitControl;
    std::array<qx::PlotPtr, kPlotCount> Plots;
    // The TCP socket, the HID controller and the processor's HID device, and
    // the one link (held by the router); the control needs the scan dialog.
    TClientSocket* ClientSocket = nullptr;
    std::unique_ptr<TJvHidDeviceController> HidCtl;
    std::unique_ptr<qx::ProcessorHidPort> HidPort;
    std::unique_ptr<qx::LinkRouter> Router;
    std::unique_ptr<qx::ConnectionControl> Connection;
    std::string ComPortName;
    int DeviceId = 0;
    std::uint32_t DeviceAddress = 0;
    int AutoAddressMode = 0;
    std::string Language;
    bool Initialising = false;
    bool ExitConfirmed = false;
    bool Busy = false;
    std::unique_ptr<qx::ReplyDispatcher> Replies;
    int CurrentPage = 0;
    int ShownCompOutput = 0;
    int ShownGateInput = 0;
    int ShownLimitOutput = 0;
    // The band or cut-off handle dragged on a response graph, -1 for none.
    int DragHandle = -1;
    int ExtraHeight = 0;
    int MipsFlashCount = 0;
    qx::FirCounts FirTaps{};
    qx::FirBuffers FirCoeffs{};
    // A unit impulse as long as a coefficient buffer: the coefficients of a flat input FIR.
    qx::FirChannelBuffer BypassImpulse{};
    // The taps the FIR settings occupy of the processor's shared resource.
    int FirTapsReserved = 0;
    // The pending FIR design of each output's FIR controls, applied with OK.
    std::array<qx::OutputFirSettings, qx::kOutputCount> FirDesign{};
    std::vector<std::string> PresetFirBlocks;
    std::vector<std::uint8_t> UnitFileBlocks;
    qx::OverlayMasks OverlayRefreshMasks{};
    std::unique_ptr<qx::PeqEditor> PeqEditing;
    std::unique_ptr<qx::CrossoverEditor> CrossoverEditing;
    std::unique_ptr<qx::GainEditor> GainEditing;
    std::unique_ptr<qx::DelayEditor> DelayEditing;
    std::unique_ptr<qx::LinkEditor> LinkEditing;
    std::unique_ptr<qx::ChannelNameEditor> NameEditing;
    std::unique_ptr<qx::CurveOverlays> OverlayEditing;
    std::unique_ptr<qx::GraphViewEditor> GraphViewEditing;
    std::unique_ptr<qx::GraphMouseEditor> GraphMouseEditing;
    std::unique_ptr<qx::OutputFirEditor> OutputFirEditing;
    std::unique_ptr<qx::FirCoefficientEditor> FirCoefficientEditing;
    std::unique_ptr<qx::DynamicsEditor> CompEditing;
    std::unique_ptr<qx::DynamicsEditor> LimitEditing;
    std::unique_ptr<qx::GateEditor> GateEditing;
    std::unique_ptr<qx::MatrixEditor> MatrixEditing;

private:
    TControl* control(std::string_view name) const;
    TMenuItem* menuItem(std::string_view name) const;
    TTimer* timer(std::string_view name) const;
    void setCaption(std::string_view name, std::string_view id);
    void openPageOf(TControl* pageButton);
    void openFixedPage(TObject* Sender, std::string_view button);
    void stopTimer(std::string_view name);
    void makeConnectionDevices();
    void closeConnection();
    std::filesystem::path lastFolder_;
    // The router's time-out pause while a prompt waits for the user; made
    // after the router, so it goes first.
    std::shared_ptr<void> userHold_;
    bool shareButtonPictures();
    void setPhaseCaption(const std::string& name);
    void showLinksAndDelayLines();
    bool fillSections();
    void nameBandTypes(TMyPEQType8& grid);
};

// The one main window; null until it is made.
extern TfmMain* fmMain;

namespace qx {
// The HID back end the main windows made from now on use (null: the
// system's); tests give the fake bus.
void setMainWindowHidBackend(hid::Backend* backend);
// The clock the links of the main windows made from now on time out by
// (null: the steady clock); tests give a manual one.
void setMainWindowLinkClock(Clock* clock);
// Registers the main window with the property registry (its handlers).
void registerMainWindow();
// The equaliser and crossover editors' handlers, part of registerMainWindow.
void registerEqHandlers();
// The gain, delay, link and channel-name editors' handlers, part of registerMainWindow.
void registerChannelHandlers();
// The graph views, overlays, mouse editing and FIR editors' handlers, part of registerMainWindow.
void registerGraphHandlers();
void registerFirHandlers();
// The dynamics and matrix editors' handlers, part of registerMainWindow.
void registerDynamicsHandlers();
} // namespace qx
