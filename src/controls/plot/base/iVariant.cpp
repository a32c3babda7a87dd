#include "controls/plot/base/iVariant.h"

#include "controls/plot/base/iPlotError.h"
#include "platform/text/FloatFormat.h"

#include <cstdlib>

bool TiVariant::IsInteger() const
{
    switch (type_) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord: case varInt64:
        return true;
    default:
        return false;
    }
}

std::int64_t TiVariant::AsInteger() const
{
    if (const auto* i = std::get_if<std::int64_t>(&value_))
        return *i;
    if (const auto* d = std::get_if<double>(&value_))
        return static_cast<std::int64_t>(*d);
    if (const auto* b = std::get_if<bool>(&value_))
        return *b ? -1 : 0;
    return 0;
}

double TiVariant::AsFloat() const
{
    if (const auto* d = std::get_if<double>(&value_))
        return *d;
    return static_cast<double>(AsInteger());
}

double TiVariant::AsNumber() const
{
    const auto* s = std::get_if<std::string>(&value_);
    if (!s)
        return AsFloat();
    const char* begin = s->c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (s->empty() || end != begin + s->size())
        throw EiPlotError("Could not convert variant of type (String) into type (Double)");
    return value;
}

std::string TiVariant::AsText() const
{
    if (const auto* s = std::get_if<std::string>(&value_))
        return *s;
    if (const auto* b = std::get_if<bool>(&value_))
        return *b ? "True" : "False";
    if (const auto* d = std::get_if<double>(&value_))
        return FloatToStr(*d);
    if (const auto* i = std::get_if<std::int64_t>(&value_))
        return std::to_string(*i);
    return {};
}

TiVariantArray::TiVariantArray(std::vector<Bounds> DimBounds, std::vector<TiVariant> Elements)
    : FBounds(std::move(DimBounds)), FElements(std::move(Elements))
{
    std::size_t count = FBounds.empty() ? 0 : 1;
    for (const auto& [low, high] : FBounds) {
        if (high < low - 1)
            throw EiPlotError("Array bounds out of order");
        count *= static_cast<std::size_t>(high - low + 1);
    }
    if (count != FElements.size())
        throw EiPlotError("Array elements do not fill its bounds");
}

TiVariantArray TiVariantArray::OneDimension(int Low, std::vector<TiVariant> Elements)
{
    const int high = Low + static_cast<int>(Elements.size()) - 1;
    return TiVariantArray({{Low, high}}, std::move(Elements));
}

const TiVariant& TiVariantArray::At(int I) const
{
    if (DimCount() != 1 || I < LowBound(1) || I > HighBound(1))
        throw EiPlotError("Variant array index out of bounds");
    return FElements[static_cast<std::size_t>(I - LowBound(1))];
}

const TiVariant& TiVariantArray::At(int I, int J) const
{
    if (DimCount() != 2 || I < LowBound(1) || I > HighBound(1) || J < LowBound(2) || J > HighBound(2))
        throw EiPlotError("Variant array index out of bounds");
    const int columns = HighBound(2) - LowBound(2) + 1;
    return FElements[static_cast<std::size_t>((I - LowBound(1)) * columns + (J - LowBound(2)))];
}
