#include <gtest/gtest.h>

#include "platform/gui/Application.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/StandardClasses.h"
#include "response/ResponseControls.h"

namespace {

// One Qt application for every test of the program, with the controls published.
class ResponseEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "qx_response_controls_tests";
        static char* argv[] = {name, nullptr};
        qx::initApplication(argc, argv);
        qx::registerCoreClasses();
        qx::registerStandardClasses();
        qx::registerResponseControls();
    }
    void TearDown() override { qx::doneApplication(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ResponseEnvironment);

} // namespace
