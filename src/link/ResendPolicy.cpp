#include "link/ResendPolicy.h"

namespace qx {

void ResendPolicy::newFrame()
{
    retries_ = 0;
    waited_ = 0;
}

ResendPolicy::Action ResendPolicy::onTimeout()
{
    if (freeResends_ > 0) {
        --freeResends_;
        return Action::FreeResend;
    }
    if (retries_ < retryLimit_) {
        ++retries_;
        waited_ = 0;
        return Action::Resend;
    }
    if (waited_ < extraPeriods_) {
        ++waited_;
        return Action::Wait;
    }
    newFrame();
    return Action::Fail;
}

} // namespace qx
