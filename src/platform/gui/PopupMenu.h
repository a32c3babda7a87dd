#pragma once

#include "platform/gui/Menu.h"
#include "platform/gui/Events.h"

/// A menu that opens at a point: by Popup, or by the right mouse button over
/// a control whose PopupMenu it is (AutoPopup). OnPopup comes first.
class TPopupMenu : public TMenu
{
public:
    explicit TPopupMenu(TComponent* AOwner);

    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool Value) { autoPopup_ = Value; }
    /// The control it was opened over, nullptr when opened by Popup.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* Value) { popupComponent_ = Value; }

    /// Opens the menu at a screen point and returns; a choice raises the item's OnClick.
    virtual void Popup(int X, int Y);

    TNotifyEvent OnPopup;

private:
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
};

namespace qx {
/// Makes the right mouse button over a control open its PopupMenu.
void installPopupMenus();
} // namespace qx
