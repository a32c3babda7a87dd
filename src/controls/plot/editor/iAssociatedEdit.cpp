#include "controls/plot/editor/iAssociatedEdit.h"

#include "controls/plot/editor/iComponentEditorEdit.h"

TiAssociatedEdit::~TiAssociatedEdit()
{
    if (FEdit)
        FEdit->RemoveFreeNotification(&FControl);
}

void TiAssociatedEdit::Set(TiComponentEditorEdit* Edit)
{
    if (FEdit)
        FEdit->RemoveFreeNotification(&FControl);
    FEdit = Edit;
    if (!FEdit)
        return;
    FEdit->FreeNotification(&FControl);
    FControl.SetBounds(FEdit->Left() + FEdit->Width(), FEdit->Top(), FControl.Width(), FEdit->Height());
}

void TiAssociatedEdit::Notification(const TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FEdit)
        FEdit = nullptr;
}
