#pragma once
// Answers the value converter a "..." button opens, as a user does: once the converter shows
// as the active window, a timer of the dialog's own loop runs the test's step on it and
// clicks OK or Cancel in its window.

#include "controls/plot/editor/iComponentEditorPageControl.h"
#include "controls/plot/editor/iComponentEditorValueConverterPicker.h"
#include "controls/plot/editor/iValueConverterEdit.h"
#include "platform/gui/Button.h"
#include "platform/gui/Timer.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <functional>

namespace qx::test {

/// What the converter showed as it opened.
struct ConverterOpened
{
    bool shown = false;
    int page = -1;
    double value = 0;
    std::string caption;
};

/// Runs `clickPicker` (the user's click on the button) and answers the converter the picker
/// opens: `act` (when given) runs on it, then OK or Cancel is clicked. A converter that never
/// shows as the active window is closed after a while, so a missed click fails instead of
/// hanging.
inline ConverterOpened answerValueConverter(TiComponentEditorValueConverterPicker& picker, bool ok,
                                            const std::function<void()>& clickPicker,
                                            const std::function<void(TiValueConverterEditForm&)>& act = {})
{
    ConverterOpened opened;
    const auto started = std::chrono::steady_clock::now();
    TTimer driver(nullptr);
    driver.SetInterval(1);
    driver.OnTimer = [&](TObject*) {
        TiValueConverterEditForm* converter = picker.Form();
        if (!converter || opened.shown)
            return;
        QWidget* top = converter->Widget()->window();
        if (std::chrono::steady_clock::now() - started > std::chrono::seconds(20)) {
            converter->Close();
            return;
        }
        if (!converter->Visible() || !top->windowHandle() || !top->windowHandle()->isExposed())
            return;
        if (!top->isActiveWindow()) {
            QApplication::setActiveWindow(top);
            return;
        }
        opened = {true, converter->PageControl->ActivePageIndex(), converter->GetValue(),
                  converter->Caption()};
        if (act)
            act(*converter);
        TButton& button = ok ? static_cast<TButton&>(*converter->OkButton) : *converter->CancelButton;
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                          button.Widget()->mapTo(top, button.Widget()->rect().center()));
    };
    driver.SetEnabled(true);
    clickPicker();
    driver.SetEnabled(false);
    QApplication::processEvents();
    return opened;
}

} // namespace qx::test
