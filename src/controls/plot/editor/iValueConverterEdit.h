#pragma once
// TiValueConverterEditForm: the value converter window. One number is shown in three views:
// an interval (weeks, days, hours, minutes, seconds, milliseconds), a calendar date and time
// of day, and a price in whole units, 32nds and 256ths; editing a view changes the number
// (ValueEdit), which OK hands back. Its layout is the resource TIVALUECONVERTEREDITFORM.

#include "controls/plot/editor/iCustomEditorForm.h"
#include "platform/text/DateTime.h"

class TLabel;
class TPanel;
class TTabSheet;
class TiComponentEditorButton;
class TiComponentEditorEdit;
class TiComponentEditorPageControl;
class TiDateTimePicker;
class TiUpDown;

enum TiValueConverterPageType { ivcptInterval, ivcptDateTime, ivcptPrice32nd };

class TiValueConverterEditForm : public TiCustomEditorForm
{
public:
    explicit TiValueConverterEditForm(TComponent* AOwner);

    /// Loads every view from X, silently. Values beyond +-1e14 show their fraction in the
    /// date, time and interval views; the date and time views stay empty for a value
    /// outside the calendar.
    void SetValue(double X);
    /// ValueEdit's number (0 for a text that is none).
    double GetValue() const;
    void ShowPage(TiValueConverterPageType Page);

    TiDateTimePicker* DatePicker() const { return FDatePicker; }
    TiDateTimePicker* TimePicker() const { return FTimePicker; }

    // Handlers of the layout.
    void FormCreate(TObject* Sender);
    void WeeksChange(TObject* Sender);
    void TimeChange(TObject* Sender);
    void DateTimePickerChange(TObject* Sender);
    void SetNowButtonClick(TObject* Sender);
    void iComponentEditorButton1Click(TObject* Sender);
    void Price32Change(TObject* Sender);

    // Controls of the layout.
    TiComponentEditorPageControl* PageControl = nullptr;
    TTabSheet* IntervalSheet = nullptr;
    TTabSheet* DateTimeSheet = nullptr;
    TTabSheet* PriceSheet = nullptr;
    TiComponentEditorEdit* WeeksEdit = nullptr;
    TiComponentEditorEdit* DaysEdit = nullptr;
    TiComponentEditorEdit* HoursEdit = nullptr;
    TiComponentEditorEdit* MinutesEdit = nullptr;
    TiComponentEditorEdit* SecondsEdit = nullptr;
    TiComponentEditorEdit* MilliSecondsEdit = nullptr;
    TiUpDown* WeeksUpDown = nullptr;
    TiUpDown* DaysUpDown = nullptr;
    TiUpDown* HoursUpDown = nullptr;
    TiUpDown* MinutesUpDown = nullptr;
    TiUpDown* SecondsUpDown = nullptr;
    TiUpDown* MilliSecondsUpDown = nullptr;
    TiComponentEditorButton* iComponentEditorButton1 = nullptr;
    TLabel* DateLabel = nullptr;
    TLabel* TimeLabel = nullptr;
    TiComponentEditorButton* SetNowButton = nullptr;
    TiComponentEditorEdit* PriceIntegerEdit = nullptr;
    TiComponentEditorEdit* Price32ndsEdit = nullptr;
    TiComponentEditorEdit* Price256thsEdit = nullptr;
    TiUpDown* PriceIntegerUpDown = nullptr;
    TiUpDown* Price32ndsUpDown = nullptr;
    TiUpDown* Price256thsUpDown = nullptr;
    TiComponentEditorEdit* ValueEdit = nullptr;
    TPanel* ButtonPanel = nullptr;
    TiComponentEditorButton* OkButton = nullptr;
    TiComponentEditorButton* CancelButton = nullptr;

private:
    /// The time of day of the hours, minutes, seconds and milliseconds edits; a part out of
    /// its range throws EConvertError.
    TDateTime EncodedTimeOfDay() const;
    void SetValueText(double X);

    TiDateTimePicker* FDatePicker = nullptr;
    TiDateTimePicker* FTimePicker = nullptr;
};

namespace qx::plot {
/// The current local date and time.
TDateTime NowDateTime();
/// Whole days of an edit's text as a 64-bit number (its integer part; 0 for no number).
std::int64_t EditDays(const TiComponentEditorEdit& Edit);
} // namespace qx::plot
