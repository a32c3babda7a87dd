#include "response/TPlotList.h"

#include <algorithm>

TPlotList::TPlotList(const TPlotList& other) : members_(other.members_.rbegin(), other.members_.rend()) {}

TPlotList& TPlotList::operator=(const TPlotList& other)
{
    TPlotList copy(other);
    members_.swap(copy.members_);
    return *this;
}

TPlotListMember* TPlotList::Find(int number)
{
    auto it =
        std::find_if(members_.begin(), members_.end(), [&](const auto& m) { return m.number == number; });
    return it == members_.end() ? nullptr : &*it;
}

const TPlotListMember* TPlotList::Find(int number) const
{
    return const_cast<TPlotList*>(this)->Find(number);
}

bool TPlotList::AddOrReplace(const double* x, const double* y, int count, int number, TColor colour,
                             TMyPlotStyle style)
{
    // No arrays means no points.
    const auto n = x && y ? static_cast<std::size_t>(std::max(count, 0)) : std::size_t{0};
    if (TPlotListMember* m = Find(number)) {
        m->x.assign(x, x + n);
        m->y.assign(y, y + n);
        return true;
    }
    members_.insert(members_.begin(), TPlotListMember{{x, x + n}, {y, y + n}, colour, style, number});
    return false;
}

void TPlotList::Append(const TPlotList& other)
{
    // A copy, so that a list may be appended to itself.
    const std::vector<TPlotListMember> source = other.members_;
    for (const TPlotListMember& m : source) {
        AddOrReplace(m.x.data(), m.y.data(), static_cast<int>(m.x.size()), m.number, m.colour, m.style);
    }
}

bool TPlotList::Remove(int number)
{
    auto it =
        std::find_if(members_.begin(), members_.end(), [&](const auto& m) { return m.number == number; });
    if (it == members_.end()) {
        return false;
    }
    members_.erase(it);
    return true;
}
