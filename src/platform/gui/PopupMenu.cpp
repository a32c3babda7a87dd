#include "platform/gui/PopupMenu.h"

#include "platform/gui/Control.h"
#include "platform/gui/MenuItem.h"

#include <QMenu>

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::Popup(int X, int Y)
{
    qx::fire(OnPopup, this);
    if (QMenu* menu = Items()->SubMenu())
        menu->popup(QPoint(X, Y));
}

namespace qx {

void installPopupMenus()
{
    setPopupPresenter([](TPopupMenu* menu, TControl* control, TPoint screenPos) {
        if (!menu->AutoPopup())
            return;
        menu->SetPopupComponent(control);
        menu->Popup(screenPos.X, screenPos.Y);
    });
}

} // namespace qx
