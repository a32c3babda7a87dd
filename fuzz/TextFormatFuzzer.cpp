// Format with arbitrary format strings and arguments, FormatFloat with
// arbitrary pictures and FloatToStrF with arbitrary settings: a text or an
// EConvertError, never anything else. The input gives the arguments first,
// then the format.

#include "FuzzInput.h"

#include "platform/text/EConvertError.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/Format.h"
#include "platform/text/NumberText.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

double doubleOf(qxfuzz::InputReader& in)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits = bits << 8 | in.byte();
    return std::bit_cast<double>(bits);
}

std::int64_t integerOf(qxfuzz::InputReader& in)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits = bits << 8 | in.byte();
    return static_cast<std::int64_t>(bits);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::InputReader in(data, size);
    // Texts the arguments point into live until the end.
    std::vector<std::string> texts;
    texts.reserve(4);
    std::vector<qx::FormatArg> args;
    const int count = in.byte() % 5;
    for (int i = 0; i < count; ++i) {
        switch (in.byte() % 5) {
        case 0:
            args.emplace_back(static_cast<int>(integerOf(in)));
            break;
        case 1:
            args.emplace_back(integerOf(in));
            break;
        case 2:
            args.emplace_back(doubleOf(in));
            break;
        case 3: {
            const auto piece = in.piece();
            texts.emplace_back(piece.begin(), piece.end());
            args.emplace_back(std::string_view(texts.back()));
            break;
        }
        default:
            args.emplace_back(static_cast<const void*>(texts.data()));
            break;
        }
    }
    const double value = doubleOf(in);
    const int precision = static_cast<std::int8_t>(in.byte());
    const int digits = static_cast<std::int8_t>(in.byte());
    const auto floatFormat = static_cast<TStringFloatFormat>(in.byte() % 5);
    const std::string_view format = in.restAsText();

    try {
        // The arguments go in as a list, as Format hands them on.
        switch (args.size()) {
        case 0: (void)qx::FormatArgs(format, {}); break;
        case 1: (void)qx::FormatArgs(format, {args[0]}); break;
        case 2: (void)qx::FormatArgs(format, {args[0], args[1]}); break;
        case 3: (void)qx::FormatArgs(format, {args[0], args[1], args[2]}); break;
        default: (void)qx::FormatArgs(format, {args[0], args[1], args[2], args[3]}); break;
        }
    } catch (const EConvertError&) {
        // a format that does not fit its arguments
    }
    (void)FormatFloat(format, value);
    (void)FloatToStrF(value, floatFormat, precision, digits);
    // Eighteen significant digits carry every double there and back.
    if (std::isfinite(value)) {
        const std::string text = FloatToStrF(value, sffExponent, 18, 0);
        qxfuzz::check(TryStrToFloat(text) == value, "a value written with 18 digits reads back exactly");
    }
    return 0;
}
