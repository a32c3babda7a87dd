#include "controls/plot/editor/iDateTimePicker.h"

#include <cmath>

TiDateTimePicker::TiDateTimePicker(TComponent* AOwner) : TiComponentEditorEdit(AOwner) {}

void TiDateTimePicker::SetKind(TDateTimeKind Value)
{
    FKind = Value;
    SetDateTime(FDateTime);
}

TDateTime TiDateTimePicker::DateTime() const
{
    if (Text().empty())
        return 0;
    const TDateTime value = GetAsDateTime();
    if (FKind == dtkDate)
        return std::trunc(value);
    return value - std::floor(value);
}

void TiDateTimePicker::SetDateTime(TDateTime Value)
{
    FDateTime = Value;
    TDateTimeFields fields;
    if (!DecodeDateTime(Value, fields)) {
        SetAsString({});
        return;
    }
    SetAsString(FormatDateTime(FKind == dtkDate ? "m/d/yyyy" : "tt", Value));
}
