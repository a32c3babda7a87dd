#pragma once

#include <cstdint>
#include <vector>

class TWinControl;

/// A window message as a control's WndProc sees it. Data holds the bytes a
/// message posted or sent from another thread carries (empty otherwise).
struct TMessage
{
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
    const std::vector<std::uint8_t>* Data = nullptr;
};

// Messages the controls raise through their WndProc, so that a control that
// overrides it sees them as the class library's controls do (same numbers).
enum : unsigned {
    WM_SIZE = 0x0005, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_PAINT = 0x000F, WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014, WM_MOUSEACTIVATE = 0x0021, WM_GETDLGCODE = 0x0087, WM_COMMAND = 0x0111, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102,
    WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208, WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A, WM_PRINTCLIENT = 0x0318,
    WM_USER = 0x0400,
    CM_BASE = 0xB000, CM_DIALOGKEY = CM_BASE + 5, CM_DIALOGCHAR = CM_BASE + 6,
    CM_PARENTFONTCHANGED = CM_BASE + 8, CM_PARENTCOLORCHANGED = CM_BASE + 9, CM_VISIBLECHANGED = CM_BASE + 11,
    CM_ENABLEDCHANGED = CM_BASE + 12, CM_COLORCHANGED = CM_BASE + 13, CM_FONTCHANGED = CM_BASE + 14,
    CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19, CM_MOUSELEAVE = CM_BASE + 20,
    CM_INVALIDATE = CM_BASE + 52
};

// Answers to WM_GETDLGCODE: the keys a control keeps for itself instead of
// the form's dialog keys (Enter and Esc go to the default and cancel buttons).
enum : unsigned { DLGC_WANTARROWS = 0x01, DLGC_WANTTAB = 0x02, DLGC_WANTALLKEYS = 0x04, DLGC_WANTCHARS = 0x80 };

// Modifier flags of a mouse message's WParam.
enum : unsigned { MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04, MK_CONTROL = 0x08, MK_MBUTTON = 0x10 };

namespace qx {
/// Alt held during a mouse message (our own flag; the system reads it from the keyboard).
inline constexpr unsigned kMkAlt = 0x20;
} // namespace qx

// WM_ERASEBKGND and WM_PRINTCLIENT carry in WParam the TCanvas* to draw on
// (where the system passes a device context): a control that shows its
// parent through itself asks the parent to draw its background and its
// client area there.

// Key messages (WM_KEYDOWN, WM_KEYUP, WM_CHAR, CM_DIALOGKEY, CM_DIALOGCHAR)
// carry the shift state in LParam: KeyDataToShiftState reads it.

/// Queues a message for the window on the GUI thread and returns at once.
/// Callable from any thread.
void PostMessage(TWinControl* Window, unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam);

/// On the GUI thread: handles the message at once and returns its result.
/// Worker threads use the window's MessageTarget, which can be cancelled.
std::intptr_t SendMessage(TWinControl* Window, unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam);
