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

// A FIR bypass asks the budget for the difference of the tap rule before and
// after, with the record's counts held to 2048: a designed FIR releases its
// nominal taps (not its taps index), a count beyond the buffer counts 2048.
TEST_F(FirTapBudgetTest, FirBypassesCountByTheTapRule)
{
    const std::size_t out1 = rec::outputFilter(0);
    qx::writeWord(unit().record(), out1 + rec::kFilterMode, 1);
    unit().record()[out1 + rec::kFilterFirType] = 2;
    qx::writeWord(unit().record(), out1 + rec::kFilterFirTaps, 8); // 512 taps
    const std::size_t out2 = rec::outputFilter(1);
    qx::writeWord(unit().record(), out2 + rec::kFilterMode, 2);
    unit().record()[out2 + rec::kFilterFirType] = 0;
    qx::writeWord(unit().record(), out2 + rec::kFilterFirTaps, 60000);
    qx::writeWord(unit().record(), rec::input(0) + rec::kInFirBypass, 0);
    qx::writeWord(unit().record(), rec::input(0) + rec::kInFirTapCount, 60000);
    window->LoadUnitToForm();
    ASSERT_EQ(window->FirTapsReserved, 512 + 2048);
    struct Case
    {
        const char* button;
        bool downAfter;
        int reservedAfter;
    };
    const Case cases[] = {
        {"rzbFirBypassOut2", false, 2048 + 2048}, // the file count of 60000 counts 2048
        {"rzbFirBypassInA", true, 2048},          // the input's 60000 taps count 2048
        {"rzbFirBypassInA", false, 2048 + 2048},
    };
    // A designed FIR's bypass button lies in the file box, which its mode
    // disables: no user presses it. The count's rule for it is asked of the
    // button's handler directly: the design's 512 taps released.
    auto* designed = find<TRzBmpButton>("rzbFirBypassOut1");
    ASSERT_FALSE(designed->Widget()->isEnabled());
    designed->SetDown(true);
    designed->OnClick(designed);
    EXPECT_EQ(window->FirTapsReserved, 2048);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.button);
        toggle(k.button);
        EXPECT_EQ(find<TRzBmpButton>(k.button)->Down(), k.downAfter);
        EXPECT_EQ(window->FirTapsReserved, k.reservedAfter);
        EXPECT_TRUE(window->messages.empty());
    }
    int sum = 0;
    for (int c = 0; c < 12; ++c)
        sum += window->FirTapsInUse(c);
    EXPECT_EQ(window->FirTapsReserved, sum) << "the count stays the tap rule's sum";
}

// A change on a linked output is written to every member, so it is counted
// once per member of the group.
TEST_F(FirTapBudgetTest, AGroupCountsOncePerMember)
{
    linkOutputs(6, 0x0C); // Out3 and Out4
    for (const int n : {2, 3}) {
        const std::size_t at = rec::outputFilter(n);
        qx::writeWord(unit().record(), at + rec::kFilterMode, 0);
        unit().record()[at + rec::kFilterFirType] = 4;
        qx::writeWord(unit().record(), at + rec::kFilterFirTaps, 300);
    }
    window->LoadUnitToForm();
    ASSERT_EQ(window->FirTapsReserved, 0);
    pick("rzcModeOut3", 1);
    EXPECT_EQ(window->FirTapsReserved, 2 * 300);
    EXPECT_EQ(window->FirTapsInUse(6) + window->FirTapsInUse(7), 2 * 300);
    pick("rzcModeOut3", 0);
    EXPECT_EQ(window->FirTapsReserved, 0);
}

} // namespace
