#pragma once

#include "platform/gui/canvas/Graphic.h"

#include <functional>
#include <string>

class TPicture;

namespace qx {

/// Finds the bytes of a picture that a layout names (a PNG or JPEG compiled
/// into the program); empty when there is none.
using PictureResolver = std::function<Bytes(const std::string& name)>;

/// The program puts in the resolver of its compiled-in pictures; until then
/// every name resolves to nothing.
void setPictureResolver(PictureResolver resolver);

/// Loads the named picture into picture; an empty name or an unknown one
/// leaves it empty. Throws std::runtime_error naming the picture when its
/// bytes are not a picture.
void loadPictureResource(TPicture& picture, const std::string& name);

} // namespace qx
