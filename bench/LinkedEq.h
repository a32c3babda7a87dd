#pragma once
// The main window's PEQ band handlers (grids, band buttons, band faders and
// the curve timer of every channel) bound, for the object's life, to a band
// editor whose model and commands go through the benchmarks' TCP link; the
// window's own handlers are put back at the end.

#include "EditorLink.h"

#include "editors/eq/EqEditorHost.h"
#include "editors/eq/PeqEditor.h"

#include <functional>
#include <vector>

class TfmMain;

namespace qx::bench {

// The window's controls and plots with the link's model and commands.
class LinkedEqHost : public EqEditorHost
{
public:
    LinkedEqHost(TfmMain& window, EditorLink& link) : window_(window), link_(link) {}
    bool IsBusy() const override;
    void SetBusy(bool busy) override;
    LUnitControl& Unit() override { return link_.Unit(); }
    std::uint8_t GetDeviceId() const override { return link_.GetDeviceId(); }
    void SendCommand(const LCmd& command, bool urgent) override { link_.SendCommand(command, urgent); }
    Plot* ChannelPlot(int channel) override;
    int DraggedHandle() const override { return -1; }
    void ShowInformation(std::string_view id) override;
    bool ReserveFirTaps(int delta) override;
    std::optional<std::filesystem::path> ChooseFile(FileDialog dialog) override;
    void MarkCurveChanged(int channel) override;
    void ShowPeqValues(int channel, bool enable, double q, double gainDb, double frequencyHz) override;
    void FocusPeqKeyBox(int channel) override;
    void UpdatePeqSections(TObject* graph) override;
    void UpdateHighPassSection(TObject* graph) override;
    void UpdateLowPassSection(TObject* graph) override;
    void UpdateFirSection(TObject* graph) override;
    void UpdateOutputFirPanel(int channel) override;
    void RefreshChannelOverlays(int channel) override;

private:
    TfmMain& window_;
    EditorLink& link_;
};

class LinkedPeqEditing
{
public:
    LinkedPeqEditing(TfmMain& window, EditorLink& link);
    ~LinkedPeqEditing();
    LinkedPeqEditing(const LinkedPeqEditing&) = delete;
    LinkedPeqEditing& operator=(const LinkedPeqEditing&) = delete;

    PeqEditor& Editor() { return editor_; }
    // Called as the curve timer fires, before the editor applies the change.
    std::function<void()> OnCurveTimer;

private:
    LinkedEqHost host_;
    PeqEditor editor_;
    std::vector<std::function<void()>> restore_;
};

} // namespace qx::bench
