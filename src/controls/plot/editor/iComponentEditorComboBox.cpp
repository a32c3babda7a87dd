#include "controls/plot/editor/iComponentEditorComboBox.h"

#include "controls/plot/editor/iCustomEditorForm.h"

TiComponentEditorComboBox::TiComponentEditorComboBox(TComponent* AOwner) : TComboBox(AOwner)
{
    SetTabStop(true);
    SetColor(clWindow);
}

void TiComponentEditorComboBox::SetAsInteger(int Value)
{
    qx::plot::WithEventsBlocked(FBlockingEvents, [&] { SetItemIndex(Value); }, OnChange);
}

void TiComponentEditorComboBox::SetAsString(const std::string& Value)
{
    qx::plot::WithEventsBlocked(FBlockingEvents, [&] { SetText(Value); }, OnChange);
}

void TiComponentEditorComboBox::Disable()
{
    qx::plot::WithEventsBlocked(
        FBlockingEvents,
        [&] {
            SetEnabled(false);
            SetColor(clBtnFace);
            SetItemIndex(-1);
            SetText({});
        },
        OnChange);
}

void TiComponentEditorComboBox::Enable()
{
    SetEnabled(true);
    SetColor(clWindow);
}

void TiComponentEditorComboBox::Click()
{
    // The class library's click (OnClick) is not raised: the owner form hears of the pick,
    // and handlers get it through OnChange.
    if (!FBlockingEvents)
        qx::plot::NotifyOwnerForm(*this);
}

void TiComponentEditorComboBox::KeyDown(Word& Key, TShiftState Shift)
{
    if (qx::plot::HandleEditorTab(*this, Key, Shift))
        return;
    TComboBox::KeyDown(Key, Shift);
}

void TiComponentEditorComboBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        return;
    }
    TComboBox::Dispatch(Message);
}
