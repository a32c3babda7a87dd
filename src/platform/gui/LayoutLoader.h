#pragma once

#include "platform/gui/LayoutParser.h"

#include <string>
#include <string_view>
#include <vector>

class TComponent;

namespace qx {

/// Applies a layout to root (usually a form): sets root's name and
/// properties, creates the nested objects by registered class name with
/// root as owner, sets their properties, binds event handlers to root's
/// published methods by name, resolves references to components, fills
/// root's published fields, then calls Loaded() on everything it made.
/// An unknown class, property or handler, a bad value or a missing field
/// throws LayoutError naming the file and line.
void loadLayoutText(TComponent& root, std::string_view text, const std::string& file);

/// Reads a component written as a layout (writeLayoutText) back into root. The layout is
/// read into a fresh component of root's class first, so a layout that fails (LayoutError)
/// leaves root as it was; a class that cannot be made by name is read into root directly.
void readLayoutText(TComponent& root, std::string_view text, const std::string& file);

/// The same for a layout resource compiled into the program
/// (resources/layouts/NAME.layout); the name is given without ".layout".
void loadLayout(TComponent& root, const std::string& resourceName);

/// The text of a layout resource, empty when there is none.
std::string_view layoutResource(const std::string& resourceName);
/// The names of every compiled-in layout (without ".layout").
std::vector<std::string> layoutResourceNames();

} // namespace qx
