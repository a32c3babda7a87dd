#pragma once
// Steps a user takes through the program's windows, each once its window is
// there: the driver looks at the next step at every pass of the loop, modal
// loops included, and runs its action from a one-shot timer, so an action
// that opens a modal window holds up neither the driver nor the steps after it.

#include "platform/gui/Timer.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qx::test {

class UserSteps
{
public:
    struct Step
    {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    explicit UserSteps(std::vector<Step> steps) : steps_(std::move(steps))
    {
        driver_.SetInterval(1);
        driver_.OnTimer = [this](TObject*) { next(); };
        driver_.SetEnabled(true);
    }

    bool done() const { return next_ == steps_.size(); }
    // The step waited for, for a failure message.
    std::string waitingFor() const { return done() ? "nothing" : steps_[next_].what; }

private:
    void next()
    {
        if (done() || !steps_[next_].ready())
            return;
        TTimer* action = actions_.emplace_back(std::make_unique<TTimer>(nullptr)).get();
        action->SetInterval(1);
        action->OnTimer = [action, act = steps_[next_].act](TObject*) {
            action->SetEnabled(false);
            act();
        };
        action->SetEnabled(true);
        ++next_;
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    TTimer driver_{nullptr};
    std::vector<std::unique_ptr<TTimer>> actions_;
};

} // namespace qx::test
