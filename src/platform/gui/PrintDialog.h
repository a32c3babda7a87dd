#pragma once

#include "platform/gui/Component.h"

/// The print dialog: Execute shows it (through the dialog service) for the
/// program's Printer(); false when cancelled, and then nothing is printed.
class TPrintDialog : public TComponent
{
public:
    explicit TPrintDialog(TComponent* AOwner) : TComponent(AOwner) {}
    bool Execute();
};
