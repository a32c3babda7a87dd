#include "editors/eq/OutputFirEditor.h"

#include "codec/CmMcs.h"
#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/eq/EqEditorHost.h"
#include "editors/eq/PeqEditor.h"
#include "model/ControlNames.h"
#include "model/FirTapRule.h"
#include "model/LUnitControl.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/RadioButton.h"
#include "platform/text/Format.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace qx {

namespace {

constexpr std::uint8_t kOutputModeCommand = 0x4C;
constexpr int kDroppedDesignTaps = 512;
constexpr int kFirTypeLowPass = 1;
constexpr int kFirTypeHighPass = 2;
constexpr int kFirTypeBandPass = 3;
constexpr int kFirWindowLast = 10;
constexpr TColor kBoxFontBlack = 0x000000;
constexpr TColor kBoxFontGrey = 0x808080;
constexpr std::array<const char*, 5> kDesignBoxes = {"rzgFirLowCut", "rzgFirHighCut", "rzgFirType", "rzgFirWin",
                                                     "rzgFirTaps"};

template <class T>
T* part(const TComponent& window, const char* prefix, int channel)
{
    return findComponent<T>(window, prefix + channelSuffix(channel));
}

bool isOutput(int c) { return c >= kInputCount && c < kChannelCount; }

void setFontColour(TControl& control, TColor colour)
{
    TFont font = control.Font();
    font.Color = colour;
    control.SetFont(font);
}

// The cut-off faders and boxes a FIR type uses: the high cut for low-pass,
// the low cut for high-pass, both for band-pass, none otherwise.
struct CutoffControls
{
    TAdvTrackBar* lowFader;
    TAdvTrackBar* highFader;
    TControl* lowBox;
    TControl* highBox;
    bool found() const { return lowFader && highFader && lowBox && highBox; }
    void enableFor(int type) const
    {
        const bool low = type == kFirTypeHighPass || type == kFirTypeBandPass;
        const bool high = type == kFirTypeLowPass || type == kFirTypeBandPass;
        lowFader->SetEnabled(low);
        lowBox->SetEnabled(low);
        highFader->SetEnabled(high);
        highBox->SetEnabled(high);
    }
};

CutoffControls cutoffControls(const TComponent& window, int c)
{
    return {part<TAdvTrackBar>(window, "isFirLowCut", c), part<TAdvTrackBar>(window, "isFirHighCut", c),
            part<TControl>(window, "cvdFirLowCut", c), part<TControl>(window, "cvdFirHighCut", c)};
}

// The taps a design is drawn with: the count for a bypass or file, the
// designed length for types 1-3.
int drawnTaps(const OutputFirSettings& design)
{
    return isDesignedFir(design.type) ? designedFirTaps(design.taps) : coefficientCount(design.taps);
}

} // namespace

OutputFirEditor::OutputFirEditor(const TComponent& window, EqEditorHost& host, PendingFirDesigns& pending,
                                 FirBuffers& buffers, FirCounts& counts)
    : window_(window), host_(host), pending_(pending), buffers_(buffers), counts_(counts)
{
}

OutputFirSettings& OutputFirEditor::pending(int c)
{
    return pending_[static_cast<std::size_t>(std::clamp(c - kInputCount, 0, kOutputCount - 1))];
}

