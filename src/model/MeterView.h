#pragma once
// What the meter poll shows: the level bars, the gain-reduction meters, the
// engagement indicators and the DSP load label of the main window. The model
// decodes each meter reply into a MeterFrame; the window sets its controls
// from it. Tests use a recording fake.

#include <array>
#include <string_view>

#include "model/UnitRecord.h"

namespace qx {

// Segment counts of one meter reply.
struct MeterFrame
{
    // Level of channels 0-11 (inputs A-D, outputs 1-8): 0-8 segments.
    std::array<int, kChannelCount> level{};
    // Per output 1-8: engaged flags and gain-reduction segments (0-9, 0 when
    // not engaged).
    std::array<bool, kOutputCount> compEngaged{};
    std::array<bool, kOutputCount> limitEngaged{};
    std::array<int, kOutputCount> compReduction{};
    std::array<int, kOutputCount> limitReduction{};
    friend bool operator==(const MeterFrame&, const MeterFrame&) = default;
};

enum class DspLabelStyle
{
    Calm,     // white, size 10
    Alarm,    // red, size 12
    AlarmDim, // white, size 12: the other phase of the flashing
};

class MeterView
{
public:
    virtual ~MeterView() = default;

    // Whether output i's (0-7) compressor or limiter can act at all: its
    // ratio is not 0 and its threshold fader is below its maximum.
    virtual bool IsDynamicsArmed(int output, bool limiter) const = 0;
    // Sets every bar and meter from the frame: per channel, and the shared
    // bars of the input shown on the gate page and the outputs shown on the
    // compressor and limiter pages. A missing control ends the update.
    virtual void ShowMeters(const MeterFrame& frame) = 0;
    // Every bar and meter, the shared ones too, to 0.
    virtual void ClearMeters() = 0;
    virtual void SetDspText(std::string_view text) = 0;
    virtual void SetDspLabelStyle(DspLabelStyle style) = 0;

protected:
    MeterView() = default;
    MeterView(const MeterView&) = default;
    MeterView& operator=(const MeterView&) = default;
};

} // namespace qx
