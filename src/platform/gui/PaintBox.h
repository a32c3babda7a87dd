#pragma once

#include "platform/gui/Control.h"

/// An area its owner draws on: OnPaint runs whenever it must be painted,
/// with Canvas ready.
class TPaintBox : public TGraphicControl
{
public:
    explicit TPaintBox(TComponent* AOwner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