void OutputFirEditor::ModeChange(TObject* sender)
{
    auto* combo = dynamic_cast<TComboBox*>(sender);
    if (!combo || host_.IsBusy())
        return;
    const int c = combo->Tag();
    auto* grid = part<TMyPEQType8>(window_, "peqPeq", c);
    auto* graph = part<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c);
    auto* tapsLabel = part<TControl>(window_, "lbNowFirTaps", c);
    Plot* plot = isOutput(c) ? host_.ChannelPlot(c) : nullptr;
    if (!grid || !part<TRadioButton>(window_, "rbShowFir", c) || !part<TRadioButton>(window_, "rbShowEq", c) ||
        !graph || !tapsLabel || !plot)
        return;
    LUnitControl& unit = host_.Unit();
    const OutputFilter stored = unit.GetOutputFilter(c);
    const int group = unit.CountLinkedChannels(c);
    const int mode = combo->ItemIndex();
    if (mode < 0 || mode == stored.mode)
        return;
    OutputFilter changed = stored;
    changed.mode = static_cast<std::int16_t>(mode);
    // IIR + FIR runs no designed FIR: the design is dropped.
    const bool dropDesign = mode == kOutputModeIirFir && isDesignedFir(stored.fir.type);
    if (dropDesign) {
        changed.fir.type = kFirDesignTypeBypass;
        changed.fir.taps = kDroppedDesignTaps;
    }
    if (host_.ReserveFirTaps((outputFirTapsInUse(changed) - outputFirTapsInUse(stored)) * group)) {
        // Only a change from IIR can be refused: the list shows the stored mode again.
        combo->SetItemIndex(stored.mode >= kOutputModeIir && stored.mode <= kOutputModeIirFir ? stored.mode
                                                                                             : kOutputModeIir);
        host_.UpdateOutputFirPanel(c);
        return;
    }
    if (dropDesign) {
        tapsLabel->SetCaption(std::to_string(kDroppedDesignTaps));
        buffers_[static_cast<std::size_t>(c)] = unitImpulse();
        counts_[static_cast<std::size_t>(c)] = kDroppedDesignTaps;
    }
    host_.UpdateOutputFirPanel(c);
    unit.SetOutputFilter(c, changed);
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), kOutputModeCommand, static_cast<std::uint8_t>(c),
                                 static_cast<std::uint8_t>(mode)),
                      true);
    host_.UpdateFirSection(graph);
    host_.UpdateHighPassSection(graph);
    host_.UpdateLowPassSection(graph);
    host_.UpdatePeqSections(graph);
    showCurrentBandCurve(*plot, *grid);
    plot->DrawSum(c);
    graph->UpdateCurvePage();
    host_.MarkCurveChanged(c);
}

void OutputFirEditor::UpdatePanel(int c)
{
    auto* mode = part<TComboBox>(window_, "rzcMode", c);
    auto* lowCut = part<TControl>(window_, "rzgLowCut", c);
    auto* highCut = part<TControl>(window_, "rzgHighCut", c);
    auto* lowBypass = part<TRzBmpButton>(window_, "rzbLowCutBypass", c);
    auto* highBypass = part<TRzBmpButton>(window_, "rzbHighCutBypass", c);
    auto* firBypass = part<TRzBmpButton>(window_, "rzbFirBypass", c);
    auto* fileBox = part<TControl>(window_, "rzgFir", c);
    auto* type = part<TComboBox>(window_, "rzcFirType", c);
    const CutoffControls cutoffs = cutoffControls(window_, c);
    std::array<TControl*, kDesignBoxes.size()> design{};
    for (std::size_t k = 0; k < design.size(); ++k)
        design[k] = part<TControl>(window_, kDesignBoxes[k], c);
    if (!isOutput(c) || !mode || !lowCut || !highCut || !lowBypass || !highBypass || !firBypass || !fileBox ||
        !type || !cutoffs.found() || std::find(design.begin(), design.end(), nullptr) != design.end())
        return;
    const OutputFilter stored = host_.Unit().GetOutputFilter(c);
    const auto designBoxes = [&](bool enabled) {
        for (TControl* box : design)
            box->SetEnabled(enabled);
    };
    lowBypass->SetDown(false);
    highBypass->SetDown(false);
    firBypass->SetDown(false);
    switch (mode->ItemIndex()) {
    case kOutputModeIir:
        fileBox->SetEnabled(false);
        for (TControl* box : {lowCut, highCut}) {
            box->SetEnabled(true);
            box->BringToFront();
        }
        break;
    case kOutputModeFir:
        lowCut->SetEnabled(false);
        highCut->SetEnabled(false);
        fileBox->SetEnabled(true);
        if (stored.fir.type < kFirDesignTypeCoefficients) {
            designBoxes(true);
            setFontColour(*cutoffs.lowBox, kBoxFontBlack);
            setFontColour(*cutoffs.highBox, kBoxFontBlack);
            TypeChange(type);
            if (stored.fir.type == kFirDesignTypeBypass) {
                type->SetItemIndex(0);
                cutoffs.enableFor(kFirDesignTypeBypass);
                firBypass->SetDown(true);
            } else {
                fileBox->SetEnabled(false);
            }
        } else {
            type->SetItemIndex(0);
            designBoxes(false);
            setFontColour(*cutoffs.lowBox, kBoxFontGrey);
            setFontColour(*cutoffs.highBox, kBoxFontGrey);
        }
        for (TControl* box : design)
            box->BringToFront();
        break;
    case kOutputModeIirFir:
        fileBox->SetEnabled(true);
        for (TControl* box : {lowCut, highCut}) {
            box->SetEnabled(true);
            box->BringToFront();
        }
        if (stored.fir.type < kFirDesignTypeCoefficients) {
            firBypass->SetDown(false);
            firBypass->SetDown(true);
        }
        break;
    default:
        break;
    }
    lowBypass->SetDown(stored.highPassSlope == 0);
    highBypass->SetDown(stored.lowPassSlope == 0);
}

