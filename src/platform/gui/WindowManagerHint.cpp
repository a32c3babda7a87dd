#include "platform/gui/WindowManagerHint.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

static xcb_connection_t* x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

void qx::markModalOver(QWindow& modal, const QWindow* opener)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    // The root window stands for the program's whole group of windows.
    const xcb_window_t owner = opener ? static_cast<xcb_window_t>(opener->winId())
                                      : xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // Set after the window is shown: Qt clears the property of a window that
    // is not a dialog whenever it shows it.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(modal.winId()),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &owner);
    xcb_flush(connection);
}

void qx::reportHeldFocus(QWindow& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    const bool held = reply && reply->focus == id;
    std::free(reply);
    if (!held)
        return;
    // The event the window system sends when the focus arrives, sent to the
    // window alone.
    xcb_focus_in_event_t event{};
    event.response_type = XCB_FOCUS_IN;
    event.detail = XCB_NOTIFY_DETAIL_NONLINEAR;
    event.event = id;
    event.mode = XCB_NOTIFY_MODE_NORMAL;
    xcb_send_event(connection, 0, id, XCB_EVENT_MASK_FOCUS_CHANGE, reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}
