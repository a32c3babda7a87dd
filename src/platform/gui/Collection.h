#pragma once

#include "platform/gui/Component.h"

#include <functional>
#include <memory>
#include <vector>

class TCollection;

/// An item of a collection property (a column, a band, a channel); its
/// published properties are registered like a component's.
class TCollectionItem : public TPersistent
{
public:
    explicit TCollectionItem(TCollection* ACollection) : collection_(ACollection) {}
    TCollection* Collection() const { return collection_; }
    int Index() const;

private:
    TCollection* collection_;
};

/// An owned, ordered list of items of one class.
class TCollection : public TPersistent
{
public:
    using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;

    explicit TCollection(ItemFactory Factory) : factory_(std::move(Factory)) {}
    ~TCollection() override;

    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int Index) const { return items_.at(static_cast<std::size_t>(Index)).get(); }
    TCollectionItem* Add();
    void Delete(int Index);
    void Clear();
    int IndexOf(const TCollectionItem* Item) const;

    /// Raised after items are added, deleted or cleared.
    std::function<void(TCollection&)> OnChange;

private:
    void changed();

    ItemFactory factory_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
};

/// A collection property whose owner makes and keeps its items (a plot's channels, for
/// instance): a layout clears it, asks for each item, sets the item's properties and hands
/// it back; a layout writer is shown each item in the order that reads them back the same.
/// Registered with ClassBuilder::collection like a TCollection.
class TOwnedItemsReader : public TPersistent
{
public:
    virtual void ClearItems() = 0;
    virtual TPersistent* NewItem() = 0;
    /// The item's properties are set: the owner takes it in.
    virtual void ItemRead(TPersistent& Item) = 0;
    /// Calls Visit with every item to write, in writing order.
    virtual void ForEachItem(const std::function<void(TPersistent&)>& Visit) = 0;
};

namespace qx {

/// A collection whose items are of class Item (constructible from the collection).
template <class Item>
TCollection::ItemFactory itemsOf()
{
    return [](TCollection& c) { return std::make_unique<Item>(&c); };
}

} // namespace qx
