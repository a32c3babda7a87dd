#include "controls/plot/editor/iComponentEditorPageControl.h"

#include "controls/plot/editor/iCustomEditorForm.h"

TiComponentEditorPageControl::TiComponentEditorPageControl(TComponent* AOwner) : TPageControl(AOwner) {}

void TiComponentEditorPageControl::KeyDown(Word& Key, TShiftState Shift)
{
    if (qx::plot::HandleEditorTab(*this, Key, Shift))
        return;
    TPageControl::KeyDown(Key, Shift);
}

void TiComponentEditorPageControl::Dispatch(TMessage& Message)
{
    TPageControl::Dispatch(Message);
    if (Message.Msg == WM_GETDLGCODE)
        Message.Result |= DLGC_WANTALLKEYS | DLGC_WANTTAB;
}
