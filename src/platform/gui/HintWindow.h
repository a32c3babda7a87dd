#pragma once

#include "platform/gui/Control.h"

/// A small borderless window with a text, shown over everything without
/// taking the focus (tool tips, a fader's value while it is dragged).
class THintWindow : public TCustomControl
{
public:
    explicit THintWindow(TComponent* AOwner);

    /// The size the text needs at most MaxWidth wide, as a rectangle at (0, 0).
    virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint);
    /// Shows the text in Rect (screen coordinates), moved back inside its
    /// monitor where it would reach past the right or bottom edge.
    virtual void ActivateHint(TRect Rect, const std::string& AHint);
    /// Hides the window.
    void ReleaseHandle();

protected:
    void Paint() override;
};
