#pragma once

#include "platform/gui/Events.h"

// Virtual-key codes as key events carry them. Letters and digits are their
// upper-case ASCII codes ('A', '0').
enum : Word {
    VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12,
    VK_PAUSE = 0x13, VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
    VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
    VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_NUMPAD0 = 0x60, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F, VK_F1 = 0x70, VK_F12 = 0x7B
};

/// The shift state a key message carries in its LParam.
inline TShiftState KeyDataToShiftState(std::intptr_t KeyData)
{
    return TShiftState::fromBits(static_cast<std::uint64_t>(KeyData));
}

namespace qx {

/// Whether the modifier key VK_SHIFT, VK_CONTROL or VK_MENU is held down now (false
/// for any other key).
bool modifierKeyHeld(Word vk);

/// The virtual-key code of a Qt key (Qt::Key), 0 when there is none.
Word virtualKeyFromQt(int qtKey, bool keypad);
/// The Qt key of a virtual-key code, 0 when there is none.
int qtKeyFromVirtualKey(Word vk);

} // namespace qx
