#include "platform/text/Unicode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Unicode, Utf8AndUtf16ConvertBothWays)
{
    const struct {
        const char* utf8;
        std::u16string utf16;
    } cases[] = {
        {"", u""},
        {"BW -6", u"BW -6"},
        {"\xC3\xA9", u"\u00E9"},
        {"\xE4\xB8\xAD\xE6\x96\x87", u"\u4E2D\u6587"},
        {"a\xF0\x9F\x8E\xB5z", u"a\U0001F3B5z"}, // one character beyond the basic plane: a surrogate pair
        {"\xEF\xBF\xBF", u"\uFFFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qx::Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(qx::Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
}

TEST(Unicode, MalformedInputBecomesTheReplacementCharacter)
{
    EXPECT_EQ(qx::Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(qx::Utf8ToUtf16("\xE4\xB8"), u"\uFFFD") << "cut short";
    EXPECT_EQ(qx::Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD") << "an encoded surrogate";
    EXPECT_EQ(qx::Utf16ToUtf8(std::u16string(1, char16_t(0xD83C)) + u"x"), "\xEF\xBF\xBDx") << "a lone high surrogate";
    EXPECT_EQ(qx::Utf16ToUtf8(std::u16string(1, char16_t(0xDFB5))), "\xEF\xBF\xBD") << "a lone low surrogate";
}

} // namespace
