// Shared constants checked against how they are defined, not restated.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "codec/SharedConstants.h"

namespace {

TEST(SharedConstants, FrequencyStepIsThirtiethOfAnOctave)
{
    EXPECT_NEAR(std::pow(qx::kFrequencyStepRatio, 30), 2.0, 1e-14);
}

TEST(SharedConstants, QTableRisesStrictlyFromPoint4To128)
{
    EXPECT_EQ(qx::kQTable.front(), 0.4);
    EXPECT_EQ(qx::kQTable.back(), 128.0);
    EXPECT_TRUE(std::is_sorted(qx::kQTable.begin(), qx::kQTable.end(), std::less_equal<>()));
    for (int q = 0; q <= qx::kQIndexMax; ++q) {
        // Hand-picked values close to the geometric ladder.
        EXPECT_NEAR(qx::kQTable[static_cast<std::size_t>(q)] / (128.0 / std::pow(1.0596, 100 - q)), 1.0, 0.03)
            << q;
    }
}

TEST(SharedConstants, SlopeRowsArePermutationOfResponseRows)
{
    auto rows = qx::kSlopeResponseRows;
    std::sort(rows.begin(), rows.end());
    std::array<int, qx::kSlopeCodeMax + 1> expected{};
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(rows, expected);
}

TEST(SharedConstants, ButterworthDampingsFollowTheirFormula)
{
    for (int n = 1; n <= 8; ++n) {
        const auto& row = qx::kButterworthDampings[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(row[0], n % 2 == 1 ? 1.0F : 0.0F) << "order " << n;
        for (int k = 1; k <= 4; ++k) {
            const double expected = k <= n / 2 ? 2.0 * std::sin((2 * k - 1) * qx::kPi / (2 * n)) : 0.0;
            EXPECT_NEAR(row[static_cast<std::size_t>(k)], expected, 6e-4) << "order " << n << " stage " << k;
        }
    }
}

TEST(SharedConstants, TableReadersClampTheirIndex)
{
    struct Case
    {
        int index;
        int peqCode;
        int slopeRow;
        std::string_view ratio;
    };
    const Case cases[] = {{-1, 1, 0, "1.0"},  {0, 1, 0, "1.0"},      {8, 17, 4, "3.5"},
                          {9, 17, 12, "4.0"}, {20, 17, 20, "Limit"}, {255, 17, 20, "Limit"}};
    for (const Case& c : cases) {
        EXPECT_EQ(qx::peqTypeFilterCode(c.index), c.peqCode) << c.index;
        EXPECT_EQ(qx::slopeResponseRow(c.index), c.slopeRow) << c.index;
        EXPECT_EQ(qx::ratioText(c.index), c.ratio) << c.index;
    }
    EXPECT_EQ(qx::ratioValue(99), 20.1);
}

TEST(SharedConstants, PhaseFactorIsEighteenOverPi)
{
    EXPECT_NEAR(qx::kPhaseDisplayFactor, 18.0 / qx::kPi, 1e-15);
}

} // namespace
