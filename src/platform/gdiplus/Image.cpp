#include "platform/gdiplus/Image.h"

#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace qx::gdiplus {

namespace {

// Controls draw the same few pictures at every paint, each from its file's
// bytes: a picture is decoded once and its pixels shared after (an Image's
// pixels are never written). Pictures above the size limit, and any past the
// count limit, are decoded every time.
class DecodedPictures
{
public:
    static constexpr std::size_t kMaxBytes = 1 << 20;
    static constexpr std::size_t kMaxCount = 256;

    std::optional<Image> find(qx::ByteView bytes)
    {
        const std::lock_guard lock(mutex_);
        const auto it = known_.find(key(bytes));
        return it == known_.end() ? std::nullopt : std::optional<Image>(it->second);
    }
    void keep(qx::ByteView bytes, const Image& image)
    {
        const std::lock_guard lock(mutex_);
        if (bytes.size() <= kMaxBytes && known_.size() < kMaxCount)
            known_.emplace(std::string(key(bytes)), image);
    }

private:
    static std::string_view key(qx::ByteView bytes)
    {
        return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    }

    struct Hash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    std::mutex mutex_;
    std::unordered_map<std::string, Image, Hash, std::equal_to<>> known_;
};

DecodedPictures& decodedPictures()
{
    static DecodedPictures pictures;
    return pictures;
}

} // namespace

Image Image::FromStream(qx::ByteView bytes)
{
    if (std::optional<Image> known = decodedPictures().find(bytes))
        return *known;
    Image out = decodeBytes(bytes);
    if (!out.IsEmpty())
        decodedPictures().keep(bytes, out);
    return out;
}

Image Image::decodeBytes(qx::ByteView bytes)
{
    Image out;
    const qx::DecodeResult decoded = qx::decodeImage(bytes);
    if (!decoded || decoded.image->empty()) {
        out.m_error = decoded ? "empty picture" : decoded.error;
        return out;
    }
    const qx::Image& image = *decoded.image;
    QImage q(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(q.scanLine(y), image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                    static_cast<std::size_t>(image.width) * 4);
    out.m_image = image.hasAlpha ? q.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                 : q.convertToFormat(QImage::Format_RGB32);
    out.m_format = image.sourceFormat;
    out.m_hasAlpha = image.hasAlpha;
    out.m_hasPalette = image.hasPalette;
    out.m_depth = image.bitsPerPixel;
    return out;
}

Image Image::FromQImage(const QImage& image)
{
    Image out;
    out.m_image = image;
    out.m_hasAlpha = image.hasAlphaChannel();
    out.m_depth = image.depth();
    return out;
}

QImage ImageAttributes::apply(const QImage& image) const
{
    if (!m_keyed)
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const auto inside = [&](QRgb p) {
        return qRed(p) >= redOf(m_low) && qRed(p) <= redOf(m_high) && qGreen(p) >= greenOf(m_low) &&
               qGreen(p) <= greenOf(m_high) && qBlue(p) >= blueOf(m_low) && qBlue(p) <= blueOf(m_high);
    };
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (inside(line[x]))
                line[x] = 0;
    }
    return out;
}

} // namespace qx::gdiplus
