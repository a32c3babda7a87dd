#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace qx {

/// A small set of enumerators (up to 64), the shape the class library's set
/// types have: `Shift.Contains(ssShift)`, `Anchors << akRight`.
template <class E>
class EnumSet
{
    static_assert(std::is_enum_v<E>);

public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> items)
    {
        for (E e : items)
            bits_ |= bit(e);
    }

    constexpr bool Contains(E e) const { return (bits_ & bit(e)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr EnumSet& operator<<(E e) { bits_ |= bit(e); return *this; }
    constexpr EnumSet& operator>>(E e) { bits_ &= ~bit(e); return *this; }
    constexpr EnumSet operator+(EnumSet o) const { return fromBits(bits_ | o.bits_); }
    constexpr EnumSet operator-(EnumSet o) const { return fromBits(bits_ & ~o.bits_); }
    constexpr EnumSet operator*(EnumSet o) const { return fromBits(bits_ & o.bits_); }
    constexpr bool operator==(const EnumSet&) const = default;

    constexpr std::uint64_t bits() const { return bits_; }
    static constexpr EnumSet fromBits(std::uint64_t bits)
    {
        EnumSet s;
        s.bits_ = bits;
        return s;
    }

private:
    static constexpr std::uint64_t bit(E e) { return std::uint64_t{1} << static_cast<unsigned>(e); }
    std::uint64_t bits_ = 0;
};

} // namespace qx
