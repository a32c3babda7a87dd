#include "controls/skinned/ImageHeaders.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <optional>

namespace qx {

namespace {

// A read-only file read byte by byte; every read past the end gives nothing.
class ByteReader
{
public:
    explicit ByteReader(const std::string& fileName) : in_(fileName, std::ios::binary) {}

    bool ok() const { return static_cast<bool>(in_); }
    std::optional<std::uint8_t> byte()
    {
        char c;
        if (!in_.get(c))
            return std::nullopt;
        return static_cast<std::uint8_t>(c);
    }
    std::optional<int> be16()
    {
        const auto hi = byte(), lo = byte();
        if (!hi || !lo)
            return std::nullopt;
        return *hi << 8 | *lo;
    }
    bool skip(std::int64_t count)
    {
        in_.seekg(count, std::ios::cur);
        return static_cast<bool>(in_);
    }
    // Reads up to n bytes; returns how many arrived.
    std::size_t read(std::uint8_t* out, std::size_t n)
    {
        in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(n));
        return static_cast<std::size_t>(in_.gcount());
    }

private:
    std::ifstream in_;
};

int le16(const std::uint8_t* p)
{
    return p[0] | p[1] << 8;
}
std::uint32_t le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<std::uint32_t>(p[3]) << 24;
}

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

} // namespace

PixelSize ReadJpegPixelSize(const std::string& fileName)
{
    ByteReader in(fileName);
    if (in.byte() != 0xFF || in.byte() != 0xD8)
        return {};
    auto b = in.byte();
    while (b == 0xFF) {
        auto m = in.byte();
        while (m == 0xFF)
            m = in.byte();
        if (!m)
            return {};
        if (*m == 0xC0 || *m == 0xC1 || *m == 0xC2) {
            if (!in.skip(3))
                return {};
            const auto h = in.be16(), w = in.be16();
            if (!h || !w)
                return {};
            return {*w, *h};
        }
        if (*m == 0x01 || (*m >= 0xD0 && *m <= 0xD7)) {
            b = in.byte();
            continue;
        }
        const auto length = in.be16();
        if (!length || !in.skip(*length - 2))
            return {};
        b = in.byte();
    }
    return {};
}

PixelSize ReadPngPixelSize(const std::string& fileName)
{
    static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    ByteReader in(fileName);
    std::array<std::uint8_t, 24> head{};
    if (in.read(head.data(), head.size()) < head.size() ||
        !std::equal(kSignature.begin(), kSignature.end(), head.begin()))
        return {};
    return {head[18] << 8 | head[19], head[22] << 8 | head[23]};
}

PixelSize ReadBmpPixelSize(const std::string& fileName)
{
    ByteReader in(fileName);
    std::array<std::uint8_t, 26> head{};
    if (in.read(head.data(), head.size()) < head.size() || head[0] != 'B' || head[1] != 'M')
        return {};
    return {static_cast<int>(le32(&head[18]) & 0xFFFF), static_cast<int>(le32(&head[22]) & 0xFFFF)};
}

PixelSize ReadGifPixelSize(const std::string& fileName)
{
    if (fileName.empty())
        return {};
    ByteReader in(fileName);
    std::array<std::uint8_t, 13> head{};
    if (in.read(head.data(), head.size()) < head.size() || head[0] != 'G' || head[1] != 'I' || head[2] != 'F')
        return {};
    if (head[10] & 0x80)
        in.skip(3LL << ((head[10] & 7) + 1));
    while (auto b = in.byte()) {
        if (*b != 0x2C)
            continue;
        std::array<std::uint8_t, 10> image{};
        if (in.read(image.data(), image.size()) < image.size())
            return {};
        return {le16(&image[4]), le16(&image[6])};
    }
    return {};
}

PixelSize ReadTiffPixelSize(const std::string& fileName)
{
    ByteReader in(fileName);
    std::array<std::uint8_t, 8> head{};
    if (in.read(head.data(), head.size()) < head.size())
        return {};
    if (!in.skip(static_cast<std::int64_t>(le32(&head[4])) - 8))
        return {};
    std::array<std::uint8_t, 2> countBytes{};
    if (in.read(countBytes.data(), 2) < 2)
        return {};
    std::optional<int> width, height;
    for (int i = le16(countBytes.data()); i > 0; --i) {
        std::array<std::uint8_t, 12> entry{};
        if (in.read(entry.data(), entry.size()) < entry.size())
            return {};
        const int tag = le16(&entry[0]);
        const auto value = static_cast<std::int16_t>(le32(&entry[8]) & 0xFFFF);
        if (tag == 256)
            width = std::abs(static_cast<int>(value));
        else if (tag == 257)
            height = std::abs(static_cast<int>(value));
        if (width && height)
            return {*width, *height};
    }
    return {};
}

PixelSize ReadPixelSizeByExtension(const std::string& fileName)
{
    const auto dot = fileName.find_last_of('.');
    if (dot == std::string::npos)
        return {};
    const std::string ext = upper(fileName.substr(dot));
    if (ext == ".JPG" || ext == ".JPEG")
        return ReadJpegPixelSize(fileName);
    if (ext == ".PNG")
        return ReadPngPixelSize(fileName);
    if (ext == ".BMP")
        return ReadBmpPixelSize(fileName);
    if (ext == ".TIFF")
        return ReadTiffPixelSize(fileName);
    if (ext == ".GIF")
        return ReadGifPixelSize(fileName);
    return {};
}

} // namespace qx
