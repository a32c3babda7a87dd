#include "platform/text/AnsiCodePage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(AnsiCodePage, EveryByteSurvivesARoundTrip)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(qx::Utf8ToAnsi(qx::AnsiToUtf8(byte)), byte) << "byte " << b << " through UTF-8";
        EXPECT_EQ(qx::Utf16ToAnsi(qx::AnsiToUtf16(byte)), byte) << "byte " << b << " through UTF-16";
        EXPECT_EQ(qx::AnsiToUtf16(byte).size(), 1u) << "byte " << b << " is one character";
    }
}

TEST(AnsiCodePage, CharactersMapToTheirBytes)
{
    const struct {
        const char* utf8;
        const char* ansi;
    } cases[] = {
        {"Abc 09~", "Abc 09~"},
        {"€", "\x80"},
        {"‚ƒ„…†‡", "\x82\x83\x84\x85\x86\x87"},
        {"ˆ‰Š‹ŒŽ", "\x88\x89\x8A\x8B\x8C\x8E"},
        {"‘’“”•–—", "\x91\x92\x93\x94\x95\x96\x97"},
        {"˜™š›œžŸ", "\x98\x99\x9A\x9B\x9C\x9E\x9F"},
        {"\u00A0¡©®°µ¿", "\xA0\xA1\xA9\xAE\xB0\xB5\xBF"},
        {"ÀÅÆÇÉÑÖ×ØÜßàåéñöøüÿ", "\xC0\xC5\xC6\xC7\xC9\xD1\xD6\xD7\xD8\xDC\xDF\xE0\xE5\xE9\xF1\xF6\xF8\xFC\xFF"},
        {"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},  // the bytes the page leaves free
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qx::Utf8ToAnsi(c.utf8), c.ansi) << c.utf8;
        EXPECT_EQ(qx::AnsiToUtf8(c.ansi), c.utf8) << c.utf8;
    }
}

TEST(AnsiCodePage, CharactersOutsideThePageBecomeOneQuestionMarkEach)
{
    const struct {
        const char* utf8;
        const char* ansi;
    } cases[] = {
        {"中文", "??"},
        {"a😀b", "a?b"},         // beyond the basic plane: one character, one mark
        {"Āő", "??"},            // Latin letters the page lacks
        {"\u0080\u009F", "??"},  // control characters whose bytes are taken by other characters
        {"←→", "??"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::Utf8ToAnsi(c.utf8), c.ansi) << c.utf8;
}

TEST(AnsiCodePage, MalformedUtf8BecomesQuestionMarks)
{
    const struct {
        const char* utf8;
        const char* ansi;
        const char* why;
    } cases[] = {
        {"a\xC3", "a?", "cut short at the end"},
        {"\xE2\x82" "A", "?A", "cut short before a plain character: one mark for the started sequence"},
        {"\xC0\xAF", "??", "overlong form of '/'"},
        {"\xE0\x80\xAF", "???", "overlong three-byte form"},
        {"\xED\xA0\x80", "???", "encoded surrogate"},
        {"\xF4\x90\x80\x80", "????", "beyond U+10FFFF"},
        {"\x80x", "?x", "stray continuation byte"},
        {"\xFF\xFE", "??", "bytes that never occur in UTF-8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::Utf8ToAnsi(c.utf8), c.ansi) << c.why;
}

TEST(AnsiCodePage, Utf16SurrogatesAreHandled)
{
    EXPECT_EQ(qx::Utf16ToAnsi(u"x\U0001F600y"), "x?y") << "a surrogate pair is one character";
    EXPECT_EQ(qx::Utf16ToAnsi(std::u16string{u'a', char16_t(0xD800), u'b'}), "a?b") << "lone high surrogate";
    EXPECT_EQ(qx::Utf16ToAnsi(std::u16string{char16_t(0xDC00)}), "?") << "lone low surrogate";
    EXPECT_EQ(qx::Utf16ToAnsi(std::u16string{char16_t(0xD800)}), "?") << "high surrogate at the end";
    EXPECT_EQ(qx::Utf16ToAnsi(u"Grüße €5"), "Gr\xFC\xDF" "e \x80" "5");
}

TEST(AnsiCodePage, ToAnsiBufferIsNulTerminatedAndExactlySized)
{
    const auto buffer = qx::ToAnsiBuffer(u"Ab€中");
    EXPECT_EQ(std::strlen(buffer.get()), 4u);
    EXPECT_EQ(std::memcmp(buffer.get(), "Ab\x80?", 5), 0);

    const auto fromUtf8 = qx::ToAnsiBuffer(std::string_view("12.5 kHz"));
    EXPECT_STREQ(fromUtf8.get(), "12.5 kHz");

    const auto empty = qx::ToAnsiBuffer(u"");
    EXPECT_EQ(empty[0], '\0');
}

}  // namespace
