#pragma once
// The fader's drag hint: the value in a small window beside the pointer, on the info colour
// with a 3D edge.

#include "platform/gui/HintWindow.h"

#include <string>

class TTrackHintWindow : public THintWindow
{
public:
    explicit TTrackHintWindow(TComponent* AOwner);

    // The text size plus 16 across and 4 down.
    TRect CalcHintRect(int MaxWidth, const std::string& AHint) override;
    const std::string& HintText() const { return Caption(); }

protected:
    void Paint() override;
};
