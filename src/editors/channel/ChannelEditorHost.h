#pragma once
// What the gain, delay, link, name, dynamics and matrix editors need of the
// main window beyond its controls: the busy flag, the device model and the
// send router, the language, the page in front, the connection and its
// reload, the FIR coefficient buffers and the FIR tap budget, the channel
// each dynamics plot shows and how much taller than its design the window is.

#include <cstdint>
#include <string_view>

class LCmd;
class LUnitControl;

namespace qx {

// The blocks whose transfer curves the dynamics plots show.
enum class DynamicsBlock
{
    Gate,
    Compressor,
    Limiter
};

class ChannelEditorHost
{
public:
    virtual ~ChannelEditorHost() = default;

    // Set while values are mirrored into controls: change handlers stay silent
    // and the model's setters send nothing.
    virtual bool IsBusy() const = 0;
    virtual void SetBusy(bool busy) = 0;
    virtual LUnitControl& Unit() = 0;
    virtual std::uint8_t GetDeviceId() const = 0;
    virtual void SendCommand(const LCmd& command, bool urgent) = 0;
    virtual std::string_view Translate(std::string_view id) const = 0;
    // The page in front: 0-11 a channel page, 12-17 the function pages.
    virtual int ShownPage() const = 0;
    // A processor answers.
    virtual bool IsConnected() const = 0;
    // The processor's next acknowledgement reloads its whole state.
    virtual void ReloadStateOnAcknowledge() = 0;
    // Shows the whole model in the controls again.
    virtual void LoadUnitToForm() = 0;
    // Target's FIR coefficient buffer takes source's tap count and its
    // coefficients up to that count.
    virtual void CopyFirCoefficients(int source, int target) = 0;
    // Asks the FIR tap budget for a change of delta taps; true (and the
    // message shown) when it is refused.
    virtual bool ReserveFirTaps(int delta) = 0;
    // The channel whose curve a dynamics plot shows.
    virtual int DynamicsPlotChannel(DynamicsBlock block) const = 0;
    virtual void SetDynamicsPlotChannel(DynamicsBlock block, int channel) = 0;
    // Pixels the window is taller than its design height (the last layout's).
    virtual int LayoutExtraHeight() const = 0;

protected:
    ChannelEditorHost() = default;
    ChannelEditorHost(const ChannelEditorHost&) = default;
    ChannelEditorHost& operator=(const ChannelEditorHost&) = default;
};

} // namespace qx