void OutputFirEditor::enableOk(int c)
{
    if (auto* ok = part<TControl>(window_, "bnFirOK", c))
        ok->SetEnabled(true);
}

void OutputFirEditor::TypeChange(TObject* sender)
{
    auto* combo = dynamic_cast<TComboBox*>(sender);
    if (!combo || host_.IsBusy())
        return;
    const int c = combo->Tag();
    enableOk(c);
    const CutoffControls cutoffs = cutoffControls(window_, c);
    if (!cutoffs.found())
        return;
    const int type = combo->ItemIndex();
    cutoffs.enableFor(type);
    auto* taps = part<TComboBox>(window_, "rzcFirTaps", c);
    if (!part<TControl>(window_, "rzgFirTaps", c) || !part<TControl>(window_, "rzgFirWin", c) ||
        !part<TControl>(window_, "rzgShowFirName", c) || !part<TControl>(window_, "rzgShowFirTaps", c) || !taps ||
        type < 0)
        return;
    if (!isOutput(c))
        return;
    if (type != kFirDesignTypeCoefficients && taps->ItemIndex() >= 0)
        pending(c).taps = static_cast<std::uint16_t>(taps->ItemIndex());
    pending(c).type = static_cast<std::uint8_t>(type);
}

void OutputFirEditor::WindowChange(TObject* sender)
{
    auto* combo = dynamic_cast<TComboBox*>(sender);
    if (!combo || host_.IsBusy())
        return;
    enableOk(combo->Tag());
    if (combo->ItemIndex() >= 0 && isOutput(combo->Tag()))
        pending(combo->Tag()).window = static_cast<std::uint8_t>(combo->ItemIndex());
}

void OutputFirEditor::TapsChange(TObject* sender)
{
    auto* combo = dynamic_cast<TComboBox*>(sender);
    if (!combo || host_.IsBusy())
        return;
    enableOk(combo->Tag());
    if (combo->ItemIndex() >= 0 && isOutput(combo->Tag()))
        pending(combo->Tag()).taps = static_cast<std::uint16_t>(combo->ItemIndex());
}

