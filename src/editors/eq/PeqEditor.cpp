#include "editors/eq/PeqEditor.h"

#include "codec/CmMcs.h"
#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/vr/VrButtons.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/eq/EqEditorHost.h"
#include "editors/eq/ShownCurves.h"
#include "editors/eq/ValueEntry.h"
#include "model/ControlNames.h"
#include "model/LUnitControl.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Timer.h"
#include "platform/text/Format.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"

#include <algorithm>
#include <optional>
#include <string>

namespace qx {

namespace {

constexpr int kNoBand = 15;
constexpr int kHandleBand = 1;
constexpr int kQIndexFactoryShelf = 10; // Q 0.71
constexpr int kQIndexShelfLimit = 35;   // Q 3.0
constexpr double kFlatFrequencyHz = 32000.0; // beyond the graph's right end
constexpr double kFlatQ = 0.05;
constexpr double kNoBandQ = 0.4;
constexpr double kNoBandFrequencyHz = 19.7;

// Virtual keys of the key box.
constexpr std::uint16_t kKeyShift = 16;
constexpr std::uint16_t kKeyLeft = 37;
constexpr std::uint16_t kKeyUp = 38;
constexpr std::uint16_t kKeyRight = 39;
constexpr std::uint16_t kKeyDown = 40;
constexpr std::uint16_t kKeyPadPlus = 107;
constexpr std::uint16_t kKeyPadMinus = 109;
constexpr std::uint16_t kKeyPlus = 187;
constexpr std::uint16_t kKeyMinus = 189;

const char* faderPrefix(BandFader f)
{
    switch (f) {
    case BandFader::Frequency:
        return "isEqFreq";
    case BandFader::Q:
        return "isEqBw";
    case BandFader::Gain:
        return "isEqGain";
    }
    return "";
}

const char* boxPrefix(BandFader f)
{
    switch (f) {
    case BandFader::Frequency:
        return "cvdEqFreq";
    case BandFader::Q:
        return "cvdEqBw";
    case BandFader::Gain:
        return "cvdEqGain";
    }
    return "";
}

int filterCodeOf(int type)
{
    return type >= 0 && type <= kPeqTypeMax ? kPeqTypeFilterCodes[static_cast<std::size_t>(type)] : 10;
}

bool keepsOwnQ(int type) { return type == 0 || type == 7 || type == 8; }

// The value-box text the band fader handlers write while a fader moves.
std::string movingGainText(int position)
{
    const double db = (position - kGainIndexZeroDb) * 0.1;
    return (position >= kGainIndexZeroDb ? Format("+%3.1f", db) : Format("%4.1f", db)) + "dB";
}

std::optional<int> entryOf(BandFader f, std::string_view text)
{
    switch (f) {
    case BandFader::Frequency:
        return frequencyEntry(text);
    case BandFader::Q:
        return qEntry(text);
    case BandFader::Gain:
        return gainEntry(text);
    }
    return std::nullopt;
}

std::string boxTextOf(BandFader f, int position)
{
    switch (f) {
    case BandFader::Frequency:
        return frequencyBoxText(position);
    case BandFader::Q:
        return qBoxText(position);
    case BandFader::Gain:
        return gainBoxText(position);
    }
    return {};
}

template <class T>
T* partner(const TComponent& window, const std::string& prefix, int channel)
{
    return findComponent<T>(window, prefix + channelSuffix(channel));
}

std::string bandButton(int band, int channel) { return "rzbEq" + std::to_string(band + 1) + channelSuffix(channel); }

bool validChannel(int c) { return c >= 0 && c < kChannelCount; }

} // namespace

PeqEditor::PeqEditor(const TComponent& window, EqEditorHost& host) : window_(window), host_(host) {}

void PeqEditor::GridChange(TObject* sender)
{
    auto* grid = dynamic_cast<TMyPEQType8*>(sender);
    if (!grid || host_.DraggedHandle() != -1)
        return;
    const int c = grid->Tag();
    const int band = grid->GetNowIndex();
    auto* graph = partner<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c);
    auto* button = findComponent<TRzBmpButton>(window_, bandButton(band, c));
    Plot* plot = validChannel(c) ? host_.ChannelPlot(c) : nullptr;
    if (!graph || !button || !partner<TControl>(window_, "lbFftParam", c) || !plot)
        return;
    const double f = grid->GetFreqValue(band);
    const double g = grid->GetGainValue(band);
    double q = grid->GetQValue(band);
    const int type = grid->GetTypeValue(band);
    const bool bypassed = grid->GetBypassValue(band) != 0;

