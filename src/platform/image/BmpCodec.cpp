#include "platform/image/BmpCodec.h"

#include <bit>
#include <cstdlib>

namespace qx {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;
constexpr std::uint32_t kBiAlphaBitFields = 6;

// Bounds-checked little-endian reads; every read past the end sets ok to false.
class Reader
{
public:
    explicit Reader(ByteView bytes) : m_bytes(bytes) {}
    bool ok = true;

    std::uint32_t u8(std::size_t at) { return inside(at, 1) ? m_bytes[at] : 0; }
    std::uint32_t u16(std::size_t at) { return inside(at, 2) ? m_bytes[at] | m_bytes[at + 1] << 8 : 0; }
    std::uint32_t u32(std::size_t at)
    {
        return inside(at, 4) ? u16(at) | u16(at + 2) << 16 : 0;
    }
    bool inside(std::size_t at, std::size_t n)
    {
        if (at > m_bytes.size() || n > m_bytes.size() - at)
            ok = false;
        return ok;
    }

private:
    ByteView m_bytes;
};

// One channel of a bit-fields pixel scaled to 8 bits; an empty mask gives fallback.
struct Channel
{
    std::uint32_t mask = 0;
    std::uint32_t get(std::uint32_t value, std::uint32_t fallback) const
    {
        if (!mask)
            return fallback;
        const int shift = std::countr_zero(mask);
        const int bits = std::popcount(mask);
        const std::uint32_t v = (value & mask) >> shift;
        const std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(v) * 255 + max / 2) / max);
    }
};

struct Header
{
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = kBiRgb;
    Channel r, g, b, a;
    std::uint32_t dataOffset = 0;
    std::vector<std::uint32_t> palette;
};

std::string readHeader(Reader& in, Header& h)
{
    h.dataOffset = in.u32(10);
    const std::uint32_t infoSize = in.u32(14);
    if (!in.ok)
        return "truncated header";
    std::size_t paletteEntry = 4;
    if (infoSize == 12) {
        h.width = in.u16(18);
        h.height = in.u16(20);
        h.bits = static_cast<int>(in.u16(24));
        paletteEntry = 3;
    } else if (infoSize >= 40) {
        h.width = static_cast<std::int32_t>(in.u32(18));
        h.height = static_cast<std::int32_t>(in.u32(22));
        h.bits = static_cast<int>(in.u16(28));
        h.compression = in.u32(30);
    } else {
        return "unknown header";
    }
    if (!in.ok)
        return "truncated header";
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    if (!imageSizeAcceptable(h.width, h.height))
        return "bad picture size";
    if (h.compression != kBiRgb && h.compression != kBiBitFields && h.compression != kBiAlphaBitFields)
        return "unsupported compression";
    if (h.bits == 16 || h.bits == 32) {
        if (h.compression == kBiRgb) {
            const std::uint32_t five = 0x1F;
            h.r.mask = h.bits == 16 ? five << 10 : 0xFF0000;
            h.g.mask = h.bits == 16 ? five << 5 : 0xFF00;
            h.b.mask = h.bits == 16 ? five : 0xFF;
        } else {
            h.r.mask = in.u32(54);
            h.g.mask = in.u32(58);
            h.b.mask = in.u32(62);
            if (infoSize >= 56 || h.compression == kBiAlphaBitFields)
                h.a.mask = in.u32(66);
        }
    } else if (h.bits != 24 && h.bits != 1 && h.bits != 4 && h.bits != 8) {
        return "unsupported bit depth";
    } else if (h.compression != kBiRgb) {
        return "unsupported compression";
    }
    if (h.bits <= 8) {
        std::uint32_t count = infoSize >= 40 ? in.u32(46) : 0;
        if (count == 0 || count > (1u << h.bits))
            count = 1u << h.bits;
        const std::size_t start = 14 + infoSize;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = start + i * paletteEntry;
            h.palette.push_back(0xFF000000u | in.u8(at + 2) << 16 | in.u8(at + 1) << 8 | in.u8(at));
        }
    }
    return in.ok ? std::string() : "truncated palette";
}

