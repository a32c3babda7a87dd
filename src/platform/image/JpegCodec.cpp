#include "platform/image/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace qx {

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void quiet(j_common_ptr) {}

// A warning of the reader (damaged or missing data) makes the picture a
// failure: reading stops there rather than going on over every remaining row
// with made-up data. Trace messages (level 0 and up) are dropped.
void onReadMessage(j_common_ptr info, int level)
{
    if (level < 0)
        onError(info);
}

ErrorManager* setUpErrors(ErrorManager* errors)
{
    jpeg_std_error(&errors->base);
    errors->base.error_exit = onError;
    errors->base.output_message = quiet; // the writer's warnings are not printed
    errors->message[0] = 0;
    return errors;
}

void convertRow(const std::uint8_t* in, int components, bool adobeInverted, std::uint32_t* out, int width)
{
    for (int x = 0; x < width; ++x, in += components) {
        std::uint32_t r = in[0], g = in[0], b = in[0];
        if (components == 3) {
            g = in[1];
            b = in[2];
        } else if (components == 4) {
            // CMYK: Adobe writes inverted values, so the ink is 255 - value there.
            const auto plane = [&](int i) { return adobeInverted ? in[i] : 255u - in[i]; };
            const std::uint32_t k = plane(3);
            r = plane(0) * k / 255;
            g = plane(1) * k / 255;
            b = plane(2) * k / 255;
        }
        out[x] = 0xFF000000u | r << 16 | g << 8 | b;
    }
}

// Every 8x8 block of every component is coded, and a Huffman code is at
// least one bit long, so a Huffman-coded picture holds at least one bit of
// data per block (a progressive one in its first scan alone). A picture that
// declares more blocks than its data has bits is forged or cut short, and
// reading it would still go over every declared pixel (a picture in several
// scans over all of them before the first row comes out): a small file
// declaring a huge size would take seconds to refuse. It is refused from its
// header. Arithmetic coding has no such bound; damage stops its reading.
bool fewerBitsThanBlocks(const jpeg_decompress_struct& info, std::size_t inputBytes)
{
    if (info.arith_code)
        return false;
    std::int64_t blocks = 0;
    for (int c = 0; c < info.num_components; ++c)
        blocks += std::int64_t(info.comp_info[c].width_in_blocks) * std::int64_t(info.comp_info[c].height_in_blocks);
    return blocks > 8 * static_cast<std::int64_t>(inputBytes);
}

const char* sizeRefusal(const jpeg_decompress_struct& info, std::size_t inputBytes)
{
    if (!imageSizeAcceptable(info.image_width, info.image_height))
        return "picture too large";
    if (fewerBitsThanBlocks(info, inputBytes))
        return "picture far larger than its data";
    return nullptr;
}

// Holds no object with a destructor: libjpeg leaves it by longjmp on error.
bool readJpeg(ByteView bytes, Image* image, Bytes* row, ErrorManager* errors, const char** refusal)
{
    jpeg_decompress_struct info;
    info.err = &setUpErrors(errors)->base;
    errors->base.emit_message = onReadMessage;
    jpeg_create_decompress(&info);
    if (setjmp(errors->jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if ((*refusal = sizeRefusal(info, bytes.size())) != nullptr) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.jpeg_color_space == JCS_YCCK)
        info.out_color_space = JCS_CMYK;
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if (components != 1 && components != 3 && components != 4) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    *image = Image(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    image->bitsPerPixel = 8 * info.num_components;
    row->resize(static_cast<std::size_t>(info.output_width) * static_cast<std::size_t>(components));
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row->data()};
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1)
            break;
        convertRow(row->data(), components, info.saw_Adobe_marker, image->pixels.data() + std::size_t(y) * image->width,
                   image->width);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// Holds no object with a destructor: libjpeg leaves it by longjmp on error.
bool writeJpeg(const Image& image, const std::uint8_t* rgb, int quality, bool progressive, ErrorManager* errors,
               unsigned char** buffer, unsigned long* size)
{
    jpeg_compress_struct info;
    info.err = &setUpErrors(errors)->base;
    jpeg_create_compress(&info);
    if (setjmp(errors->jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.density_unit = 1; // dots per inch
    info.X_density = info.Y_density = 96;
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {const_cast<JSAMPROW>(rgb + stride * info.next_scanline)};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

DecodeResult decodeJpeg(ByteView bytes)
{
    if (bytes.size() < 4)
        return DecodeResult::failure("JPEG: truncated data");
    Image image;
    Bytes row;
    ErrorManager errors;
    const char* refusal = nullptr;
    if (!readJpeg(bytes, &image, &row, &errors, &refusal)) {
        if (refusal != nullptr)
            return DecodeResult::failure(std::string("JPEG: ") + refusal);
        return DecodeResult::failure(std::string("JPEG: ") +
                                     (errors.message[0] ? errors.message : "corrupt or truncated data"));
    }
    image.sourceFormat = ImageFormat::Jpeg;
    return {std::move(image), {}};
}

EncodeResult encodeJpeg(const Image& image, int quality, bool progressive)
{
    if (image.empty())
        return {{}, "JPEG: empty picture"};
    Bytes rgb;
    rgb.reserve(image.pixels.size() * 3);
    for (const std::uint32_t p : image.pixels) {
        rgb.push_back(static_cast<std::uint8_t>(p >> 16));
        rgb.push_back(static_cast<std::uint8_t>(p >> 8));
        rgb.push_back(static_cast<std::uint8_t>(p));
    }
    ErrorManager errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = writeJpeg(image, rgb.data(), std::clamp(quality, 1, 100), progressive, &errors, &buffer, &size);
    EncodeResult result;
    if (ok && buffer)
        result.bytes.assign(buffer, buffer + size);
    else
        result.error = std::string("JPEG: ") + (errors.message[0] ? errors.message : "cannot write");
    std::free(buffer);
    return result;
}

} // namespace qx
