#include "platform/image/PngCodec.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>

namespace qx {

DecodeResult decodePng(ByteView bytes)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()))
        return DecodeResult::failure(std::string("PNG: ") + png.message);

    const png_uint_32 fileFormat = png.format;
    if (!imageSizeAcceptable(png.width, png.height)) {
        png_image_free(&png);
        return DecodeResult::failure("PNG: picture too large");
    }
    Image image(static_cast<int>(png.width), static_cast<int>(png.height));
    png.format = PNG_FORMAT_BGRA; // little-endian 0xAARRGGBB words
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr))
        return DecodeResult::failure(std::string("PNG: ") + png.message);

    image.sourceFormat = ImageFormat::Png;
    image.hasAlpha = (fileFormat & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.hasPalette = (fileFormat & PNG_FORMAT_FLAG_COLORMAP) != 0;
    const int channels = static_cast<int>(PNG_IMAGE_PIXEL_CHANNELS(fileFormat & ~PNG_FORMAT_FLAG_COLORMAP));
    const int depth = (fileFormat & PNG_FORMAT_FLAG_LINEAR) ? 16 : 8;
    image.bitsPerPixel = image.hasPalette ? 8 : channels * depth;
    return {std::move(image), {}};
}

namespace {

struct WriteState
{
    Bytes* out;
    char message[200];
};

[[noreturn]] void pngError(png_structp png, png_const_charp message)
{
    auto* state = static_cast<WriteState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message);
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* state = static_cast<WriteState*>(png_get_io_ptr(png));
    state->out->insert(state->out->end(), data, data + length);
}

void flushNothing(png_structp) {}

// Holds no object with a destructor: libpng leaves it by longjmp on error.
bool writePng(const Image& image, const std::uint8_t* const* rows, int level, WriteState* state)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, state, pngError, pngWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, state, appendBytes, flushNothing);
    png_set_compression_level(png, level);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 image.hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER); // 96 dpi
    png_write_info(png, info);
    png_write_rows(png, const_cast<png_bytepp>(rows), static_cast<png_uint_32>(image.height));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

EncodeResult encodePng(const Image& image, int compressionLevel)
{
    if (image.empty())
        return {{}, "PNG: empty picture"};
    const int channels = image.hasAlpha ? 4 : 3;
    const std::size_t stride = static_cast<std::size_t>(image.width) * channels;
    Bytes raw(stride * static_cast<std::size_t>(image.height));
    std::vector<const std::uint8_t*> rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = raw.data() + stride * static_cast<std::size_t>(y);
        rows[static_cast<std::size_t>(y)] = row;
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.pixel(x, y);
            *row++ = static_cast<std::uint8_t>(p >> 16);
            *row++ = static_cast<std::uint8_t>(p >> 8);
            *row++ = static_cast<std::uint8_t>(p);
            if (channels == 4)
                *row++ = static_cast<std::uint8_t>(p >> 24);
        }
    }
    EncodeResult result;
    WriteState state{&result.bytes, {}};
    if (!writePng(image, rows.data(), std::clamp(compressionLevel, 0, 9), &state)) {
        result.bytes.clear();
        result.error = std::string("PNG: ") + (state.message[0] ? state.message : "cannot write");
    }
    return result;
}

} // namespace qx
