// The graph's series list: copies are independent and reversed, and appending another
// list adds or replaces by plot number in the other list's order.

#include <gtest/gtest.h>

#include <vector>

#include "response/TPlotList.h"

namespace {

void add(TPlotList& list, int number, std::vector<double> y, TColor colour)
{
    const std::vector<double> x(y.size(), 1.0);
    list.AddOrReplace(x.data(), y.data(), static_cast<int>(y.size()), number, colour, TMyPlotStyle::Line);
}

std::vector<int> numbers(const TPlotList& list)
{
    std::vector<int> out;
    for (const TPlotListMember& m : list.Members())
        out.push_back(m.number);
    return out;
}

TEST(PlotList, ACopyKeepsItsPointsWhenTheOriginalChanges)
{
    TPlotList original;
    add(original, 1, {1, 2}, clRed);
    add(original, 2, {3}, clBlue);
    TPlotList copy = original;
    add(original, 1, {9, 9, 9}, clGreen);
    original.Remove(2);
    EXPECT_EQ(numbers(copy), (std::vector<int>{1, 2})) << "a copy holds the series in reverse order";
    EXPECT_EQ(copy.Find(1)->y, (std::vector<double>{1, 2}));
}

TEST(PlotList, AppendReplacesKnownNumbersAndPutsNewOnesAtTheHead)
{
    TPlotList list;
    add(list, 1, {1}, clRed);
    add(list, 2, {2}, clBlue);
    TPlotList other;
    add(other, 3, {30}, clLime);
    add(other, 1, {10, 11}, clGreen);
    add(other, 4, {40}, clYellow); // other runs 4, 1, 3
    list.Append(other);
    EXPECT_EQ(numbers(list), (std::vector<int>{3, 4, 2, 1})) << "head first: 4 goes in, then 3 before it";
    EXPECT_EQ(list.Find(1)->y, (std::vector<double>{10, 11}));
    EXPECT_EQ(list.Find(1)->colour, clRed) << "a replaced series keeps its colour";
    EXPECT_EQ(list.Find(4)->colour, clYellow);
    EXPECT_EQ(numbers(other), (std::vector<int>{4, 1, 3})) << "the other list is left as it was";

    list.Append(list);
    EXPECT_EQ(numbers(list), (std::vector<int>{3, 4, 2, 1})) << "appended to itself nothing changes";
    EXPECT_EQ(list.Find(1)->y, (std::vector<double>{10, 11}));
}

} // namespace
