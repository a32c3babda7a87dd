#pragma once
// TiAssociatedEdit: the editor edit box that a spin button or a picker is bound to. Binding
// docks the control at the edit's right edge, at its height; the binding is dropped when
// the edit is destroyed.

#include "platform/gui/Control.h"

class TiComponentEditorEdit;

class TiAssociatedEdit
{
public:
    /// Control is the bound control; it forwards its Notification to Notification below.
    explicit TiAssociatedEdit(TControl& Control) : FControl(Control) {}
    ~TiAssociatedEdit();
    TiAssociatedEdit(const TiAssociatedEdit&) = delete;
    TiAssociatedEdit& operator=(const TiAssociatedEdit&) = delete;

    TiComponentEditorEdit* Get() const { return FEdit; }
    void Set(TiComponentEditorEdit* Edit);
    void Notification(const TComponent* AComponent, TOperation Operation);

private:
    TControl& FControl;
    TiComponentEditorEdit* FEdit = nullptr;
};
