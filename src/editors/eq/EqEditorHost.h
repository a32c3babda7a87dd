#pragma once
// What the equaliser and crossover editors need of the main window beyond
// its controls: the busy flag, the device model and the send router, the
// channels' response models and the graph drag state.

#include <cstdint>

class LCmd;
class LUnitControl;
class Plot;

namespace qx {

class EqEditorHost
{
public:
    virtual ~EqEditorHost() = default;

    // Set while values are mirrored into controls: change handlers stay silent.
    virtual bool IsBusy() const = 0;
    virtual void SetBusy(bool busy) = 0;
    virtual LUnitControl& Unit() = 0;
    virtual std::uint8_t GetDeviceId() const = 0;
    virtual void SendCommand(const LCmd& command, bool urgent) = 0;
    // Channel c's response model; null when none.
    virtual Plot* ChannelPlot(int channel) = 0;
    // The handle being dragged on a response graph, -1 for none.
    virtual int DraggedHandle() const = 0;

protected:
    EqEditorHost() = default;
    EqEditorHost(const EqEditorHost&) = default;
    EqEditorHost& operator=(const EqEditorHost&) = default;
};

} // namespace qx
