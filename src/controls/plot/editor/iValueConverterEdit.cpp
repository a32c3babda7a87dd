#include "controls/plot/editor/iValueConverterEdit.h"

#include "controls/plot/base/iDateTime.h"
#include "controls/plot/editor/iComponentEditorButton.h"
#include "controls/plot/editor/iComponentEditorEdit.h"
#include "controls/plot/editor/iComponentEditorPageControl.h"
#include "controls/plot/editor/iDateTimePicker.h"
#include "controls/plot/editor/iUpDown.h"
#include "platform/gui/Label.h"
#include "platform/text/EConvertError.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/NumberText.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <string>

namespace {

// Beyond this magnitude only the fraction of a value is shown as a date, time or interval.
constexpr double kLargestCalendarView = 1e14;

// An integral value as decimal text: exact within 64 bits, else in the general float form.
std::string WholeText(double Whole)
{
    if (std::fabs(Whole) < 9.2e18)
        return std::to_string(static_cast<std::int64_t>(Whole));
    return FloatToStr(Whole);
}

} // namespace

namespace qx::plot {

TDateTime NowDateTime()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    TDateTime value = 0;
    iDateTime::TryMakeDateTime(static_cast<iDateTime::Word>(local.tm_year + 1900),
                               static_cast<iDateTime::Word>(local.tm_mon + 1), static_cast<iDateTime::Word>(local.tm_mday),
                               static_cast<iDateTime::Word>(local.tm_hour), static_cast<iDateTime::Word>(local.tm_min),
                               static_cast<iDateTime::Word>(std::min(local.tm_sec, 59)),
                               static_cast<iDateTime::Word>(ms), value);
    return value;
}

std::int64_t EditDays(const TiComponentEditorEdit& Edit)
{
    const std::optional<double> value = TryStrToFloat(Edit.Text());
    if (!value || std::fabs(*value) >= 9.2e18)
        return 0;
    return static_cast<std::int64_t>(std::trunc(*value));
}

} // namespace qx::plot

TiValueConverterEditForm::TiValueConverterEditForm(TComponent* AOwner) : TiCustomEditorForm(AOwner)
{
    LoadLayout("TIVALUECONVERTEREDITFORM");
}

void TiValueConverterEditForm::FormCreate(TObject*)
{
    const auto make = [this](TLabel* label, TDateTimeKind kind, int tabOrder) {
        auto* picker = new TiDateTimePicker(this);
        picker->SetKind(kind);
        picker->SetParent(DateTimeSheet);
        picker->SetBounds(label->Left() + label->Width() + 5, label->Top() - 3, 137, picker->Height());
        picker->SetTabOrder(tabOrder);
        picker->OnUpdate = [this](TObject* sender) { DateTimePickerChange(sender); };
        return picker;
    };
    FDatePicker = make(DateLabel, dtkDate, 0);
    FTimePicker = make(TimeLabel, dtkTime, 1);
}

void TiValueConverterEditForm::ShowPage(TiValueConverterPageType Page)
{
    TTabSheet* sheets[] = {IntervalSheet, DateTimeSheet, PriceSheet};
    PageControl->SetActivePage(sheets[Page]);
}

void TiValueConverterEditForm::SetValueText(double X) { ValueEdit->SetAsFloat(X); }

void TiValueConverterEditForm::SetValue(double X)
{
    // Both signs are guarded: a value too large for the calendar shows its fraction.
    const bool finite = std::isfinite(X);
    const double p = !finite ? 0 : std::fabs(X) <= kLargestCalendarView ? X : X - std::trunc(X);
    SetValueText(X);

    const double day = std::trunc(p);
    TDateTimeFields calendar;
    if (DecodeDateTime(p, calendar)) {
        FDatePicker->SetDateTime(day);
        FTimePicker->SetDateTime(p - day);
    } else {
        // No calendar day: both views stay empty rather than show a time of no date.
        FDatePicker->SetAsString({});
        FTimePicker->SetAsString({});
    }

    const auto days = static_cast<std::int64_t>(day);
    DaysEdit->SetAsString(std::to_string(days));
    WeeksEdit->SetAsString(std::to_string(days / 7));
    TDateTimeFields time;
    DecodeTime(p, time);
    HoursEdit->SetAsInteger(time.hour);
    MinutesEdit->SetAsInteger(time.minute);
    SecondsEdit->SetAsInteger(time.second);
    MilliSecondsEdit->SetAsInteger(time.millisecond);

    const double whole = finite ? std::trunc(X) : 0;
    const double fraction = finite ? X - whole : 0;
    const double n32 = std::trunc(fraction * 32);
    PriceIntegerEdit->SetAsString(WholeText(whole));
    Price32ndsEdit->SetAsInteger(static_cast<int>(n32));
    Price256thsEdit->SetAsInteger(static_cast<int>(std::trunc((fraction - n32 / 32) * 256)));
}

double TiValueConverterEditForm::GetValue() const { return ValueEdit->GetAsFloat(); }

TDateTime TiValueConverterEditForm::EncodedTimeOfDay() const
{
    const int h = HoursEdit->GetAsInteger(), m = MinutesEdit->GetAsInteger();
    const int s = SecondsEdit->GetAsInteger(), ms = MilliSecondsEdit->GetAsInteger();
    TDateTime time = 0;
    if (h < 0 || m < 0 || s < 0 || ms < 0 || h > 23 || m > 59 || s > 59 || ms > 999 ||
        !iDateTime::TryMakeTime(static_cast<iDateTime::Word>(h), static_cast<iDateTime::Word>(m),
                                static_cast<iDateTime::Word>(s), static_cast<iDateTime::Word>(ms), time))
        throw EConvertError("Invalid argument to time encode");
    return time;
}

void TiValueConverterEditForm::TimeChange(TObject*)
{
    const double value = static_cast<double>(qx::plot::EditDays(*DaysEdit)) + EncodedTimeOfDay();
    SetValueText(value);
    SetValue(value);
}

void TiValueConverterEditForm::WeeksChange(TObject*)
{
    const double value = static_cast<double>(qx::plot::EditDays(*WeeksEdit)) * 7 + EncodedTimeOfDay();
    SetValueText(value);
    SetValue(value);
}

void TiValueConverterEditForm::DateTimePickerChange(TObject*)
{
    const double day = std::trunc(FDatePicker->DateTime());
    const double time = FTimePicker->DateTime();
    const double timeOfDay = std::fabs(time - std::trunc(time));
    // Before the calendar's day 0 the time of day still counts forward from midnight.
    const double value = day < 0 ? day - timeOfDay : day + timeOfDay;
    SetValueText(value);
    SetValue(value);
}

void TiValueConverterEditForm::SetNowButtonClick(TObject*)
{
    const double value = qx::plot::NowDateTime();
    SetValueText(value);
    SetValue(value);
}

void TiValueConverterEditForm::iComponentEditorButton1Click(TObject*)
{
    SetValueText(0);
    SetValue(0);
}

void TiValueConverterEditForm::Price32Change(TObject*)
{
    const std::optional<double> whole = TryStrToFloat(PriceIntegerEdit->Text());
    SetValueText(whole.value_or(0) + Price32ndsEdit->GetAsInteger() / 32.0 + Price256thsEdit->GetAsInteger() / 256.0);
}
