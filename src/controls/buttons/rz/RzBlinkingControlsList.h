#pragma once
// One process-wide timer that makes every blinking control switch its blink state
// together.

#include "controls/buttons/rz/RzCommon.h"

#include <cstdint>
#include <memory>
#include <vector>

class TObject;
class TTimer;

/// A control that takes part in blinking: it says whether it blinks and takes the new
/// state of the shared list.
class IRzBlinkClient
{
public:
    virtual bool BlinkQuery() = 0;
    virtual void BlinkStateChanged(TBlinkState State) = 0;

protected:
    ~IRzBlinkClient() = default;
};

class TRzBlinkingControlsList
{
public:
    TRzBlinkingControlsList();
    ~TRzBlinkingControlsList();

    void Add(IRzBlinkClient* Control);
    void Remove(IRzBlinkClient* Control);
    int Count() const { return static_cast<int>(controls_.size()); }
    std::uint16_t IntervalOff() const { return intervalOff_; }
    void SetIntervalOff(std::uint16_t Value) { intervalOff_ = Value; }
    std::uint16_t IntervalOn() const { return intervalOn_; }
    void SetIntervalOn(std::uint16_t Value) { intervalOn_ = Value; }
    TBlinkState BlinkState() const { return blinkState_; }

    /// Switches the state and tells every blinking control, in order of registration.
    void TimerFired(TObject* Sender);

private:
    TBlinkState blinkState_ = bsOff;
    std::vector<IRzBlinkClient*> controls_;
    std::unique_ptr<TTimer> timer_;
    std::uint16_t intervalOff_ = 500;
    std::uint16_t intervalOn_ = 500;
};

/// The shared list, null while no control is registered.
TRzBlinkingControlsList* BlinkingControlsList();
/// The shared list, created when there is none.
TRzBlinkingControlsList& AcquireBlinkingControlsList();
/// Frees the shared list when it holds no control.
void ReleaseBlinkingListIfEmpty();
