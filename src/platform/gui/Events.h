#pragma once

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/EnumSet.h"

#include <cstdint>
#include <functional>
#include <utility>

class TObject;

/// Keyboard modifiers and mouse buttons held during an input event.
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = qx::EnumSet<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using Word = std::uint16_t;


// Event handler types with the parameters the class library passes. Every
// handler gets the control that raised it as Sender.
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
/// Key is a virtual-key code (see Keys.h); setting it to 0 swallows the key.
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
/// Key is the typed character; setting it to 0 swallows it, another value replaces it.
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

namespace qx {

/// Calls a handler when one is assigned.
template <class Handler, class... Args>
void fire(const Handler& handler, Args&&... args)
{
    if (handler)
        handler(std::forward<Args>(args)...);
}

} // namespace qx
