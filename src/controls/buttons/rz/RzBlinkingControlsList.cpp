#include "controls/buttons/rz/RzBlinkingControlsList.h"

#include "platform/gui/Timer.h"

#include <algorithm>

namespace {
std::unique_ptr<TRzBlinkingControlsList> gList;
} // namespace

TRzBlinkingControlsList::TRzBlinkingControlsList() : timer_(std::make_unique<TTimer>(nullptr))
{
    timer_->SetInterval(intervalOff_);
    timer_->OnTimer = [this](TObject* Sender) { TimerFired(Sender); };
    timer_->SetEnabled(true);
}

TRzBlinkingControlsList::~TRzBlinkingControlsList() = default;

void TRzBlinkingControlsList::Add(IRzBlinkClient* Control) { controls_.push_back(Control); }

void TRzBlinkingControlsList::Remove(IRzBlinkClient* Control)
{
    const auto it = std::find(controls_.begin(), controls_.end(), Control);
    if (it != controls_.end())
        controls_.erase(it);
}

void TRzBlinkingControlsList::TimerFired(TObject*)
{
    if (blinkState_ == bsOff) {
        blinkState_ = bsOn;
        timer_->SetInterval(intervalOff_);
    } else {
        blinkState_ = bsOff;
        timer_->SetInterval(intervalOn_);
    }
    const std::vector<IRzBlinkClient*> controls = controls_;
    for (IRzBlinkClient* c : controls)
        if (c->BlinkQuery())
            c->BlinkStateChanged(blinkState_);
}

TRzBlinkingControlsList* BlinkingControlsList() { return gList.get(); }

TRzBlinkingControlsList& AcquireBlinkingControlsList()
{
    if (!gList)
        gList = std::make_unique<TRzBlinkingControlsList>();
    return *gList;
}

void ReleaseBlinkingListIfEmpty()
{
    if (gList && gList->Count() == 0)
        gList.reset();
}
