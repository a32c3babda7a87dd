#pragma once
// FIR coefficient lists: a coefficient file imported into an output or an
// input (checked, counted against the FIR tap budget, stored in the channel's
// buffer and those of its link group, drawn, and sent in blocks of 12), and
// the input FIR bypass. The blocks of a whole channel are sent by the model's
// routines (model/FirCommands), which the transfers use too.

#include "model/FirImage.h"

#include <functional>
#include <span>

class TComponent;
class TObject;

namespace qx {

class EqEditorHost;

class FirCoefficientEditor
{
public:
    // buffers and counts: the window's coefficient buffers and their tap
    // counts; impulse: the window's unit impulse buffer.
    FirCoefficientEditor(const TComponent& window, EqEditorHost& host, FirBuffers& buffers, FirCounts& counts,
                         FirChannelBuffer& impulse);

    void OutputImport(TObject* sender);
    void InputImport(TObject* sender);
    void InputBypassClick(TObject* sender);
    // True, with the message shown, when a value is above 50.0.
    bool CheckCoefficients(std::span<const float> values);

private:
    // The values of the chosen file, or nothing when it was refused (the
    // message shown) or none was chosen.
    struct Chosen;
    bool choose(Chosen& chosen);
    void take(int channel, std::span<const float> values);
    // The chosen file's values to every member of the channel's link group:
    // buffer, tap count, labels and graph (drawFir sets the member's FIR
    // section, given whether its graph shows the EQ only).
    void spread(int channel, const Chosen& chosen, const std::function<void(int, bool)>& drawFir);
    void send(int channel, int count);

    const TComponent& window_;
    EqEditorHost& host_;
    FirBuffers& buffers_;
    FirCounts& counts_;
    FirChannelBuffer& impulse_;
};

} // namespace qx
