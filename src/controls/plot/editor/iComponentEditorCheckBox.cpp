#include "controls/plot/editor/iComponentEditorCheckBox.h"

#include "controls/plot/editor/iCustomEditorForm.h"

TiComponentEditorCheckBox::TiComponentEditorCheckBox(TComponent* AOwner) : TiCheckBox(AOwner) {}

void TiComponentEditorCheckBox::SetAsBoolean(bool Value)
{
    qx::plot::WithEventsBlocked(FBlockingEvents, [&] { SetChecked(Value); }, OnClick);
}

void TiComponentEditorCheckBox::Disable()
{
    qx::plot::WithEventsBlocked(
        FBlockingEvents,
        [&] {
            SetEnabled(false);
            SetChecked(false);
        },
        OnClick);
}

void TiComponentEditorCheckBox::DoChange()
{
    TiCheckBox::DoChange();
    if (FBlockingEvents || IsLoading())
        return;
    qx::plot::NotifyOwnerForm(*this);
    qx::fire(OnClick, this);
}

void TiComponentEditorCheckBox::KeyDown(Word& Key, TShiftState Shift)
{
    if (qx::plot::HandleEditorTab(*this, Key, Shift))
        return;
    TiCheckBox::KeyDown(Key, Shift);
}

void TiComponentEditorCheckBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTTAB;
        return;
    }
    TiCheckBox::Dispatch(Message);
}
