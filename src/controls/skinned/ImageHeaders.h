#pragma once
// Pixel sizes read from the headers of picture files, without decoding them. Every reader
// gives 0 x 0 when the file lacks its format's signature or the size is not found.

#include <string>

namespace qx {

struct PixelSize
{
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

PixelSize ReadJpegPixelSize(const std::string& fileName);
PixelSize ReadPngPixelSize(const std::string& fileName);
PixelSize ReadBmpPixelSize(const std::string& fileName);
PixelSize ReadGifPixelSize(const std::string& fileName);
PixelSize ReadTiffPixelSize(const std::string& fileName);

// The reader chosen by the file name's extension (.JPG, .JPEG, .PNG, .BMP, .TIFF, .GIF, in
// any letter case); any other extension gives 0 x 0.
PixelSize ReadPixelSizeByExtension(const std::string& fileName);

} // namespace qx
