// qx73b-editor: the editor and remote controller of the QX-73B processor.

#include "app/ProgramStart.h"
#include "platform/gui/Application.h"

int main(int argc, char** argv)
{
    qx::initApplication(argc, argv);
    const int status = qx::runEditor();
    qx::doneApplication();
    return status;
}
