// qx73b-screenshot: renders a window, offscreen, at its design size to a PNG.
// Usage: qx73b-screenshot [--press BUTTON] [--points PLOT/CHANNEL=X:Y,...]... [--page PAGES=INDEX]...
//                        [--value NUMBER] CLASS OUTPUT.png [LAYOUT-FILE]
//        qx73b-screenshot --plot-editor PAGE[/SUB-PAGE...] OUTPUT.png
//        qx73b-screenshot --plot-preview page|settings OUTPUT.png
//   CLASS        a registered window class (TfmMain, TfmAbout, TForm ...)
//   LAYOUT-FILE  a layout text to load into the window instead of its own
//   --press      clicks the named button of the window before it is grabbed
//                (rzbMenuOut3 shows the main window's Out3 page)
//   --points     replaces the points of channel CHANNEL of the plot PLOT
//                (ipComp/0=20:-2.5,-4:-8.5 draws a curve through two points); on a
//                Y-T plot X:HIGH:LOW:OPEN:CLOSE adds a high-low point and X:null a null one
//   --plot-editor  the plot editor opened on a test plot with an object of each kind, its
//                pages chosen by their tab captions ("X-Axes/Labels/Cursor", "Channels/File I\/O");
//                "YT:" before them opens it on a Y-T plot
//   --plot-preview  the print preview of a test plot, or its settings dialog as the
//                preview's Settings button opens it
//   --page       shows page INDEX (from 0) of the page control PAGES
//   --value      loads the number into a value converter window (TiValueConverterEditForm)

#include "WindowScreenshot.h"

#include "app/ProgramStart.h"
#include "app/FMain.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/editor/iPlotEditor.h"
#include "controls/plot/editor/iPlotPreview.h"
#include "controls/plot/editor/iPlotPreviewSettings.h"
#include "controls/plot/plot/iPlot.h"
#include "controls/plot/plot/iPlotClasses.h"
#include "controls/plot/plot/iPlotComponent.h"
#include "controls/plot/editor/iEditorBasicComponents.h"
#include "controls/plot/editor/iValueConverterEdit.h"
#include "controls/plot/plot/iXYPlot.h"
#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/PageControl.h"
#include "platform/gui/Timer.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/net/DialFilter.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
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
    auto* plot = qx::findComponent<TiPlotComponent>(window, spec.substr(0, slash));
    if (!plot)
        throw std::runtime_error("no plot " + spec.substr(0, slash));
    auto& channel = dynamic_cast<TiPlotChannelCustom&>(
        *plot->Master().ChannelManager()->GetItem(std::stoi(spec.substr(slash + 1, equals - slash - 1))));
    auto* yt = dynamic_cast<TiPlotChannel*>(&channel);
    channel.DeletePoints(channel.Count());
    std::size_t at = equals + 1;
    while (at < spec.size()) {
        std::size_t end = spec.find(',', at);
        if (end == std::string::npos)
            end = spec.size();
        std::vector<std::string> values;
        for (std::size_t from = at; from <= end;) {
            std::size_t colon = spec.find(':', from);
            if (colon == std::string::npos || colon > end)
                colon = end;
            values.push_back(spec.substr(from, colon - from));
            from = colon + 1;
        }
        if (yt && values.size() == 5)
            yt->AddHighLow(std::stod(values[0]), std::stod(values[1]), std::stod(values[2]), std::stod(values[3]),
                           std::stod(values[4]));
        else if (yt && values.size() == 2 && values[1] == "null")
            yt->AddXNull(std::stod(values[0]));
        else if (values.size() == 2)
            channel.AddXY(std::stod(values[0]), std::stod(values[1]));
        else
            throw std::runtime_error("a point not as X:Y: " + spec.substr(at, end - at));
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

// A test plot with an object of each kind the editor shows, and its editor on the page
// named by the tab captions of PATH.
void savePlotEditor(std::string path, const std::string& pngFile)
{
    qx::registerPlotClasses();
    // "YT:" before the path: a Y-T plot, whose channel page has the Y-T sub-pages.
    const bool yt = path.starts_with("YT:");
    if (yt)
        path.erase(0, 3);
    std::unique_ptr<TiPlotComponent> plot;
    if (yt)
        plot = std::make_unique<TiPlot>(nullptr);
    else
        plot = std::make_unique<TiXYPlot>(nullptr);
    plot->SetBounds(0, 0, 400, 260);
    plot->SetUserCanAddRemoveChannels(true);
    plot->SetEditorFormStyle(ipfsStayOnTop);
    plot->AddYAxis();
    plot->AddDataCursor();
    plot->AddLabel();
    plot->AddLimit();
    plot->AddTable();
    plot->AddChannel();
    TiPlotChannelCustom& channel = plot->Channel(0);
    for (int i = 0; i <= 10; ++i)
        channel.AddXY(i * 10, i * i);
    plot->MasterManager().EditProperties();
    auto* form = dynamic_cast<TiPlotEditorForm*>(plot->MasterManager().EditorLink());
    if (!form)
        throw std::runtime_error("the plot editor did not open");
    // The captions of PATH, split at "/"; "\/" is a slash inside a caption ("File I\/O").
    std::vector<std::string> captions(1);
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '/')
            captions.back() += path[++i];
        else if (path[i] == '/')
            captions.emplace_back();
        else
            captions.back() += path[i];
    }
    TWinControl* within = form;
    for (const std::string& caption : captions) {
        TPageControl* pages = nullptr;
        for (int i = 0; !pages && i < within->ControlCount(); ++i)
            pages = dynamic_cast<TPageControl*>(within->Controls(i));
        if (!pages)
            throw std::runtime_error("no pages to choose " + caption + " from");
        TTabSheet* found = nullptr;
        for (int i = 0; i < pages->PageCount(); ++i)
            if (pages->Pages(i)->Caption() == caption)
                found = pages->Pages(i);
        if (!found)
            throw std::runtime_error("no page " + caption);
        pages->SetActivePage(found);
        within = found;
    }
    Application->ProcessMessages();
    const QImage image = form->Widget()->grab().toImage();
    if (!image.save(QString::fromStdString(pngFile), "PNG"))
        throw std::runtime_error("cannot write " + pngFile);
    form->Close();
}

