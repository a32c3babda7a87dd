#include "platform/gui/StandardClasses.h"

#include "platform/gui/Button.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/UpDown.h"

#include <mutex>

namespace qx {

namespace {

void registerEnums()
{
    registerEnum<TAlignment>("TAlignment",
                             {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}});
    registerEnum<TTextLayout>("TTextLayout", {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}});
    registerEnum<TScrollStyle>("TScrollStyle",
                               {{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}});
    registerEnum<TEditCharCase>("TEditCharCase",
                                {{"ecNormal", ecNormal}, {"ecUpperCase", ecUpperCase}, {"ecLowerCase", ecLowerCase}});
    registerEnum<TComboBoxStyle>("TComboBoxStyle",
                                 {{"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList},
                                  {"csOwnerDrawFixed", csOwnerDrawFixed}, {"csOwnerDrawVariable", csOwnerDrawVariable}});
    registerEnum<TCheckBoxState>("TCheckBoxState",
                                 {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}});
    registerEnum<TUDOrientation>("TUDOrientation", {{"udHorizontal", udHorizontal}, {"udVertical", udVertical}});
}

void registerTextControls()
{
    registerClass<TLabel, TGraphicControl>("TLabel")
        .property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).defaultValue(taLeftJustify)
        .property("Layout", &TLabel::Layout, &TLabel::SetLayout).defaultValue(tlTop)
        .property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).defaultValue(true)
        .property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).defaultValue(false)
        .property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).defaultValue(false)
        .property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).defaultValue(true)
        .property("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor).defaultValue(true);

    registerClass<TEdit, TWinControl>("TEdit")
        .property("Text", &TEdit::Text, &TEdit::SetText)
        .property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).defaultValue(0)
        .property("CharCase", &TEdit::CharCase, &TEdit::SetCharCase).defaultValue(ecNormal)
        .property("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar).defaultValue(0)
        .property("Alignment", &TEdit::Alignment, &TEdit::SetAlignment).defaultValue(taLeftJustify)
        .property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).defaultValue(false)
        .property("NumbersOnly", &TEdit::NumbersOnly, &TEdit::SetNumbersOnly).defaultValue(false)
        .property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).defaultValue(true)
        .property("TabStop", &TEdit::TabStop, &TEdit::SetTabStop).defaultValue(true)
        .colorDefault(clWindow)
        .event("OnChange", &TEdit::OnChange);

    registerClass<TComboBox, TWinControl>("TComboBox")
        .property("Style", &TComboBox::Style, &TComboBox::SetStyle).defaultValue(csDropDown)
        .strings("Items", &TComboBox::Items)
        .property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).defaultValue(-1)
        .property("Text", &TComboBox::Text, &TComboBox::SetText)
        .property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).defaultValue(8)
        .property("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength).defaultValue(0)
        .property("TabStop", &TComboBox::TabStop, &TComboBox::SetTabStop).defaultValue(true)
        .event("OnChange", &TComboBox::OnChange)
        .event("OnSelect", &TComboBox::OnSelect)
        .event("OnDropDown", &TComboBox::OnDropDown)
        .event("OnCloseUp", &TComboBox::OnCloseUp);
}

void registerButtons()
{
    registerClass<TButton, TWinControl>("TButton")
        .property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).defaultValue(0)
        .property("Default", &TButton::Default, &TButton::SetDefault).defaultValue(false)
        .property("Cancel", &TButton::Cancel, &TButton::SetCancel).defaultValue(false)
        .property("TabStop", &TButton::TabStop, &TButton::SetTabStop).defaultValue(true);

    registerClass<TCheckBox, TWinControl>("TCheckBox")
        .property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).defaultValue(false)
        .property("State", &TCheckBox::State, &TCheckBox::SetState).defaultValue(cbUnchecked)
        .property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).defaultValue(false)
        .property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).defaultValue(taRightJustify)
        .property("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).defaultValue(true);

    registerClass<TRadioButton, TWinControl>("TRadioButton")
        .property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).defaultValue(false)
        .property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).defaultValue(taRightJustify)
        .property("TabStop", &TRadioButton::TabStop, &TRadioButton::SetTabStop).defaultValue(true);

    registerClass<TUpDown, TWinControl>("TUpDown")
        .property("Min", &TUpDown::Min, &TUpDown::SetMin).defaultValue(0)
        .property("Max", &TUpDown::Max, &TUpDown::SetMax).defaultValue(100)
        .property("Increment", &TUpDown::Increment, &TUpDown::SetIncrement).defaultValue(1)
        .property("Position", &TUpDown::Position, &TUpDown::SetPosition).defaultValue(0)
        .property("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation).defaultValue(udVertical)
        .property("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap).defaultValue(false)
        .event("OnChanging", &TUpDown::OnChanging)
        .event("OnChangingEx", &TUpDown::OnChangingEx)
        .event("OnClick", &TUpDown::OnClick);
}

} // namespace

void registerStandardClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerCoreClasses();
        registerEnums();
        registerTextControls();
        registerButtons();
    });
}

} // namespace qx
