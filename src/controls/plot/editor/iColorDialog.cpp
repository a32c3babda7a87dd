#include "controls/plot/editor/iColorDialog.h"

#include "platform/gui/DialogService.h"

bool TiColorDialog::Execute()
{
    const auto chosen = qx::dialogs().chooseColor(static_cast<std::uint32_t>(ColorToRGB(FColor)));
    if (!chosen)
        return false;
    FColor = static_cast<TColor>(*chosen & 0xFFFFFF);
    return true;
}
