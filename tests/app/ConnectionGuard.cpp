#include "ConnectionGuard.h"

#include "app/FMain.h"
#include "app/ProgramStart.h"
#include "platform/gui/Application.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/net/DialFilter.h"

#include <gtest/gtest.h>

namespace qx::test {

hid::FakeHidBus& fakeHidBus()
{
    static hid::FakeHidBus bus;
    return bus;
}

void guardConnections()
{
    setMainWindowHidBackend(&fakeHidBus());
    setDialFilter([](std::uint32_t address, std::uint16_t) {
        EXPECT_TRUE(isLoopback(address)) << "a test dialled a non-loopback address";
        return isLoopback(address);
    });
}

void releaseConnections()
{
    setDialFilter(nullptr);
    setMainWindowHidBackend(nullptr);
}

void startProgram()
{
    static int argc = 1;
    static char name[] = "qx_app_program_tests";
    static char* argv[] = {name, nullptr};
    initApplication(argc, argv);
    registerEditorClasses();
    guardConnections();
    createWindows();
}

void endProgram()
{
    releaseConnections();
    doneApplication();
}

} // namespace qx::test
