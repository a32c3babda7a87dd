#include "ConnectionGuard.h"
#include "app/ProgramStart.h"
#include "platform/gui/Application.h"

#include <gtest/gtest.h>

namespace {

// One Qt application and application object for every test of the program,
// with the editor's window classes registered and the connections kept on
// this machine.
class AppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "qx_app_tests";
        static char* argv[] = {name, nullptr};
        qx::initApplication(argc, argv);
        qx::registerEditorClasses();
        qx::test::guardConnections();
    }
    void TearDown() override
    {
        qx::test::releaseConnections();
        qx::doneApplication();
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
