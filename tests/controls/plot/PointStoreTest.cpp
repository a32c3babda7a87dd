// The four point stores as tables: growth, adding, deleting, the ring buffer and its wrap,
// null and empty flags, per-point attributes, and the exact error texts.

#include "controls/plot/objects/iPlotDataCompactIntervalList.h"
#include "controls/plot/objects/iPlotDataCompactList.h"
#include "controls/plot/objects/iPlotDataFullList.h"
#include "controls/plot/objects/iPlotDataNullList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct StoreKind
{
    const char* name;
    std::function<std::unique_ptr<TiPlotDataCustomList>()> make;
    int recordSize;
    int maxDataPoints;
    const char* deleteText;
    bool deletesAll;    // DeletePoints(Count) empties instead of raising
    bool keepsFlags;    // null and empty read back
    bool keepsX;        // X is stored (not computed from an interval)
};

const std::vector<StoreKind>& Kinds()
{
    static const std::vector<StoreKind> kinds = {
        {"null list", [] { return std::make_unique<TiPlotDataNullList>(); }, 24, 89478485, "Delete size out of Range",
         false, true, true},
        {"full", [] { return std::make_unique<TiPlotDataFullList>(); }, 144, 14913080, "Delete Size Out Of Range",
         false, true, true},
        {"compact", [] { return std::make_unique<TiPlotDataCompactList>(); }, 8, 268435455, "Delete size out of Range",
         false, false, true},
        {"compact interval", [] { return std::make_unique<TiPlotDataCompactIntervalList>(); }, 4, 536870911,
         "Delete size out of Range", true, false, false},
    };
    return kinds;
}

std::string Raised(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EiPlotError& e) {
        return e.what();
    }
    return "nothing raised";
}

/// Adds points with X = Y = each value.
void AddAll(TiPlotDataCustomList& store, std::initializer_list<double> values)
{
    for (const double v : values)
        store.Add(v, v, false, false);
}

/// One value of every point held, oldest first.
std::vector<double> Values(const TiPlotDataCustomList& store, double (TiPlotDataCustomList::*get)(int) const)
{
    std::vector<double> values;
    for (int i = 0; i < store.Count(); ++i)
        values.push_back((store.*get)(i));
    return values;
}

std::vector<double> Ys(const TiPlotDataCustomList& store) { return Values(store, &TiPlotDataCustomList::GetY); }
std::vector<double> Xs(const TiPlotDataCustomList& store) { return Values(store, &TiPlotDataCustomList::GetX); }

TEST(PointStores, StartEmptyAndGrowByTheSteps)
{
    const std::vector<int> capacities = {4, 4, 4, 4, 8, 8, 8, 8, 12, 12, 12, 12, 28};
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        EXPECT_EQ(store->Count(), 0) << kind.name;
        EXPECT_EQ(store->Capacity(), 0) << kind.name;
        EXPECT_EQ(store->DataPointSize(), kind.recordSize) << kind.name;
        EXPECT_EQ(store->MaxDataPoints(), kind.maxDataPoints) << kind.name;
        EXPECT_EQ(store->MemoryUsed(), 0) << kind.name;
        EXPECT_EQ(store->RingBufferSize(), 0) << kind.name;
        for (std::size_t i = 0; i < capacities.size(); ++i) {
            EXPECT_EQ(store->Add(static_cast<double>(i), 1, false, false), static_cast<int>(i)) << kind.name;
            EXPECT_EQ(store->Capacity(), capacities[i]) << kind.name << " after add " << i + 1;
        }
        EXPECT_EQ(store->MemoryUsed(), 28LL * kind.recordSize) << kind.name;
        std::vector<int> later;
        while (store->Capacity() < 120) {
            const int before = store->Capacity();
            while (store->Count() < before)
                store->Add(0, 0, false, false);
            store->Add(0, 0, false, false);
            later.push_back(store->Capacity());
        }
        EXPECT_EQ(later, (std::vector<int>{44, 60, 76, 95, 118, 147})) << kind.name;
    }
}

