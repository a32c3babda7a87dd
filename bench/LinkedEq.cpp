#include "LinkedEq.h"

#include "app/FMain.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "model/ControlNames.h"
#include "model/UnitRecord.h"
#include "platform/gui/Component.h"
#include "platform/gui/Timer.h"
#include "response/TMyPEQType8.h"

#include <utility>
#include <string>

namespace qx::bench {

bool LinkedEqHost::IsBusy() const { return window_.IsBusy(); }
void LinkedEqHost::SetBusy(bool busy) { window_.SetBusy(busy); }
Plot* LinkedEqHost::ChannelPlot(int channel) { return window_.ChannelPlot(channel); }
void LinkedEqHost::ShowInformation(std::string_view id) { window_.ShowInformation(id); }
bool LinkedEqHost::ReserveFirTaps(int delta) { return window_.ReserveFirTaps(delta); }
std::optional<std::filesystem::path> LinkedEqHost::ChooseFile(FileDialog dialog) { return window_.ChooseFile(dialog); }
void LinkedEqHost::MarkCurveChanged(int channel) { window_.MarkCurveChanged(channel); }
void LinkedEqHost::ShowPeqValues(int channel, bool enable, double q, double gainDb, double frequencyHz)
{
    window_.ShowPeqValues(channel, enable, q, gainDb, frequencyHz);
}
void LinkedEqHost::FocusPeqKeyBox(int channel) { window_.FocusPeqKeyBox(channel); }
void LinkedEqHost::UpdatePeqSections(TObject* graph) { window_.UpdatePeqSections(graph); }
void LinkedEqHost::UpdateHighPassSection(TObject* graph) { window_.UpdateHighPassSection(graph); }
void LinkedEqHost::UpdateLowPassSection(TObject* graph) { window_.UpdateLowPassSection(graph); }
void LinkedEqHost::UpdateFirSection(TObject* graph) { window_.UpdateFirSection(graph); }
void LinkedEqHost::UpdateOutputFirPanel(int channel) { window_.UpdateOutputFirPanel(channel); }
void LinkedEqHost::RefreshChannelOverlays(int channel) { window_.RefreshChannelOverlays(channel); }

namespace {

// Sets an event of a control for as long as the binding lives.
template <class Control, class Owner>
void bind(std::vector<std::function<void()>>& restore, Control* control, TNotifyEvent Owner::*event,
          TNotifyEvent handler)
{
    if (!control)
        return;
    restore.push_back([control, event, saved = control->*event]() { control->*event = saved; });
    control->*event = std::move(handler);
}

constexpr int kMostBands = 14;

} // namespace

LinkedPeqEditing::LinkedPeqEditing(TfmMain& window, EditorLink& link) : host_(window, link), editor_(window, host_)
{
    for (int c = 0; c < kChannelCount; ++c) {
        const std::string s = channelSuffix(c);
        bind(restore_, findComponent<TMyPEQType8>(window, "peqPeq" + s), &TMyPEQType8::OnChange,
             TNotifyEvent([this](TObject* o) { editor_.GridChange(o); }));
        const std::pair<const char*, BandFader> faders[] = {
            {"isEqFreq", BandFader::Frequency}, {"isEqBw", BandFader::Q}, {"isEqGain", BandFader::Gain}};
        for (const auto& [prefix, kind] : faders) {
            bind(restore_, findComponent<TAdvTrackBar>(window, prefix + s), &TAdvTrackBar::OnChange,
                 TNotifyEvent([this, kind](TObject* o) { editor_.FaderChange(o, kind); }));
        }
        for (int band = 1; band <= kMostBands; ++band) {
            bind(restore_, findComponent<TRzBmpButton>(window, "rzbEq" + std::to_string(band) + s),
                 &TRzBmpButton::OnClick, TNotifyEvent([this](TObject* o) { editor_.BandButtonClick(o); }));
        }
    }
    bind(restore_, findComponent<TTimer>(window, "tmEqCurve"), &TTimer::OnTimer, TNotifyEvent([this](TObject*) {
             if (OnCurveTimer)
                 OnCurveTimer();
             editor_.CurveTimer();
         }));
}

LinkedPeqEditing::~LinkedPeqEditing()
{
    for (auto& r : restore_)
        r();
}

} // namespace qx::bench
