#include "controls/plot/editor/iCustomEditorForm.h"

#include "controls/plot/base/iDrawing.h"
#include "platform/gui/Keys.h"

#include <algorithm>
#include <vector>

TiCustomEditorForm::TiCustomEditorForm(TComponent* AOwner) : TForm(AOwner) {}

namespace qx::plot {

void NotifyOwnerForm(const TComponent& Control)
{
    if (auto* form = dynamic_cast<TiCustomEditorForm*>(Control.Owner()))
        form->UserChange();
}

namespace {

// The windowed children of Parent in tab order.
std::vector<TWinControl*> TabChildren(const TWinControl& Parent)
{
    std::vector<TWinControl*> children;
    for (int i = 0; i < Parent.ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(Parent.Controls(i)))
            children.push_back(child);
    std::stable_sort(children.begin(), children.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    return children;
}

// Every windowed control under Parent, each followed by its own children, in tab order.
void CollectTabOrder(const TWinControl& Parent, std::vector<TWinControl*>& List)
{
    for (TWinControl* child : TabChildren(Parent)) {
        List.push_back(child);
        CollectTabOrder(*child, List);
    }
}

TWinControl* NextIn(const std::vector<TWinControl*>& List, const TWinControl& From, bool Forward)
{
    const auto at = std::find(List.begin(), List.end(), &From);
    if (at == List.end() || List.size() < 2)
        return nullptr;
    const auto n = static_cast<std::ptrdiff_t>(List.size());
    std::ptrdiff_t i = at - List.begin();
    for (std::ptrdiff_t step = 1; step < n; ++step) {
        i = Forward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* candidate = List[static_cast<std::size_t>(i)];
        if (candidate->TabStop() && candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

} // namespace

TWinControl* NextTabControl(const TWinControl& Control, bool Forward)
{
    const TWinControl* top = GetParentForm(&Control);
    if (!top) {
        top = &Control;
        while (top->Parent())
            top = top->Parent();
    }
    std::vector<TWinControl*> list;
    CollectTabOrder(*top, list);
    return NextIn(list, Control, Forward);
}

void FocusNextTabControl(TWinControl& Control, TShiftState Shift)
{
    const bool backward = Shift.Contains(ssShift) || ShiftDown();
    if (TWinControl* next = NextTabControl(Control, !backward))
        FocusControl(*next);
}

bool HandleEditorTab(TWinControl& Control, Word& Key, TShiftState Shift)
{
    if (Key != VK_TAB)
        return false;
    Key = 0;
    FocusNextTabControl(Control, Shift);
    return true;
}

TWinControl* NextSiblingControl(const TWinControl& Control, bool Forward)
{
    if (!Control.Parent())
        return nullptr;
    return NextIn(TabChildren(*Control.Parent()), Control, Forward);
}

} // namespace qx::plot
