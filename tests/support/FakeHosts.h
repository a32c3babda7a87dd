#pragma once
// Recording stand-ins for the main window's services.

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FrameBuilder.h"
#include "NullHost.h"
#include "codec/LCmd.h"

namespace qxtest {

using qx::test::commandFrame;
using qx::test::Frame;
using qx::test::replyFrame;

struct Sent
{
    Frame frame;
    bool urgent;
    friend bool operator==(const Sent&, const Sent&) = default;
};

// Code and payload of a command frame that was sent.
inline std::uint8_t codeOf(const Sent& s)
{
    return s.frame[5];
}
inline std::vector<std::uint8_t> payloadOf(const Sent& s)
{
    return {s.frame.begin() + 6, s.frame.end() - 3};
}

// Every command as the frame the send router would put on the wire, also
// handed to `onSend` when set.
struct SendLog
{
    std::vector<Sent> sent;
    std::function<void(const Frame&)> onSend;

    void record(const LCmd& command, bool urgent)
    {
        sent.push_back({EncodeFrame(command, 1), urgent});
        if (onSend) {
            onSend(sent.back().frame);
        }
    }
};

class FakeUnitHost : public qx::test::NullHost, public SendLog
{
public:
    std::uint8_t deviceId = 1;
    bool busy = false;
    std::vector<int> curveMarks;
    std::vector<std::pair<int, qx::PresetName>> rows;
    // Also handed every row name, when set.
    std::function<void(int, const qx::PresetName&)> onRow;

    std::uint8_t GetDeviceId() const override { return deviceId; }
    void SendCommand(const LCmd& command, bool urgent) override { record(command, urgent); }
    bool IsBusy() const override { return busy; }
    void MarkCurveChanged(int channel) override { curveMarks.push_back(channel); }
    void ShowPresetRowName(int preset, const qx::PresetName& name) override
    {
        rows.emplace_back(preset, name);
        if (onRow) {
            onRow(preset, name);
        }
    }
};

// The main window as the exchanges see it: sends are recorded, timers and progress are kept as plain values,
// and the window calls are written to `calls` in order.
class FakeExchangeHost : public qx::test::NullHost, public SendLog
{
public:
    std::uint8_t deviceId = 1;
    bool usb = false;
    std::vector<std::string> calls;
    std::map<qx::ExchangeTimer, bool> timers;
    int linkTimeout = 0;
    int linkRetries = 0;
    bool keepAliveSuppressed = true;
    int position = 0;
    int maximum = 100;
    std::string statusText;
    int unlockReplyState = -1;
    bool lockModeVisible = false;
    int loadUnitToFormCount = 0;

    bool timer(qx::ExchangeTimer t) const
    {
        const auto it = timers.find(t);
        return it != timers.end() && it->second;
    }

    std::uint8_t GetDeviceId() const override { return deviceId; }
    void SendCommand(const LCmd& command, bool urgent) override { record(command, urgent); }
    void SetLinkTimeout(int ms) override { linkTimeout = ms; }
    void SetLinkRetries(int count) override { linkRetries = count; }
    void SetKeepAliveSuppressed(bool suppressed) override { keepAliveSuppressed = suppressed; }
    bool IsUsbLink() const override { return usb; }
    void SetTimerEnabled(qx::ExchangeTimer t, bool enabled) override { timers[t] = enabled; }
    int ProgressPosition() const override { return position; }
    int ProgressMax() const override { return maximum; }
    void SetProgressPosition(int p) override { position = std::clamp(p, 0, maximum); }
    void SetProgressMax(int m) override { maximum = m; }
    void SetStatusText(std::string_view id) override { statusText = id; }
    void CloseProgressWindow() override { calls.emplace_back("CloseProgressWindow"); }
    void NotifyConnectResult(int result) override
    {
        calls.push_back("NotifyConnectResult " + std::to_string(result));
    }
    void ShowOnline() override { calls.emplace_back("ShowOnline"); }
    void ShowModelError(std::string_view id) override
    {
        calls.push_back("ShowModelError " + std::string(id));
    }
    void SetLockModeVisible(bool visible) override { lockModeVisible = visible; }
    // Also handed every password result, when set.
    std::function<void(int)> onUnlockReplyState;
    void SetUnlockReplyState(int state) override
    {
        unlockReplyState = state;
        if (onUnlockReplyState) {
            onUnlockReplyState(state);
        }
    }
    void LoadUnitToForm() override
    {
        ++loadUnitToFormCount;
        calls.emplace_back("LoadUnitToForm");
    }
    void ReenableLinkControls() override { calls.emplace_back("ReenableLinkControls"); }

    // Transfers: dialogs answer from `files` (nothing when the dialog has no
    // entry); a modal progress window runs `onModalProgress`, as its loop
    // would dispatch the replies.
    std::map<qx::FileDialog, std::filesystem::path> files;
    std::function<void()> onModalProgress;
    bool mainWindowEnabled = true;
    bool busyFlag = false;
    int progressShows = 0;
    std::vector<std::string> information;
    std::string presetNumber;
    qx::PresetName presetName{};

    void ShowProgressWindow(bool modal) override
    {
        ++progressShows;
        calls.push_back(modal ? "ShowProgressWindow modal" : "ShowProgressWindow");
        if (modal && onModalProgress) {
            onModalProgress();
        }
    }
    // Also runs `onInformation`, as the box's own loop would dispatch replies.
    std::function<void()> onInformation;
    void ShowInformation(std::string_view id) override
    {
        information.emplace_back(id);
        if (onInformation) {
            onInformation();
        }
    }
    void ShowFactoryDialog() override { calls.emplace_back("ShowFactoryDialog"); }
    std::optional<std::filesystem::path> ChooseFile(qx::FileDialog dialog) override
    {
        const auto it = files.find(dialog);
        return it != files.end() ? std::optional(it->second) : std::nullopt;
    }
    void SetMainWindowEnabled(bool enabled) override { mainWindowEnabled = enabled; }
    void SetBusy(bool busy) override { busyFlag = busy; }
    void ShowCurrentPreset(std::string_view number, const qx::PresetName& name) override
    {
        presetNumber = number;
        presetName = name;
    }
    void ClearPeqSelection() override { calls.emplace_back("ClearPeqSelection"); }
    void ShowOpenedFirFilters() override { calls.emplace_back("ShowOpenedFirFilters"); }

    // Meters: whether each output's compressor (0-7) and limiter (8-15) is
    // armed, the last frame shown, the DSP label.
    std::array<bool, 16> armed = [] {
        std::array<bool, 16> a{};
        a.fill(true);
        return a;
    }();
    std::optional<qx::MeterFrame> meterFrame;
    int meterClears = 0;
    std::string dspText;
    qx::DspLabelStyle dspStyle = qx::DspLabelStyle::Calm;

    bool IsDynamicsArmed(int output, bool limiter) const override
    {
        return armed[static_cast<std::size_t>(output + (limiter ? 8 : 0))];
    }
    void ShowMeters(const qx::MeterFrame& frame) override { meterFrame = frame; }
    void ClearMeters() override
    {
        ++meterClears;
        meterFrame = qx::MeterFrame{};
    }
    void SetDspText(std::string_view text) override { dspText = text; }
    void SetDspLabelStyle(qx::DspLabelStyle style) override { dspStyle = style; }
};

} // namespace qxtest
