#include "platform/gui/ColorDialog.h"

#include "platform/gui/DialogService.h"

bool TColorDialog::Execute()
{
    const auto chosen = qx::dialogs().chooseColor(ColorToRGB(color_));
    if (!chosen)
        return false;
    color_ = *chosen;
    return true;
}