TEST(PointStores, ReadBackWhatWasAdded)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        AddAll(*store, {10, 12, 14});
        EXPECT_EQ(Ys(*store), (std::vector<double>{10, 12, 14})) << kind.name;
        EXPECT_EQ(Xs(*store), (std::vector<double>{10, 12, 14})) << kind.name;
        double x = 0, y = 0;
        bool null = true, empty = true;
        store->GetXYEmptyNull(1, x, null, empty, y);
        EXPECT_EQ(x, 12) << kind.name;
        EXPECT_EQ(y, 12) << kind.name;
        EXPECT_FALSE(null) << kind.name;
        EXPECT_FALSE(empty) << kind.name;
        store->SetY(2, 7);
        EXPECT_EQ(store->GetY(2), 7) << kind.name;
    }
}

TEST(PointStores, NullAndEmptyFlags)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        store->Add(5, 7, true, false);
        store->Add(6, 8, false, true);
        store->Add(7, 9, true, true);
        EXPECT_EQ(store->GetNull(0), kind.keepsFlags) << kind.name;
        EXPECT_FALSE(store->GetEmpty(0)) << kind.name;
        EXPECT_FALSE(store->GetNull(1)) << kind.name;
        EXPECT_EQ(store->GetEmpty(1), kind.keepsFlags) << kind.name;
        EXPECT_EQ(store->GetNull(2) && store->GetEmpty(2), kind.keepsFlags) << kind.name;
        EXPECT_EQ(store->GetY(0), 7) << kind.name << ": a null point keeps its Y";
        store->SetNull(1, true);
        store->SetEmpty(1, false);
        EXPECT_EQ(store->GetNull(1), kind.keepsFlags) << kind.name;
        EXPECT_FALSE(store->GetEmpty(1)) << kind.name;
        EXPECT_EQ(store->GetY(1), 8) << kind.name << ": a flag change leaves the values";
    }
}

TEST(PointStores, ExactErrorTexts)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        AddAll(*store, {1, 2, 3});
        EXPECT_EQ(Raised([&] { store->GetY(3); }), "Index out of Bounds") << kind.name;
        EXPECT_EQ(Raised([&] { store->GetY(-1); }), "Index out of Bounds") << kind.name;
        EXPECT_EQ(Raised([&] { store->SetY(3, 0); }), "Index out of Bounds") << kind.name;
        double x, y;
        bool n, e;
        EXPECT_EQ(Raised([&] { store->GetXYEmptyNull(3, x, n, e, y); }), "Index out of Bounds") << kind.name;
        EXPECT_EQ(Raised([&] { store->DeletePoints(-1); }), kind.deleteText) << kind.name;
        EXPECT_EQ(Raised([&] { store->DeletePoints(4); }), kind.deleteText) << kind.name;
        EXPECT_EQ(Raised([&] { store->SetCapacity(kind.maxDataPoints + 1); }), "Exceed Maximum List Size") << kind.name;
        // A negative capacity or ring size is refused and changes nothing.
        EXPECT_EQ(Raised([&] { store->SetCapacity(-1); }), "Exceed Maximum List Size") << kind.name;
        EXPECT_EQ(Raised([&] { store->SetRingBufferSize(-5); }), "Exceed Maximum List Size") << kind.name;
        EXPECT_EQ(Raised([&] { store->SetRingBufferSize(kind.maxDataPoints + 1); }), "Exceed Maximum List Size")
            << kind.name;
        EXPECT_EQ(store->Count(), 3) << kind.name;
        EXPECT_EQ(store->Capacity(), 4) << kind.name;
        EXPECT_EQ(store->RingBufferSize(), 0) << kind.name;
        EXPECT_EQ(Raised([&] { store->DeletePoints(3); }), kind.deletesAll ? "nothing raised" : kind.deleteText)
            << kind.name << ": deleting every point";
    }
}

