#include "controls/plot/editor/iComponentEditorFilePickers.h"

#include "controls/plot/editor/iCustomEditorForm.h"
#include "controls/plot/editor/iOpenDialog.h"
#include "controls/plot/editor/iSaveDialog.h"

#include <memory>

namespace qx::plot {

std::string ProposedFileName(const std::string& FileName)
{
    if (!FileName.empty() && (FileName.back() == '/' || FileName.back() == '\\'))
        return FileName + "Untitled";
    return FileName;
}

} // namespace qx::plot

TiComponentEditorOpenPicker::TiComponentEditorOpenPicker(TComponent* AOwner) : TiComponentEditorButton(AOwner)
{
    SetCaption("Open");
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

void TiComponentEditorOpenPicker::Click()
{
    TiComponentEditorButton::Click();
    const std::unique_ptr<TiOpenDialog> dialog = std::make_unique<TiOpenDialog>(this);
    dialog->FileMustExist = FFileMustExist;
    dialog->FileName = qx::plot::ProposedFileName(FFileName);
    dialog->Filter = FFilter;
    dialog->DefaultExt = FDefaultExt;
    dialog->DefaultDir = FDefaultDir;
    dialog->AllowMultiSelect = FAllowMultiSelect;
    FDefaultDirUsed = true;
    if (!dialog->Execute())
        return;
    FFileName = dialog->FileName;
    FFiles = dialog->Files;
    qx::plot::NotifyOwnerForm(*this);
    Invalidate();
    qx::fire(OnChange, this);
}

TiComponentEditorSavePicker::TiComponentEditorSavePicker(TComponent* AOwner) : TiComponentEditorButton(AOwner)
{
    SetCaption("Save");
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

bool TiComponentEditorSavePicker::Execute()
{
    const std::unique_ptr<TiSaveDialog> dialog = std::make_unique<TiSaveDialog>(this);
    dialog->FileName = qx::plot::ProposedFileName(FFileName);
    dialog->Filter = FFilter;
    dialog->FilterIndex = FFilterIndex;
    dialog->DefaultExt = FDefaultExt;
    if (!FDefaultDirUsed) {
        dialog->DefaultDir = FDefaultDir;
        FDefaultDirUsed = true;
    }
    if (!dialog->Execute())
        return false;
    FFileName = dialog->FileName;
    qx::plot::NotifyOwnerForm(*this);
    Invalidate();
    qx::fire(OnChange, this);
    return true;
}

void TiComponentEditorSavePicker::Click()
{
    TiComponentEditorButton::Click();
    Execute();
}
