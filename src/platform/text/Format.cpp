#include "platform/text/Format.h"

#include "platform/text/CLocale.h"
#include "platform/text/EConvertError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <cstring>
#include <vector>

namespace qx {
namespace {

// Widths and precisions beyond this are refused rather than honoured.
constexpr int kMaxFieldSize = 4096;

enum class IntSize { Bits8, Bits16, Bits32, Bits64 };

struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    IntSize size = IntSize::Bits32;
    char type = 0;
};

class FormatReader {
public:
    FormatReader(std::string_view format, std::initializer_list<FormatArg> args)
        : format_(format), args_(args.begin(), args.end())
    {
    }

    std::string Run();

private:
    [[noreturn]] void Invalid() const
    {
        throw EConvertError("Format '" + std::string(format_) + "' invalid or incompatible with argument");
    }

    bool AtEnd() const { return pos_ >= format_.size(); }
    char Peek() const { return AtEnd() ? '\0' : format_[pos_]; }
    bool Accept(std::string_view token);
    const FormatArg& NextArg();
    std::int64_t NextInteger();
    int ReadField();
    Conversion ReadConversion();
    std::string Convert(const Conversion& c);
    std::string Integer(const Conversion& c, bool isSigned);
    std::string Floating(const Conversion& c);
    std::string Text(const Conversion& c, std::string_view text) const;

