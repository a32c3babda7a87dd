#include "controls/plot/editor/iComponentEditorValueConverterPicker.h"

#include "controls/plot/editor/iComponentEditorEdit.h"

#include <memory>

TiComponentEditorValueConverterPicker::TiComponentEditorValueConverterPicker(TComponent* AOwner)
    : TiComponentEditorButton(AOwner)
{
    SetCaption("...");
    SetBounds(Left(), Top(), 21, 21);
    SetTabStop(true);
}

TiComponentEditorValueConverterPicker::~TiComponentEditorValueConverterPicker()
{
    if (FAssociate)
        FAssociate->RemoveFreeNotification(this);
}

void TiComponentEditorValueConverterPicker::SetAssociate(TiComponentEditorEdit* Value)
{
    if (FAssociate)
        FAssociate->RemoveFreeNotification(this);
    FAssociate = Value;
    if (!FAssociate)
        return;
    FAssociate->FreeNotification(this);
    SetBounds(FAssociate->Left() + FAssociate->Width(), FAssociate->Top(), Width(), FAssociate->Height());
}

void TiComponentEditorValueConverterPicker::Notification(TComponent* AComponent, TOperation Operation)
{
    TiComponentEditorButton::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate)
        FAssociate = nullptr;
}

void TiComponentEditorValueConverterPicker::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTTAB;
        return;
    }
    TiComponentEditorButton::Dispatch(Message);
}

void TiComponentEditorValueConverterPicker::Click()
{
    TiComponentEditorButton::Click();
    // The form is freed however the dialog ends.
    std::unique_ptr<TiValueConverterEditForm> form(qx::newForm<TiValueConverterEditForm>(this));
    FForm = form.get();
    struct Closed
    {
        TiValueConverterEditForm*& form;
        ~Closed() { form = nullptr; }
    } closed{FForm};
    form->ShowPage(FDefaultPage);
    if (TranslationMethod)
        TranslationMethod(form.get());
    form->SetValue(FAssociate ? FAssociate->GetAsFloat() : FDateTime);
    if (form->ShowModal() != mrOk)
        return;
    FDateTime = form->GetValue();
    if (FAssociate)
        FAssociate->SetDoubleWithEvent(FDateTime);
    qx::fire(OnChange, this);
}
