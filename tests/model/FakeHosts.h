#pragma once
// Recording stand-ins for the main window: every command is kept as the frame
// the send router would put on the wire, with its urgent flag.

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "link/LCmd.h"
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

class FakeUnitHost : public qx::UnitHost
{
public:
    std::uint8_t deviceId = 1;
    bool busy = false;
    std::vector<Sent> sent;
    std::vector<int> curveMarks;
    std::vector<std::pair<int, qx::PresetName>> rows;

    std::uint8_t GetDeviceId() const override { return deviceId; }
    void SendCommand(const LCmd& command, bool urgent) override
    {
        sent.push_back({EncodeFrame(command, 1), urgent});
    }
    bool IsBusy() const override { return busy; }
    void MarkCurveChanged(int channel) override { curveMarks.push_back(channel); }
    void ShowPresetRowName(int preset, const qx::PresetName& name) override
    {
        rows.emplace_back(preset, name);
    }
};

} // namespace qxtest