void OutputFirEditor::CutoffChange(TObject* sender, FirCut cut)
{
    auto* fader = dynamic_cast<TAdvTrackBar*>(sender);
    if (!fader || host_.IsBusy())
        return;
    const int c = fader->Tag();
    enableOk(c);
    const bool low = cut == FirCut::Low;
    auto* box = part<TCurvyEdit>(window_, low ? "cvdFirLowCut" : "cvdFirHighCut", c);
    auto* other = part<TAdvTrackBar>(window_, low ? "isFirHighCut" : "isFirLowCut", c);
    auto* type = part<TComboBox>(window_, "rzcFirType", c);
    if (!box || !other || !type || !isOutput(c))
        return;
    TAdvTrackBar& lowFader = low ? *fader : *other;
    TAdvTrackBar& highFader = low ? *other : *fader;
    // The low cut stays below the high cut: the moved fader pushes the
    // other along, or is held back, by the type.
    if (lowFader.Position() >= highFader.Position()) {
        const int t = type->ItemIndex();
        if (low && t == kFirTypeHighPass)
            highFader.SetPosition(lowFader.Position() + 1);
        else if (low && t == kFirTypeBandPass)
            lowFader.SetPosition(highFader.Position() - 1);
        else if (!low && t == kFirTypeLowPass)
            lowFader.SetPosition(highFader.Position() - 1);
        else if (!low && t == kFirTypeBandPass)
            highFader.SetPosition(lowFader.Position() + 1);
    }
    const double f = IndexToFreq(fader->Position());
    box->SetText(f >= 1000.0 ? Format("%4.2fKHz", f / 1000.0) : Format(" %4.1fHz", f));
    (low ? pending(c).lowCut : pending(c).highCut) = static_cast<std::uint16_t>(fader->Position());
}

void OutputFirEditor::CommitCutoff(TObject* sender, FirCut cut)
{
    auto* box = dynamic_cast<TCurvyEdit*>(sender);
    if (!box)
        return;
    if (auto* fader = part<TAdvTrackBar>(window_, cut == FirCut::Low ? "isFirLowCut" : "isFirHighCut", box->Tag()))
        commitTypedValue(*box, *fader, BandFader::Frequency);
}

void OutputFirEditor::drawCoefficientsOrFlat(int c, bool coefficients)
{
    Plot* plot = host_.ChannelPlot(c);
    if (!plot)
        return;
    PlotSection& section = plot->section(Plot::kOutputFirSection);
    if (coefficients)
        section.SetFirCoefficients(std::span<const float>(buffers_[static_cast<std::size_t>(c)].data(),
                                                          static_cast<std::size_t>(coefficientCount(
                                                              counts_[static_cast<std::size_t>(c)]))));
    else
        section.SetBiquad(0.0, 1000.0, 0.71, kFilterFlat, 0.0F, 0.0F);
    plot->DrawSum(c);
    if (auto* graph = part<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c))
        graph->UpdateCurvePage();
}

void OutputFirEditor::BypassClick(TObject* sender)
{
    auto* button = dynamic_cast<TRzBmpButton*>(sender);
    if (!button)
        return;
    const int c = button->Tag();
    auto* eqOnly = part<TRadioButton>(window_, "rbShowEq", c);
    if (!isOutput(c) || !eqOnly)
        return;
    LUnitControl& unit = host_.Unit();
    const OutputFilter stored = unit.GetOutputFilter(c);
    const bool bypassed = button->Down();
    OutputFilter changed = stored;
    changed.fir.type = static_cast<std::uint8_t>(bypassed ? kFirDesignTypeBypass : kFirDesignTypeCoefficients);
    if (stored.mode != kOutputModeIir &&
        host_.ReserveFirTaps((outputFirTapsInUse(changed) - outputFirTapsInUse(stored)) *
                             unit.CountLinkedChannels(c))) {
        button->SetDown(true);
        return;
    }
    const std::size_t k = static_cast<std::size_t>(c);
    const bool impulse = isUnitImpulse(buffers_[k], counts_[k]);
    drawCoefficientsOrFlat(c, !bypassed && !impulse && stored.mode != kOutputModeIir && !eqOnly->Checked());
    host_.MarkCurveChanged(c);
    unit.SetOutputFir(c, changed.fir);
    host_.UpdateOutputFirPanel(c);
}

