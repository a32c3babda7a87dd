#include "controls/skinned/SkinnedClasses.h"
#include "platform/gui/Application.h"
#include "platform/gui/CoreClasses.h"

#include <gtest/gtest.h>

namespace {

// One Qt application and application object for every test of the program.
class SkinnedEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "qx_controls_skinned_tests";
        static char* argv[] = {name, nullptr};
        qx::initApplication(argc, argv);
        qx::registerCoreClasses();
        qx::registerSkinnedClasses();
    }
    void TearDown() override { qx::doneApplication(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new SkinnedEnvironment);

} // namespace
