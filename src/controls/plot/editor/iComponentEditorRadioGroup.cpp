#include "controls/plot/editor/iComponentEditorRadioGroup.h"

#include "controls/plot/editor/iCustomEditorForm.h"

TiComponentEditorRadioGroup::TiComponentEditorRadioGroup(TComponent* AOwner) : TiRadioGroup(AOwner) {}

void TiComponentEditorRadioGroup::SetAsInteger(int Value)
{
    qx::plot::WithEventsBlocked(FBlockingEvents, [&] { SetItemIndex(Value); }, OnClick, OnChange);
}

void TiComponentEditorRadioGroup::Disable()
{
    qx::plot::WithEventsBlocked(
        FBlockingEvents,
        [&] {
            SetEnabled(false);
            SetItemIndex(-1);
        },
        OnClick, OnChange);
}

void TiComponentEditorRadioGroup::DoChange()
{
    TiRadioGroup::DoChange();
    // A selection by the user (mouse or arrow keys) reaches the owner form.
    if (!FBlockingEvents && !IsLoading() && UserGenerated())
        qx::plot::NotifyOwnerForm(*this);
}

void TiComponentEditorRadioGroup::KeyDown(Word& Key, TShiftState Shift)
{
    if (qx::plot::HandleEditorTab(*this, Key, Shift))
        return;
    TiRadioGroup::KeyDown(Key, Shift);
}
