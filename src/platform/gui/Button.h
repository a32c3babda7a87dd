#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/Form.h"

class QPushButton;

/// A push button. A click (mouse, Space, or Click() from code) sets the
/// form's ModalResult to the button's when that is not mrNone, which ends a
/// modal loop, and then raises OnClick.
class TButton : public TWinControl
{
public:
    explicit TButton(TComponent* AOwner);

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool Default() const { return default_; }
    void SetDefault(bool Value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }

    void Click() override;
    /// Enter clicks the focused button, or the Default one when the focus is
    /// on no button; Esc clicks the Cancel button (CM_DIALOGKEY).
    void Dispatch(TMessage& Message) override;

protected:
    void TextChanged() override;

private:
    bool takesDialogKey(const TMessage& Message) const;

    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};
