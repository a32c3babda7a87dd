#pragma once
// TiVariant: the data values that OPC items carry, with the variant type codes the OPC
// client library uses (2 and 3 signed 16 and 32 bits, 4 single, 5 double, 8 string,
// 11 Boolean, 16 to 20 the other integer widths).

#include <cstdint>
#include <string>
#include <variant>

class TiVariant
{
public:
    enum VarType : std::uint16_t {
        varEmpty = 0, varSmallint = 2, varInteger = 3, varSingle = 4, varDouble = 5, varString = 8,
        varBoolean = 11, varShortInt = 16, varByte = 17, varWord = 18, varLongWord = 19, varInt64 = 20
    };

    TiVariant() = default;
    TiVariant(bool value) : type_(varBoolean), value_(value) {}
    TiVariant(std::int64_t value, VarType type) : type_(type), value_(value) {}
    TiVariant(std::int32_t value) : type_(varInteger), value_(std::int64_t{value}) {}
    TiVariant(double value, VarType type = varDouble) : type_(type), value_(value) {}
    TiVariant(std::string value) : type_(varString), value_(std::move(value)) {}
    TiVariant(const char* value) : TiVariant(std::string(value)) {}

    VarType Type() const { return type_; }
    bool IsEmpty() const { return type_ == varEmpty; }
    bool IsInteger() const;
    bool IsFloat() const { return type_ == varSingle || type_ == varDouble; }
    std::int64_t AsInteger() const;
    double AsFloat() const;
    /// The value's text form: integers in decimal, floats in the shortest general form
    /// with a "." separator, Booleans as "True"/"False".
    std::string AsText() const;

    bool operator==(const TiVariant&) const = default;

private:
    VarType type_ = varEmpty;
    std::variant<std::monostate, bool, std::int64_t, double, std::string> value_;
};
