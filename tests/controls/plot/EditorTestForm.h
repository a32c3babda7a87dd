#pragma once
// An editor form for the editor controls' tests: it counts the UserChange calls of its
// controls, is shown on the offscreen screen, and takes clicks and keys as the window
// system delivers them.

#include "controls/plot/editor/iColorDialog.h"
#include "controls/plot/editor/iEditorBasicComponents.h"
#include "controls/plot/editor/iOpenDialog.h"
#include "platform/gui/Application.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <string>

namespace qx::test {

class RecordingEditorForm : public TiCustomEditorForm
{
public:
    explicit RecordingEditorForm(TComponent* AOwner) : TiCustomEditorForm(AOwner) {}
    void UserChange() override { ++userChanges; }
    int userChanges = 0;
};

/// A shown, active editor form of 420 x 320 pixels that controls are added to.
class EditorFormFixture
{
public:
    EditorFormFixture()
    {
        form.SetBounds(40, 40, 420, 320);
        form.Show();
        activate();
    }

    template <class T>
    T& add(int left, int top, int width = -1, int height = -1)
    {
        auto* control = new T(&form);
        control->SetParent(&form);
        control->SetBounds(left, top, width < 0 ? control->Width() : width, height < 0 ? control->Height() : height);
        QApplication::processEvents();
        return *control;
    }

    void activate()
    {
        QWidget* top = form.Widget()->window();
        top->activateWindow();
        QApplication::setActiveWindow(top);
        QApplication::processEvents();
    }

    QWindow* window() { return form.Widget()->window()->windowHandle(); }

    /// Where a client point of control lies in the form's window.
    QPoint inWindow(TControl& control, int x, int y)
    {
        return control.Widget()->mapTo(form.Widget()->window(), QPoint(x, y));
    }

    void press(TControl& c, int x, int y) { QTest::mousePress(window(), Qt::LeftButton, {}, inWindow(c, x, y)); }
    void release(TControl& c, int x, int y)
    {
        QTest::mouseRelease(window(), Qt::LeftButton, {}, inWindow(c, x, y));
    }
    void moveTo(TControl& c, int x, int y) { QTest::mouseMove(window(), inWindow(c, x, y)); }
    void click(TControl& c, int x, int y)
    {
        activate();
        QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow(c, x, y));
        QApplication::processEvents();
    }
    void doubleClick(TControl& c, int x, int y)
    {
        QTest::mouseDClick(window(), Qt::LeftButton, {}, inWindow(c, x, y));
        QApplication::processEvents();
    }
    /// A key pressed and released in the form's window (to the control with the focus).
    void key(Qt::Key k, Qt::KeyboardModifiers m = {})
    {
        QTest::keyClick(window(), k, m);
        QApplication::processEvents();
    }
    void keyDown(Qt::Key k) { QTest::keyPress(window(), k); }
    void keyUp(Qt::Key k) { QTest::keyRelease(window(), k); }
    void type(const std::string& text)
    {
        for (char c : text)
            QTest::keyClick(window(), c);
        QApplication::processEvents();
    }
    void focus(TWinControl& control)
    {
        activate();
        control.SetFocus();
        QApplication::processEvents();
    }

    RecordingEditorForm form{nullptr};
};

} // namespace qx::test
