#pragma once
// Reading the faders by name. Kept apart because the fader's headers and the
// button family's headers each declare a `TGradientDirection`, so no source
// file may include both.

#include <optional>
#include <string_view>

class TComponent;

namespace qx {

struct FaderReading
{
    int position = 0;
    int maximum = 0;
};

// Position and maximum of the fader of that name; nothing when there is no
// fader of that name.
std::optional<FaderReading> readFader(const TComponent& owner, std::string_view name);

} // namespace qx