TEST(PointStores, DeletePointsDropsTheOldest)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        AddAll(*store, {10, 12, 14, 16, 18});
        store->DeletePoints(0);
        EXPECT_EQ(Ys(*store), (std::vector<double>{10, 12, 14, 16, 18})) << kind.name;
        store->DeletePoints(2);
        EXPECT_EQ(Ys(*store), (std::vector<double>{14, 16, 18})) << kind.name;
        EXPECT_EQ(Xs(*store), (std::vector<double>{14, 16, 18})) << kind.name << ": the points keep their X";
        EXPECT_EQ(store->Capacity(), 8) << kind.name;
    }
}

TEST(PointStores, RingBufferWrapsOverTheOldestPoint)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        store->SetRingBufferSize(3);
        EXPECT_EQ(store->RingBufferSize(), 3) << kind.name;
        EXPECT_EQ(store->Capacity(), 3) << kind.name;
        AddAll(*store, {1, 2, 3});
        EXPECT_EQ(store->Add(4, 4, false, false), 2) << kind.name;
        EXPECT_EQ(store->Count(), 3) << kind.name;
        EXPECT_EQ(Ys(*store), (std::vector<double>{2, 3, 4})) << kind.name;
        EXPECT_EQ(Xs(*store), (std::vector<double>{2, 3, 4})) << kind.name;
        AddAll(*store, {5, 6, 7, 8});
        EXPECT_EQ(Ys(*store), (std::vector<double>{6, 7, 8})) << kind.name << ": wrapped more than once";
        EXPECT_EQ(store->Capacity(), 3) << kind.name << ": a full ring never grows";

        // Deleting from a wrapped ring unwraps it; it then fills again before wrapping.
        store->DeletePoints(1);
        EXPECT_EQ(Ys(*store), (std::vector<double>{7, 8})) << kind.name;
        AddAll(*store, {9});
        EXPECT_EQ(Ys(*store), (std::vector<double>{7, 8, 9})) << kind.name;
        AddAll(*store, {10});
        EXPECT_EQ(Ys(*store), (std::vector<double>{8, 9, 10})) << kind.name;

        store->Clear();
        EXPECT_EQ(store->Count(), 0) << kind.name;
        EXPECT_EQ(store->Capacity(), 3) << kind.name << ": Clear keeps a ring's block";
        EXPECT_EQ(store->RingBufferSize(), 3) << kind.name;
    }
}

TEST(PointStores, RingBufferSizeOverAPlainStore)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        AddAll(*store, {1, 2, 3, 4, 5});
        store->SetRingBufferSize(2);
        EXPECT_EQ(Ys(*store), (std::vector<double>{4, 5})) << kind.name << ": the newest two stay";
        EXPECT_EQ(store->Capacity(), 2) << kind.name;
        store->SetRingBufferSize(0);
        EXPECT_EQ(store->RingBufferSize(), 0) << kind.name;
        EXPECT_EQ(Ys(*store), (std::vector<double>{4, 5})) << kind.name;
        AddAll(*store, {6, 7, 8});
        EXPECT_EQ(Ys(*store), (std::vector<double>{4, 5, 6, 7, 8})) << kind.name << ": grows again";
        store->Clear();
        EXPECT_EQ(store->Capacity(), 0) << kind.name << ": Clear releases a plain store's block";

        // Switching a wrapped ring off empties it.
        store->SetRingBufferSize(2);
        AddAll(*store, {1, 2, 3});
        store->SetRingBufferSize(0);
        EXPECT_EQ(store->Count(), 0) << kind.name;
        // Growing a wrapped ring empties it first.
        store->SetRingBufferSize(2);
        AddAll(*store, {1, 2, 3});
        store->SetRingBufferSize(4);
        EXPECT_EQ(store->Count(), 0) << kind.name;
        EXPECT_EQ(store->Capacity(), 4) << kind.name;
    }
}

TEST(PointStores, ARingOfCapacityZeroStoresNothing)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        store->SetRingBufferSize(3);
        store->SetCapacity(0);
        EXPECT_EQ(store->RingBufferSize(), 0) << kind.name;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(store->Add(i, i, false, false), -1) << kind.name;
        EXPECT_EQ(store->Count(), 0) << kind.name;
        EXPECT_EQ(store->Capacity(), 0) << kind.name;
    }
}

