#include "platform/text/AnsiCodePage.h"

#include "platform/text/Unicode.h"

#include <array>
#include <cstring>

namespace qx {
namespace {

// Characters of the bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t DecodeAnsiByte(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 0x80 && b < 0xA0) ? kHighControlBlock[b - 0x80] : b;
}

char EncodeAnsiChar(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i)
        if (kHighControlBlock[i] == c)
            return static_cast<char>(0x80 + i);
    return kAnsiReplacement;
}

std::unique_ptr<char[]> ToNulTerminated(const std::string& bytes)
{
    auto buffer = std::make_unique<char[]>(bytes.size() + 1);
    std::memcpy(buffer.get(), bytes.c_str(), bytes.size() + 1);
    return buffer;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        out += EncodeAnsiChar(NextUtf8(utf8, pos));
    return out;
}

std::string Utf16ToAnsi(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
        if (highSurrogate && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF)
            ++i;  // one character beyond the basic plane: never in the code page
        out += (unit >= 0xD800 && unit <= 0xDFFF) ? kAnsiReplacement : EncodeAnsiChar(unit);
    }
    return out;
}

std::string AnsiToUtf8(std::string_view ansi)
{
    std::string out;
    out.reserve(ansi.size() * 2);
    for (char byte : ansi)
        AppendUtf8(out, DecodeAnsiByte(byte));
    return out;
}

std::u16string AnsiToUtf16(std::string_view ansi)
{
    std::u16string out;
    out.reserve(ansi.size());
    for (char byte : ansi)
        out += static_cast<char16_t>(DecodeAnsiByte(byte));
    return out;
}

std::unique_ptr<char[]> ToAnsiBuffer(std::u16string_view text)
{
    return ToNulTerminated(Utf16ToAnsi(text));
}

std::unique_ptr<char[]> ToAnsiBuffer(std::string_view utf8)
{
    return ToNulTerminated(Utf8ToAnsi(utf8));
}

}  // namespace qx
