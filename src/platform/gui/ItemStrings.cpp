#include "platform/gui/ItemStrings.h"

#include <stdexcept>

namespace qx {

void ItemStrings::check(int Index, int limit) const
{
    if (Index < 0 || Index >= limit)
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

std::string ItemStrings::Get(int Index) const
{
    check(Index, Count());
    return access_.get(Index);
}

void ItemStrings::Put(int Index, const std::string& S)
{
    check(Index, Count());
    access_.put(Index, S);
    Changed();
}

void ItemStrings::Insert(int Index, const std::string& S)
{
    check(Index, Count() + 1);
    access_.insert(Index, S);
    objects_.resize(static_cast<std::size_t>(Count()) - 1);
    objects_.insert(objects_.begin() + Index, nullptr);
    Changed();
}

void ItemStrings::Delete(int Index)
{
    check(Index, Count());
    access_.remove(Index);
    if (static_cast<std::size_t>(Index) < objects_.size())
        objects_.erase(objects_.begin() + Index);
    Changed();
}

void ItemStrings::Clear()
{
    access_.clear();
    objects_.clear();
    Changed();
}

TObject* ItemStrings::Objects(int Index) const
{
    check(Index, Count());
    return static_cast<std::size_t>(Index) < objects_.size() ? objects_[static_cast<std::size_t>(Index)] : nullptr;
}

void ItemStrings::SetObject(int Index, TObject* Object)
{
    check(Index, Count());
    objects_.resize(static_cast<std::size_t>(Count()));
    objects_[static_cast<std::size_t>(Index)] = Object;
}

} // namespace qx
