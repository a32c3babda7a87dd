#include "ConnectionGuard.h"
#include "LoopbackDialFilter.h"

#include "app/FMain.h"
#include "app/ProgramStart.h"
#include "platform/gui/Application.h"
#include "platform/hid/FakeHidBus.h"

namespace qx::test {

hid::FakeHidBus& fakeHidBus()
{
    static hid::FakeHidBus bus;
    return bus;
}

void guardConnections()
{
    setMainWindowHidBackend(&fakeHidBus());
    dialLoopbackOnly();
}

void releaseConnections()
{
    removeDialFilter();
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
