#include "platform/gui/Collection.h"

#include <algorithm>
#include <stdexcept>

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Add()
{
    items_.push_back(factory_(*this));
    changed();
    return items_.back().get();
}

void TCollection::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
    items_.erase(items_.begin() + Index);
    changed();
}

void TCollection::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    changed();
}

int TCollection::IndexOf(const TCollectionItem* Item) const
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& p) { return p.get() == Item; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TCollection::changed()
{
    if (OnChange)
        OnChange(*this);
}
