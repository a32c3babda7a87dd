#pragma once
// What the reply exchanges need from the main window: the send router and
// link settings, its timers, the progress window, and the few windows,
// dialogs and controls that the handshake, the state load, the preset
// operations and the transfers touch. The main window implements it; tests
// use a recording fake.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "model/FileDialog.h"
#include "model/MeterView.h"
#include "model/RecordFields.h"

class LCmd;

namespace qx {

enum class ExchangeTimer
{
    ComScan,         // reports each link's state to the connection dialog
    ProcessShow,     // shows the progress window modally
    Pts,             // opens the unlock dialog
    InLevelDet,      // meter poll
    Disconnect,      // drops the link
    DownloadEnd,     // ends a unit download
    PresetLoadCount, // counts progress while the processor stores or recalls
    Upload,          // writes the unit file after an upload
    MipsFlash,       // flashes the DSP load label
};

class ExchangeHost : public MeterView
{
public:
    virtual ~ExchangeHost() = default;

    virtual std::uint8_t GetDeviceId() const = 0;
    virtual void SendCommand(const LCmd& command, bool urgent) = 0;
    virtual void SetLinkTimeout(int milliseconds) = 0;
    virtual void SetLinkRetries(int count) = 0;
    virtual void SetKeepAliveSuppressed(bool suppressed) = 0;
    virtual bool IsUsbLink() const = 0;

    virtual void SetTimerEnabled(ExchangeTimer timer, bool enabled) = 0;

    // The progress window: bar position and maximum, status text by string id.
    virtual int ProgressPosition() const = 0;
    virtual int ProgressMax() const = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual void SetProgressMax(int maximum) = 0;
    virtual void SetStatusText(std::string_view stringId) = 0;
    virtual void CloseProgressWindow() = 0;
    // Shows the progress window; a modal show returns when it is closed,
    // replies being dispatched meanwhile.
    virtual void ShowProgressWindow(bool modal) = 0;

    // Tells the connection dialog how the connection went (1 succeeded).
    virtual void NotifyConnectResult(int result) = 0;
    // Link button "OnLine" and pressed, Connect menu item "Disconnect", the
    // link's name in the status label.
    virtual void ShowOnline() = 0;
    // Hides the connection dialog and shows the information dialog with the
    // text of the string id modally; returns when it is closed.
    virtual void ShowModelError(std::string_view stringId) = 0;
    virtual void SetLockModeVisible(bool visible) = 0;
    // The unlock dialog's reply state from a password result.
    virtual void SetUnlockReplyState(int state) = 0;
    // Shows the whole model in the controls.
    virtual void LoadUnitToForm() = 0;
    // Link button and Connect menu item enabled again, the link button
    // released and pressed.
    virtual void ReenableLinkControls() = 0;

    // The information dialog with the text of the string id, modally.
    virtual void ShowInformation(std::string_view stringId) = 0;
    // The factory-default confirmation dialog, modally; its OK calls
    // PresetCommands::LoadFactoryDefault.
    virtual void ShowFactoryDialog() = 0;
    // The file chosen in one of the main window's file dialogs; nothing when
    // it is cancelled.
    virtual std::optional<std::filesystem::path> ChooseFile(FileDialog dialog) = 0;
    // The main window takes input again (and the focus) or refuses it.
    virtual void SetMainWindowEnabled(bool enabled) = 0;
    // Sets or clears the busy flag that keeps change handlers from sending.
    virtual void SetBusy(bool busy) = 0;
    // The preset number ("U05", "F00") and name labels.
    virtual void ShowCurrentPreset(std::string_view number, const PresetName& name) = 0;
    // Releases the selected PEQ band of every channel.
    virtual void ClearPeqSelection() = 0;
    // Repaints the channel graphs and names their FIR "FirFilter" after a
    // preset file was opened.
    virtual void ShowOpenedFirFilters() = 0;
    // Waits on the GUI thread, events still handled.
    virtual void Pause(int milliseconds) = 0;

protected:
    ExchangeHost() = default;
    ExchangeHost(const ExchangeHost&) = default;
    ExchangeHost& operator=(const ExchangeHost&) = default;
};

} // namespace qx
