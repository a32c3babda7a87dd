#pragma once

#include <functional>
#include <string>

class QImage;
class TForm;

namespace qx {

/// Renders a window, offscreen, to a picture so that a person can look at it
/// without a display: the window is made by its registered class name (its
/// constructor loads its own layout), optionally given a layout text from a
/// file instead, created as the program creates it (OnCreate runs), shown
/// at its design size and grabbed.
class WindowScreenshot
{
public:
    /// Throws std::runtime_error for a class that is not a registered window
    /// class, and qx::LayoutError for a bad layout file.
    /// `prepare`, when given, runs on the shown window before it is grabbed
    /// (to press a button that brings a page to front, for instance).
    using Prepare = std::function<void(TForm& window)>;
    static QImage render(const std::string& className, const std::string& layoutFile = {},
                         const Prepare& prepare = {});
    /// render, then writes the picture as PNG; throws std::runtime_error when it cannot.
    static void savePng(const std::string& className, const std::string& pngFile, const std::string& layoutFile = {},
                        const Prepare& prepare = {});
};

} // namespace qx