    std::string_view format_;
    std::vector<FormatArg> args_;
    std::size_t pos_ = 0;
    std::size_t nextArg_ = 0;
};

template <typename T>
std::string Printf(const std::string& pattern, T value)
{
    const CLocaleScope locale;
    const int length = std::snprintf(nullptr, 0, pattern.c_str(), value);
    if (length < 0)
        return {};
    std::string out(static_cast<std::size_t>(length), '\0');
    std::snprintf(out.data(), out.size() + 1, pattern.c_str(), value);
    return out;
}

std::string PrintfPattern(const Conversion& c, std::string_view length, char type)
{
    std::string pattern = "%" + c.flags;
    if (c.width >= 0)
        pattern += std::to_string(c.width);
    if (c.precision >= 0) {
        pattern += '.';
        pattern += std::to_string(c.precision);
    }
    return pattern.append(length) + type;
}

bool FormatReader::Accept(std::string_view token)
{
    if (format_.substr(pos_, token.size()) != token)
        return false;
    pos_ += token.size();
    return true;
}

const FormatArg& FormatReader::NextArg()
{
    if (nextArg_ >= args_.size())
        Invalid();
    return args_[nextArg_++];
}

std::int64_t FormatReader::NextInteger()
{
    const FormatArg& arg = NextArg();
    if (arg.ValueKind() != FormatArg::Kind::Integer)
        Invalid();
    return arg.Integer();
}

// A width or precision: digits, "*" (-1 for a negative argument) or nothing (-1).
int FormatReader::ReadField()
{
    if (Accept("*")) {
        const std::int64_t value = NextInteger();
        if (value > kMaxFieldSize)
            Invalid();
        return value < 0 ? -1 : static_cast<int>(value);
    }
    if (Peek() < '0' || Peek() > '9')
        return -1;
    int value = 0;
    while (Peek() >= '0' && Peek() <= '9') {
        value = value * 10 + (format_[pos_++] - '0');
        if (value > kMaxFieldSize)
            Invalid();
    }
    return value;
}

Conversion FormatReader::ReadConversion()
{
    Conversion c;
    while (!AtEnd() && std::strchr("-+ #0", Peek()) != nullptr)
        c.flags += format_[pos_++];
    if (Peek() == '*') {
        // A negative width from an argument means left alignment.
        ++pos_;
        const std::int64_t width = NextInteger();
        if (width < -kMaxFieldSize || width > kMaxFieldSize)
            Invalid();
        if (width < 0)
            c.flags += '-';
        c.width = static_cast<int>(width < 0 ? -width : width);
    } else {
        c.width = ReadField();
    }
    if (Accept(".")) {
        c.precision = ReadField();
        if (c.precision < 0 && format_[pos_ - 1] == '.')
            c.precision = 0;  // "." alone means precision 0
    }
    if (Accept("hh"))
        c.size = IntSize::Bits8;
    else if (Accept("h"))
        c.size = IntSize::Bits16;
    else if (Accept("ll") || Accept("j") || Accept("z") || Accept("t"))
        c.size = IntSize::Bits64;
    else if (!Accept("l"))
        Accept("L");
    if (AtEnd())
        Invalid();
    c.type = format_[pos_++];
    return c;
}

// The value cut to the size the conversion reads, as printf does with 32-bit int and long.
template <typename T64, typename T32, typename T16, typename T8>
T64 Narrow(std::int64_t value, IntSize size)
{
    switch (size) {
    case IntSize::Bits8:
        return static_cast<T8>(value);
    case IntSize::Bits16:
        return static_cast<T16>(value);
    case IntSize::Bits32:
        return static_cast<T32>(value);
    case IntSize::Bits64:
        break;
    }
    return static_cast<T64>(value);
}

std::string FormatReader::Integer(const Conversion& c, bool isSigned)
{
    const std::int64_t value = NextInteger();
    const std::string pattern = PrintfPattern(c, "ll", c.type);
    if (isSigned)
        return Printf(pattern, Narrow<long long, std::int32_t, std::int16_t, std::int8_t>(value, c.size));
    return Printf(pattern, Narrow<unsigned long long, std::uint32_t, std::uint16_t, std::uint8_t>(value, c.size));
}

std::string FormatReader::Floating(const Conversion& c)
{
    const FormatArg& arg = NextArg();
    double value = 0.0;
    if (arg.ValueKind() == FormatArg::Kind::Floating)
        value = arg.Floating();
    else if (arg.ValueKind() == FormatArg::Kind::Integer)
        value = arg.IsUnsigned64() ? static_cast<double>(static_cast<std::uint64_t>(arg.Integer()))
                                   : static_cast<double>(arg.Integer());
    else
        Invalid();
    const bool plus = c.flags == "+";
    if (c.type == 'f' && (c.flags.empty() || plus) && std::isfinite(value)) {
        // The plain fixed form without a printf and its pattern: to_chars
        // rounds the exact value to the precision as printf does, in the
        // C locale's form.
        char digits[400];
        char* first = digits + 1;
        const auto [end, error] =
            std::to_chars(first, std::end(digits), value, std::chars_format::fixed, c.precision < 0 ? 6 : c.precision);
        if (error == std::errc()) {
            if (plus && !std::signbit(value))
                *--first = '+';
            const auto length = static_cast<int>(end - first);
            std::string out(static_cast<std::size_t>(std::max(c.width - length, 0)), ' ');
            return out.append(first, end);
        }
    }
    return Printf(PrintfPattern(c, "", c.type), value);
}

std::string FormatReader::Text(const Conversion& c, std::string_view text) const
{
    if (c.precision >= 0 && text.size() > static_cast<std::size_t>(c.precision))
        text = text.substr(0, static_cast<std::size_t>(c.precision));
    std::string out(text);
    if (c.width > static_cast<int>(out.size())) {
        const std::string padding(static_cast<std::size_t>(c.width) - out.size(), ' ');
        out = c.flags.find('-') != std::string::npos ? out + padding : padding + out;
    }
    return out;
}

std::string FormatReader::Convert(const Conversion& c)
{
    switch (c.type) {
    case '%':
        return "%";
    case 'd':
    case 'i':
        return Integer(c, true);
    case 'u':
    case 'o':
    case 'x':
    case 'X':
        return Integer(c, false);
    case 'c': {
        const char byte = static_cast<char>(NextInteger());
        return Text(Conversion{c.flags, c.width, -1, c.size, 'c'}, std::string_view(&byte, 1));
    }
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        return Floating(c);
    case 's': {
        const FormatArg& arg = NextArg();
        if (arg.ValueKind() != FormatArg::Kind::Text)
            Invalid();
        return Text(c, arg.Text());
    }
    case 'p': {
        const FormatArg& arg = NextArg();
        if (arg.ValueKind() != FormatArg::Kind::Pointer)
            Invalid();
        return Printf(PrintfPattern(c, "", 'p'), arg.Pointer());
    }
    default:
        Invalid();  // "%n" and unknown conversions
    }
}

std::string FormatReader::Run()
{
    std::string out;
    while (!AtEnd()) {
        const std::size_t percent = format_.find('%', pos_);
        out.append(format_.substr(pos_, percent - pos_));
        if (percent == std::string_view::npos)
            break;
        pos_ = percent + 1;
        out += Convert(ReadConversion());
    }
    return out;
}

}  // namespace

std::string FormatArgs(std::string_view format, std::initializer_list<FormatArg> args)
{
    return FormatReader(format, args).Run();
}

}  // namespace qx
