#pragma once
// The response graph's series, keyed by plot number. New series go to the
// head, so the list runs from the newest plot number to the oldest and the
// oldest is drawn last (on top); replacing a series keeps its place, its
// colour and its style.

#include <vector>

#include "platform/gui/canvas/Colors.h"
#include "response/GraphEnums.h"

struct TPlotListMember
{
    std::vector<double> x;
    std::vector<double> y;
    TColor colour = 0;
    TMyPlotStyle style = TMyPlotStyle::Line;
    int number = 0;

    int count() const { return static_cast<int>(y.size()); }
};

class TPlotList
{
public:
    TPlotList() = default;
    // A copy takes the other's members one by one, each at the head, so it
    // holds the series in reverse order (and draws them stacked the other way).
    TPlotList(const TPlotList& other);
    TPlotList& operator=(const TPlotList& other);
    TPlotList(TPlotList&&) noexcept = default;
    TPlotList& operator=(TPlotList&&) noexcept = default;

    TPlotListMember* Find(int number);
    const TPlotListMember* Find(int number) const;
    // True when the number was there (points replaced, colour and style kept).
    bool AddOrReplace(const double* x, const double* y, int count, int number, TColor colour,
                      TMyPlotStyle style);
    bool Remove(int number);
    void Clear() { members_.clear(); }
    // AddOrReplace of every member of other, head first (new numbers thus
    // land at the head in reverse order; known ones keep colour and style).
    void Append(const TPlotList& other);

    // Head first.
    const std::vector<TPlotListMember>& Members() const { return members_; }

private:
    std::vector<TPlotListMember> members_;
};
