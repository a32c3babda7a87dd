#pragma once

#include <cstdint>
#include <string>
#include <vector>

class QImage;

// Clipboard formats with fixed numbers; RegisterClipboardFormat hands out
// numbers from 0xC000 up for formats known by name.
inline constexpr unsigned CF_TEXT = 1;
inline constexpr unsigned CF_BITMAP = 2;
inline constexpr unsigned CF_UNICODETEXT = 13;
inline constexpr unsigned CF_ENHMETAFILE = 14;

/// The number of the clipboard format with this name, the same number for
/// the same name (compared without regard to case) for the life of the program.
unsigned RegisterClipboardFormat(const std::string& name);

/// The system clipboard: text, pictures, drawings (kept as SVG) and blocks
/// of bytes under registered formats. Putting something replaces everything
/// the clipboard held.
class TClipboard
{
public:
    std::string AsText() const;
    void SetAsText(const std::string& text);

    bool HasFormat(unsigned format) const;
    void Clear();

    QImage AsImage() const;
    void SetAsImage(const QImage& image);

    /// A drawing as SVG bytes (the clipboard's metafile format).
    std::vector<std::uint8_t> AsSvg() const;
    void SetAsSvg(const std::vector<std::uint8_t>& svg);
    /// A drawing as SVG bytes together with its bitmap, both put at once.
    void SetAsSvgAndImage(const std::vector<std::uint8_t>& svg, const QImage& image);

    /// The block under a registered format; empty when there is none.
    std::vector<std::uint8_t> AsBytes(unsigned format) const;
    void SetAsBytes(unsigned format, const std::vector<std::uint8_t>& bytes);
};

/// The one clipboard object of the program.
TClipboard* Clipboard();