std::uint32_t readPixel(Reader& in, const Header& h, std::size_t row, int x)
{
    switch (h.bits) {
    case 1:
    case 4:
    case 8: {
        const std::size_t bit = static_cast<std::size_t>(x) * h.bits;
        const std::uint32_t byte = in.u8(row + bit / 8);
        const std::uint32_t index = (byte >> (8 - h.bits - bit % 8)) & ((1u << h.bits) - 1);
        return index < h.palette.size() ? h.palette[index] : 0xFF000000u;
    }
    case 24:
        return 0xFF000000u | in.u8(row + x * 3 + 2) << 16 | in.u8(row + x * 3 + 1) << 8 | in.u8(row + x * 3);
    default: {
        const std::uint32_t v = h.bits == 16 ? in.u16(row + x * 2) : in.u32(row + x * 4);
        return h.a.get(v, 255) << 24 | h.r.get(v, 0) << 16 | h.g.get(v, 0) << 8 | h.b.get(v, 0);
    }
    }
}

void putLE(Bytes& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

DecodeResult decodeBmp(ByteView bytes)
{
    Reader in(bytes);
    if (in.u16(0) != 0x4D42)
        return DecodeResult::failure("BMP: not a bitmap file");
    Header h;
    if (std::string why = readHeader(in, h); !why.empty())
        return DecodeResult::failure("BMP: " + why);
    const std::size_t stride = ((static_cast<std::size_t>(h.width) * h.bits + 31) / 32) * 4;
    if (!in.inside(h.dataOffset, stride * static_cast<std::size_t>(h.height)))
        return DecodeResult::failure("BMP: truncated pixel data");
    Image image(static_cast<int>(h.width), static_cast<int>(h.height));
    for (int y = 0; y < image.height; ++y) {
        const int fileRow = h.topDown ? y : image.height - 1 - y;
        const std::size_t row = h.dataOffset + stride * static_cast<std::size_t>(fileRow);
        for (int x = 0; x < image.width; ++x)
            image.setPixel(x, y, readPixel(in, h, row, x));
    }
    image.sourceFormat = ImageFormat::Bmp;
    image.bitsPerPixel = h.bits;
    image.hasPalette = h.bits <= 8;
    image.hasAlpha = h.a.mask != 0;
    return {std::move(image), {}};
}

EncodeResult encodeBmp(const Image& image)
{
    if (image.empty())
        return {{}, "BMP: empty picture"};
    const int bits = image.hasAlpha ? 32 : 24;
    const std::size_t stride = ((static_cast<std::size_t>(image.width) * bits + 31) / 32) * 4;
    const std::uint32_t headerSize = image.hasAlpha ? 14 + 56 : 14 + 40;
    const std::size_t dataSize = stride * static_cast<std::size_t>(image.height);
    EncodeResult result;
    Bytes& out = result.bytes;
    out.reserve(headerSize + dataSize);
    putLE(out, 0x4D42, 2);
    putLE(out, static_cast<std::uint32_t>(headerSize + dataSize), 4);
    putLE(out, 0, 4);
    putLE(out, headerSize, 4);
    putLE(out, headerSize - 14, 4);
    putLE(out, static_cast<std::uint32_t>(image.width), 4);
    putLE(out, static_cast<std::uint32_t>(image.height), 4);
    putLE(out, 1, 2);
    putLE(out, static_cast<std::uint32_t>(bits), 2);
    putLE(out, image.hasAlpha ? kBiBitFields : kBiRgb, 4);
    putLE(out, static_cast<std::uint32_t>(dataSize), 4);
    putLE(out, 3780, 4); // 96 dpi
    putLE(out, 3780, 4);
    putLE(out, 0, 4);
    putLE(out, 0, 4);
    if (image.hasAlpha) {
        putLE(out, 0x00FF0000, 4);
        putLE(out, 0x0000FF00, 4);
        putLE(out, 0x000000FF, 4);
        putLE(out, 0xFF000000, 4);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x)
            putLE(out, image.pixel(x, y), bits / 8);
        out.resize(rowStart + stride, 0);
    }
    return result;
}

} // namespace qx
