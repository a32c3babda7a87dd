#include "platform/gui/GroupBox.h"

#include "platform/gui/QtConversions.h"

#include <QGroupBox>

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner, new QGroupBox)
{
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::TextChanged() { static_cast<QGroupBox*>(Widget())->setTitle(qx::toQt(Caption())); }
