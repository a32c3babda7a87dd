// qx73b-screenshot: renders a window, offscreen, at its design size to a PNG.
// Usage: qx73b-screenshot [--press BUTTON] CLASS OUTPUT.png [LAYOUT-FILE]
//   CLASS        a registered window class (TfmMain, TfmAbout, TForm ...)
//   LAYOUT-FILE  a layout text to load into the window instead of its own
//   --press      clicks the named button of the window before it is grabbed
//                (rzbMenuOut3 shows the main window's Out3 page)

#include "WindowScreenshot.h"

#include "app/ProgramStart.h"
#include "app/FMain.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Timer.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/net/DialFilter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

void pressButton(TForm& window, const std::string& name)
{
    // The start timer of the main window is stopped: a picture opens no connection.
    if (auto* start = qx::findComponent<TTimer>(window, "tmStartConnect"))
        start->SetEnabled(false);
    if (name.empty())
        return;
    auto* button = qx::findComponent<TRzBmpButton>(window, name);
    if (!button)
        throw std::runtime_error("no button " + name);
    // As a press by the user: the page opens and its button stays down.
    button->Click();
    button->SetDown(true);
}

} // namespace

int main(int argc, char** argv)
{
    std::string press;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--press") == 0) {
        press = argv[2];
        first = 3;
    }
    const int rest = argc - first;
    if (rest < 2 || rest > 3) {
        std::fprintf(stderr, "usage: qx73b-screenshot [--press BUTTON] CLASS OUTPUT.png [LAYOUT-FILE]\n");
        return 2;
    }
    // Always offscreen: no display is needed and nothing appears on one.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    qx::initApplication(qtArgc, argv);
    int status = 0;
    try {
        // A picture needs no processor: the main window sees no HID device
        // and may dial nothing but loopback.
        static qx::hid::FakeHidBus noDevices;
        qx::setMainWindowHidBackend(&noDevices);
        qx::setDialFilter([](std::uint32_t address, std::uint16_t) { return address == 0x7F000001; });
        qx::registerEditorClasses();
        qx::WindowScreenshot::savePng(argv[first], argv[first + 1], rest == 3 ? argv[first + 2] : "",
                                      [&press](TForm& window) { pressButton(window, press); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qx73b-screenshot: %s\n", e.what());
        status = 1;
    }
    qx::doneApplication();
    return status;
}
