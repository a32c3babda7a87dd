#pragma once
// What the equaliser and crossover editors need of the main window beyond
// its controls: the busy flag, the device model and the send router, the
// channels' response models and the graph drag state.

#include "model/FileDialog.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

class LCmd;
class LUnitControl;
class Plot;
class TObject;

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
    // The response model of graph n: 0-11 the channel graphs, 12 and 13 the
    // input and output overviews; null when none.
    virtual Plot* ChannelPlot(int channel) = 0;
    // The handle being dragged on a response graph, -1 for none.
    virtual int DraggedHandle() const = 0;
    // The information dialog with the text of a string id, modal.
    virtual void ShowInformation(std::string_view textId) = 0;
    // Asks the FIR tap budget for a change of delta taps; true (and the
    // message shown) when it is refused.
    virtual bool ReserveFirTaps(int delta) = 0;
    // The file the user chooses in the dialog of that kind; nothing when cancelled.
    virtual std::optional<std::filesystem::path> ChooseFile(FileDialog dialog) = 0;
    // Channel c's summed curve changed: the overlays of it copy it again.
    virtual void MarkCurveChanged(int channel) = 0;

    // One band's values on the channel's band faders and value boxes; the
    // keyboard focus to the channel's PEQ key box.
    virtual void ShowPeqValues(int channel, bool enable, double q, double gainDb, double frequencyHz) = 0;
    virtual void FocusPeqKeyBox(int channel) = 0;
    // The section updates of a channel graph, as the window runs them.
    virtual void UpdatePeqSections(TObject* graph) = 0;
    virtual void UpdateHighPassSection(TObject* graph) = 0;
    virtual void UpdateLowPassSection(TObject* graph) = 0;
    virtual void UpdateFirSection(TObject* graph) = 0;
    virtual void UpdateOutputFirPanel(int channel) = 0;
    virtual void RefreshChannelOverlays(int channel) = 0;

protected:
    EqEditorHost() = default;
    EqEditorHost(const EqEditorHost&) = default;
    EqEditorHost& operator=(const EqEditorHost&) = default;
};

} // namespace qx
