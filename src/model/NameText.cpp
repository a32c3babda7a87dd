#include "model/NameText.h"

#include <algorithm>

#include "platform/text/AnsiCodePage.h"

namespace qx {
namespace {
template <std::size_t N> std::array<std::uint8_t, N> fieldFromText(std::string_view utf8, std::uint8_t pad)
{
    const std::string ansi = Utf8ToAnsi(utf8);
    std::array<std::uint8_t, N> field;
    field.fill(pad);
    std::copy_n(ansi.begin(), std::min(ansi.size(), N), field.begin());
    return field;
}
} // namespace

ChannelName channelNameFromText(std::string_view utf8)
{
    return fieldFromText<rec::kChannelNameSize>(utf8, 0);
}

PresetName presetNameFromText(std::string_view utf8)
{
    return fieldFromText<rec::kPresetNameSize>(utf8, ' ');
}

std::string textOfName(std::span<const std::uint8_t> bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return AnsiToUtf8(std::string(bytes.begin(), end));
}

} // namespace qx
