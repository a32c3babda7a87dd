#include "controls/plot/editor/iComponentEditorEdit.h"

#include "controls/plot/base/iDateTime.h"
#include "controls/plot/editor/iCustomEditorForm.h"
#include "platform/gui/Keys.h"
#include "platform/text/EConvertError.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

std::string Trimmed(const std::string& Text)
{
    std::size_t first = 0, last = Text.size();
    while (first < last && static_cast<unsigned char>(Text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(Text[last - 1]) <= ' ')
        --last;
    return Text.substr(first, last - first);
}

// Reads up to MaxDigits decimal digits at Pos; nullopt when there is none.
std::optional<int> ReadNumber(std::string_view Text, std::size_t& Pos, std::size_t MaxDigits = 5)
{
    const std::size_t start = Pos;
    int value = 0;
    while (Pos < Text.size() && Pos - start < MaxDigits && std::isdigit(static_cast<unsigned char>(Text[Pos])))
        value = value * 10 + (Text[Pos++] - '0');
    if (Pos == start)
        return std::nullopt;
    return value;
}

void SkipBlanks(std::string_view Text, std::size_t& Pos)
{
    while (Pos < Text.size() && Text[Pos] == ' ')
        ++Pos;
}

[[noreturn]] void NotADateTime(const std::string& Text)
{
    throw EConvertError("'" + Text + "' is not a valid date and time");
}

// "m/d/yyyy" at Pos.
std::optional<TDateTime> ReadDate(std::string_view Text, std::size_t& Pos)
{
    std::size_t p = Pos;
    const auto month = ReadNumber(Text, p, 2);
    if (!month || p >= Text.size() || Text[p] != kDateSeparator)
        return std::nullopt;
    ++p;
    const auto day = ReadNumber(Text, p, 2);
    if (!day || p >= Text.size() || Text[p] != kDateSeparator)
        return std::nullopt;
    ++p;
    const std::size_t yearStart = p;
    auto year = ReadNumber(Text, p, 4);
    if (!year)
        return std::nullopt;
    if (p - yearStart <= 2)
        *year += *year < 50 ? 2000 : 1900;
    TDateTime date = 0;
    if (!iDateTime::TryMakeDate(static_cast<iDateTime::Word>(*year), static_cast<iDateTime::Word>(*month),
                                static_cast<iDateTime::Word>(*day), date))
        return std::nullopt;
    Pos = p;
    return date;
}

// "h:nn[:ss[.zzz]] [AM|PM]" at Pos.
std::optional<TDateTime> ReadTime(std::string_view Text, std::size_t& Pos)
{
    std::size_t p = Pos;
    auto hour = ReadNumber(Text, p, 2);
    if (!hour || p >= Text.size() || Text[p] != kTimeSeparator)
        return std::nullopt;
    ++p;
    const auto minute = ReadNumber(Text, p, 2);
    if (!minute)
        return std::nullopt;
    int second = 0, msec = 0;
    if (p < Text.size() && Text[p] == kTimeSeparator) {
        ++p;
        const auto s = ReadNumber(Text, p, 2);
        if (!s)
            return std::nullopt;
        second = *s;
        if (p < Text.size() && Text[p] == kDecimalSeparator) {
            ++p;
            const auto z = ReadNumber(Text, p, 3);
            if (!z)
                return std::nullopt;
            msec = *z;
        }
    }
    SkipBlanks(Text, p);
    const auto suffix = [&](std::string_view marker) {
        if (Text.size() - p < marker.size())
            return false;
        for (std::size_t i = 0; i < marker.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(Text[p + i])) != marker[i])
                return false;
        p += marker.size();
        return true;
    };
    if (suffix("AM")) {
        if (*hour < 1 || *hour > 12)
            return std::nullopt;
        *hour %= 12;
    } else if (suffix("PM")) {
        if (*hour < 1 || *hour > 12)
            return std::nullopt;
        *hour = *hour % 12 + 12;
    }
    TDateTime time = 0;
    if (!iDateTime::TryMakeTime(static_cast<iDateTime::Word>(*hour), static_cast<iDateTime::Word>(*minute),
                                static_cast<iDateTime::Word>(second), static_cast<iDateTime::Word>(msec), time))
        return std::nullopt;
    Pos = p;
    return time;
}

} // namespace

namespace qx::plot {

std::string EditorFloatText(double Value) { return FloatToStr(Value); }

std::string EditorDateTimeText(TDateTime Value) { return FormatDateTime("c", Value); }

TDateTime EditorStrToDateTime(const std::string& Text)
{
    const std::string_view text = Text;
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    std::optional<TDateTime> date = ReadDate(text, pos);
    std::optional<TDateTime> time;
    if (date) {
        SkipBlanks(text, pos);
        if (pos < text.size())
            time = ReadTime(text, pos);
    } else {
        time = ReadTime(text, pos);
    }
    SkipBlanks(text, pos);
    if ((!date && !time) || pos != text.size() || (date && !time && pos < text.size()))
        NotADateTime(Text);
    const double day = date.value_or(0);
    // A time of day counts forward from midnight, also before the calendar's day 0.
    return day < 0 ? day - time.value_or(0) : day + time.value_or(0);
}

} // namespace qx::plot

