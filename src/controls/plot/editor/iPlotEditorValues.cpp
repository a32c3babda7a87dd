#include "controls/plot/editor/iPlotEditorValues.h"

#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Edit.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Strings.h"

#include <utility>

// The pages are made of the platform's plain edit, combo box, check box and list box until
// the editor's own controls are there; colour and font pickers hold no value yet.

namespace qx::plot::editor {

namespace {

/// Runs f with the event detached, so a write from code raises nothing.
template <class F>
void withoutEvent(TNotifyEvent& Event, F&& f)
{
    TNotifyEvent saved = std::exchange(Event, nullptr);
    try {
        f();
    } catch (...) {
        Event = std::move(saved);
        throw;
    }
    Event = std::move(saved);
}

} // namespace

bool IsValueControl(const TComponent& Control)
{
    return dynamic_cast<const TEdit*>(&Control) || dynamic_cast<const TComboBox*>(&Control) ||
           dynamic_cast<const TCheckBox*>(&Control) || dynamic_cast<const TListBox*>(&Control);
}

void SetControlUsable(TComponent& Control, bool Usable)
{
    auto* control = dynamic_cast<TControl*>(&Control);
    if (!control)
        return;
    if (!Usable) {
        if (auto* edit = dynamic_cast<TEdit*>(control))
            withoutEvent(edit->OnChange, [&] { edit->SetText({}); });
        else if (auto* combo = dynamic_cast<TComboBox*>(control))
            withoutEvent(combo->OnChange, [&] {
                combo->SetItemIndex(-1);
                combo->SetText({});
            });
        else if (auto* check = dynamic_cast<TCheckBox*>(control))
            withoutEvent(check->OnClick, [&] { check->SetChecked(false); });
    }
    control->SetEnabled(Usable);
}

std::string ControlText(const TComponent& Control)
{
    if (auto* control = dynamic_cast<const TControl*>(&Control))
        return control->Text();
    return {};
}

void SetControlText(TComponent& Control, const std::string& Text)
{
    if (auto* edit = dynamic_cast<TEdit*>(&Control)) {
        withoutEvent(edit->OnChange, [&] { edit->SetText(Text); });
    } else if (auto* combo = dynamic_cast<TComboBox*>(&Control)) {
        withoutEvent(combo->OnChange, [&] {
            if (combo->Style() == csDropDownList)
                combo->SetItemIndex(combo->Items()->IndexOf(Text));
            else
                combo->SetText(Text);
        });
    }
}

int ControlIndex(const TComponent& Control)
{
    if (auto* combo = dynamic_cast<const TComboBox*>(&Control))
        return combo->ItemIndex();
    return -1;
}

void SetControlIndex(TComponent& Control, int Index)
{
    if (auto* combo = dynamic_cast<TComboBox*>(&Control))
        withoutEvent(combo->OnChange, [&] { combo->SetItemIndex(Index < combo->Items()->Count() ? Index : -1); });
}

bool ControlChecked(const TComponent& Control)
{
    auto* check = dynamic_cast<const TCheckBox*>(&Control);
    return check && check->Checked();
}

void SetControlChecked(TComponent& Control, bool Checked)
{
    if (auto* check = dynamic_cast<TCheckBox*>(&Control))
        withoutEvent(check->OnClick, [&] { check->SetChecked(Checked); });
}

std::optional<TColor> ControlColor(const TComponent&) { return std::nullopt; }

void SetControlColor(TComponent&, TColor) {}

const TFont* ControlFont(const TComponent&) { return nullptr; }

void SetControlFont(TComponent&, const TFont&) {}

} // namespace qx::plot::editor
