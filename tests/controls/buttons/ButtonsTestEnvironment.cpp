#include "controls/buttons/rz/RzClasses.h"
#include "controls/buttons/vr/VrClasses.h"
#include "platform/gui/Application.h"

#include <gtest/gtest.h>

namespace {

// One application object and the registered control classes for every test.
class ButtonsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "qx_controls_buttons_tests";
        static char* argv[] = {name, nullptr};
        qx::initApplication(argc, argv);
        qx::registerRzClasses();
        qx::registerVrClasses();
    }
    void TearDown() override { qx::doneApplication(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ButtonsEnvironment);

} // namespace
