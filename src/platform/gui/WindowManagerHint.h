#pragma once
// What the window manager is told about a window beyond what Qt tells it.

class QWindow;

namespace qx {

// Tells the window manager that a modal window belongs to the window beneath
// it (`opener`), or with none to every window of the program, all of which it
// blocks. Qt says so only for windows of dialog type; told, the manager hands
// an activation of a blocked window, whether a user's click or a late request
// of the program, to the modal one, so the keyboard never rests on a window
// that takes no input. Does nothing off X11.
void markModalOver(QWindow& modal, const QWindow* opener);

// After a modal window went, the window it blocked may already hold the
// keyboard (handed it while blocked, which Qt passes on to the modal window
// without counting it); the window system tells nobody of a focus that does
// not move, so Qt is told here that the window has it. Does nothing unless
// the window holds the keyboard, or off X11.
void reportHeldFocus(QWindow& window);

} // namespace qx
