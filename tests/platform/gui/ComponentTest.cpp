#include "platform/gui/Application.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

TEST(Component, FindComponentByComposedName)
{
    auto form = std::make_unique<TForm>(nullptr);
    const char* suffixes[] = {"A", "B", "C", "D"};
    for (const char* s : suffixes) {
        auto* c = new TCustomControl(form.get());
        c->SetName(std::string("cvdGainIn") + s);
        c->SetParent(form.get());
    }
    for (const char* s : suffixes)
        EXPECT_NE(form->FindComponent(std::string("cvdGainIn") + s), nullptr) << s;
    EXPECT_EQ(form->FindComponent("cvdGainInE"), nullptr);
    EXPECT_EQ(form->FindComponent("cvdgaininb"), form->FindComponent("cvdGainInB"));
}

// FindComponent answers from a name index; every change of an owned
// component's name or ownership must keep it right.
TEST(Component, NameIndexFollowsRenames)
{
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("pnlA");
    a->SetName("pnlFirst");
    EXPECT_EQ(owner.FindComponent("pnlA"), nullptr) << "the old name is gone";
    EXPECT_EQ(owner.FindComponent("PNLFIRST"), a);
    a->SetName("PnlFirst"); // only the case changes
    EXPECT_EQ(owner.FindComponent("pnlfirst"), a);
    EXPECT_EQ(a->Name(), "PnlFirst");

    auto* b = new TComponent(&owner);
    b->SetName("pnlA"); // free again
    EXPECT_EQ(owner.FindComponent("pnlA"), b);
    EXPECT_THROW(b->SetName("pnlfirst"), std::invalid_argument);
    EXPECT_EQ(owner.FindComponent("pnlA"), b) << "a refused name leaves the old one";
    EXPECT_EQ(owner.FindComponent("pnlFirst"), a);

    a->SetName("");
    EXPECT_EQ(owner.FindComponent("pnlFirst"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    b->SetName("pnlFirst");
    EXPECT_EQ(owner.FindComponent("pnlFirst"), b);
    EXPECT_EQ(owner.ComponentCount(), 2);
}

TEST(Component, NameIndexFollowsInsertRemoveAndDelete)
{
    TComponent first(nullptr);
    TComponent second(nullptr);
    auto* moved = new TComponent(&first);
    moved->SetName("lbMoved");
    second.InsertComponent(moved);
    EXPECT_EQ(first.FindComponent("lbMoved"), nullptr);
    EXPECT_EQ(second.FindComponent("LBMOVED"), moved);

    // Moving into an owner where the name is taken is refused; the component
    // has left its old owner by then and belongs to neither.
    auto* taken = new TComponent(&first);
    taken->SetName("lbMoved");
    EXPECT_THROW(first.InsertComponent(moved), std::invalid_argument);
    EXPECT_EQ(second.FindComponent("lbMoved"), nullptr);
    EXPECT_EQ(first.FindComponent("lbMoved"), taken);
    EXPECT_EQ(moved->Owner(), nullptr);
    delete moved;

    first.RemoveComponent(taken);
    EXPECT_EQ(first.FindComponent("lbMoved"), nullptr);
    delete taken;

    auto* gone = new TComponent(&first);
    gone->SetName("lbGone");
    delete gone;
    EXPECT_EQ(first.FindComponent("lbGone"), nullptr);
    auto* again = new TComponent(&first);
    again->SetName("lbGone");
    EXPECT_EQ(first.FindComponent("lbGone"), again);
}

// While an owner destroys what it owns, a component that looks its siblings
// up finds only those still there.
TEST(Component, NameIndexDropsEachComponentTheOwnerDestroys)
{
    struct TLooker : TComponent
    {
        using TComponent::TComponent;
        std::vector<std::string>* found = nullptr;
        void BeforeDestruction() override
        {
            for (const char* name : {"first", "second", "third"})
                if (Owner() && Owner()->FindComponent(name))
                    found->push_back(name);
            found->push_back("|");
        }
    };
    std::vector<std::string> found;
    {
        TComponent owner(nullptr);
        for (const char* name : {"first", "second", "third"}) {
            auto* c = new TLooker(&owner);
            c->SetName(name);
            c->found = &found;
        }
    }
    EXPECT_EQ(found, (std::vector<std::string>{"first", "second", "third", "|", "first", "second", "|", "first", "|"}));
}

// A stem with a number after it ("c7").
static std::string numbered(std::string stem, int i)
{
    stem += std::to_string(i);
    return stem;
}

// Enough components for many to share a place in the index, removed and
// renamed in a scattered order: every one is still found under its name only.
TEST(Component, NameIndexStaysRightThroughManyChanges)
{
    constexpr int kCount = 3000;
    TComponent owner(nullptr);
    std::vector<TComponent*> all;
    for (int i = 0; i < kCount; ++i) {
        all.push_back(new TComponent(&owner));
        all.back()->SetName(numbered("c", i));
    }
    std::vector<bool> gone(kCount, false);
    for (int i = 0; i < kCount; i += 3) {
        const int k = (i * 7919) % kCount; // a scattered order
        if (gone[static_cast<std::size_t>(k)])
            continue;
        delete all[static_cast<std::size_t>(k)];
        gone[static_cast<std::size_t>(k)] = true;
    }
    for (int i = 1; i < kCount; i += 5)
        if (!gone[static_cast<std::size_t>(i)])
            all[static_cast<std::size_t>(i)]->SetName(numbered("Renamed", i));
    for (int i = 0; i < kCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const bool renamed = !gone[at] && i % 5 == 1;
        EXPECT_EQ(owner.FindComponent(numbered("C", i)), gone[at] || renamed ? nullptr : all[at]) << i;
        if (renamed) {
            EXPECT_EQ(owner.FindComponent(numbered("renamed", i)), all[at]) << i;
        }
    }
}
