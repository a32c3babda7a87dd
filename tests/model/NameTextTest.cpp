// Typed names to the record's Windows-1252 name fields and back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/NameText.h"

namespace {

template <std::size_t N> std::vector<std::uint8_t> bytes(const std::array<std::uint8_t, N>& field)
{
    return {field.begin(), field.end()};
}

struct NameCase
{
    const char* typed;
    std::vector<std::uint8_t> channel;
    std::vector<std::uint8_t> preset;
};

TEST(NameText, TypedNamesBecomeCodePageBytesCutBetweenCharacters)
{
    const std::vector<NameCase> cases = {
        {"Sub",
         {'S', 'u', 'b', 0, 0, 0, 0, 0},
         {'S', 'u', 'b', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}},
        // Eight two-byte characters: the cut falls after the eighth character,
        // not inside the fifth as a cut of the typed bytes would.
        {"\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA8\xC3\xA0\xC3\xA7xyz",
         {0xE4, 0xF6, 0xFC, 0xDF, 0xE9, 0xE8, 0xE0, 0xE7},
         {0xE4, 0xF6, 0xFC, 0xDF, 0xE9, 0xE8, 0xE0, 0xE7, 'x', 'y', 'z', ' ', ' ', ' '}},
        // The euro sign is 0x80; a character outside the code page is '?'.
        {"\xE2\x82\xAC 5 \xE4\xB8\xAD",
         {0x80, ' ', '5', ' ', '?', 0, 0, 0},
         {0x80, ' ', '5', ' ', '?', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}},
        {"100% Main Left Side",
         {'1', '0', '0', '%', ' ', 'M', 'a', 'i'},
         {'1', '0', '0', '%', ' ', 'M', 'a', 'i', 'n', ' ', 'L', 'e', 'f', 't'}},
        {"", {0, 0, 0, 0, 0, 0, 0, 0}, std::vector<std::uint8_t>(14, ' ')},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(bytes(qx::channelNameFromText(c.typed)), c.channel) << c.typed;
        EXPECT_EQ(bytes(qx::presetNameFromText(c.typed)), c.preset) << c.typed;
    }
}

TEST(NameText, NameFieldsReadBackAsTextUpToTheFirstNul)
{
    const qx::ChannelName name{'B', 'a', 's', 's', 0xE9, 0, 'x', 0};
    EXPECT_EQ(qx::textOfName(name), "Bass\xC3\xA9");
    const qx::ChannelName full{'O', 'u', 't', 'p', 'u', 't', ' ', '1'};
    EXPECT_EQ(qx::textOfName(full), "Output 1");
    EXPECT_EQ(qx::textOfName(qx::channelNameFromText("Caf\xC3\xA9")), "Caf\xC3\xA9");
}

} // namespace