    // The Q a band type allows; the grid setter runs this handler again inside.
    LUnitControl& unit = host_.Unit();
    const bool typeChanged = unit.GetPeqBand(c, band).type != type;
    int wantedQ = -1;
    if (keepsOwnQ(type)) {
        const int factory = unit.GetDefaultPeqBand(c, band).q;
        if (typeChanged && QToIndex(q) != factory)
            wantedQ = factory;
    } else if (typeChanged) {
        if (QToIndex(q) != kQIndexFactoryShelf)
            wantedQ = kQIndexFactoryShelf;
    } else if (QToIndex(q) > kQIndexShelfLimit) {
        wantedQ = kQIndexShelfLimit;
    }
    if (wantedQ >= 0) {
        grid->SetQValue(band, wantedQ);
        q = IndexToQ(wantedQ);
    }
    const PeqBand record{static_cast<std::uint16_t>(GainToIndex(g)), static_cast<std::uint16_t>(FreqToIndex(f)),
                         static_cast<std::uint8_t>(QToIndex(q)), static_cast<std::uint8_t>(type)};
    if (host_.IsBusy())
        return;

    button->SetDown(true);
    grid->SetNowIndex(band);
    plot->section(band).SetPeq(bypassed ? 0.0 : g, f, q, bypassed ? 10 : filterCodeOf(type));
    plot->ShowSectionHandle(band, static_cast<float>(g), kHandleBand);
    plot->ShowSectionCurve(type, band, static_cast<float>(g), static_cast<float>(q), true);
    plot->DrawSum(c);
    graph->UpdateCurvePage();
    unit.SetPeqBand(c, band, record, bypassed ? 1 : 0);
    ShowPeqValues(c, true, q, g, f);
}

void PeqEditor::GridEditMouseDown(TObject* sender)
{
    auto* grid = dynamic_cast<TMyPEQType8*>(sender);
    if (!grid)
        return;
    const int c = grid->Tag();
    const int band = grid->GetNowIndex();
    auto* button = findComponent<TRzBmpButton>(window_, bandButton(band, c));
    if (!button || !partner<TControl>(window_, "lbFftParam", c))
        return;
    button->SetDown(true);
    selectBand(c, band, false);
}

void PeqEditor::BandButtonClick(TObject* sender)
{
    auto* button = dynamic_cast<TRzBmpButton*>(sender);
    if (!button)
        return;
    selectBand(button->GroupIndex() - 1, button->Tag(), true);
}

void PeqEditor::selectBand(int c, int band, bool focus)
{
    auto* grid = partner<TMyPEQType8>(window_, "peqPeq", c);
    auto* hint = partner<TControl>(window_, "lbFftParam", c);
    auto* graph = partner<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c);
    Plot* plot = validChannel(c) ? host_.ChannelPlot(c) : nullptr;
    if (!grid || !hint || !graph || !plot)
        return;
    const double f = grid->GetFreqValue(band);
    const double g = grid->GetGainValue(band);
    const double q = grid->GetQValue(band);
    const int type = grid->GetTypeValue(band);
    grid->SetNowIndex(band);
    ShowPeqValues(c, true, q, g, f);
    plot->ShowSectionHandle(band, static_cast<float>(g), kHandleBand);
    plot->ShowSectionCurve(type, band, static_cast<float>(g), static_cast<float>(q), true);
    plot->DrawSum(c);
    graph->UpdateCurvePage();
    hint->SetVisible(true);
    if (focus)
        FocusKeyBox(c);
}

