#pragma once
// What the reply exchanges need from the main window: the send router and
// link settings, its one-shot timers, the progress window, and the few
// windows and controls that the handshake and the state load touch. The main
// window implements it; tests use a recording fake.

#include <cstdint>
#include <string_view>

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
};

class ExchangeHost
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

protected:
    ExchangeHost() = default;
    ExchangeHost(const ExchangeHost&) = default;
    ExchangeHost& operator=(const ExchangeHost&) = default;
};

} // namespace qx
