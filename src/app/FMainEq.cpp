// The main window's equaliser and crossover handlers: each hands its event
// to the page's editor in editors/eq.

#include "app/FMain.h"

#include "editors/eq/CrossoverEditor.h"
#include "editors/eq/PeqEditor.h"
#include "response/Plot.h"
#include "platform/gui/PropertyRegistry.h"

namespace {
constexpr Word kEnter = 13;
}

qx::PeqEditor& TfmMain::PeqEdit()
{
    if (!PeqEditing)
        PeqEditing = std::make_unique<qx::PeqEditor>(*this, *this);
    return *PeqEditing;
}

qx::CrossoverEditor& TfmMain::CrossoverEdit()
{
    if (!CrossoverEditing)
        CrossoverEditing = std::make_unique<qx::CrossoverEditor>(*this, *this);
    return *CrossoverEditing;
}

void TfmMain::peqPeqInAChange(TObject* Sender) { PeqEdit().GridChange(Sender); }

void TfmMain::peqPeqInAEditMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int)
{
    PeqEdit().GridEditMouseDown(Sender);
}

void TfmMain::peqPeqInAPeqTypeMouseWheel(TObject*, TShiftState, int, TPoint, bool& Handled) { Handled = true; }

void TfmMain::rzbEq1InAClick(TObject* Sender) { PeqEdit().BandButtonClick(Sender); }
void TfmMain::isEqFreqInAChange(TObject* Sender) { PeqEdit().FaderChange(Sender, qx::BandFader::Frequency); }
void TfmMain::isEqBwInAChange(TObject* Sender) { PeqEdit().FaderChange(Sender, qx::BandFader::Q); }
void TfmMain::isEqGainInAChange(TObject* Sender) { PeqEdit().FaderChange(Sender, qx::BandFader::Gain); }
void TfmMain::tmEqCurveTimer(TObject*) { PeqEdit().CurveTimer(); }

void TfmMain::cvdEqFreqInAExit(TObject* Sender) { PeqEdit().CommitBox(Sender, qx::BandFader::Frequency); }
void TfmMain::cvdEqBwInAExit(TObject* Sender) { PeqEdit().CommitBox(Sender, qx::BandFader::Q); }
void TfmMain::cvdEqGainInAExit(TObject* Sender) { PeqEdit().CommitBox(Sender, qx::BandFader::Gain); }

void TfmMain::cvdEqFreqInAKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        PeqEdit().CommitBox(Sender, qx::BandFader::Frequency);
}

void TfmMain::cvdEqBwInAKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        PeqEdit().CommitBox(Sender, qx::BandFader::Q);
}

void TfmMain::cvdEqGainInAKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        PeqEdit().CommitBox(Sender, qx::BandFader::Gain);
}

void TfmMain::cvdEqParamInAKeyDown(TObject* Sender, Word& Key, TShiftState) { PeqEdit().KeyStep(Sender, Key); }

void TfmMain::vrbEqBypassInAClick(TObject* Sender) { PeqEdit().EqBypassClick(Sender); }

void TfmMain::ShowPeqValues(int channel, bool enable, double q, double gainDb, double frequencyHz)
{
    PeqEdit().ShowPeqValues(channel, enable, q, gainDb, frequencyHz);
}

void TfmMain::FocusPeqKeyBox(int channel) { PeqEdit().FocusKeyBox(channel); }
void TfmMain::UpdatePeqSections(TObject* graph) { PeqEdit().UpdatePeqSections(graph); }
void TfmMain::ClearPeqSelection() { PeqEdit().ClearSelection(); }
void TfmMain::RebuildPeqCurves() { PeqEdit().RebuildCurves(); }
void TfmMain::ResetPeq(int channel) { PeqEdit().ResetPeq(channel); }

using Side = qx::CrossoverSide;

void TfmMain::isLowCutFreqInAChange(TObject* Sender) { CrossoverEdit().CutoffChange(Sender, Side::HighPass); }
void TfmMain::isHighCutFreqInAChange(TObject* Sender) { CrossoverEdit().CutoffChange(Sender, Side::LowPass); }
void TfmMain::rzcLowCutSlopInAChange(TObject* Sender) { CrossoverEdit().SlopeChange(Sender, Side::HighPass); }
void TfmMain::rzcHighCutSlopInAChange(TObject* Sender) { CrossoverEdit().SlopeChange(Sender, Side::LowPass); }
void TfmMain::rzbLowCutBypassInAClick(TObject* Sender) { CrossoverEdit().BypassClick(Sender, Side::HighPass); }
void TfmMain::rzbHighCutBypassInAClick(TObject* Sender) { CrossoverEdit().BypassClick(Sender, Side::LowPass); }
void TfmMain::cvdLowCutFreqInAExit(TObject* Sender) { CrossoverEdit().CommitCutoff(Sender, Side::HighPass); }
void TfmMain::cvdHighCutFreqInAExit(TObject* Sender) { CrossoverEdit().CommitCutoff(Sender, Side::LowPass); }
void TfmMain::tmHpLpCurveTimer(TObject*) { CrossoverEdit().CurveTimer(); }