void PeqEditor::FaderChange(TObject* sender, BandFader kind)
{
    auto* fader = dynamic_cast<TAdvTrackBar*>(sender);
    if (!fader || host_.IsBusy())
        return;
    const int c = fader->Tag();
    auto* box = partner<TCurvyEdit>(window_, boxPrefix(kind), c);
    auto* grid = partner<TMyPEQType8>(window_, "peqPeq", c);
    if (!box || !grid)
        return;
    switch (kind) {
    case BandFader::Frequency: {
        const auto f = static_cast<float>(IndexToFreq(fader->Position()));
        box->SetText(f >= 1000.0F ? Format("%4.2fKHz", f / 1000.0F) : Format("%4.1fHz", f));
        pending_ = {kind, c, 0.0, 0, f};
        break;
    }
    case BandFader::Q:
        if (!keepsOwnQ(grid->GetTypeValue(grid->GetNowIndex())) && fader->Position() > kQIndexShelfLimit)
            fader->SetPosition(kQIndexShelfLimit);
        box->SetText(qBoxText(fader->Position()));
        pending_ = {kind, c, 0.0, fader->Position(), 0.0F};
        break;
    case BandFader::Gain:
        box->SetText(movingGainText(fader->Position()));
        pending_ = {kind, c, static_cast<double>(IndexToGain(fader->Position())), 0, 0.0F};
        break;
    }
    armTimer();
}

void PeqEditor::armTimer()
{
    if (auto* timer = findComponent<TTimer>(window_, "tmEqCurve"))
        timer->SetEnabled(true);
}

void PeqEditor::CurveTimer()
{
    if (auto* timer = findComponent<TTimer>(window_, "tmEqCurve"))
        timer->SetEnabled(false);
    auto* grid = partner<TMyPEQType8>(window_, "peqPeq", pending_.channel);
    if (!grid)
        return;
    const int row = grid->GetNowIndex();
    switch (pending_.fader) {
    case BandFader::Frequency:
        grid->SetFreqValue(row, pending_.frequencyHz);
        break;
    case BandFader::Q:
        grid->SetQValue(row, pending_.qStep);
        break;
    case BandFader::Gain:
        grid->SetGainValue(row, pending_.gainDb);
        break;
    }
}

void PeqEditor::CommitBox(TObject* sender, BandFader kind)
{
    auto* box = dynamic_cast<TCurvyEdit*>(sender);
    if (!box)
        return;
    if (auto* fader = partner<TAdvTrackBar>(window_, faderPrefix(kind), box->Tag()))
        commitTypedValue(*box, *fader, kind);
}

void commitTypedValue(TCurvyEdit& box, TAdvTrackBar& fader, BandFader kind)
{
    std::optional<int> index = entryOf(kind, box.Text());
    // The fader's own ends hold the entry (the FIR cut-off faders end short of the scale's).
    if (index)
        index = std::clamp(*index, fader.Min(), fader.Max());
    box.SetText("");
    if (index && *index == fader.Position())
        index.reset();
    if (index)
        fader.SetPosition(*index);
    box.SetText(boxTextOf(kind, fader.Position()));
    if (!index)
        box.CaretToEnd();
}

void showCurrentBandCurve(Plot& plot, const TMyPEQType8& grid)
{
    const int band = grid.GetNowIndex();
    if (band == kNoBand || band < 0 || band >= grid.GetChannelNumber())
        return;
    plot.ShowSectionCurve(grid.GetTypeValue(band), band, static_cast<float>(grid.GetGainValue(band)),
                          static_cast<float>(grid.GetQValue(band)), true);
}

