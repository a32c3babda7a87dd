#pragma once
// The owned components of an owner by name, under the case folding of
// qx::sameText, so FindComponent on a form of thousands of components is a
// hash look-up.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

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
    std::size_t size() const { return components_.size(); }

private:
    // Looked up by any string view, without making a string.
    struct FoldedHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return static_cast<std::size_t>(foldedNameHash(name)); }
    };
    struct FoldedEqual
    {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::unordered_map<std::string, TComponent*, FoldedHash, FoldedEqual> components_;
};

} // namespace qx
