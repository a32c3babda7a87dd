#pragma once
// Mouse, wheel and key input sent to a control's widget as the window system delivers it,
// with modifier keys.

#include "platform/gui/Control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace qx::test::plotinput {

inline void mouse(TControl& control, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons,
                  Qt::KeyboardModifiers modifiers)
{
    QWidget* w = control.Widget();
    const QPointF local(x, y);
    QMouseEvent event(type, local, w->mapToGlobal(local), button, buttons, modifiers);
    QApplication::sendEvent(w, &event);
}

inline void press(TControl& c, int x, int y, Qt::KeyboardModifiers m = {}, Qt::MouseButton b = Qt::LeftButton)
{
    mouse(c, QEvent::MouseButtonPress, x, y, b, b, m);
}

inline void move(TControl& c, int x, int y, Qt::KeyboardModifiers m = {}, Qt::MouseButtons b = Qt::LeftButton)
{
    mouse(c, QEvent::MouseMove, x, y, Qt::NoButton, b, m);
}

inline void release(TControl& c, int x, int y, Qt::KeyboardModifiers m = {}, Qt::MouseButton b = Qt::LeftButton)
{
    mouse(c, QEvent::MouseButtonRelease, x, y, b, Qt::NoButton, m);
}

/// Press at (x1, y1), one move to (x2, y2), release there.
inline void drag(TControl& c, int x1, int y1, int x2, int y2, Qt::KeyboardModifiers m = {},
                 Qt::MouseButton b = Qt::LeftButton)
{
    press(c, x1, y1, m, b);
    move(c, x2, y2, m, b);
    release(c, x2, y2, m, b);
}

/// Notches of the wheel (120 each) at a client point.
inline void wheel(TControl& c, int x, int y, int notches, Qt::KeyboardModifiers m = {})
{
    QWidget* w = c.Widget();
    const QPointF local(x, y);
    QWheelEvent event(local, w->mapToGlobal(local), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, m,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

inline void key(TControl& c, int qtKey, Qt::KeyboardModifiers m = {})
{
    QKeyEvent down(QEvent::KeyPress, qtKey, m);
    QApplication::sendEvent(c.Widget(), &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, m);
    QApplication::sendEvent(c.Widget(), &up);
}

} // namespace qx::test::plotinput
