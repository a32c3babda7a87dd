#include "platform/gui/Application.h"

#include "platform/gui/MessageBox.h"
#include "platform/gui/MessagePump.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <QApplication>
#include <QFont>

#include <clocale>
#include <memory>

TApplication* Application = nullptr;

namespace qx {

namespace {

// Through the dialog service, so that a test's stand-in sees the box.
void showInMessageBox(const std::string& title, const std::string& message)
{
    messageBox(message, title, MB_OK | MB_ICONERROR);
}

ExceptionPresenter& presenter()
{
    static ExceptionPresenter p = showInMessageBox;
    return p;
}

std::unique_ptr<QApplication> gQtApplication;

} // namespace

void setExceptionPresenter(ExceptionPresenter p) { presenter() = p ? std::move(p) : showInMessageBox; }

void initApplication(int& argc, char** argv)
{
    if (Application)
        return;
    if (!QCoreApplication::instance()) {
        // Layouts are in pixels of the design size: no scaling by screen resolution.
        if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
            qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        gQtApplication = std::make_unique<QApplication>(argc, argv);
    }
    // Texts of no font of their own (message boxes, standard dialogs, menus)
    // take the class library's default font, through its free stand-in, not
    // whatever family the system's font set falls back to.
    QApplication::setFont(toQFont(TFont{}));
    // Qt takes the locale from the environment; numbers are read and written the C way.
    std::setlocale(LC_NUMERIC, "C");
    Application = new TApplication;
}

void doneApplication()
{
    delete Application;
    Application = nullptr;
    gQtApplication.reset();
}

} // namespace qx

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication()
{
    MarkDestroying();
    DestroyComponents();
    if (Application == this)
        Application = nullptr;
}

void TApplication::formCreated(TForm* form)
{
    if (!mainForm_)
        mainForm_ = form;
}

void TApplication::Run()
{
    if (running_)
        return;
    running_ = true;
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
    running_ = false;
}

void TApplication::Terminate()
{
    terminated_ = true;
    qx::endModalLoops();
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::None));
}

void TApplication::ProcessMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qx::MessagePump::instance().dispatchAll();
    qx::fireDueTimers();
}

void TApplication::HandleMessage()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    qx::fireDueTimers();
}

void TApplication::HandleException(TObject* Sender)
{
    try {
        throw;
    } catch (const std::exception& e) {
        if (OnException)
            OnException(Sender, e);
        else
            ShowException(e);
    } catch (...) {
        // Any other thrown object shows as an exception with an empty message.
        const std::runtime_error unknown("");
        if (OnException)
            OnException(Sender, unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& E)
{
    // A full stop is added after a message ending in a letter, digit or the
    // like; one ending in '.', '!', ')' and other punctuation stays as it is.
    std::string message = E.what();
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    qx::presenter()(title_, message);
}
