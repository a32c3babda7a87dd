#include "editors/channel/ChannelControls.h"

#include "model/LUnitControl.h"

namespace qx {

std::vector<int> linkGroupMembers(const LUnitControl& unit, int c)
{
    std::vector<int> members;
    if (!isChannelIndex(c))
        return members;
    const int first = c < kInputChannels ? 0 : kInputChannels;
    const int last = c < kInputChannels ? kInputChannels : kChannels;
    const unsigned group = unit.GetLinkGroup(c);
    for (int m = first; m < last; ++m)
        if ((group >> (m - first)) & 1U)
            members.push_back(m);
    return members;
}

} // namespace qx
