#include "model/ShownButtons.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzBorder.h"

bool qx::setButtonDown(TControl* control, bool down)
{
    auto* button = dynamic_cast<TRzBmpButton*>(control);
    if (!button)
        return false;
    button->SetDown(down);
    return button->Down();
}

void qx::pressButton(TControl* control)
{
    if (auto* button = dynamic_cast<TRzBmpButton*>(control))
        button->Click();
}

bool qx::isBitmapButton(const TControl* control) { return dynamic_cast<const TRzBmpButton*>(control) != nullptr; }

bool qx::setMeterValue(TControl* control, int value)
{
    auto* meter = dynamic_cast<TRzMeter*>(control);
    if (meter)
        meter->SetValue(value);
    return meter != nullptr;
}
