#include "ButtonsTestSupport.h"

#include "platform/gui/Control.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QTest>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace qx::test {

TBitmap render(TControl& control, TColor background)
{
    TBitmap bitmap(control.Width(), control.Height());
    bitmap.Canvas().Brush().Color = background;
    bitmap.Canvas().FillRect({0, 0, control.Width(), control.Height()});
    bitmap.Canvas().Detach();
    TCanvas* canvas = controlCanvas(&control);
    canvas->Attach(&bitmap.Image());
    control.Perform(WM_PAINT);
    canvas->Detach();
    return bitmap;
}

TColor pixel(const TBitmap& bitmap, int x, int y)
{
    const QRgb p = bitmap.Image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

namespace {

void sendMouse(TControl& control, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QWidget* w = control.Widget();
    const QPointF local(x, y);
    QMouseEvent event(type, local, w->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void sendKey(TWinControl& control, QEvent::Type type, int qtKey, const std::string& text)
{
    QKeyEvent event(type, qtKey, Qt::NoModifier, QString::fromStdString(text));
    QApplication::sendEvent(control.Widget(), &event);
}

} // namespace

void mousePress(TControl& control, int x, int y, Qt::MouseButton button)
{
    sendMouse(control, QEvent::MouseButtonPress, x, y, button, button);
}

void mouseMove(TControl& control, int x, int y, Qt::MouseButtons buttons)
{
    sendMouse(control, QEvent::MouseMove, x, y, Qt::NoButton, buttons);
}

void mouseRelease(TControl& control, int x, int y, Qt::MouseButton button)
{
    sendMouse(control, QEvent::MouseButtonRelease, x, y, button, Qt::NoButton);
}

void click(TControl& control, int x, int y)
{
    mousePress(control, x, y);
    mouseRelease(control, x, y);
}

void keyDown(TWinControl& control, int qtKey, const std::string& text) { sendKey(control, QEvent::KeyPress, qtKey, text); }
void keyUp(TWinControl& control, int qtKey, const std::string& text) { sendKey(control, QEvent::KeyRelease, qtKey, text); }

void typeKey(TWinControl& control, int qtKey, const std::string& text)
{
    keyDown(control, qtKey, text);
    keyUp(control, qtKey, text);
}

void wheel(TControl& control, int delta)
{
    QWidget* w = control.Widget();
    const QPointF local(5, 5);
    QWheelEvent event(local, w->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

FormFixture::FormFixture() : form(std::make_unique<TForm>(nullptr))
{
    // The pointer rests away from the window, so no control starts under it.
    QCursor::setPos(2000, 2000);
    form->SetBounds(0, 0, 400, 300);
    form->Show();
    // Focus follows the active window; the tests press buttons that take the focus.
    (void)QTest::qWaitForWindowActive(form->Widget());
}

FormFixture::~FormFixture() = default;

} // namespace qx::test
