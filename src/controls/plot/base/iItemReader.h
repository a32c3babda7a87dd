#pragma once
// A layout collection whose items are made one at a time by their owner and handed back to
// it once their properties are read; an item whose reading fails is freed.

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

    TiItemReader(ClearFunction Clear, MakeFunction Make, TakeFunction Take)
        : FClear(std::move(Clear)), FMake(std::move(Make)), FTake(std::move(Take))
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

private:
    ClearFunction FClear;
    MakeFunction FMake;
    TakeFunction FTake;
    std::unique_ptr<Item> FPending;
};
