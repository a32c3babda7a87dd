// qx73b-screenshot: renders a window, offscreen, at its design size to a PNG.
// Usage: qx73b-screenshot CLASS OUTPUT.png [LAYOUT-FILE]
//   CLASS        a registered window class (TfmAbout, TForm ...)
//   LAYOUT-FILE  a layout text to load into the window instead of its own

#include "WindowScreenshot.h"

#include "app/lock/LockDialogs.h"
#include "controls/buttons/rz/RzClasses.h"
#include "controls/buttons/vr/VrClasses.h"
#include "controls/skinned/SkinnedClasses.h"
#include "model/dialogs/PresetDialogs.h"
#include "platform/gui/Application.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: qx73b-screenshot CLASS OUTPUT.png [LAYOUT-FILE]\n");
        return 2;
    }
    // Always offscreen: no display is needed and nothing appears on one.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    qx::initApplication(qtArgc, argv);
    int status = 0;
    try {
        qx::registerRzClasses();
        qx::registerVrClasses();
        qx::registerPresetDialogs();
        qx::registerLockDialogs();
        qx::registerSkinnedClasses();
        qx::WindowScreenshot::savePng(argv[1], argv[2], argc == 4 ? argv[3] : "");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qx73b-screenshot: %s\n", e.what());
        status = 1;
    }
    qx::doneApplication();
    return status;
}
