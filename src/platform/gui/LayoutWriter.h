#pragma once

#include "platform/gui/LayoutParser.h"

#include <string>

class TComponent;

namespace qx {

/// The layout of a component, as the loader reads it back: "object Name: Class" (no name
/// for an unnamed component) with every published property that is stored for the
/// component, can be read and set, and differs from its declared default, in the order of
/// the class's property table. A value equal to its declared default is written too when a
/// fresh component of the class, read from the layout without it, would hold another value
/// (some constructors, and some reading steps, set values other than the declared default);
/// the layout is read back to find them. Object properties are written as dotted paths, collections
/// with one item per element (each item's properties by the same rules; an item whose
/// writing fails keeps what was written before the failure), a component reference by name
/// when the component is the written one or owned by it. Events are not written (a handler
/// has no name to give), nor the components it owns.
LayoutObject layoutOf(TComponent& component);

/// The text of a layout in the format parseLayout reads; long strings are written in
/// pieces joined by "+".
std::string layoutText(const LayoutObject& layout);

/// layoutText(layoutOf(component)).
std::string writeLayoutText(TComponent& component);

} // namespace qx