void PeqEditor::KeyStep(TObject* sender, std::uint16_t key)
{
    auto* box = dynamic_cast<TCurvyEdit*>(sender);
    if (!box)
        return;
    const int c = box->Tag();
    auto* frequency = partner<TAdvTrackBar>(window_, "isEqFreq", c);
    auto* q = partner<TAdvTrackBar>(window_, "isEqBw", c);
    auto* gain = partner<TAdvTrackBar>(window_, "isEqGain", c);
    if (!frequency || !q || !gain || !partner<TMyPEQType8>(window_, "peqPeq", c) ||
        !partner<TControl>(window_, "lbFftParam", c))
        return;
    auto step = [](TAdvTrackBar* f, int by) { f->SetPosition(f->Position() + by); };
    switch (key) {
    case kKeyShift:
        break;
    case kKeyLeft:
        step(frequency, -1);
        break;
    case kKeyRight:
        step(frequency, 1);
        break;
    case kKeyPadPlus:
    case kKeyPlus:
        step(q, 1);
        break;
    case kKeyPadMinus:
    case kKeyMinus:
        step(q, -1);
        break;
    case kKeyUp:
        step(gain, 1);
        break;
    case kKeyDown:
        step(gain, -1);
        break;
    default:
        break;
    }
}

void PeqEditor::ShowPeqValues(int c, bool enable, double q, double gainDb, double frequencyHz)
{
    if (host_.IsBusy())
        return;
    auto* freqFader = partner<TAdvTrackBar>(window_, "isEqFreq", c);
    auto* qFader = partner<TAdvTrackBar>(window_, "isEqBw", c);
    auto* gainFader = partner<TAdvTrackBar>(window_, "isEqGain", c);
    auto* freqBox = partner<TCurvyEdit>(window_, "cvdEqFreq", c);
    auto* qBox = partner<TCurvyEdit>(window_, "cvdEqBw", c);
    auto* gainBox = partner<TCurvyEdit>(window_, "cvdEqGain", c);
    if (!freqFader || !qFader || !gainFader || !freqBox || !qBox || !gainBox)
        return;
    host_.SetBusy(true);
    freqFader->SetPosition(FreqToIndex(frequencyHz));
    freqFader->SetEnabled(enable);
    freqBox->SetText(frequencyHz >= 1000.0 ? Format("%4.2fKHz", frequencyHz / 1000.0)
                                           : Format("%4.1fHz", frequencyHz));
    gainFader->SetPosition(GainToIndex(gainDb));
    gainFader->SetEnabled(enable);
    gainBox->SetText(movingGainText(gainFader->Position()));
    qFader->SetPosition(QToIndex(q));
    qFader->SetEnabled(enable);
    qBox->SetText(qBoxText(qFader->Position()));
    host_.SetBusy(false);
}

void PeqEditor::FocusKeyBox(int c)
{
    // A box on a page out of sight cannot take the focus.
    auto* keys = partner<TCurvyEdit>(window_, "cvdEqParam", c);
    if (keys && keys->Edit().CanFocus())
        keys->SetFocus();
}

void PeqEditor::UpdatePeqSections(TObject* sender)
{
    auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(sender);
    if (!graph)
        return;
    const int c = graph->Tag();
    auto* grid = partner<TMyPEQType8>(window_, "peqPeq", c);
    auto* firView = partner<TRadioButton>(window_, "rbShowFir", c);
    Plot* plot = validChannel(c) ? host_.ChannelPlot(c) : nullptr;
    if (!grid || !firView || !plot)
        return;
    const int bands = grid->GetChannelNumber();
    for (int b = 0; b < bands && b < Plot::kPeqSections; ++b) {
        if (firView->Checked()) {
            plot->section(b).SetBiquad(0.0, kFlatFrequencyHz, kFlatQ, 10, 0.0F, 0.0F);
            plot->ShowSectionHandle(b, 0.0F, kHandleBand);
            continue;
        }
        const bool bypassed = grid->GetBypassValue(b) != 0;
        const double g = grid->GetGainValue(b);
        plot->section(b).SetPeq(bypassed ? 0.0 : g, grid->GetFreqValue(b), grid->GetQValue(b),
                                bypassed ? 10 : filterCodeOf(grid->GetTypeValue(b)));
        plot->ShowSectionHandle(b, static_cast<float>(g), kHandleBand);
    }
    plot->DrawSum(c);
}

