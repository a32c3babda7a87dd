#pragma once
// The channel part of the main window's composed control names: a role
// prefix followed by the channel suffix ("isGain" + "InA", "cvdGain" + "Out3").

#include <string>

namespace qx {

// "In" + letter or "Out" + digit of channel c (0-11).
inline std::string channelSuffix(int c)
{
    if (c < 4)
        return std::string("In") + static_cast<char>('A' + c);
    return "Out" + std::to_string(c - 3);
}

} // namespace qx
