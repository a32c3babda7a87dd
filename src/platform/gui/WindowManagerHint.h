#pragma once
// What the window manager is told about a window beyond what Qt tells it.

class QWindow;

namespace qx {

// Tells the window manager that a modal window belongs to the window beneath
// it, which it blocks. Qt says so only for windows of dialog type; told, the
// manager hands an activation of the blocked window, whether a user's click
// or a late request of the program, to the modal one, so the keyboard never
// rests on a window that takes no input. Does nothing off X11.
void markModalOver(QWindow& modal, const QWindow& opener);

} // namespace qx
