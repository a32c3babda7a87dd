#include "platform/gui/PrintDialog.h"

#include "platform/gui/DialogService.h"
#include "platform/gui/Printer.h"

bool TPrintDialog::Execute() { return qx::dialogs().runPrintDialog(Printer()->qtPrinter()); }
