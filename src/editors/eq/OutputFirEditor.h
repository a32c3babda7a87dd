#pragma once
// The FIR editor of each output: the processing mode (IIR, FIR, IIR + FIR),
// which applies at once, and an FIR designed from a type, a window, two
// cut-offs and a tap count, assembled in the FIR controls as the window's
// pending design and applied with OK; the FIR bypass switches between no FIR
// and the loaded coefficients. Every change that adds taps asks the FIR tap
// budget first. One layout routine enables, greys and stacks the output's
// crossover and FIR boxes for its mode and FIR type.

#include "model/FirImage.h"
#include "model/UnitRecord.h"

#include <array>
#include "model/RecordFields.h"

class TComponent;
class TObject;

namespace qx {

class EqEditorHost;

// The pending FIR design of each output (outputs 1-8), edited by its FIR
// controls and applied with OK; every FIR section update puts the stored
// design back.
using PendingFirDesigns = std::array<OutputFirSettings, kOutputCount>;

enum class FirCut
{
    Low,
    High
};

class OutputFirEditor
{
public:
    // pending: the window's pending FIR designs; buffers and counts: the
    // coefficient buffers and their tap counts.
    OutputFirEditor(const TComponent& window, EqEditorHost& host, PendingFirDesigns& pending, FirBuffers& buffers,
                    FirCounts& counts);

    void ModeChange(TObject* sender);
    void TypeChange(TObject* sender);
    void WindowChange(TObject* sender);
    void TapsChange(TObject* sender);
    void CutoffChange(TObject* sender, FirCut cut);
    void CommitCutoff(TObject* sender, FirCut cut);
    void BypassClick(TObject* sender);
    void OkClick(TObject* sender);
    // Enables, greys and stacks the output's crossover and FIR boxes.
    void UpdatePanel(int channel);

private:
    void enableOk(int channel);
    void drawCoefficientsOrFlat(int channel, bool coefficients);
    // The pending design of output channel c (4-11).
    OutputFirSettings& pending(int channel);

    const TComponent& window_;
    EqEditorHost& host_;
    PendingFirDesigns& pending_;
    FirBuffers& buffers_;
    FirCounts& counts_;
};

} // namespace qx