TEST(PointStores, SetCapacityCutsTheCount)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        AddAll(*store, {1, 2, 3, 4, 5});
        store->SetCapacity(20);
        EXPECT_EQ(Ys(*store), (std::vector<double>{1, 2, 3, 4, 5})) << kind.name;
        store->SetCapacity(3);
        EXPECT_EQ(Ys(*store), (std::vector<double>{1, 2, 3})) << kind.name << ": the oldest stay";
        store->SetCapacity(0);
        EXPECT_EQ(store->Count(), 0) << kind.name;
    }
}

TEST(PointStores, AttributesAreTheStoredDefaultsUnlessKept)
{
    for (const StoreKind& kind : Kinds()) {
        const auto store = kind.make();
        EXPECT_TRUE(store->StoredBarVisible()) << kind.name;
        EXPECT_EQ(store->StoredTraceLineColor(), 0u) << kind.name;
        store->SetStoredTraceLineColor(clRed);
        store->SetStoredMarkerSize(6);
        store->SetStoredBarReference(2.5);
        store->SetStoredMarkerCharacter(u'x');
        store->Add(1.5, 2.5, false, false);
        EXPECT_EQ(store->GetTraceLineColor(0), clRed) << kind.name;
        EXPECT_EQ(store->GetMarkerSize(0), 6) << kind.name;
        EXPECT_EQ(store->GetBarReference(0), 2.5) << kind.name;
        store->SetMarkerSize(0, 9);
        store->SetTraceLineColor(0, clBlue);
        const bool full = std::string(kind.name) == "full";
        EXPECT_EQ(store->GetMarkerSize(0), full ? 9 : 6) << kind.name;
        EXPECT_EQ(store->GetTraceLineColor(0), full ? clBlue : clRed) << kind.name;
        EXPECT_EQ(store->GetMarkerCharacter(0), full ? u'\0' : u'x') << kind.name << ": a new full point has no character";
        EXPECT_EQ(store->GetHigh(0), 0) << kind.name;
        store->SetHigh(0, 5);
        EXPECT_EQ(store->GetHigh(0), full ? 5 : 0) << kind.name;
    }
}

TEST(NullList, PacksFlagsAndMarkerIntoOneWord)
{
    TiPlotDataNullList store;
    store.SetStoredMarkerVisible(true);
    store.SetStoredMarkerStyle(ipmsDiamond);
    store.Add(5, 7, true, false);
    EXPECT_EQ(store.GetExtra(0), 21) << "16 + 4 + 1";
    EXPECT_EQ(store.GetX(0), 5);
    EXPECT_EQ(store.GetY(0), 7);
    EXPECT_TRUE(store.GetNull(0));
    EXPECT_FALSE(store.GetEmpty(0));
    EXPECT_TRUE(store.GetMarkerVisible(0));
    EXPECT_EQ(store.GetMarkerStyle(0), ipmsDiamond);
    store.SetMarkerStyle(0, ipmsCharacter);
    EXPECT_EQ(store.GetExtra(0), (11 << 3) + 4 + 1) << "only the style bits change";
    store.SetMarkerVisible(0, false);
    store.SetEmpty(0, true);
    store.SetNull(0, false);
    EXPECT_EQ(store.GetExtra(0), (11 << 3) + 2);
    EXPECT_EQ(store.GetMarkerSize(0), store.StoredMarkerSize()) << "other attributes are the stored ones";
}

