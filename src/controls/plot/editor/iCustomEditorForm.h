#pragma once
// TiCustomEditorForm: the base of the library's editor windows, and the protocol every
// editor control follows: a value written by the program raises nothing (its change events
// are detached while it writes), a value changed by the user raises the control's event and
// tells the owner form through UserChange, and Tab moves the focus within the owner form.

#include "platform/gui/Form.h"

#include <tuple>
#include <utility>

/// The form of an editor window. UserChange is the hook every editor control calls when
/// the user has changed its value; the base does nothing with it.
class TiCustomEditorForm : public TForm
{
public:
    explicit TiCustomEditorForm(TComponent* AOwner);
    virtual void UserChange() {}
};

namespace qx::plot {

/// Calls UserChange of Control's owner when that is an editor form.
void NotifyOwnerForm(const TComponent& Control);

/// The next (or previous) control of the tab order of Control's form that is a tab stop
/// and can take the focus, wrapping at the ends; nullptr when there is none.
TWinControl* NextTabControl(const TWinControl& Control, bool Forward);
/// Tab in an editor control: the focus goes to the next tab stop, to the previous one when
/// Shift is held down (in the key's shift state or, read live, on the keyboard now).
void FocusNextTabControl(TWinControl& Control, TShiftState Shift);
/// Key-down of an editor control: Tab moves the focus as above and is consumed (Key 0);
/// returns whether it was Tab.
bool HandleEditorTab(TWinControl& Control, Word& Key, TShiftState Shift);
/// The next (or previous) focusable sibling of Control under the same parent, in tab order;
/// nullptr when there is none.
TWinControl* NextSiblingControl(const TWinControl& Control, bool Forward);

/// Runs Write with Blocking set and each of Detached emptied; both are restored afterwards,
/// also when Write throws.
template <class F, class... Events>
void WithEventsBlocked(bool& Blocking, F&& Write, Events&... Detached)
{
    auto saved = std::make_tuple(std::exchange(Detached, Events{})...);
    const bool before = std::exchange(Blocking, true);
    const auto restore = [&] {
        Blocking = before;
        std::apply([&](auto&... event) { ((Detached = std::move(event)), ...); }, saved);
    };
    try {
        std::forward<F>(Write)();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

} // namespace qx::plot
