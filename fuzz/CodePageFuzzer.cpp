// The ANSI code page conversions over arbitrary bytes: every byte string
// survives the round trip through UTF-8 and UTF-16, and text of any form,
// malformed included, converts to no more bytes than it has.

#include "FuzzInput.h"

#include "platform/text/AnsiCodePage.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qxfuzz::check(qx::Utf8ToAnsi(qx::AnsiToUtf8(bytes)) == bytes, "ANSI text survives UTF-8");
    qxfuzz::check(qx::Utf16ToAnsi(qx::AnsiToUtf16(bytes)) == bytes, "ANSI text survives UTF-16");

    // The same bytes read as UTF-8, and as UTF-16 units.
    const std::string fromUtf8 = qx::Utf8ToAnsi(bytes);
    qxfuzz::check(fromUtf8.size() <= size, "UTF-8 gives at most one character per byte");
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    qxfuzz::check(qx::Utf16ToAnsi(units).size() <= units.size(), "UTF-16 gives at most one character per unit");

    const auto buffer = qx::ToAnsiBuffer(bytes);
    qxfuzz::check(std::memcmp(buffer.get(), fromUtf8.data(), fromUtf8.size()) == 0 && buffer[fromUtf8.size()] == '\0',
                  "the buffer holds the converted text and its end");
    return 0;
}
