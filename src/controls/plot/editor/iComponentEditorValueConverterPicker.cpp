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

TiComponentEditorValueConverterPicker::~TiComponentEditorValueConverterPicker() = default;

void TiComponentEditorValueConverterPicker::SetAssociate(TiComponentEditorEdit* Value) { FAssociate.Set(Value); }

void TiComponentEditorValueConverterPicker::Notification(TComponent* AComponent, TOperation Operation)
{
    TiComponentEditorButton::Notification(AComponent, Operation);
    FAssociate.Notification(AComponent, Operation);
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
    TiComponentEditorEdit* edit = FAssociate.Get();
    form->SetValue(edit ? edit->GetAsFloat() : FDateTime);
    if (form->ShowModal() != mrOk)
        return;
    FDateTime = form->GetValue();
    if (TiComponentEditorEdit* target = FAssociate.Get())
        target->SetDoubleWithEvent(FDateTime);
    qx::fire(OnChange, this);
}
