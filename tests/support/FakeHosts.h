#pragma once
// Recording stand-ins for the main window's services.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "link/LCmd.h"
#include "model/ExchangeHost.h"
#include "model/UnitHost.h"

namespace qxtest {

using Frame = std::vector<std::uint8_t>;

struct Sent
{
    Frame frame;
    bool urgent;
    friend bool operator==(const Sent&, const Sent&) = default;
};

// A command frame written out by hand: 10 02 00 id length code payload 10 03
// and the exclusive OR of everything before it.
inline Frame commandFrame(std::uint8_t id, std::uint8_t code, std::initializer_list<std::uint8_t> payload)
{
    Frame f{0x10, 0x02, 0x00, id, static_cast<std::uint8_t>(payload.size() + 1), code};
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(0x10);
    f.push_back(0x03);
    std::uint8_t sum = 0;
    for (std::uint8_t b : f) {
        sum ^= b;
    }
    f.push_back(sum);
    return f;
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

class FakeUnitHost : public qx::UnitHost, public SendLog
{
public:
    std::uint8_t deviceId = 1;
    bool busy = false;
    std::vector<int> curveMarks;
    std::vector<std::pair<int, qx::PresetName>> rows;

    std::uint8_t GetDeviceId() const override { return deviceId; }
    void SendCommand(const LCmd& command, bool urgent) override { record(command, urgent); }
    bool IsBusy() const override { return busy; }
    void MarkCurveChanged(int channel) override { curveMarks.push_back(channel); }
    void ShowPresetRowName(int preset, const qx::PresetName& name) override
    {
        rows.emplace_back(preset, name);
    }
};

// A reply frame: 10 02 id 00 length code payload 10 03 checksum.
inline Frame replyFrame(std::uint8_t id, std::uint8_t code, const std::vector<std::uint8_t>& payload)
{
    return qx::frame::Build(id, 0, code, payload);
}

// The main window as the exchanges see it: sends are recorded, timers and progress are kept as plain values,
// and the window calls are written to `calls` in order.
class FakeExchangeHost : public qx::ExchangeHost, public SendLog
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
    void SetUnlockReplyState(int state) override { unlockReplyState = state; }
    void LoadUnitToForm() override
    {
        ++loadUnitToFormCount;
        calls.emplace_back("LoadUnitToForm");
    }
    void ReenableLinkControls() override { calls.emplace_back("ReenableLinkControls"); }
};

} // namespace qxtest
