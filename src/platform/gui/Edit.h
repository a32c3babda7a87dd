#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"

class QLineEdit;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TImeMode {
    imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese, imSHanguel, imHanguel
};

/// A one-line edit box. OnChange follows every change of the text, typed or
/// written from code. MaxLength limits typing and pasting (a longer text
/// written from code is kept, as the system's box keeps it); CharCase turns
/// the letters as they come; a PasswordChar shows every character as that one.
class TEdit : public TWinControl
{
public:
    explicit TEdit(TComponent* AOwner);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase Value);
    /// 0 shows the text as it is.
    char16_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char16_t Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool Value);
    /// Select the whole text when the box is entered with the keyboard.
    /// imDisable and imClose keep the input method away from the box.
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode Value);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool Value) { autoSelect_ = Value; }
    /// The grey cue text shown while the box is empty.
    std::string TextHint() const;
    void SetTextHint(const std::string& Value);
    /// False draws the text alone, without the box's sunken frame.
    bool Framed() const;
    void SetFramed(bool Value);

    int SelStart() const;
    /// Puts the caret there and selects nothing.
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    std::string SelText() const;
    void SelectAll();
    void Clear() { SetText({}); }

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void TextChanged() override;
    /// The box's text area takes the colour (Color fills it, not only the frame around it).
    void ColorChanged() override;
    void DoEnter() override;

private:
    QLineEdit* edit() const;
    std::string cased(const std::string& text) const;
    void userEdited();

    int maxLength_ = 0;
    TEditCharCase charCase_ = ecNormal;
    char16_t passwordChar_ = 0;
    TAlignment alignment_ = taLeftJustify;
    bool numbersOnly_ = false;
    bool autoSelect_ = true;
    TImeMode imeMode_ = imDontCare;
    bool fromWidget_ = false;
};
