#pragma once
// What the parameter model needs from the main window: the device id and the
// send router, the busy flag, the curve refresh marks and the preset rows of
// the store and recall dialogs. Tests implement it with a recording fake.

#include <cstdint>

#include "model/RecordFields.h"

class LCmd;

namespace qx {

class UnitHost
{
public:
    virtual ~UnitHost() = default;

    virtual std::uint8_t GetDeviceId() const = 0;
    // Framed; urgent frames always queue, a non-urgent one may replace a
    // waiting frame of the same code. Dropped when no link is open.
    virtual void SendCommand(const LCmd& command, bool urgent) = 0;
    // True while the window fills its controls from the model.
    virtual bool IsBusy() const = 0;
    // Marks the curves of channel c (0-11) for a redraw.
    virtual void MarkCurveChanged(int channel) = 0;
    // Preset U(preset), 1-20: recall dialog row `preset`, store dialog row
    // `preset` - 1.
    virtual void ShowPresetRowName(int preset, const PresetName& name) = 0;

protected:
    UnitHost() = default;
    UnitHost(const UnitHost&) = default;
    UnitHost& operator=(const UnitHost&) = default;
};

} // namespace qx
