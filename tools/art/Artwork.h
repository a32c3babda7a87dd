#pragma once
// The artwork of the windows, drawn from code: each picture has a file name, a size and a
// painter. qx73b-art writes them as PNG files at build time; they are then compiled in.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class QImage;

namespace qx::art {

struct Artwork
{
    const char* name; // file name, e.g. "fader-thumb-v.png"
    int width;
    int height;
    // PNG with alpha, or opaque with the transparent key colour round the shape.
    bool alpha;
};

// Every picture the generator knows, in a fixed order.
std::span<const Artwork> artworks();
const Artwork* findArtwork(const std::string& name);

// The picture drawn afresh (a null image for an unknown name).
QImage paintArtwork(const Artwork& artwork);
// The PNG file bytes of the picture.
std::vector<std::uint8_t> encodeArtwork(const Artwork& artwork);

// Colour around the bitmap-button faces that the buttons leave out (clTeal as ARGB).
inline constexpr std::uint32_t kButtonKeyArgb = 0xFF008080u;

// The compiled-in files (generated in the build tree): bytes by name, empty when unknown.
std::string_view resource(std::string_view name);
std::vector<std::string_view> resourceNames();

} // namespace qx::art
