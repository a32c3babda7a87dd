#pragma once
// One Qt application and application object for every test of a program:
// made before the first test with the program's own set-up steps (the
// classes it registers, guards it installs), undone after the last.
// A test program adds it once:
//   const auto* const kEnvironment = qx::test::QtTestEnvironment::add("qx_x_tests", {qx::registerXClasses});

#include "platform/gui/Application.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace qx::test {

class QtTestEnvironment : public ::testing::Environment
{
public:
    using Step = std::function<void()>;

    /// `setUp` runs in order once the application exists; `tearDown` in
    /// order before it ends.
    QtTestEnvironment(std::string name, std::vector<Step> setUp, std::vector<Step> tearDown = {})
        : name_(std::move(name)), setUp_(std::move(setUp)), tearDown_(std::move(tearDown))
    {
    }

    static ::testing::Environment* add(std::string name, std::vector<Step> setUp, std::vector<Step> tearDown = {})
    {
        return ::testing::AddGlobalTestEnvironment(
            new QtTestEnvironment(std::move(name), std::move(setUp), std::move(tearDown)));
    }

    void SetUp() override
    {
        argv_[0] = name_.data();
        initApplication(argc_, argv_);
        for (const Step& step : setUp_)
            step();
    }
    void TearDown() override
    {
        for (const Step& step : tearDown_)
            step();
        doneApplication();
    }

private:
    std::string name_;
    std::vector<Step> setUp_;
    std::vector<Step> tearDown_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
};

} // namespace qx::test
