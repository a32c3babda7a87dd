#pragma once
// Input as the window system gives it: clicks and keys enter through the
// control's top-level window, so a window that a modal window blocks drops
// them as it would for a user. (QTest's widget overloads hand events straight
// to the widget and would pass a blocked window.) Needs Qt6::Test.

#include "platform/gui/Control.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <string>

namespace qx::test {

// A left click at `at` inside `widget` (its centre when not given). As a
// window system does, the click first makes its window the active one
// (a window that a modal window blocks stays inactive).
inline void clickThroughWindow(QWidget* widget, QPoint at = QPoint(-1, -1))
{
    if (at == QPoint(-1, -1))
        at = widget->rect().center();
    QWidget* top = widget->window();
    top->winId();
    top->activateWindow();
    QCoreApplication::processEvents();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
}

inline void clickThroughWindow(TControl& control) { clickThroughWindow(control.Widget()); }

// Text typed into the window that has the focus of `control`'s window.
inline void typeThroughWindow(TControl& control, const std::string& text)
{
    QWidget* top = control.Widget()->window();
    top->winId();
    for (char c : text)
        QTest::keyClick(top->windowHandle(), c);
}

} // namespace qx::test
