#include "controls/plot/base/iVariant.h"

#include "platform/text/FloatFormat.h"

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
