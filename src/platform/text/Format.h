#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace qx {

// One argument of Format, kept by kind.
class FormatArg {
public:
    enum class Kind { Integer, Floating, Text, Pointer };

    template <typename T>
        requires(std::is_integral_v<T> || std::is_enum_v<T>)
    FormatArg(T value) : kind_(Kind::Integer), integer_(static_cast<std::int64_t>(value))
    {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(std::int64_t))
            unsigned_ = true;
    }
    FormatArg(double value) : kind_(Kind::Floating), floating_(value) {}
    FormatArg(float value) : kind_(Kind::Floating), floating_(value) {}
    FormatArg(long double value) : kind_(Kind::Floating), floating_(static_cast<double>(value)) {}
    FormatArg(const char* text) : kind_(Kind::Text), text_(text != nullptr ? text : "(null)") {}
    FormatArg(const std::string& text) : kind_(Kind::Text), text_(text) {}
    FormatArg(std::string_view text) : kind_(Kind::Text), text_(text) {}
    FormatArg(const void* pointer) : kind_(Kind::Pointer), pointer_(pointer) {}

    Kind ValueKind() const { return kind_; }
    std::int64_t Integer() const { return integer_; }
    // True for a 64-bit unsigned value, whose bits Integer() holds.
    bool IsUnsigned64() const { return unsigned_; }
    double Floating() const { return floating_; }
    std::string_view Text() const { return text_; }
    const void* Pointer() const { return pointer_; }

private:
    Kind kind_;
    std::int64_t integer_ = 0;
    bool unsigned_ = false;
    double floating_ = 0.0;
    std::string_view text_;
    const void* pointer_ = nullptr;
};

std::string FormatArgs(std::string_view format, std::initializer_list<FormatArg> args);

}  // namespace qx

// The class library's Format: printf conversions, always with "." as the
// decimal point. Conversions: d i u o x X c (whole numbers), f F e E g G a A
// (floating values; whole numbers are accepted too), s (text), p (pointer)
// and %%; flags "-+ #0", width and precision, each also "*" (taken from a
// whole-number argument); the length modifiers hh h l ll j z t L are read
// with 32-bit int and long (ll, j, z and t have 64 bits).
// A conversion that does not fit its argument, a missing argument, "%n" or an
// unfinished conversion throws EConvertError "Format '<format>' invalid or
// incompatible with argument". Arguments beyond the last conversion are ignored.
template <typename... Args>
std::string Format(std::string_view format, const Args&... args)
{
    return qx::FormatArgs(format, {qx::FormatArg(args)...});
}