void PeqEditor::ClearSelection()
{
    for (int c = 0; c < kChannelCount; ++c) {
        auto* grid = partner<TMyPEQType8>(window_, "peqPeq", c);
        const int now = grid ? grid->GetNowIndex() : 0;
        auto* button = findComponent<TRzBmpButton>(window_, bandButton(now == kNoBand ? 0 : now, c));
        if (!grid || !button)
            return;
        button->SetDown(false);
        ShowPeqValues(c, false, kNoBandQ, 0.0, kNoBandFrequencyHz);
        grid->SetNowIndex(kNoBand);
        grid->SetNowIndex(-1);
        if (Plot* plot = host_.ChannelPlot(c)) {
            plot->ShowSectionCurve(0, 0, 0.0F, 0.0F, false);
            plot->DrawSum(c);
        }
        if (auto* graph = partner<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c))
            graph->UpdateCurvePage();
    }
}

void PeqEditor::RebuildCurves()
{
    for (int c = 0; c < kChannelCount; ++c) {
        auto* grid = partner<TMyPEQType8>(window_, "peqPeq", c);
        auto* button = findComponent<TRzBmpButton>(window_, bandButton(0, c));
        if (!grid || !button)
            return;
        button->SetDown(true);
        const double g = grid->GetGainValue(0);
        const double q = grid->GetQValue(0);
        grid->SetNowIndex(0);
        ShowPeqValues(c, true, q, g, grid->GetFreqValue(0));
        if (Plot* plot = host_.ChannelPlot(c)) {
            plot->ShowSectionHandle(0, static_cast<float>(g), kHandleBand);
            plot->ShowSectionCurve(grid->GetTypeValue(0), 0, static_cast<float>(g), static_cast<float>(q), true);
            plot->DrawSum(c);
        }
        if (auto* graph = partner<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c))
            graph->UpdateCurvePage();
    }
}

void PeqEditor::ResetPeq(int c)
{
    auto* grid = partner<TMyPEQType8>(window_, "peqPeq", c);
    Plot* plot = validChannel(c) ? host_.ChannelPlot(c) : nullptr;
    if (!grid || !plot)
        return;
    LUnitControl& unit = host_.Unit();
    const int bands = c < kInputCount ? 14 : 6;
    grid->SetNowIndex(0);
    for (int b = bands - 1; b >= 0; --b) {
        const PeqBand band = unit.GetDefaultPeqBand(c, b);
        unit.SetPeqBand(c, b, band, 0);
        host_.SendCommand(CM_MCS_PEQ(host_.GetDeviceId(), static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(b),
                                     band.gain, band.frequency, band.q, band.type, 0),
                          true);
        const double f = IndexToFreq(band.frequency);
        const auto g = static_cast<double>(IndexToGain(band.gain));
        const double q = IndexToQ(band.q);
        grid->SetEqParamValue(b, f, band.q, g, band.type, 0);
        plot->section(b).SetPeq(g, f, q, filterCodeOf(band.type));
        plot->ShowSectionHandle(b, static_cast<float>(g), kHandleBand);
    }
}

void PeqEditor::EqBypassClick(TObject* sender)
{
    auto* button = dynamic_cast<TVrDemoButton*>(sender);
    if (!button)
        return;
    const int c = button->Tag();
    auto* graph = partner<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c);
    if (!graph || !validChannel(c))
        return;
    LUnitControl& unit = host_.Unit();
    const int bit = c < kInputCount ? c : c - kInputCount;
    int mask = unit.GetEqBypassMask(c);
    const int group = unit.GetLinkGroup(c);
    const bool bypassed = (mask & (1 << bit)) == 0;
    showBypassText(*graph, bypassed);
    mask = bypassed ? (mask | group) : (mask & ~group);
    unit.SetEqBypassMask(c, mask);
    graph->Repaint();
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), 0x3C, static_cast<std::uint8_t>(c), bypassed ? 1 : 0), false);
}

} // namespace qx
