#include "controls/plot/editor/iPlotEditorValues.h"

#include "controls/plot/editor/iComponentEditorCheckBox.h"
#include "controls/plot/editor/iComponentEditorColorPicker.h"
#include "controls/plot/editor/iComponentEditorComboBox.h"
#include "controls/plot/editor/iComponentEditorEdit.h"
#include "controls/plot/editor/iComponentEditorFontPicker.h"
#include "controls/plot/editor/iComponentEditorListBox.h"
#include "controls/plot/editor/iComponentEditorRadioGroup.h"
#include "controls/plot/editor/iUpDown.h"
#include "platform/gui/Form.h"
#include "platform/gui/Strings.h"

namespace qx::plot::editor {

bool IsValueControl(const TComponent& Control)
{
    return dynamic_cast<const TiComponentEditorEdit*>(&Control) ||
           dynamic_cast<const TiComponentEditorComboBox*>(&Control) ||
           dynamic_cast<const TiComponentEditorCheckBox*>(&Control) ||
           dynamic_cast<const TiComponentEditorRadioGroup*>(&Control) ||
           dynamic_cast<const TiComponentEditorColorPicker*>(&Control) ||
           dynamic_cast<const TiComponentEditorFontPicker*>(&Control) || dynamic_cast<const TiUpDown*>(&Control);
}

void SetControlUsable(TComponent& Control, bool Usable)
{
    const auto apply = [Usable](auto* c) {
        if (!c)
            return false;
        if (Usable)
            c->Enable();
        else
            c->Disable();
        return true;
    };
    if (apply(dynamic_cast<TiComponentEditorEdit*>(&Control)) || apply(dynamic_cast<TiComponentEditorComboBox*>(&Control)) ||
        apply(dynamic_cast<TiComponentEditorCheckBox*>(&Control)) ||
        apply(dynamic_cast<TiComponentEditorRadioGroup*>(&Control)) ||
        apply(dynamic_cast<TiComponentEditorColorPicker*>(&Control)) ||
        apply(dynamic_cast<TiComponentEditorFontPicker*>(&Control)) || apply(dynamic_cast<TiUpDown*>(&Control)))
        return;
    if (auto* control = dynamic_cast<TControl*>(&Control))
        control->SetEnabled(Usable);
}

std::string ControlText(const TComponent& Control)
{
    if (auto* edit = dynamic_cast<const TiComponentEditorEdit*>(&Control))
        return edit->GetAsString();
    if (auto* combo = dynamic_cast<const TiComponentEditorComboBox*>(&Control))
        return combo->GetAsString();
    return {};
}

void SetControlText(TComponent& Control, const std::string& Text)
{
    if (auto* edit = dynamic_cast<TiComponentEditorEdit*>(&Control)) {
        edit->SetAsString(Text);
    } else if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(&Control)) {
        // A drop-down list shows only its items: the item of that text, or none.
        if (combo->Style() == csDropDownList)
            combo->SetAsInteger(combo->Items()->IndexOf(Text));
        else
            combo->SetAsString(Text);
    }
}

int ControlIndex(const TComponent& Control)
{
    if (auto* combo = dynamic_cast<const TiComponentEditorComboBox*>(&Control))
        return combo->GetAsInteger();
    if (auto* radio = dynamic_cast<const TiComponentEditorRadioGroup*>(&Control))
        return radio->GetAsInteger();
    return -1;
}

void SetControlIndex(TComponent& Control, int Index)
{
    if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(&Control))
        combo->SetAsInteger(Index < combo->Items()->Count() ? Index : -1);
    else if (auto* radio = dynamic_cast<TiComponentEditorRadioGroup*>(&Control))
        radio->SetAsInteger(Index < radio->Items()->Count() ? Index : -1);
}

bool ControlChecked(const TComponent& Control)
{
    auto* check = dynamic_cast<const TiComponentEditorCheckBox*>(&Control);
    return check && check->GetAsBoolean();
}

void SetControlChecked(TComponent& Control, bool Checked)
{
    if (auto* check = dynamic_cast<TiComponentEditorCheckBox*>(&Control))
        check->SetAsBoolean(Checked);
}

std::optional<TColor> ControlColor(const TComponent& Control)
{
    if (auto* picker = dynamic_cast<const TiComponentEditorColorPicker*>(&Control))
        return picker->Color();
    return std::nullopt;
}

void SetControlColor(TComponent& Control, TColor Color)
{
    if (auto* picker = dynamic_cast<TiComponentEditorColorPicker*>(&Control))
        picker->SetColor(Color);
}

const TFont* ControlFont(const TComponent& Control)
{
    if (auto* picker = dynamic_cast<const TiComponentEditorFontPicker*>(&Control))
        return &picker->Font();
    return nullptr;
}

void SetControlFont(TComponent& Control, const TFont& Font)
{
    if (auto* picker = dynamic_cast<TiComponentEditorFontPicker*>(&Control))
        picker->SetFont(Font);
}

void TranslateForm(TForm& Form, const std::function<std::string(const std::string&)>& Translate)
{
    const auto translateItems = [&](TStrings& items) {
        for (int j = 0; j < items.Count(); ++j)
            items.Put(j, Translate(items.Get(j)));
    };
    Form.SetCaption(Translate(Form.Caption()));
    for (int i = 0; i < Form.ComponentCount(); ++i) {
        TComponent* c = Form.Components(i);
        if (auto* combo = dynamic_cast<TComboBox*>(c)) {
            const int index = combo->ItemIndex();
            translateItems(*combo->Items());
            SetControlIndex(*combo, index);
        } else if (auto* group = dynamic_cast<TiRadioGroup*>(c)) {
            const int index = group->ItemIndex();
            group->SetCaption(Translate(group->Caption()));
            translateItems(*group->Items());
            SetControlIndex(*group, index);
        } else if (auto* control = dynamic_cast<TControl*>(c); control && !IsValueControl(*c)) {
            control->SetText(Translate(control->Text()));
        }
    }
}

} // namespace qx::plot::editor
