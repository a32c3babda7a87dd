#include "controls/plot/editor/iComponentEditorColorPicker.h"

#include "controls/plot/editor/iColorDialog.h"
#include "controls/plot/editor/iComponentEditorButton.h"
#include "controls/plot/editor/iCustomEditorForm.h"
#include "platform/gui/Button.h"
#include "platform/gui/canvas/Canvas.h"

#include <memory>

TiComponentEditorColorPicker::TiComponentEditorColorPicker(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable});
    SetTabStop(true);
    FButton = new TiComponentEditorButton(this);
    FButton->SetParent(this);
    FButton->SetCaption("...");
    FButton->SetBounds(26, 0, 21, 21);
    TFont bold = FButton->Font();
    bold.Style = fsBold;
    FButton->SetFont(bold);
    FButton->OnClick = [this](TObject*) { ShowDialog(); };
    SetBounds(Left(), Top(), 47, 21);
}

void TiComponentEditorColorPicker::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Invalidate();
}

void TiComponentEditorColorPicker::PlaceButton()
{
    if (FButton)
        FButton->SetBounds(Width() - FButton->Width(), 0, FButton->Width(), Height());
}

void TiComponentEditorColorPicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceButton();
}

void TiComponentEditorColorPicker::Loaded()
{
    TCustomControl::Loaded();
    PlaceButton();
}

void TiComponentEditorColorPicker::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = Enabled() ? FColor : TColor(clBtnFace);
    canvas.Pen().Style = psSolid;
    canvas.Pen().Color = 0;
    canvas.Rectangle(0, 0, Width() - FButton->Width() - 1, Height());
}

void TiComponentEditorColorPicker::DblClick()
{
    TCustomControl::DblClick();
    ShowDialog();
}

void TiComponentEditorColorPicker::ShowDialog()
{
    const std::unique_ptr<TiColorDialog> dialog = std::make_unique<TiColorDialog>(this);
    dialog->SetColor(FColor);
    if (!dialog->Execute())
        return;
    FColor = dialog->Color();
    qx::plot::NotifyOwnerForm(*this);
    Invalidate();
    qx::fire(OnChange, this);
}

void TiComponentEditorColorPicker::Disable()
{
    SetEnabled(false);
    FButton->SetEnabled(false);
    Invalidate();
}

void TiComponentEditorColorPicker::Enable()
{
    SetEnabled(true);
    FButton->SetEnabled(true);
    Invalidate();
}

void TiComponentEditorColorPicker::KeyDown(Word& Key, TShiftState Shift)
{
    if (qx::plot::HandleEditorTab(*this, Key, Shift))
        return;
    TCustomControl::KeyDown(Key, Shift);
}

void TiComponentEditorColorPicker::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTTAB;
        return;
    }
    TCustomControl::Dispatch(Message);
}
