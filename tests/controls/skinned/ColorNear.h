#pragma once
// Colours compared channel by channel within a tolerance (anti-aliased edges, gamma).

#include "platform/gui/canvas/Colors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

inline ::testing::AssertionResult near(TColor actual, TColor expected, int tolerance)
{
    const int d = std::max({std::abs(GetRValue(actual) - GetRValue(expected)),
                            std::abs(GetGValue(actual) - GetGValue(expected)),
                            std::abs(GetBValue(actual) - GetBValue(expected))});
    if (d <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "got 0x" << actual << ", expected 0x" << expected;
}
