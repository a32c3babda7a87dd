#pragma once
// Input as the window system gives it: clicks and keys enter through the
// control's top-level window, so a window that a modal window blocks drops
// them as it would for a user. (QTest's widget overloads hand events straight
// to the widget and would pass a blocked window.) Needs Qt6::Test.

#include "platform/gui/Control.h"
#include "platform/gui/MenuItem.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QEvent>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <string>
#include <vector>

namespace qx::test {

// Sets `*seen` as `widget` takes a mouse button's release, before the widget
// acts on it: a test that waits for what a click starts knows the click has
// landed, also when the click's handler runs a modal loop of its own.
class ReleaseWatch final : public QObject
{
public:
    ReleaseWatch(QWidget* widget, bool* seen) : widget_(widget), seen_(seen) { widget_->installEventFilter(this); }
    ~ReleaseWatch() override
    {
        if (widget_)
            widget_->removeEventFilter(this);
    }
    ReleaseWatch(const ReleaseWatch&) = delete;
    ReleaseWatch& operator=(const ReleaseWatch&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (seen_ && watched == widget_ && event->type() == QEvent::MouseButtonRelease)
            *seen_ = true;
        return false;
    }

private:
    QPointer<QWidget> widget_;
    bool* seen_;
};

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

// Whether the window shows `control` at its centre: not hidden, nor covered
// by a sibling in front of it (a page behind the page in front is covered).
inline bool inSightAtItsCentre(TControl& control)
{
    QWidget* widget = control.Widget();
    if (!widget->isVisible())
        return false;
    QWidget* top = widget->window();
    QWidget* seen = top->childAt(widget->mapTo(top, widget->rect().center()));
    return seen == widget || widget->isAncestorOf(seen);
}

inline void clickThroughWindow(TControl& control) { clickThroughWindow(control.Widget()); }

// Text (UTF-8) typed into the window that has the focus of `control`'s
// window, a key for each character (a letter beyond ASCII on its own key, as
// a keyboard of its language has it).
inline void typeThroughWindow(TControl& control, const std::string& text)
{
    QWidget* top = control.Widget()->window();
    top->winId();
    for (const QChar c : QString::fromStdString(text)) {
        if (c.unicode() < 0x80)
            QTest::keyClick(top->windowHandle(), static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, top->windowHandle(), static_cast<Qt::Key>(c.toUpper().unicode()),
                                QString(c), Qt::NoModifier);
    }
}

// A click into `control` that gives it (or a control inside it) the focus,
// as a user gives it. False when it did not take the focus.
inline bool focusThroughWindow(TControl& control)
{
    if (!control.Widget()->isVisible())
        return false;
    clickThroughWindow(control);
    const auto focused = [&control] {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && (focus == control.Widget() || control.Widget()->isAncestorOf(focus));
    };
    // Under a window manager the focus comes a moment after the click.
    return QTest::qWaitFor(focused, 2000);
}

// A key pressed (with `modifiers` held) into the window that has the focus of
// `control`'s window.
inline void pressThroughWindow(TControl& control, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* top = control.Widget()->window();
    top->winId();
    QTest::keyClick(top->windowHandle(), key, modifiers);
    QCoreApplication::processEvents();
}

// A value entered into a box as a user enters it: a click into the box gives
// it the focus, Ctrl+A selects what it holds, the text is typed over it (an
// empty text deletes it) and `finish` pressed (Enter to take the value, Tab
// to leave the box, Qt::Key_unknown for neither). False when the box did not
// take the focus. (The text is a copy: the box's own text changes as it is
// typed over.)
inline bool enterThroughWindow(TControl& box, std::string text, Qt::Key finish = Qt::Key_Return)
{
    if (!focusThroughWindow(box))
        return false;
    QWidget* top = box.Widget()->window();
    QTest::keyClick(top->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    if (text.empty())
        QTest::keyClick(top->windowHandle(), Qt::Key_Delete);
    typeThroughWindow(box, text);
    if (finish != Qt::Key_unknown)
        QTest::keyClick(top->windowHandle(), finish);
    QCoreApplication::processEvents();
    return true;
}

// A press at `from` inside `widget`, the mouse moved to `to` with the button
// held and let go there, through the widget's window.
inline void dragThroughWindow(QWidget* widget, QPoint from, QPoint to)
{
    QWidget* top = widget->window();
    top->winId();
    top->activateWindow();
    QCoreApplication::processEvents();
    QWindow* window = top->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, widget->mapTo(top, from));
    QTest::mouseMove(window, widget->mapTo(top, to));
    QTest::mouseRelease(window, Qt::LeftButton, {}, widget->mapTo(top, to));
    QCoreApplication::processEvents();
}

// The menu bar that shows `action`, if any.
inline QMenuBar* menuBarShowing(QAction* action)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        for (QMenuBar* bar : top->findChildren<QMenuBar*>())
            if (bar->actions().contains(action))
                return bar;
    return nullptr;
}

// A menu entry chosen as a user chooses it with the mouse: its caption
// clicked on the menu bar, then each entry on the way down clicked in the
// drop-down menu that opened. False when an entry on the way is hidden or
// disabled or its menu did not open (the menus are then closed). `chosen`,
// when given, is set as the last click lands (see ReleaseWatch).
inline bool chooseMenuThroughWindow(TMenuItem& item, bool* chosen = nullptr)
{
    std::vector<TMenuItem*> path;
    for (TMenuItem* at = &item; at != nullptr && at->Parent() != nullptr; at = at->Parent())
        path.insert(path.begin(), at);
    const auto giveUp = [] {
        while (QWidget* open = QApplication::activePopupWidget())
            open->close();
        QCoreApplication::processEvents();
        return false;
    };
    for (std::size_t step = 0; step < path.size(); ++step) {
        QAction* action = path[step]->Action();
        if (!action->isVisible() || !action->isEnabled())
            return giveUp();
        if (step == 0) {
            QMenuBar* bar = menuBarShowing(action);
            if (bar == nullptr || !bar->isVisible())
                return giveUp();
            const ReleaseWatch watch(bar, step + 1 == path.size() ? chosen : nullptr);
            clickThroughWindow(bar, bar->actionGeometry(action).center());
            continue;
        }
        QMenu* menu = path[step - 1]->SubMenu();
        for (int wait = 0; wait < 400 && menu && !(menu->isVisible() && menu->windowHandle() && menu->windowHandle()->isExposed()); ++wait)
            QTest::qWait(5);
        if (menu == nullptr || !menu->isVisible())
            return giveUp();
        const ReleaseWatch watch(menu, step + 1 == path.size() ? chosen : nullptr);
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    QCoreApplication::processEvents();
    return true;
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
