#include "platform/gui/Keys.h"

#include <QGuiApplication>
#include <Qt>

#include <iterator>

namespace qx {

namespace {

struct KeyPair
{
    int qt;
    Word vk;
};

const KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Minus, 0xBD}, {Qt::Key_Plus, 0xBB}, {Qt::Key_Equal, 0xBB}, {Qt::Key_Comma, 0xBC},
    {Qt::Key_Period, 0xBE}, {Qt::Key_Slash, 0xBF}, {Qt::Key_Semicolon, 0xBA},
};

const KeyPair kKeypad[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD}, {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL}, {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
};

} // namespace

Word virtualKeyFromQt(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return static_cast<Word>(VK_NUMPAD0 + (qtKey - Qt::Key_0));
        for (const KeyPair& k : kKeypad)
            if (k.qt == qtKey)
                return k.vk;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<Word>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<Word>(VK_F1 + (qtKey - Qt::Key_F1));
    for (const KeyPair& k : kKeys)
        if (k.qt == qtKey)
            return k.vk;
    return 0;
}

int qtKeyFromVirtualKey(Word vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;
    if (vk >= VK_F1 && vk <= VK_F12)
        return Qt::Key_F1 + (vk - VK_F1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return Qt::Key_0 + (vk - VK_NUMPAD0);
    for (const KeyPair& k : kKeys)
        if (k.vk == vk)
            return k.qt;
    for (const KeyPair& k : kKeypad)
        if (k.vk == vk)
            return k.qt;
    return 0;
}

bool modifierKeyHeld(Word vk)
{
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    switch (vk) {
    case VK_SHIFT:
        return held.testFlag(Qt::ShiftModifier);
    case VK_CONTROL:
        return held.testFlag(Qt::ControlModifier);
    case VK_MENU:
        return held.testFlag(Qt::AltModifier);
    default:
        return false;
    }
}

} // namespace qx
