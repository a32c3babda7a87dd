// The segmented level bar: zones, lit counts for positions, colour and count
// changes, and re-layout on resize.

#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/Form.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/Shape.h"
#include "response/LProgressBar.h"

namespace {

class LevelBar : public ::testing::Test
{
protected:
    LevelBar() : form_(std::make_unique<TForm>(nullptr)), bar_(new LProgressBar(form_.get()))
    {
        bar_->SetParent(form_.get());
    }
    // The main window's level bars: 1, 3 and 4 segments, Max 8.
    void makeMeter()
    {
        bar_->SetSecondNum(3);
        bar_->SetThirdNum(4);
        bar_->SetMax(8);
    }
    // Lit segments must be the bottom ones.
    void expectBottomLit(int lit)
    {
        const int n = bar_->SegmentCount();
        for (int k = 1; k <= n; ++k) {
            const int zone = bar_->ZoneOf(k);
            const TColor lits[] = {bar_->GetLFirstColor(), bar_->GetLSecondColor(), bar_->GetLThirdColor()};
            const TColor unlit[] = {bar_->GetFirstColor(), bar_->GetSecondColor(), bar_->GetThirdColor()};
            EXPECT_EQ(bar_->SegmentColor(k), k > n - lit ? lits[zone] : unlit[zone]) << "segment " << k;
        }
    }

    std::unique_ptr<TForm> form_;
    LProgressBar* bar_;
};

TEST_F(LevelBar, DefaultsAndZones)
{
    EXPECT_EQ(bar_->Width(), 14);
    EXPECT_EQ(bar_->Height(), 132);
    EXPECT_EQ(bar_->GetMax(), 100);
    ASSERT_EQ(bar_->SegmentCount(), 5);
    const int zones[] = {0, 1, 2, 2, 2};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(bar_->ZoneOf(k), zones[k - 1]);
        EXPECT_EQ(bar_->Segment(k)->Name(), "shape" + std::to_string(k));
    }
    // Height 132 / 5: 28 pixels high, tops at int(26.4 (k - 1)) - 1.
    const int tops[] = {-1, 25, 51, 78, 104};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(bar_->Segment(k)->Top(), tops[k - 1]) << k;
        EXPECT_EQ(bar_->Segment(k)->Height(), 28);
        EXPECT_EQ(bar_->Segment(k)->Width(), 14);
    }
    expectBottomLit(0);
}

TEST_F(LevelBar, LitCountsForPositions)
{
    struct Case
    {
        int first, second, third, max, position, storedPosition, lit;
    };
    const Case cases[] = {
        {1, 3, 4, 8, 5, 5, 5},     {1, 3, 4, 8, 8, 8, 8},       {1, 3, 4, 8, 12, 8, 8},
        {1, 3, 4, 8, -3, 0, 0},    {1, 3, 4, 8, 1, 1, 1},       {0, 1, 0, 1, 1, 1, 1},
        {1, 1, 3, 100, 99, 99, 4}, {1, 1, 3, 100, 100, 100, 5}, {1, 1, 3, 100, 20, 20, 1},
        {1, 1, 3, 0, 5, 0, 0},     {1, 1, 3, -10, 5, -10, 0},
    };
    for (const Case& c : cases) {
        LProgressBar bar(nullptr);
        bar.SetFirstNum(c.first);
        bar.SetSecondNum(c.second);
        bar.SetThirdNum(c.third);
        bar.SetMax(c.max);
        bar.SetPosition(c.position);
        EXPECT_EQ(bar.GetPosition(), c.storedPosition) << c.position << " of " << c.max;
        EXPECT_EQ(bar.LitCount(), c.lit) << c.position << " of " << c.max;
    }
}

TEST_F(LevelBar, MeterLightsFromTheBottomAndGoesDarkAgain)
{
    makeMeter();
    bar_->SetPosition(5);
    expectBottomLit(5);
    bar_->SetPosition(8);
    expectBottomLit(8);
    bar_->SetPosition(2);
    expectBottomLit(2);
    bar_->SetPosition(0);
    expectBottomLit(0);
}

TEST_F(LevelBar, IndicatorBar)
{
    bar_->SetFirstNum(0);
    bar_->SetThirdNum(0);
    bar_->SetMax(1);
    ASSERT_EQ(bar_->SegmentCount(), 1);
    bar_->SetPosition(1);
    EXPECT_EQ(bar_->SegmentColor(1), bar_->GetLSecondColor());
    bar_->SetPosition(0);
    EXPECT_EQ(bar_->SegmentColor(1), bar_->GetSecondColor());
}

TEST_F(LevelBar, NoSegmentsDrawsNothing)
{
    bar_->SetFirstNum(0);
    bar_->SetSecondNum(0);
    bar_->SetThirdNum(0);
    EXPECT_EQ(bar_->SegmentCount(), 0);
    bar_->SetPosition(50);
    EXPECT_EQ(bar_->LitCount(), 0);
    bar_->SetThirdNum(-4);
    EXPECT_EQ(bar_->SegmentCount(), 0) << "a negative count is none";
}

TEST_F(LevelBar, SamePositionTwiceChangesNothing)
{
    makeMeter();
    bar_->SetPosition(5);
    bar_->SetThirdColor(clBlue); // the zone repainted unlit
    bar_->SetPosition(5);
    EXPECT_EQ(bar_->SegmentColor(8), clBlue);
    EXPECT_EQ(bar_->LitCount(), 1) << "only the lit segment of zone 2";
}

TEST_F(LevelBar, LitColourChangesRecolourLitSegments)
{
    makeMeter();
    bar_->SetPosition(8);
    bar_->SetLThirdColor(clAqua);
    EXPECT_EQ(bar_->SegmentColor(8), clAqua);
    EXPECT_EQ(bar_->SegmentColor(1), bar_->GetLFirstColor());
    bar_->SetPosition(0);
    EXPECT_EQ(bar_->SegmentColor(8), bar_->GetThirdColor());
}

TEST_F(LevelBar, CountChangeRenumbersAndDarkens)
{
    makeMeter();
    bar_->SetPosition(8);
    bar_->SetSecondNum(1);
    ASSERT_EQ(bar_->SegmentCount(), 6);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(bar_->Segment(k)->Name(), "shape" + std::to_string(k));
    }
    expectBottomLit(0);
}

TEST_F(LevelBar, ResizeLaysOutAgainKeepingTheLitSegments)
{
    makeMeter();
    bar_->SetPosition(5);
    bar_->SetBounds(0, 0, 20, 200);
    bar_->Perform(WM_PAINT);
    EXPECT_EQ(bar_->Segment(8)->Top(), 174);
    EXPECT_EQ(bar_->Segment(8)->Height(), 27);
    EXPECT_EQ(bar_->Segment(8)->Width(), 20);
    expectBottomLit(5);
}

TEST_F(LevelBar, PublishedToLayouts)
{
    qx::setProperty(*bar_, "ThirdNum", qx::PropertyValue(std::int64_t{4}));
    qx::setProperty(*bar_, "LThirdColor", qx::PropertyValue(qx::Ident{"clAqua"}));
    EXPECT_EQ(bar_->SegmentCount(), 6);
    EXPECT_EQ(bar_->GetLThirdColor(), clAqua);
    EXPECT_EQ(std::get<std::int64_t>(qx::getProperty(*bar_, "Max")), 100);
}

} // namespace