void OutputFirEditor::OkClick(TObject* sender)
{
    auto* ok = dynamic_cast<TControl*>(sender);
    if (!ok || host_.IsBusy())
        return;
    const int c = ok->Tag();
    auto* type = part<TComboBox>(window_, "rzcFirType", c);
    auto* taps = part<TComboBox>(window_, "rzcFirTaps", c);
    auto* firWindow = part<TComboBox>(window_, "rzcFirWin", c);
    auto* tapsLabel = part<TControl>(window_, "lbNowFirTaps", c);
    auto* windowBox = part<TControl>(window_, "rzgFirWin", c);
    auto* tapsBox = part<TControl>(window_, "rzgFirTaps", c);
    auto* nameBox = part<TControl>(window_, "rzgShowFirName", c);
    auto* countBox = part<TControl>(window_, "rzgShowFirTaps", c);
    auto* fileBox = part<TControl>(window_, "rzgFir", c);
    auto* firBypass = part<TRzBmpButton>(window_, "rzbFirBypass", c);
    const CutoffControls cutoffs = cutoffControls(window_, c);
    Plot* plot = isOutput(c) ? host_.ChannelPlot(c) : nullptr;
    if (!type || !taps || !firWindow || !tapsLabel || !windowBox || !tapsBox || !nameBox || !countBox ||
        !cutoffs.found() || !fileBox || !firBypass || !plot)
        return;
    LUnitControl& unit = host_.Unit();
    const OutputFilter stored = unit.GetOutputFilter(c);
    OutputFirSettings& design = pending(c);
    // The stored coefficients from a file again: nothing to apply.
    if (design.type >= kFirDesignTypeCoefficients && design == stored.fir)
        return;
    const int group = unit.CountLinkedChannels(c);
    const int before = outputFirTapsInUse(stored);
    OutputFilter changed = stored;
    changed.fir = design;
    if (design.type != kFirDesignTypeBypass) {
        if (host_.ReserveFirTaps((outputFirTapsInUse(changed) - before) * group)) {
            // The controls show the stored design again.
            design = stored.fir;
            const bool file = stored.fir.type >= kFirDesignTypeCoefficients;
            type->SetItemIndex(file ? 0 : stored.fir.type);
            cutoffs.enableFor(stored.fir.type);
            if (file) {
                windowBox->Hide();
                tapsBox->Hide();
                for (TControl* box : {nameBox, countBox}) {
                    box->Show();
                    box->BringToFront();
                }
            } else {
                firWindow->SetItemIndex(stored.fir.window);
                taps->SetItemIndex(stored.fir.taps);
                for (TControl* box : {windowBox, tapsBox}) {
                    box->Show();
                    box->BringToFront();
                }
            }
            ok->SetEnabled(false);
            return;
        }
    } else {
        host_.ReserveFirTaps(-before * group);
        design.taps = static_cast<std::uint16_t>(drawnTaps(stored.fir));
        tapsLabel->SetCaption(std::to_string(design.taps));
    }
    // The file's coefficients go with a new design or a bypass.
    const std::size_t k = static_cast<std::size_t>(c);
    if (design.type == kFirDesignTypeBypass ||
        (stored.fir.type >= kFirDesignTypeCoefficients && design.type < kFirDesignTypeCoefficients))
        buffers_[k] = unitImpulse();
    ok->SetEnabled(false);
    unit.SetOutputFir(c, design);
    PlotSection& section = plot->section(Plot::kOutputFirSection);
    if (design.type >= kFirDesignTypeCoefficients)
        section.SetFirCoefficients(
            std::span<const float>(buffers_[k].data(), static_cast<std::size_t>(coefficientCount(counts_[k]))));
    else
        section.SetFirDesign(design.type, std::min<int>(design.window, kFirWindowLast),
                             IndexToFreq(design.lowCut), IndexToFreq(design.highCut), drawnTaps(design));
    plot->DrawSum(c);
    if (auto* graph = part<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c))
        graph->UpdateCurvePage();
    if (design.type == kFirDesignTypeBypass) {
        fileBox->SetEnabled(true);
        firBypass->SetDown(false);
        firBypass->SetDown(true);
    } else {
        fileBox->SetEnabled(false);
    }
}

} // namespace qx
