#pragma once

#include "platform/gui/Control.h"

/// A bar at the bottom of a window showing one text (SimplePanel).
class TStatusBar : public TCustomControl
{
public:
    explicit TStatusBar(TComponent* AOwner);

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool Value);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& Value);

protected:
    void Paint() override;

private:
    bool simplePanel_ = false;
    std::string simpleText_;
};
