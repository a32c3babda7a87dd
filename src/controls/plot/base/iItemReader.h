#pragma once
// A layout collection whose items are made one at a time by their owner and handed back to
// it once their properties are read (an item whose reading fails is freed), and which shows
// a layout writer the owner's items.

#include "platform/gui/Collection.h"

#include <functional>
#include <memory>
#include <utility>

template <class Item>
class TiItemReader : public TOwnedItemsReader
{
public:
    using ClearFunction = std::function<void()>;
    using MakeFunction = std::function<std::unique_ptr<Item>()>;
    using TakeFunction = std::function<void(std::unique_ptr<Item>)>;
    using VisitFunction = std::function<void(TPersistent&)>;
    /// Calls the visitor with each item to write, in writing order.
    using ListFunction = std::function<void(const VisitFunction&)>;

    TiItemReader(ClearFunction Clear, MakeFunction Make, TakeFunction Take, ListFunction List)
        : FClear(std::move(Clear)), FMake(std::move(Make)), FTake(std::move(Take)), FList(std::move(List))
    {
    }

    void ClearItems() override
    {
        FPending.reset();
        FClear();
    }
    TPersistent* NewItem() override
    {
        FPending = FMake();
        return FPending.get();
    }
    void ItemRead(TPersistent& Read) override
    {
        if (&Read == FPending.get())
            FTake(std::move(FPending));
    }
    void ForEachItem(const VisitFunction& Visit) override { FList(Visit); }

private:
    ClearFunction FClear;
    MakeFunction FMake;
    TakeFunction FTake;
    ListFunction FList;
    std::unique_ptr<Item> FPending;
};
