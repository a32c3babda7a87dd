#pragma once
// Pictures published by resource name: a layout names a compiled-in picture; an empty name
// clears it.

#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/PropertyBuilder.h"

#include <functional>
#include <string>

namespace qx {

// Layouts name a picture by its resource; an empty name clears it.
template <class Picture> void loadPicture(Picture& picture, const std::string& name)
{
    if (name.empty())
        return picture.Clear();
    picture.LoadFromResourceName(name);
    if (picture.ResourceName() != name)
        throw PropertyError("no picture resource named '" + name + "'");
}

template <class C, class A> void addPicture(ClassBuilder<C>& builder, const std::string& name, A accessor)
{
    builder.picture(
        name, [accessor](const C& c) { return std::invoke(accessor, c).ResourceName(); },
        [accessor](C& c, const std::string& v) { loadPicture(std::invoke(accessor, c), v); });
}

} // namespace qx
