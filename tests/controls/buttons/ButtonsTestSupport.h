#pragma once
// Off-screen rendering of controls and simulated input for the button tests.

#include "platform/gui/Form.h"
#include "platform/gui/canvas/Bitmap.h"

#include <Qt>

#include <memory>
#include <string>
#include <vector>

class TControl;
class TWinControl;

namespace qx::test {

/// The control painted onto a bitmap of its size, pre-filled with background.
TBitmap render(TControl& control, TColor background = clFuchsia);
/// The pixel at (x, y) as a plain colour.
TColor pixel(const TBitmap& bitmap, int x, int y);

/// Mouse input as the window system delivers it.
void mousePress(TControl& control, int x, int y, Qt::MouseButton button = Qt::LeftButton);
void mouseMove(TControl& control, int x, int y, Qt::MouseButtons buttons = Qt::LeftButton);
void mouseRelease(TControl& control, int x, int y, Qt::MouseButton button = Qt::LeftButton);
void click(TControl& control, int x, int y);
void keyDown(TWinControl& control, int qtKey, const std::string& text = {});
void keyUp(TWinControl& control, int qtKey, const std::string& text = {});
void typeKey(TWinControl& control, int qtKey, const std::string& text = {});
void wheel(TControl& control, int delta);

/// A shown form to place controls on, with a log of the events they raise.
class FormFixture
{
public:
    FormFixture();
    ~FormFixture();
    template <class T>
    T* make(TWinControl* parent = nullptr)
    {
        auto* control = new T(form.get());
        control->SetParent(parent ? parent : form.get());
        return control;
    }
    TNotifyEvent logger(const std::string& name)
    {
        return [this, name](TObject*) { log.push_back(name); };
    }

    std::unique_ptr<TForm> form;
    std::vector<std::string> log;
};

} // namespace qx::test
