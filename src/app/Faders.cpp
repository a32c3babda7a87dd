#include "app/Faders.h"

#include "controls/skinned/AdvTrackBar.h"

std::optional<qx::FaderReading> qx::readFader(const TComponent& owner, std::string_view name)
{
    auto* fader = findComponent<TAdvTrackBar>(owner, name);
    if (!fader)
        return std::nullopt;
    return FaderReading{fader->Position(), fader->Max()};
}
