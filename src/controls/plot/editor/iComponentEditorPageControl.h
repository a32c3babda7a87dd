#pragma once
// TiComponentEditorPageControl and TiComponentEditorGroupBox: the page control (Tab moves
// the focus within the owner form) and the plain group box of the library's editors.

#include "platform/gui/GroupBox.h"
#include "platform/gui/PageControl.h"

class TiComponentEditorPageControl : public TPageControl
{
public:
    explicit TiComponentEditorPageControl(TComponent* AOwner);

    /// A number kept as the layout gives it; the page shown is ActivePage.
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int Value) { FTabIndex = Value; }

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

private:
    int FTabIndex = 0;
};

class TiComponentEditorGroupBox : public TGroupBox
{
public:
    explicit TiComponentEditorGroupBox(TComponent* AOwner) : TGroupBox(AOwner) {}
};
