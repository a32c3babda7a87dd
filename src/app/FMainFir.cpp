// The main window's FIR tap budget and FIR handlers: each hands its event to
// the FIR editors in editors/eq.

#include "app/FMain.h"

#include "editors/eq/FirCoefficientEditor.h"
#include "editors/eq/FirTapBudget.h"
#include "editors/eq/OutputFirEditor.h"
#include "model/FirTapRule.h"
#include "model/LUnitControl.h"
#include "platform/gui/PropertyRegistry.h"

#include <span>

int TfmMain::FirTapsInUse(int channel) const { return UnitControl ? qx::firTapsInUse(*UnitControl, channel) : 0; }

bool TfmMain::ReserveFirTaps(int delta)
{
    if (qx::firTapsRefused(FirTapsReserved, delta)) {
        ShowInformation("SID_INFO_ERROR_FIR_TAPS");
        return true;
    }
    FirTapsReserved += delta;
    return false;
}

qx::OutputFirEditor& TfmMain::OutputFirEdit()
{
    if (!OutputFirEditing)
        OutputFirEditing = std::make_unique<qx::OutputFirEditor>(*this, *this, FirDesign, FirCoeffs, FirTaps);
    return *OutputFirEditing;
}

qx::FirCoefficientEditor& TfmMain::FirCoefficientEdit()
{
    if (!FirCoefficientEditing)
        FirCoefficientEditing =
            std::make_unique<qx::FirCoefficientEditor>(*this, *this, FirCoeffs, FirTaps, BypassImpulse);
    return *FirCoefficientEditing;
}

namespace {
constexpr Word kEnter = 13;
}

using Cut = qx::FirCut;

void TfmMain::rzcModeOut1Change(TObject* Sender) { OutputFirEdit().ModeChange(Sender); }
void TfmMain::rzcFirTypeOut1Change(TObject* Sender) { OutputFirEdit().TypeChange(Sender); }
void TfmMain::rzcFirWinOut1Change(TObject* Sender) { OutputFirEdit().WindowChange(Sender); }
void TfmMain::rzcFirTapsOut1Change(TObject* Sender) { OutputFirEdit().TapsChange(Sender); }
void TfmMain::isFirLowCutOut1Change(TObject* Sender) { OutputFirEdit().CutoffChange(Sender, Cut::Low); }
void TfmMain::isFirHighCutOut1Change(TObject* Sender) { OutputFirEdit().CutoffChange(Sender, Cut::High); }
void TfmMain::cvdFirLowCutOut1Exit(TObject* Sender) { OutputFirEdit().CommitCutoff(Sender, Cut::Low); }
void TfmMain::cvdFirHighCutOut1Exit(TObject* Sender) { OutputFirEdit().CommitCutoff(Sender, Cut::High); }

void TfmMain::cvdFirLowCutOut1KeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        OutputFirEdit().CommitCutoff(Sender, Cut::Low);
}

void TfmMain::cvdFirHighCutOut1KeyDown(TObject* Sender, Word& Key, TShiftState)
{
    if (Key == kEnter)
        OutputFirEdit().CommitCutoff(Sender, Cut::High);
}

void TfmMain::rzbFirBypassOut1Click(TObject* Sender) { OutputFirEdit().BypassClick(Sender); }
void TfmMain::bnFirOKOut1Click(TObject* Sender) { OutputFirEdit().OkClick(Sender); }
void TfmMain::UpdateOutputFirPanel(int channel) { OutputFirEdit().UpdatePanel(channel); }
void TfmMain::sbOpenFileOut1Click(TObject* Sender) { FirCoefficientEdit().OutputImport(Sender); }
void TfmMain::sbOpenFirFileInAClick(TObject* Sender) { FirCoefficientEdit().InputImport(Sender); }
void TfmMain::rzbFirBypassInAClick(TObject* Sender) { FirCoefficientEdit().InputBypassClick(Sender); }

bool TfmMain::CheckFirCoefficients(const float* values, int count)
{
    return values && count > 0 &&
           FirCoefficientEdit().CheckCoefficients(std::span<const float>(values, static_cast<std::size_t>(count)));
}

void qx::registerFirHandlers()
{
    registerClass<TfmMain, TForm>("TfmMain")
        .method("rzcModeOut1Change", &TfmMain::rzcModeOut1Change)
        .method("rzcFirTypeOut1Change", &TfmMain::rzcFirTypeOut1Change)
        .method("rzcFirWinOut1Change", &TfmMain::rzcFirWinOut1Change)
        .method("rzcFirTapsOut1Change", &TfmMain::rzcFirTapsOut1Change)
        .method("isFirLowCutOut1Change", &TfmMain::isFirLowCutOut1Change)
        .method("isFirHighCutOut1Change", &TfmMain::isFirHighCutOut1Change)
        .method("cvdFirLowCutOut1Exit", &TfmMain::cvdFirLowCutOut1Exit)
        .method("cvdFirLowCutOut1KeyDown", &TfmMain::cvdFirLowCutOut1KeyDown)
        .method("cvdFirHighCutOut1Exit", &TfmMain::cvdFirHighCutOut1Exit)
        .method("cvdFirHighCutOut1KeyDown", &TfmMain::cvdFirHighCutOut1KeyDown)
        .method("rzbFirBypassOut1Click", &TfmMain::rzbFirBypassOut1Click)
        .method("bnFirOKOut1Click", &TfmMain::bnFirOKOut1Click)
        .method("sbOpenFileOut1Click", &TfmMain::sbOpenFileOut1Click)
        .method("sbOpenFirFileInAClick", &TfmMain::sbOpenFirFileInAClick)
        .method("rzbFirBypassInAClick", &TfmMain::rzbFirBypassInAClick);
}
