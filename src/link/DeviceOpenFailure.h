#pragma once
// Why a serial port or the processor's HID device would not open, kept for
// the user: the device path, the system's error number and whether another
// try in a moment may succeed.

#include <cerrno>
#include <string>

namespace qx {

enum class OpenProblem
{
    None,             ///< opened, or never tried
    PermissionDenied, ///< the user lacks the rights to the node
    Busy,             ///< another program holds the device
    Gone,             ///< the device went away since it was listed
    Other,            ///< any other error of the system
};

struct DeviceOpenFailure
{
    std::string path;
    int error = 0;         ///< errno value; 0: nothing failed
    bool mayRetry = false; ///< a node just plugged in may not have its rights from udev yet
    bool usb = false;      ///< the processor's HID device rather than a serial port

    OpenProblem problem() const
    {
        switch (error) {
        case 0:
            return OpenProblem::None;
        case EACCES:
        case EPERM:
            return OpenProblem::PermissionDenied;
        case EBUSY:
            return OpenProblem::Busy;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return OpenProblem::Gone;
        default:
            return OpenProblem::Other;
        }
    }
};

} // namespace qx
