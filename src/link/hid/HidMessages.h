#pragma once

#include <cstdint>

/// The broadcast after every change of the device tree; its wParam is
/// DBT_DEVNODES_CHANGED, its lParam -1 for the first scan a controller asks
/// for itself.
inline constexpr unsigned WM_DEVICECHANGE = 0x0219;
inline constexpr std::uintptr_t DBT_DEVNODES_CHANGED = 7;

namespace qx {

/// A HID read thread hands an input report to the GUI thread: wParam the
/// thread's id, the message data the report, report id first.
inline constexpr unsigned kHidReportMessage = 1370;
/// A HID read thread could not read: wParam the thread's id, lParam the errno value.
inline constexpr unsigned kHidReadErrorMessage = 1371;

} // namespace qx