// The print preview of a test plot ("page"), or its settings dialog ("settings").
void savePlotPreview(const std::string& which, const std::string& pngFile)
{
    if (which != "page" && which != "settings")
        throw std::runtime_error("--plot-preview takes page or settings, not " + which);
    qx::registerPlotClasses();
    auto plot = std::make_unique<TiXYPlot>(nullptr);
    plot->SetBounds(0, 0, 400, 260);
    plot->SetTitleText("Transfer Curve");
    plot->SetPrintDocumentName("Transfer Curve");
    TiPlotChannelCustom& channel = plot->Channel(0);
    for (int i = 0; i <= 10; ++i)
        channel.AddXY(i * 10, i * i);
    std::unique_ptr<TiPlotPreviewForm> preview(qx::newForm<TiPlotPreviewForm>(Application));
    preview->SetPlot(plot.get());
    std::unique_ptr<TiPlotPreviewSettingsForm> settings;
    TForm* shown = preview.get();
    if (which == "settings") {
        settings.reset(qx::newForm<TiPlotPreviewSettingsForm>(Application));
        preview->LoadSettings(*settings);
        shown = settings.get();
    }
    shown->Show();
    Application->ProcessMessages();
    const QImage image = shown->Widget()->grab().toImage();
    if (!image.save(QString::fromStdString(pngFile), "PNG"))
        throw std::runtime_error("cannot write " + pngFile);
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
    std::string editorPage;
    std::string previewWindow;
    std::vector<std::string> pages;
    std::string value;
    int first = 1;
    while (argc > first + 1 && argv[first][0] == '-' && argv[first][1] == '-') {
        if (std::strcmp(argv[first], "--press") == 0)
            press = argv[first + 1];
        else if (std::strcmp(argv[first], "--points") == 0)
            points.emplace_back(argv[first + 1]);
        else if (std::strcmp(argv[first], "--plot-editor") == 0)
            editorPage = argv[first + 1];
        else if (std::strcmp(argv[first], "--plot-preview") == 0)
            previewWindow = argv[first + 1];
        else if (std::strcmp(argv[first], "--page") == 0)
            pages.emplace_back(argv[first + 1]);
        else if (std::strcmp(argv[first], "--value") == 0)
            value = argv[first + 1];
        else
            break;
        first += 2;
    }
    const int rest = argc - first;
    const bool plotWindow = !editorPage.empty() || !previewWindow.empty();
    if (plotWindow ? rest != 1 : rest < 2 || rest > 3) {
        std::fprintf(stderr, "usage: qx73b-screenshot [--press BUTTON] [--points PLOT/CHANNEL=X:Y,...]... "
                             "[--page PAGES=INDEX]... [--value NUMBER] CLASS OUTPUT.png [LAYOUT-FILE]\n"
                             "       qx73b-screenshot --plot-editor PAGE[/SUB-PAGE...] OUTPUT.png\n"
                             "       qx73b-screenshot --plot-preview page|settings OUTPUT.png\n");
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
        if (!editorPage.empty()) {
            savePlotEditor(editorPage, argv[first]);
            qx::doneApplication();
            return 0;
        }
        if (!previewWindow.empty()) {
            savePlotPreview(previewWindow, argv[first]);
            qx::doneApplication();
            return 0;
        }
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
