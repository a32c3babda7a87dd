// The FIR tap budget of the main window: what it grants and refuses, with
// the message, and the tap rule it is asked with.

#include "EqWindowFixture.h"
#include "editors/eq/FirTapBudget.h"

namespace {

using eqtest::EqWindowTest;
namespace rec = qx::rec;

class FirTapBudgetTest : public EqWindowTest
{
};

TEST_F(FirTapBudgetTest, GrantsUpToTheBudgetAndAlwaysGrantsARelease)
{
    struct Case
    {
        const char* what;
        int reserved, delta;
        bool refused;
        int after;
    };
    const Case cases[] = {
        {"landing exactly on 12288", 12000, 288, false, 12288},
        {"one tap more", 12000, 289, true, 12000},
        {"from the full budget", 12288, 1, true, 12288},
        {"more than the whole budget", 0, 12289, true, 0},
        {"a release under the budget", 5000, -1024, false, 3976},
        {"a release from over the budget, still over", 20000, -2048, false, 17952},
        {"no change over the budget", 20000, 0, false, 20000},
    };
    for (const Case& c : cases) {
        window->messages.clear();
        window->FirTapsReserved = c.reserved;
        EXPECT_EQ(window->ReserveFirTaps(c.delta), c.refused) << c.what;
        EXPECT_EQ(window->FirTapsReserved, c.after) << c.what;
        EXPECT_EQ(window->messages,
                  c.refused ? std::vector<std::string>{"Run Out of FIR Resource!!"} : std::vector<std::string>{})
            << c.what;
        EXPECT_EQ(qx::firTapsRefused(c.reserved, c.delta), c.refused) << c.what;
    }
}

// A loaded state sets the count to the tap rule's sum, which the window's
// tap rule gives channel by channel.
TEST_F(FirTapBudgetTest, ALoadCountsTheTapRuleOfEveryChannel)
{
    qx::writeWord(unit().record(), rec::input(0) + rec::kInFirBypass, 0);
    qx::writeWord(unit().record(), rec::input(0) + rec::kInFirTapCount, 2048);
    const std::size_t out2 = rec::outputFilter(1);
    unit().record()[out2 + rec::kFilterFirType] = 3;
    qx::writeWord(unit().record(), out2 + rec::kFilterFirTaps, 8);
    const std::size_t out3 = rec::outputFilter(2);
    unit().record()[out3 + rec::kFilterFirType] = 4;
    qx::writeWord(unit().record(), out3 + rec::kFilterFirTaps, 60000);
    window->LoadUnitToForm();
    EXPECT_EQ(window->FirTapsInUse(0), 2048);
    EXPECT_EQ(window->FirTapsInUse(5), 512);
    EXPECT_EQ(window->FirTapsInUse(6), 2048) << "a count beyond the buffer counts 2048";
    EXPECT_EQ(window->FirTapsInUse(1), 0) << "bypassed";
    int sum = 0;
    for (int c = 0; c < 12; ++c)
        sum += window->FirTapsInUse(c);
    EXPECT_EQ(window->FirTapsReserved, sum);
    EXPECT_EQ(sum, 2048 + 512 + 2048);
}

} // namespace
