#include "platform/gui/WindowManagerHint.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

void qx::markModalOver(QWindow& modal, const QWindow& opener)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const auto owner = static_cast<xcb_window_t>(opener.winId());
    // Set after the window is shown: Qt clears the property of a window that
    // is not a dialog whenever it shows it.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(modal.winId()),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &owner);
    xcb_flush(connection);
}