TiComponentEditorEdit::TiComponentEditorEdit(TComponent* AOwner) : TEdit(AOwner)
{
    SetHeight(21);
    SetTabStop(true);
    SetColor(clWindow);
}

int TiComponentEditorEdit::GetAsInteger() const
{
    const std::string text = Trimmed(Text());
    if (text.empty())
        return 0;
    return TryStrToInt(text).value_or(0);
}

double TiComponentEditorEdit::GetAsFloat() const
{
    const std::string text = Trimmed(Text());
    if (text.empty())
        return 0;
    return TryStrToFloat(text).value_or(0);
}

TDateTime TiComponentEditorEdit::GetAsDateTime() const { return qx::plot::EditorStrToDateTime(Trimmed(Text())); }

void TiComponentEditorEdit::WriteSilently(const std::string& Value)
{
    qx::plot::WithEventsBlocked(
        FBlockingEvents,
        [&] {
            SetText(Value);
            FOriginalText = Value;
        },
        OnChange);
}

void TiComponentEditorEdit::SetAsString(const std::string& Value) { WriteSilently(Value); }
void TiComponentEditorEdit::SetAsInteger(int Value) { WriteSilently(std::to_string(Value)); }
void TiComponentEditorEdit::SetAsFloat(double Value) { WriteSilently(qx::plot::EditorFloatText(Value)); }
void TiComponentEditorEdit::SetAsDateTime(TDateTime Value) { WriteSilently(qx::plot::EditorDateTimeText(Value)); }

void TiComponentEditorEdit::WriteWithEvent(const std::string& Value)
{
    SetText(Value);
    qx::plot::NotifyOwnerForm(*this);
    Commit();
}

void TiComponentEditorEdit::SetStringWithEvent(const std::string& Value) { WriteWithEvent(Value); }
void TiComponentEditorEdit::SetIntegerWithEvent(int Value) { WriteWithEvent(std::to_string(Value)); }
void TiComponentEditorEdit::SetDoubleWithEvent(double Value) { WriteWithEvent(qx::plot::EditorFloatText(Value)); }

void TiComponentEditorEdit::SetRange(double Min, double Max)
{
    FHasRange = true;
    FRangeMin = Min;
    FRangeMax = std::max(Min, Max);
}

void TiComponentEditorEdit::ClampToRange()
{
    if (!FHasRange)
        return;
    const std::string limited = qx::plot::EditorFloatText(std::clamp(GetAsFloat(), FRangeMin, FRangeMax));
    if (limited != Text())
        qx::plot::WithEventsBlocked(FBlockingEvents, [&] { SetText(limited); }, OnChange);
}

void TiComponentEditorEdit::Commit()
{
    if (Text() == FOriginalText)
        return;
    // Only what the user changed is limited; a limited number may be the committed one.
    ClampToRange();
    if (Text() == FOriginalText)
        return;
    FOriginalText = Text();
    qx::fire(OnUpdate, this);
    if (!FBlockingEvents)
        qx::plot::NotifyOwnerForm(*this);
}

void TiComponentEditorEdit::Disable()
{
    qx::plot::WithEventsBlocked(
        FBlockingEvents,
        [&] {
            SetEnabled(false);
            SetText({});
            FOriginalText.clear();
        },
        OnChange);
}

void TiComponentEditorEdit::DisableNoClear()
{
    qx::plot::WithEventsBlocked(FBlockingEvents, [&] { SetEnabled(false); }, OnChange);
}

void TiComponentEditorEdit::Enable() { SetEnabled(true); }

void TiComponentEditorEdit::EnabledChanged()
{
    TEdit::EnabledChanged();
    SetColor(Enabled() ? clWindow : clBtnFace);
}

void TiComponentEditorEdit::KeyDown(Word& Key, TShiftState Shift)
{
    if (qx::plot::HandleEditorTab(*this, Key, Shift))
        return;
    switch (Key) {
    case VK_RETURN:
        Key = 0;
        Commit();
        SelectAll();
        return;
    case VK_ESCAPE:
        Key = 0;
        qx::plot::WithEventsBlocked(FBlockingEvents, [&] { SetText(FOriginalText); }, OnChange);
        SelectAll();
        return;
    case VK_UP:
    case VK_DOWN:
        if (TWinControl* next = qx::plot::NextSiblingControl(*this, Key == VK_DOWN)) {
            Key = 0;
            next->SetFocus();
            return;
        }
        break;
    default:
        break;
    }
    TEdit::KeyDown(Key, Shift);
}

void TiComponentEditorEdit::KeyPress(char16_t& Key)
{
    // Enter, line feed, Tab and Escape were handled as keys; they type nothing.
    if (Key == u'\r' || Key == u'\n' || Key == u'\t' || Key == 27) {
        Key = 0;
        return;
    }
    TEdit::KeyPress(Key);
}

void TiComponentEditorEdit::DoExit()
{
    Commit();
    TEdit::DoExit();
}

void TiComponentEditorEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        // Enter and Escape are the box's own, not the form's default and cancel buttons'.
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        return;
    }
    TEdit::Dispatch(Message);
}
