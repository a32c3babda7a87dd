// qx73b-screenshot: renders a window, offscreen, at its design size to a PNG.
// Usage: qx73b-screenshot [--press BUTTON] [--points PLOT/CHANNEL=X:Y,...]... [--page PAGES=INDEX]...
//                        [--value NUMBER] CLASS OUTPUT.png [LAYOUT-FILE]
//   CLASS        a registered window class (TfmMain, TfmAbout, TForm ...)
//   LAYOUT-FILE  a layout text to load into the window instead of its own
//   --press      clicks the named button of the window before it is grabbed
//                (rzbMenuOut3 shows the main window's Out3 page)
//   --points     replaces the points of channel CHANNEL of the X-Y plot PLOT
//                (ipComp/0=20:-2.5,-4:-8.5 draws a curve through two points)
//   --page       shows page INDEX (from 0) of the page control PAGES
//   --value      loads the number into a value converter window (TiValueConverterEditForm)

#include "WindowScreenshot.h"

#include "app/ProgramStart.h"
#include "app/FMain.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/plot/editor/iEditorBasicComponents.h"
#include "controls/plot/editor/iValueConverterEdit.h"
#include "controls/plot/plot/iXYPlot.h"
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
#include <vector>

namespace {

// "PLOT/CHANNEL=X:Y,X:Y": the channel's points replaced by those given.
void setPoints(TForm& window, const std::string& spec)
{
    const auto slash = spec.find('/'), equals = spec.find('=');
    if (slash == std::string::npos || equals == std::string::npos || equals < slash)
        throw std::runtime_error("points not as PLOT/CHANNEL=X:Y,...: " + spec);
    auto* plot = qx::findComponent<TiXYPlot>(window, spec.substr(0, slash));
    if (!plot)
        throw std::runtime_error("no X-Y plot " + spec.substr(0, slash));
    TiXYPlotChannel& channel = plot->GetChannel(std::stoi(spec.substr(slash + 1, equals - slash - 1)));
    channel.DeletePoints(channel.Count());
    std::size_t at = equals + 1;
    while (at < spec.size()) {
        std::size_t end = spec.find(',', at);
        if (end == std::string::npos)
            end = spec.size();
        const std::string pair = spec.substr(at, end - at);
        const auto colon = pair.find(':');
        if (colon == std::string::npos)
            throw std::runtime_error("a point not as X:Y: " + pair);
        channel.AddXY(std::stod(pair.substr(0, colon)), std::stod(pair.substr(colon + 1)));
        at = end + 1;
    }
}

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

// "PAGES=INDEX": the page control shows that page.
void showPage(TForm& window, const std::string& spec)
{
    const auto equals = spec.find('=');
    if (equals == std::string::npos)
        throw std::runtime_error("page not as PAGES=INDEX: " + spec);
    auto* pages = qx::findComponent<TPageControl>(window, spec.substr(0, equals));
    if (!pages)
        throw std::runtime_error("no page control " + spec.substr(0, equals));
    const int index = std::stoi(spec.substr(equals + 1));
    if (index < 0 || index >= pages->PageCount())
        throw std::runtime_error("no page " + spec.substr(equals + 1) + " in " + spec.substr(0, equals));
    pages->SetActivePageIndex(index);
}

void loadValue(TForm& window, const std::string& number)
{
    auto* converter = dynamic_cast<TiValueConverterEditForm*>(&window);
    if (!converter)
        throw std::runtime_error("--value needs a value converter window");
    converter->SetValue(std::stod(number));
}

} // namespace

int main(int argc, char** argv)
{
    std::string press;
    std::vector<std::string> points;
    std::vector<std::string> pages;
    std::string value;
    int first = 1;
    while (argc > first + 1 && argv[first][0] == '-' && argv[first][1] == '-') {
        if (std::strcmp(argv[first], "--press") == 0)
            press = argv[first + 1];
        else if (std::strcmp(argv[first], "--points") == 0)
            points.emplace_back(argv[first + 1]);
        else if (std::strcmp(argv[first], "--page") == 0)
            pages.emplace_back(argv[first + 1]);
        else if (std::strcmp(argv[first], "--value") == 0)
            value = argv[first + 1];
        else
            break;
        first += 2;
    }
    const int rest = argc - first;
    if (rest < 2 || rest > 3) {
        std::fprintf(stderr, "usage: qx73b-screenshot [--press BUTTON] [--points PLOT/CHANNEL=X:Y,...]... "
                             "[--page PAGES=INDEX]... [--value NUMBER] CLASS OUTPUT.png [LAYOUT-FILE]\n");
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
        // The plot library's own editor windows, which the program itself never opens.
        qx::registerPlotEditorClasses();
        qx::WindowScreenshot::savePng(argv[first], argv[first + 1], rest == 3 ? argv[first + 2] : "",
                                      [&](TForm& window) {
                                          pressButton(window, press);
                                          for (const std::string& spec : points)
                                              setPoints(window, spec);
                                          for (const std::string& spec : pages)
                                              showPage(window, spec);
                                          if (!value.empty())
                                              loadValue(window, value);
                                      });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qx73b-screenshot: %s\n", e.what());
        status = 1;
    }
    qx::doneApplication();
    return status;
}
