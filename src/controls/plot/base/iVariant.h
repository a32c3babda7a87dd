#pragma once
// TiVariant: the data values that OPC items carry, with the variant type codes the OPC
// client library uses (2 and 3 signed 16 and 32 bits, 4 single, 5 double, 8 string,
// 11 Boolean, 16 to 20 the other integer widths).

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

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
    /// The value as a number the way the array feeds take it: a text must hold a number
    /// (with "." as separator), else EiPlotError.
    double AsNumber() const;
    /// The value's text form: integers in decimal, floats in the shortest general form
    /// with a "." separator, Booleans as "True"/"False".
    std::string AsText() const;

    bool operator==(const TiVariant&) const = default;

private:
    VarType type_ = varEmpty;
    std::variant<std::monostate, bool, std::int64_t, double, std::string> value_;
};

/// A variant array: elements under one or more dimensions, each with its own low and high
/// bound (the shape of the arrays the plot's array feeds take), kept in row order (the last
/// dimension runs fastest).
class TiVariantArray
{
public:
    using Bounds = std::pair<int, int>;
    /// Throws EiPlotError when the element count does not fill the bounds.
    TiVariantArray(std::vector<Bounds> DimBounds, std::vector<TiVariant> Elements);
    /// One dimension from Low upwards.
    static TiVariantArray OneDimension(int Low, std::vector<TiVariant> Elements);

    int DimCount() const { return static_cast<int>(FBounds.size()); }
    /// Bounds of dimension Dim, counted from 1.
    int LowBound(int Dim) const { return FBounds.at(static_cast<std::size_t>(Dim - 1)).first; }
    int HighBound(int Dim) const { return FBounds.at(static_cast<std::size_t>(Dim - 1)).second; }
    /// The element at an index of a one-dimensional array, or at (I, J) of a two-dimensional one.
    const TiVariant& At(int I) const;
    const TiVariant& At(int I, int J) const;

private:
    std::vector<Bounds> FBounds;
    std::vector<TiVariant> FElements;
};
