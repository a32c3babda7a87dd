#pragma once
// TiDateTimePicker: an editor edit box that shows and takes a date ("m/d/yyyy") or a time
// of day ("h:nn:ss AM"), the value converter's date and time views. A value outside the
// calendar (years 1 to 9999) shows as an empty box.

#include "controls/plot/editor/iComponentEditorEdit.h"

enum TDateTimeKind { dtkDate, dtkTime };

class TiDateTimePicker : public TiComponentEditorEdit
{
public:
    explicit TiDateTimePicker(TComponent* AOwner);

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind Value);
    /// The value shown: whole days for a date, the fraction of a day for a time; 0 when the
    /// box is empty. A text that is no date or time throws EConvertError.
    TDateTime DateTime() const;
    /// Shows the value silently; empty when it lies outside the calendar.
    void SetDateTime(TDateTime Value);

private:
    TDateTimeKind FKind = dtkDate;
    TDateTime FDateTime = 0;
};