// The wheel never changes a slope, mode or FIR list.
void TfmMain::rzcLowCutSlopInAMouseWheel(TObject*, TShiftState, int, TPoint, bool& Handled) { Handled = true; }
void TfmMain::rzcHighCutSlopInAMouseWheel(TObject*, TShiftState, int, TPoint, bool& Handled) { Handled = true; }

void TfmMain::cvdLowCutFreqInAKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        CrossoverEdit().CommitCutoff(Sender, Side::HighPass);
}

void TfmMain::cvdHighCutFreqInAKeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        CrossoverEdit().CommitCutoff(Sender, Side::LowPass);
}

void TfmMain::udLowCutBwOut1ChangingEx(TObject* Sender, bool&, std::int16_t NewValue, TUpDownDirection)
{
    CrossoverEdit().QChanging(Sender, NewValue, Side::HighPass);
}

void TfmMain::udHighCutBwOut1ChangingEx(TObject* Sender, bool&, std::int16_t NewValue, TUpDownDirection)
{
    CrossoverEdit().QChanging(Sender, NewValue, Side::LowPass);
}

void TfmMain::ComputeCrossoverCurve(int side, int slopeRow, double frequencyHz, int, int channel)
{
    if (Plot* plot = ChannelPlot(channel))
        qx::computeCrossoverCurve(*plot, side == 1 ? Side::HighPass : Side::LowPass, slopeRow, frequencyHz);
}

void TfmMain::UpdateHighPassSection(TObject* graph) { CrossoverEdit().UpdateSection(graph, Side::HighPass); }
void TfmMain::UpdateLowPassSection(TObject* graph) { CrossoverEdit().UpdateSection(graph, Side::LowPass); }

void qx::registerEqHandlers()
{
    registerClass<TfmMain, TForm>("TfmMain")
        .method("peqPeqInAChange", &TfmMain::peqPeqInAChange)
        .method("peqPeqInAEditMouseDown", &TfmMain::peqPeqInAEditMouseDown)
        .method("peqPeqInAPeqTypeMouseWheel", &TfmMain::peqPeqInAPeqTypeMouseWheel)
        .method("rzbEq1InAClick", &TfmMain::rzbEq1InAClick)
        .method("isEqFreqInAChange", &TfmMain::isEqFreqInAChange)
        .method("isEqBwInAChange", &TfmMain::isEqBwInAChange)
        .method("isEqGainInAChange", &TfmMain::isEqGainInAChange)
        .method("tmEqCurveTimer", &TfmMain::tmEqCurveTimer)
        .method("cvdEqFreqInAExit", &TfmMain::cvdEqFreqInAExit)
        .method("cvdEqFreqInAKeyDown", &TfmMain::cvdEqFreqInAKeyDown)
        .method("cvdEqBwInAExit", &TfmMain::cvdEqBwInAExit)
        .method("cvdEqBwInAKeyDown", &TfmMain::cvdEqBwInAKeyDown)
        .method("cvdEqGainInAExit", &TfmMain::cvdEqGainInAExit)
        .method("cvdEqGainInAKeyDown", &TfmMain::cvdEqGainInAKeyDown)
        .method("cvdEqParamInAKeyDown", &TfmMain::cvdEqParamInAKeyDown)
        .method("vrbEqBypassInAClick", &TfmMain::vrbEqBypassInAClick)
        .method("isLowCutFreqInAChange", &TfmMain::isLowCutFreqInAChange)
        .method("isHighCutFreqInAChange", &TfmMain::isHighCutFreqInAChange)
        .method("rzcLowCutSlopInAChange", &TfmMain::rzcLowCutSlopInAChange)
        .method("rzcHighCutSlopInAChange", &TfmMain::rzcHighCutSlopInAChange)
        .method("rzcLowCutSlopInAMouseWheel", &TfmMain::rzcLowCutSlopInAMouseWheel)
        .method("rzcHighCutSlopInAMouseWheel", &TfmMain::rzcHighCutSlopInAMouseWheel)
        .method("rzbLowCutBypassInAClick", &TfmMain::rzbLowCutBypassInAClick)
        .method("rzbHighCutBypassInAClick", &TfmMain::rzbHighCutBypassInAClick)
        .method("cvdLowCutFreqInAExit", &TfmMain::cvdLowCutFreqInAExit)
        .method("cvdLowCutFreqInAKeyDown", &TfmMain::cvdLowCutFreqInAKeyDown)
        .method("cvdHighCutFreqInAExit", &TfmMain::cvdHighCutFreqInAExit)
        .method("cvdHighCutFreqInAKeyDown", &TfmMain::cvdHighCutFreqInAKeyDown)
        .method("udLowCutBwOut1ChangingEx", &TfmMain::udLowCutBwOut1ChangingEx)
        .method("udHighCutBwOut1ChangingEx", &TfmMain::udHighCutBwOut1ChangingEx)
        .method("tmHpLpCurveTimer", &TfmMain::tmHpLpCurveTimer);
}
