#pragma once
// TiPaintBox: a double-buffered area its owner draws on through OnPaint (the print
// preview's page).

#include "platform/gui/Control.h"

class TiPaintBox : public TCustomControl
{
public:
    explicit TiPaintBox(TComponent* AOwner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
