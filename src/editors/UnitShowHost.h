#pragma once
// What showing the unit state needs of the window beyond its controls: its
// language, busy flag, moment, FIR tap counts and curve marks.

#include "model/FirImage.h"

#include <array>
#include <string_view>

namespace qx {

inline constexpr int kOverlayMaskCount = 14;
using OverlayMasks = std::array<int, kOverlayMaskCount>;

class UnitShowHost
{
public:
    virtual ~UnitShowHost() = default;

    virtual std::string_view Translate(std::string_view id) const = 0;
    // Set while the controls are written: their change handlers and the
    // model's setters then send nothing.
    virtual void SetBusy(bool busy) = 0;
    // Marks the curves of channel c (0-11) for a redraw.
    virtual void MarkCurveChanged(int channel) = 0;
    // The device preset in use (0: none) and whether the window is being made.
    virtual int ShownPreset() const = 0;
    virtual bool IsInitialising() const = 0;
    // The coefficient buffers' tap counts and the taps in use of the budget.
    virtual const FirCounts& FirTapCounts() const = 0;
    virtual void SetFirTaps(const FirCounts& counts, int inUse) = 0;
    virtual void SetOverlayMasks(const OverlayMasks& masks) = 0;

protected:
    UnitShowHost() = default;
    UnitShowHost(const UnitShowHost&) = default;
    UnitShowHost& operator=(const UnitShowHost&) = default;
};

} // namespace qx
