#pragma once
// Input as the window system gives it: clicks and keys enter through the
// control's top-level window, so a window that a modal window blocks drops
// them as it would for a user. (QTest's widget overloads hand events straight
// to the widget and would pass a blocked window.) Needs Qt6::Test.

#include "platform/gui/Control.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
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

// Whether `window` is the top-most window at its own centre as the window
// system stacks them: under a window manager this is the manager's stacking.
inline bool onTopAtItsCentre(QWidget* window)
{
    QWidget* top = QApplication::widgetAt(window->frameGeometry().center());
    return top != nullptr && top->window() == window;
}

// A window the user can act on: shown, on top and given the focus by the
// window system (which, under a window manager, comes a moment after showing).
inline bool readyForTheUser(TControl& window)
{
    QWidget* widget = window.Widget();
    return widget->isVisible() && widget->isActiveWindow() && onTopAtItsCentre(widget);
}

// Whether the innermost modal window, if any, is on top and active: where a
// user would act next once the window system has caught up.
inline bool modalWindowReady()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal == nullptr || (modal->isActiveWindow() && onTopAtItsCentre(modal));
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

// Item `index` of a drop-down list chosen as a user chooses it from the
// keyboard: the list opened with F4 through the box's window, the arrow keys
// moved to the item inside the opened list and Enter taken there, so that the
// box reports one choice. True once the list has closed on the item.
inline bool chooseThroughWindow(TControl& list, int index)
{
    auto* box = qobject_cast<QComboBox*>(list.Widget());
    if (box == nullptr || index < 0 || index >= box->count())
        return false;
    QWidget* top = box->window();
    top->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClick(top->windowHandle(), Qt::Key_F4);
    QWidget* popup = box->view()->window();
    for (int wait = 0; wait < 200 && !popup->isVisible(); ++wait)
        QTest::qWait(5);
    if (!popup->isVisible())
        return false;
    popup->winId();
    QTest::keyClick(popup->windowHandle(), Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(popup->windowHandle(), Qt::Key_Down);
    QTest::keyClick(popup->windowHandle(), Qt::Key_Return);
    QCoreApplication::processEvents();
    return !popup->isVisible() && box->currentIndex() == index;
}

} // namespace qx::test
