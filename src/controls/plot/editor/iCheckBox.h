#pragma once
// TiCheckBox: the plot library's owner-drawn check box. A mouse release inside the box or a
// Space released after its press toggles Checked; every effective change raises OnChange,
// and one made by the user OnChangeUser too. Writes from code raise OnChange but not
// OnChangeUser; nothing is raised while the control is read from a layout.

#include "controls/plot/base/iVCLComponent.h"
#include "platform/gui/ControlEnums.h"

class TiCheckBox : public TiVCLComponent
{
public:
    explicit TiCheckBox(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    /// taRightJustify: the box at the left, the caption right of it; taLeftJustify: the box
    /// at the right edge.
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);

    /// The box and the caption as the paint places them.
    TRect BoxRect() const;
    TRect CaptionRect();

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

protected:
    /// Raises the change events (not while loading).
    virtual void DoChange();

    void iPaint(TCanvas& Canvas) override;
    void iSetFocus() override;
    void iKillFocus() override;
    void iKeyDown(Word& Key, TShiftState Shift) override;
    void iKeyUp(Word& Key, TShiftState Shift) override;
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void TextChanged() override;
    void Loaded() override;

private:
    void DoAutoSize();
    TRect CaptionRectOn(TCanvas& Canvas) const;

    bool FMouseDown = false;
    bool FKeyDown = false;
    bool FDoingAutoSize = false;
    bool FChecked = false;
    bool FAutoSize = true;
    TFont FFont;
    TAlignment FAlignment = taRightJustify;
};
