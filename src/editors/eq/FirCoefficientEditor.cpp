#include "editors/eq/FirCoefficientEditor.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/eq/EqEditorHost.h"
#include "model/ControlNames.h"
#include "model/FileDialog.h"
#include "model/FirCoefficientFile.h"
#include "model/FirCommands.h"
#include "model/FirTapRule.h"
#include "model/LUnitControl.h"
#include "platform/gui/RadioButton.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

namespace qx {

namespace {

constexpr std::string_view kCoefficientError = "SID_INFO_ERROR_FIR_COEFF";
constexpr std::string_view kTooManyError = "SID_INFO_ERROR_TAP_OVER_2048";

template <class T>
T* part(const TComponent& window, const char* prefix, int channel)
{
    return findComponent<T>(window, prefix + channelSuffix(channel));
}

void flatten(PlotSection& section) { section.SetBiquad(0.0, 1000.0, 0.71, kFilterFlat, 0.0F, 0.0F); }

} // namespace

struct FirCoefficientEditor::Chosen
{
    FirFileRead read;
    std::string name; // the file name without folder and extension
};

FirCoefficientEditor::FirCoefficientEditor(const TComponent& window, EqEditorHost& host, FirBuffers& buffers,
                                           FirCounts& counts, FirChannelBuffer& impulse)
    : window_(window), host_(host), buffers_(buffers), counts_(counts), impulse_(impulse)
{
}

bool FirCoefficientEditor::CheckCoefficients(std::span<const float> values)
{
    if (std::none_of(values.begin(), values.end(), [](float v) { return v > kFirCoefficientLimit; }))
        return false;
    host_.ShowInformation(kCoefficientError);
    return true;
}

// A file that cannot be read, or whose text is refused, says so once; a
// file of too many values comes back with its first 2048 and its count.
bool FirCoefficientEditor::choose(Chosen& chosen)
{
    const auto path = host_.ChooseFile(FileDialog::OpenFirCoefficients);
    if (!path)
        return false;
    chosen.read = readFirCoefficientFile(*path);
    if (!chosen.read.ok() && chosen.read.status != FirFileStatus::TooMany) {
        host_.ShowInformation(chosen.read.textId);
        return false;
    }
    chosen.name = path->stem().string();
    return true;
}

void FirCoefficientEditor::take(int c, std::span<const float> values)
{
    FirChannelBuffer& buffer = buffers_[static_cast<std::size_t>(c)];
    buffer.fill(0.0F);
    std::copy(values.begin(), values.end(), buffer.begin());
    counts_[static_cast<std::size_t>(c)] = static_cast<int>(values.size());
}

void FirCoefficientEditor::spread(int c, const Chosen& chosen, const std::function<void(int, bool)>& drawFir)
{
    const std::span<const float> values = chosen.read.values;
    const unsigned members = host_.Unit().GetLinkGroup(c);
    const int first = c < kInputCount ? 0 : kInputCount;
    const int end = c < kInputCount ? kInputCount : kChannelCount;
    for (int m = first; m < end; ++m) {
        if (((members >> (m - first)) & 1U) == 0)
            continue;
        if (m != c)
            take(m, values);
        auto* name = part<TControl>(window_, "lbNowFirName", m);
        auto* taps = part<TControl>(window_, "lbNowFirTaps", m);
        auto* eqOnly = part<TRadioButton>(window_, "rbShowEq", m);
        auto* graph = part<LMyFFTDrawHpLp6dB>(window_, "fftDraw", m);
        Plot* plot = host_.ChannelPlot(m);
        if (!name || !taps || !eqOnly || !graph || !plot)
            continue;
        name->SetCaption(chosen.name);
        taps->SetCaption(std::to_string(values.size()));
        drawFir(m, eqOnly->Checked());
        plot->DrawSum(m);
        graph->UpdateCurvePage();
        host_.MarkCurveChanged(m);
    }
}

void FirCoefficientEditor::send(int c, int count)
{
    ResendFirCoefficients([this](const LCmd& command, bool urgent) { host_.SendCommand(command, urgent); },
                          host_.GetDeviceId(), c, buffers_[static_cast<std::size_t>(c)], count);
}

void FirCoefficientEditor::OutputImport(TObject* sender)
{
    auto* button = dynamic_cast<TControl*>(sender);
    if (!button)
        return;
    const int c = button->Tag();
    if (c < kInputCount || c >= kChannelCount)
        return;
    LUnitControl& unit = host_.Unit();
    OutputFilter filter = unit.GetOutputFilter(c);
    const int group = unit.CountLinkedChannels(c);
    auto* bypass = part<TRzBmpButton>(window_, "rzbFirBypass", c);
    if (!part<TControl>(window_, "lbNowFirName", c) || !part<TControl>(window_, "lbNowFirTaps", c) ||
        !part<TRadioButton>(window_, "rbShowEq", c) || !bypass)
        return;
    Chosen chosen;
    if (!choose(chosen))
        return;
    // An output checks the values before the count.
    const std::vector<float>& values = chosen.read.values;
    if (CheckCoefficients(values))
        return;
    if (chosen.read.status == FirFileStatus::TooMany) {
        host_.ShowInformation(kTooManyError);
        return;
    }
    const int count = static_cast<int>(values.size());
    if (filter.mode != kOutputModeIir && host_.ReserveFirTaps((count - outputFirTapsInUse(filter)) * group))
        return;
    take(c, values);
    filter.fir.type = kFirDesignTypeCoefficients;
    filter.fir.taps = static_cast<std::uint16_t>(count);
    unit.SetOutputFilter(c, filter);
    bypass->SetDown(false);
    host_.UpdateOutputFirPanel(c);
    const bool iir = filter.mode == kOutputModeIir;
    spread(c, chosen, [&](int m, bool eqOnly) {
        PlotSection& section = host_.ChannelPlot(m)->section(Plot::kOutputFirSection);
        if (eqOnly || iir)
            flatten(section);
        else
            section.SetFirCoefficients(std::span<const float>(buffers_[static_cast<std::size_t>(m)].data(),
                                                              static_cast<std::size_t>(count)));
    });
    send(c, count);
}

void FirCoefficientEditor::InputImport(TObject* sender)
{
    auto* button = dynamic_cast<TControl*>(sender);
    if (!button)
        return;
    const int c = button->Tag();
    if (c < 0 || c >= kInputCount)
        return;
    LUnitControl& unit = host_.Unit();
    const int group = unit.CountLinkedChannels(c);
    auto* bypass = part<TRzBmpButton>(window_, "rzbFirBypass", c);
    if (!part<TControl>(window_, "lbNowFirName", c) || !part<TControl>(window_, "lbNowFirTaps", c) || !bypass ||
        !part<TRadioButton>(window_, "rbShowEq", c))
        return;
    Chosen chosen;
    if (!choose(chosen))
        return;
    // An input checks the count before the values.
    if (chosen.read.status == FirFileStatus::TooMany) {
        host_.ShowInformation(kTooManyError);
        return;
    }
    const std::vector<float>& values = chosen.read.values;
    if (CheckCoefficients(values))
        return;
    const int count = static_cast<int>(values.size());
    if (host_.ReserveFirTaps((count - firTapsInUse(unit, c)) * group))
        return;
    take(c, values);
    unit.SetInputFirTaps(c, static_cast<std::uint16_t>(count));
    spread(c, chosen, [&](int m, bool eqOnly) {
        // "EQ" shows the FIR flat: a unit impulse of the same length.
        const FirChannelBuffer& drawn = eqOnly ? impulse_ : buffers_[static_cast<std::size_t>(m)];
        host_.ChannelPlot(m)->section(Plot::kHighPassSection)
            .SetFirCoefficients(std::span<const float>(drawn.data(), static_cast<std::size_t>(count)));
    });
    send(c, count);
    bypass->SetDown(false);
    unit.SetInputFirBypass(c, 0);
}

void FirCoefficientEditor::InputBypassClick(TObject* sender)
{
    auto* button = dynamic_cast<TRzBmpButton*>(sender);
    if (!button)
        return;
    const int c = button->Tag();
    auto* eqOnly = part<TRadioButton>(window_, "rbShowEq", c);
    Plot* plot = c >= 0 && c < kInputCount ? host_.ChannelPlot(c) : nullptr;
    if (!eqOnly || !plot)
        return;
    LUnitControl& unit = host_.Unit();
    const bool bypassed = button->Down();
    const int taps = unit.GetInputFirTaps(c);
    const int delta = inputFirTapsInUse(bypassed, taps) - firTapsInUse(unit, c);
    if (host_.ReserveFirTaps(delta * unit.CountLinkedChannels(c))) {
        button->SetDown(true);
        return;
    }
    const std::size_t k = static_cast<std::size_t>(c);
    PlotSection& section = plot->section(Plot::kHighPassSection);
    if (bypassed) {
        impulse_[0] = 1.0F;
        section.SetFirCoefficients(std::span<const float>(impulse_.data(), 1));
    } else if (isUnitImpulse(buffers_[k], counts_[k]) || eqOnly->Checked()) {
        flatten(section);
    } else {
        section.SetFirCoefficients(
            std::span<const float>(buffers_[k].data(), static_cast<std::size_t>(coefficientCount(counts_[k]))));
    }
    plot->DrawSum(c);
    if (auto* graph = part<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c))
        graph->UpdateCurvePage();
    host_.MarkCurveChanged(c);
    unit.SetInputFirBypass(c, bypassed ? 1 : 0);
}

} // namespace qx
