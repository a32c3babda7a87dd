#pragma once
// The repaint rule of one plot-library control: a repaint request is held back inside an
// update bracket and, with AutoFrameRate, throttled to UpdateFrameRate repaints per second
// on the timers' monotonic clock; held-back requests wait for a later request, the end of
// the bracket or the global repaint timer. The rule only decides; the control repaints.

#include <cstdint>

/// True when a control whose last invalidation was at lastMs may invalidate again at nowMs
/// with frameRate repaints per second. The interval is computed in floating point, so a huge
/// rate does not overflow; a rate of 0 or below means no throttle, and so does a clock that
/// reads earlier than lastMs (one that was set back).
bool FrameIntervalPassed(std::int64_t lastMs, int frameRate, std::int64_t nowMs);

class TiRepaintRule
{
public:
    /// Stamps the last repaint with the clock's reading now.
    TiRepaintRule();

    bool UpdateActive() const { return FUpdateActive; }
    bool NeedsRepaint() const { return FNeedsRepaint; }
    int UpdateFrameRate() const { return FUpdateFrameRate; }
    void SetUpdateFrameRate(int Value) { FUpdateFrameRate = Value; }
    bool AutoFrameRate() const { return FAutoFrameRate; }
    void SetAutoFrameRate(bool Value) { FAutoFrameRate = Value; }
    /// Monotonic milliseconds of the last repaint.
    std::int64_t LastUpdate() const { return FLastUpdate; }

    /// Opens the bracket; one EndUpdate closes any number of BeginUpdate.
    void BeginUpdate() { FUpdateActive = true; }
    /// Closes the bracket; true when a held-back request is due now.
    bool EndUpdate();
    /// A repaint request; true when the control repaints now, false when it is held back.
    bool Request();
    /// True unless AutoFrameRate throttles and the frame interval has not passed.
    bool Due() const;
    /// The control repainted: nothing pending, stamped now.
    void Repainted();

private:
    bool FUpdateActive = false;
    int FUpdateFrameRate = 60;
    std::int64_t FLastUpdate = 0;
    bool FNeedsRepaint = false;
    bool FAutoFrameRate = false;
};