TEST(FullList, KeepsEveryAttributeOfAPoint)
{
    TiPlotDataFullList store;
    store.SetStoredTraceLineColor(clRed);
    store.SetStoredMarkerStyle(ipmsPlus);
    store.SetStoredBarBrushStyle(bsCross);
    store.Add(1.5, 2.5, false, false);
    EXPECT_EQ(store.GetTraceLineColor(0), clRed);
    EXPECT_EQ(store.GetMarkerStyle(0), ipmsPlus);
    EXPECT_EQ(store.GetBarBrushStyle(0), bsCross);
    EXPECT_EQ(store.GetMarkerCharacter(0), u'\0');
    for (const double v : {store.GetHigh(0), store.GetLow(0), store.GetOpen(0), store.GetClose(0)})
        EXPECT_EQ(v, 0);
    store.SetLow(0, -1);
    store.SetOpen(0, 2);
    store.SetClose(0, 3);
    EXPECT_EQ(store.GetLow(0), -1);
    EXPECT_EQ(store.GetOpen(0), 2);
    EXPECT_EQ(store.GetClose(0), 3);
    store.SetStoredTraceLineColor(clGreen);
    EXPECT_EQ(store.GetTraceLineColor(0), clRed) << "a point keeps the defaults it was added with";
}

TEST(CompactList, NarrowsToSinglePrecision)
{
    TiPlotDataCompactList store;
    store.Add(0.1, 1e40, true, true);
    EXPECT_EQ(store.GetX(0), static_cast<double>(0.1f));
    EXPECT_NEAR(store.GetX(0), 0.100000001490116, 1e-15);
    EXPECT_TRUE(std::isinf(store.GetY(0))) << "beyond the single range";
    EXPECT_FALSE(store.GetNull(0)) << "a null point is an ordinary point here";
    store.SetX(0, 2.5);
    EXPECT_EQ(store.GetX(0), 2.5);
}

TEST(CompactIntervalList, ComputesXFromTheFirstTwoPoints)
{
    TiPlotDataCompactIntervalList store;
    store.Add(10, 1, false, false);
    EXPECT_EQ(store.Interval(), -1) << "not known from one point";
    store.Add(12, 2, false, false);
    store.Add(99, 3, false, false);
    EXPECT_EQ(Xs(store), (std::vector<double>{10, 12, 14})) << "the third X is ignored";
    EXPECT_EQ(store.GetX(5), 20) << "X of any index, without a range test";

    store.SetX(0, 20);
    EXPECT_EQ(Xs(store), (std::vector<double>{20, 22, 24}));
    EXPECT_EQ(Raised([&] { store.SetX(1, 20); }), TiPlotDataCompactIntervalList::SetXText);
    EXPECT_EQ(std::string(TiPlotDataCompactIntervalList::SetXText),
              "Data Style does not support setting individual X-Value with the exception of the first X-Value");

    store.Clear();
    EXPECT_EQ(store.Interval(), -1);
    store.Add(5, 0, false, false);
    store.Add(6, 0, false, false);
    EXPECT_EQ(Xs(store), (std::vector<double>{5, 6}));

    TiPlotDataCompactIntervalList empty;
    EXPECT_EQ(Raised([&] { empty.SetX(0, 20); }), TiPlotDataCompactIntervalList::SetXText);
}

TEST(CompactIntervalList, DeletingKeepsTheXOfTheRest)
{
    TiPlotDataCompactIntervalList store;
    AddAll(store, {10, 12, 14});
    store.DeletePoints(1);
    EXPECT_EQ(Xs(store), (std::vector<double>{12, 14}));
    store.DeletePoints(store.Count());
    EXPECT_EQ(store.Count(), 0);
}

TEST(CompactIntervalList, RingsReportTheXOfThePointsTheyHold)
{
    TiPlotDataCompactIntervalList ring3;
    ring3.SetRingBufferSize(3);
    AddAll(ring3, {0, 1, 2, 3, 4});
    EXPECT_EQ(Xs(ring3), (std::vector<double>{2, 3, 4}));

    TiPlotDataCompactIntervalList ring1;
    ring1.SetRingBufferSize(1);
    const double fed[] = {10, 12, 99};
    const double held[] = {10, 12, 14};
    for (int i = 0; i < 3; ++i) {
        ring1.Add(fed[i], i, false, false);
        ASSERT_EQ(ring1.Count(), 1);
        EXPECT_EQ(ring1.GetX(0), held[i]) << "after adding X " << fed[i];
        EXPECT_EQ(ring1.GetY(0), i);
    }
}

} // namespace
