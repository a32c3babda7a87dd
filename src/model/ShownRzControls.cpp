#include "model/ShownRzControls.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzBorder.h"
#include "response/TMyPEQType8.h"

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

bool qx::isPeqGrid(const TControl* control) { return dynamic_cast<const TMyPEQType8*>(control) != nullptr; }

void qx::showPeqRows(TControl* control, std::span<const PeqRowValues> rows)
{
    auto* grid = dynamic_cast<TMyPEQType8*>(control);
    if (!grid)
        return;
    grid->SetNowIndex(0);
    int row = 0;
    for (const PeqRowValues& r : rows)
        grid->SetEqParamValue(row++, r.frequencyHz, r.qStep, r.gainDb, r.type, r.bypassed ? 1 : 0);
}
