#pragma once
// Pictures of the controls' layouts: a picture property names a compiled-in artwork file.

#include <string>

class TBitmap;

namespace qx::buttons {

/// Loads the artwork file of that name into bitmap; an empty name empties it. Throws
/// qx::PropertyError for a name that is no artwork or bytes that are no picture.
void loadPictureResource(TBitmap& bitmap, const std::string& name);

} // namespace qx::buttons
