#include "platform/gui/NameIndex.h"

#include "platform/gui/Component.h"

namespace qx {

std::uint64_t foldedNameHash(std::string_view name)
{
    // FNV-1a over the folded bytes.
    std::uint64_t h = 14695981039346656037ULL;
    for (char c : name) {
        h ^= static_cast<unsigned char>(foldCase(c));
        h *= 1099511628211ULL;
    }
    return h;
}

bool NameIndex::FoldedEqual::operator()(std::string_view a, std::string_view b) const { return sameText(a, b); }

TComponent* NameIndex::find(std::string_view name) const
{
    const auto it = components_.find(name);
    return it == components_.end() ? nullptr : it->second;
}

void NameIndex::insert(TComponent* component)
{
    components_.emplace(component->Name(), component);
}

void NameIndex::erase(const TComponent* component)
{
    const auto it = components_.find(std::string_view(component->Name()));
    if (it != components_.end() && it->second == component)
        components_.erase(it);
}

} // namespace qx
