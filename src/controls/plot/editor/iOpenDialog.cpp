#include "controls/plot/editor/iOpenDialog.h"

#include "controls/plot/base/iDrawing.h"
#include "platform/gui/OpenDialog.h"

bool TiOpenDialog::Execute()
{
    Files.clear();
    if (!OwnerForm(this))
        return false;
    TOpenDialog dialog(nullptr);
    dialog.SetFileName(FileName.substr(0, 260));
    dialog.SetFilter(Filter);
    dialog.SetFilterIndex(1);
    dialog.SetInitialDir(DefaultDir);
    dialog.SetDefaultExt(DefaultExt);
    TOpenOptions options{ofHideReadOnly, ofPathMustExist};
    if (FileMustExist)
        options << ofFileMustExist;
    if (AllowMultiSelect)
        options << ofAllowMultiSelect;
    dialog.SetOptions(options);
    if (!dialog.Execute())
        return false;
    Files = dialog.Files();
    FileName = Files.empty() ? dialog.FileName() : Files.front();
    return true;
}
