#pragma once
// TiComponentEditorEdit: the edit box of the library's editors. Values written by the
// program (SetAs...) raise nothing; what the user types is committed on Enter or when the
// box loses the focus, which raises OnUpdate and tells the owner form. Escape gives back the
// last committed text. Tab moves the focus within the form; Up and Down to the previous or
// next control of the same parent.

#include "platform/gui/Edit.h"
#include "platform/text/DateTime.h"

#include <string>

class TiComponentEditorEdit : public TEdit
{
public:
    explicit TiComponentEditorEdit(TComponent* AOwner);

    std::string GetAsString() const { return Text(); }
    /// The trimmed text as an integer; empty or not a number gives 0.
    int GetAsInteger() const;
    /// The trimmed text as a number; empty or not a number gives 0.
    double GetAsFloat() const;
    /// The trimmed text as a date and time; a text that is none throws EConvertError.
    TDateTime GetAsDateTime() const;

    /// Writes without raising anything; the text becomes the committed one.
    void SetAsString(const std::string& Value);
    void SetAsInteger(int Value);
    void SetAsFloat(double Value);
    void SetAsDateTime(TDateTime Value);

    /// Writes the value as the user would: the owner form hears of it, then the commit
    /// raises OnUpdate.
    void SetStringWithEvent(const std::string& Value);
    void SetIntegerWithEvent(int Value);
    void SetDoubleWithEvent(double Value);

    /// Disabled, greyed and emptied, silently.
    void Disable();
    /// Disabled and greyed, silently; the text stays.
    void DisableNoClear();
    void Enable();

    /// Typed numbers are held within Min..Max: a commit first writes the number, limited
    /// to the range, back into the box (text that is no number counts as 0). Values written
    /// by the program are not limited.
    void SetRange(double Min, double Max);
    void ClearRange() { FHasRange = false; }
    bool HasRange() const { return FHasRange; }
    double RangeMin() const { return FRangeMin; }
    double RangeMax() const { return FRangeMax; }

    /// The last committed text.
    const std::string& OriginalText() const { return FOriginalText; }
    /// Commits a changed text: OnUpdate, then (unless the program is writing) the owner form.
    void Commit();

    TNotifyEvent OnUpdate;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void DoExit() override;
    void EnabledChanged() override;
    void Dispatch(TMessage& Message) override;

private:
    void WriteSilently(const std::string& Value);
    void WriteWithEvent(const std::string& Value);

    void ClampToRange();

    bool FBlockingEvents = false;
    std::string FOriginalText;
    bool FHasRange = false;
    double FRangeMin = 0;
    double FRangeMax = 0;
};

namespace qx::plot {
/// Number texts of the editors: integers in decimal, other numbers in the shortest general
/// form, date-times as "m/d/yyyy h:nn:ss" (the date alone at midnight).
std::string EditorFloatText(double Value);
std::string EditorDateTimeText(TDateTime Value);
/// Reads a text written as EditorDateTimeText writes it, or a date alone, or a time alone
/// ("h:nn[:ss[.zzz]]" with an optional AM or PM); throws EConvertError otherwise.
TDateTime EditorStrToDateTime(const std::string& Text);
} // namespace qx::plot
