#include "platform/gui/DialogService.h"

#include "platform/gui/QtDialogService.h"

namespace qx {

namespace {
DialogService* replacement = nullptr;
}

DialogService& dialogs()
{
    if (replacement)
        return *replacement;
    static QtDialogService qtDialogs;
    return qtDialogs;
}

void setDialogService(DialogService* service)
{
    replacement = service;
}

} // namespace qx
