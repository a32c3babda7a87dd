// The frequency grid against its defining formula, and the log axis position.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "response/FrequencyGrid.h"

namespace {

const double kPiValue = std::acos(-1.0);

TEST(FrequencyGrid, PointsFollowTheLogFormula)
{
    const qx::FrequencyGrid& grid = qx::frequencyGrid();
    EXPECT_DOUBLE_EQ(grid.frequency[0], 1.0);
    EXPECT_LT(grid.frequency[4095], 24000.0);
    EXPECT_GT(grid.frequency[4095], 23900.0);
    for (std::size_t i = 0; i < grid.frequency.size(); ++i) {
        const double f = std::pow(24000.0, static_cast<double>(i) / 4096.0);
        ASSERT_NEAR(grid.frequency[i] / f, 1.0, 1e-13) << i;
        ASSERT_NEAR(grid.angle[i] / (kPiValue * f / 24000.0), 1.0, 1e-14) << i;
        if (i > 0) {
            // Constant ratio between neighbours: 24000^(1/4096).
            ASSERT_NEAR(grid.frequency[i] / grid.frequency[i - 1], std::pow(24000.0, 1.0 / 4096.0), 1e-13);
        }
    }
}

TEST(FrequencyGrid, TrigonometricTermsAreThoseOfEachAngle)
{
    const qx::FrequencyGrid& grid = qx::frequencyGrid();
    for (std::size_t i = 0; i < grid.angle.size(); i += 97) {
        const double w = grid.angle[i];
        EXPECT_EQ(grid.cos1[i], std::cos(-w));
        EXPECT_EQ(grid.sin1[i], std::sin(-w));
        EXPECT_EQ(grid.cos2[i], std::cos(-2.0 * w));
        EXPECT_EQ(grid.sin2[i], std::sin(-2.0 * w));
        // 2 cos(w) - 2 below pi / 2, 2 cos(w) + 2 above.
        const double expected = 2.0 * std::cos(w) + (w < kPiValue / 2 ? -2.0 : 2.0);
        EXPECT_NEAR(grid.full.lambda[i], expected, 1e-14) << i;
        EXPECT_NEAR(grid.half.lambda[i], 2.0 * std::cos(w / 2) - 2.0, 1e-14) << i;
    }
    EXPECT_EQ(grid.half.nearPiStart, qx::kGridSize);
    ASSERT_LT(grid.full.nearPiStart, qx::kGridSize);
    EXPECT_GE(grid.angle[static_cast<std::size_t>(grid.full.nearPiStart)], kPiValue / 2);
    EXPECT_LT(grid.angle[static_cast<std::size_t>(grid.full.nearPiStart - 1)], kPiValue / 2);
}

TEST(FrequencyGrid, LogFrequencyIndexMatchesGridPositions)
{
    const qx::FrequencyGrid& grid = qx::frequencyGrid();
    for (int i : {0, 1, 966, 2805, 4095}) {
        EXPECT_NEAR(qx::logFrequencyIndex(grid.frequency[static_cast<std::size_t>(i)]), i, 1e-9);
    }
    EXPECT_NEAR(qx::logFrequencyIndex(1000.0), 4096.0 * 3.0 / std::log10(24000.0), 1e-12);
    EXPECT_NEAR(qx::logFrequencyIndex(1000.0), 2805.3, 0.05);
    // 32000 Hz (a flat reset) lies beyond the right end.
    EXPECT_GT(qx::logFrequencyIndex(32000.0), 4096.0);
}

TEST(FrequencyGrid, LogFrequencyIndexStaysFiniteForBadFrequencies)
{
    for (double hz : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(),
                      std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        EXPECT_TRUE(std::isfinite(qx::logFrequencyIndex(hz))) << hz;
    }
    EXPECT_LT(qx::logFrequencyIndex(0.0), -100000.0);
}

} // namespace
