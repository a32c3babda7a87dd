#include "WindowScreenshot.h"

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/StandardClasses.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace qx {

namespace {

std::unique_ptr<TForm> makeWindow(const std::string& className)
{
    const ClassInfo* info = ClassRegistry::instance().find(className);
    const ClassInfo* form = ClassRegistry::instance().find(typeid(TForm));
    if (!info || !form || !info->inheritsFrom(*form) || !info->create)
        throw std::runtime_error(className + " is not a registered window class");
    return std::unique_ptr<TForm>(static_cast<TForm*>(info->create(nullptr)));
}

std::string readFile(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

QImage WindowScreenshot::render(const std::string& className, const std::string& layoutFile, const Prepare& prepare)
{
    registerStandardClasses();
    std::unique_ptr<TForm> window = makeWindow(className);
    if (!layoutFile.empty())
        loadLayoutText(*window, readFile(layoutFile), layoutFile);
    window->AfterConstruction();
    window->Show();
    if (prepare)
        prepare(*window);
    if (Application)
        Application->ProcessMessages();
    QImage image = window->Widget()->grab().toImage();
    window->Hide();
    return image;
}

void WindowScreenshot::savePng(const std::string& className, const std::string& pngFile, const std::string& layoutFile,
                               const Prepare& prepare)
{
    const QImage image = render(className, layoutFile, prepare);
    if (image.isNull() || !image.save(QString::fromStdString(pngFile), "PNG"))
        throw std::runtime_error("cannot write " + pngFile);
}

} // namespace qx
