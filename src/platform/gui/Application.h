#pragma once

#include "platform/gui/Form.h"

#include <exception>
#include <functional>
#include <string>

class TApplication;

/// The one application object, made by qx::initApplication.
extern TApplication* Application;

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

/// The application: its title, its forms in the order they were made, the
/// message loop and the handling of exceptions that escape event handlers.
class TApplication : public TComponent
{
public:
    TApplication();
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& Value) { title_ = Value; }

    /// Makes a form owned by the application; the first one made becomes the
    /// main form. The form is stored in Reference before its OnCreate runs,
    /// so code reached from OnCreate finds it.
    template <class T>
    void CreateForm(T*& Reference)
    {
        Reference = new T(this);
        formCreated(Reference);
        Reference->AfterConstruction();
    }

    TForm* MainForm() const { return mainForm_; }

    /// Shows the main form and runs the loop until the main form closes or
    /// Terminate is called.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    /// Handles everything waiting: input, paints, timers that are due,
    /// posted and sent window messages; then returns.
    void ProcessMessages();
    /// Waits for something to handle and handles it (one pass of the loop).
    void HandleMessage();

    /// Shows the exception that escaped an event handler: OnException when
    /// assigned, else the standard exception box. The program goes on.
    void HandleException(TObject* Sender);
    void ShowException(const std::exception& E);

    TExceptionEvent OnException;

private:
    void formCreated(TForm* form);

    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool running_ = false;
};

namespace qx {

/// Makes the Qt application and the application object once; sets
/// LC_NUMERIC back to "C" afterwards.
void initApplication(int& argc, char** argv);
/// Destroys the application object and its forms.
void doneApplication();

/// Shows an exception in the standard exception box; replaceable so that
/// tests see what would be shown instead of a dialog.
using ExceptionPresenter = std::function<void(const std::string& title, const std::string& message)>;
void setExceptionPresenter(ExceptionPresenter presenter);

/// Runs f, handing any exception to Application->HandleException: used
/// wherever Qt calls into our handlers.
template <class F>
void guarded(TObject* sender, F&& f)
{
    try {
        f();
    } catch (...) {
        if (Application)
            Application->HandleException(sender);
    }
}

} // namespace qx
