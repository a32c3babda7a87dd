#pragma once
// The main window as the model sees it (its unit and exchange services),
// doing nothing: a fake derives from it and overrides only what it records
// or answers. Sends go nowhere, questions get the offline answers (device 1,
// not busy, not a USB link, no file chosen, dynamics not armed).

#include "model/ExchangeHost.h"
#include "model/UnitHost.h"

namespace qx::test {

class NullHost : public UnitHost, public ExchangeHost
{
public:
    // Both services.
    std::uint8_t GetDeviceId() const override { return 1; }
    void SendCommand(const LCmd&, bool) override {}

    // The unit's.
    bool IsBusy() const override { return false; }
    void MarkCurveChanged(int) override {}
    void ShowPresetRowName(int, const PresetName&) override {}

    // The exchanges'.
    void SetLinkTimeout(int) override {}
    void SetLinkRetries(int) override {}
    void SetKeepAliveSuppressed(bool) override {}
    bool IsUsbLink() const override { return false; }
    void SetTimerEnabled(ExchangeTimer, bool) override {}
    int ProgressPosition() const override { return 0; }
    int ProgressMax() const override { return 0; }
    void SetProgressPosition(int) override {}
    void SetProgressMax(int) override {}
    void SetStatusText(std::string_view) override {}
    void CloseProgressWindow() override {}
    void ShowProgressWindow(bool) override {}
    void NotifyConnectResult(int) override {}
    void ShowOnline() override {}
    void ShowModelError(std::string_view) override {}
    void SetLockModeVisible(bool) override {}
    void SetUnlockReplyState(int) override {}
    void LoadUnitToForm() override {}
    void ReenableLinkControls() override {}
    void ShowInformation(std::string_view) override {}
    void ShowFactoryDialog() override {}
    std::optional<std::filesystem::path> ChooseFile(FileDialog) override { return std::nullopt; }
    void SetMainWindowEnabled(bool) override {}
    void SetBusy(bool) override {}
    void ShowCurrentPreset(std::string_view, const PresetName&) override {}
    void ClearPeqSelection() override {}
    void ShowOpenedFirFilters() override {}
    void Pause(int) override {}

    // The meters'.
    bool IsDynamicsArmed(int, bool) const override { return false; }
    void ShowMeters(const MeterFrame&) override {}
    void ClearMeters() override {}
    void SetDspText(std::string_view) override {}
    void SetDspLabelStyle(DspLabelStyle) override {}
};

} // namespace qx::test
