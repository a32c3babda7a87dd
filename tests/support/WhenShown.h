#pragma once
// Drives a modal dialog from inside its own loop, as a user drives it.

#include "platform/gui/Form.h"
#include "platform/gui/Timer.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace qx::test {

// Runs `act` once, from the message loop, as soon as `form` shows on the
// screen as the active window: a modal dialog is driven from inside its own
// loop, as a user would drive it. A dialog that does not show, or is still
// open a while after `act`, is closed, so that a missed click fails the test
// instead of hanging it.
class WhenShown
{
public:
    WhenShown(TForm& form, std::function<void()> act) : form_(form), act_(std::move(act))
    {
        timer_.SetInterval(1);
        timer_.OnTimer = [this](TObject*) { tick(); };
        timer_.SetEnabled(true);
    }
    ~WhenShown() { timer_.SetEnabled(false); }
    WhenShown(const WhenShown&) = delete;
    WhenShown& operator=(const WhenShown&) = delete;

    bool Ran() const { return ran_; }

private:
    void tick()
    {
        if (!ran_) {
            if (std::chrono::steady_clock::now() - made_ > std::chrono::seconds(30)) {
                ADD_FAILURE() << "the dialog did not show as the active window";
                timer_.SetEnabled(false);
                form_.Close();
                return;
            }
            QWindow* shown = form_.Widget()->windowHandle();
            if (!form_.Visible() || !shown || !shown->isExposed())
                return;
            // A button takes a click once its window is the active one. The
            // offscreen platform gives a window shown again the focus without
            // making it the active window of the widgets; that is done here.
            if (!form_.Widget()->isActiveWindow()) {
                if (QGuiApplication::focusWindow() == shown)
                    QApplication::setActiveWindow(form_.Widget()->window());
                else
                    form_.Widget()->activateWindow();
                return;
            }
            ran_ = true;
            left_ = std::chrono::steady_clock::now();
            act_();
            return;
        }
        if (!form_.Visible()) {
            timer_.SetEnabled(false);
        } else if (std::chrono::steady_clock::now() - left_ > std::chrono::seconds(15)) {
            ADD_FAILURE() << "the dialog was still open 15 s after the clicks";
            form_.Close();
        }
    }

    TForm& form_;
    std::function<void()> act_;
    TTimer timer_{nullptr};
    bool ran_ = false;
    std::chrono::steady_clock::time_point made_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point left_;
};

} // namespace qx::test
