#pragma once
// The owned components of an owner by name, under the case folding of
// qx::sameText. A flat table of (hash, component) with linear probing, at
// most half full: a look-up reads one entry of the table and the name of the
// component it finds, which matters on a form of thousands of components
// whose memory is mostly out of the cache.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class TComponent;

namespace qx {

// A hash of a name that is the same for names sameText finds equal.
std::uint64_t foldedNameHash(std::string_view name);

class NameIndex
{
public:
    TComponent* find(std::string_view name) const;
    // Adds a component under its name, which is not empty and not in the index.
    void insert(TComponent* component);
    // Takes the component out, looked up under its current name; nothing
    // when it is not in the index.
    void erase(const TComponent* component);
    std::size_t size() const { return used_; }

private:
    struct Slot
    {
        std::uint64_t hash = 0;
        TComponent* component = nullptr;
    };
    std::size_t home(std::uint64_t hash) const { return static_cast<std::size_t>(hash) & (slots_.size() - 1); }
    std::size_t next(std::size_t i) const { return (i + 1) & (slots_.size() - 1); }
    void place(Slot slot);
    void grow();

    std::vector<Slot> slots_; // a power of two in size, or empty
    std::size_t used_ = 0;
};

} // namespace qx
