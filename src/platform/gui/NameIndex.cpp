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

TComponent* NameIndex::find(std::string_view name) const
{
    if (slots_.empty())
        return nullptr;
    const std::uint64_t h = foldedNameHash(name);
    for (std::size_t i = home(h);; i = next(i)) {
        const Slot& s = slots_[i];
        if (!s.component)
            return nullptr;
        if (s.hash == h && sameText(s.component->Name(), name))
            return s.component;
    }
}

void NameIndex::insert(TComponent* component)
{
    if ((used_ + 1) * 2 > slots_.size())
        grow();
    place({foldedNameHash(component->Name()), component});
    ++used_;
}

void NameIndex::place(Slot slot)
{
    std::size_t i = home(slot.hash);
    while (slots_[i].component)
        i = next(i);
    slots_[i] = slot;
}

void NameIndex::grow()
{
    std::vector<Slot> old(std::max<std::size_t>(slots_.size() * 2, 16));
    old.swap(slots_);
    for (const Slot& s : old)
        if (s.component)
            place(s);
}

void NameIndex::erase(const TComponent* component)
{
    if (slots_.empty())
        return;
    const std::uint64_t h = foldedNameHash(component->Name());
    std::size_t hole = home(h);
    while (slots_[hole].component != component) {
        if (!slots_[hole].component)
            return;
        hole = next(hole);
    }
    // Moves back each later entry of the run that may fill the hole (its
    // home is not between the hole and itself), so no look-up stops early.
    for (std::size_t j = next(hole); slots_[j].component; j = next(j)) {
        const std::size_t k = home(slots_[j].hash);
        const bool between = hole <= j ? (hole < k && k <= j) : (hole < k || k <= j);
        if (!between) {
            slots_[hole] = slots_[j];
            hole = j;
        }
    }
    slots_[hole] = {};
    --used_;
}

} // namespace qx
