#include "platform/gui/GroupBox.h"

#include "platform/gui/QtConversions.h"
#include "platform/gui/canvas/Colors.h"

#include <QGroupBox>
#include <QPalette>

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner, new QGroupBox)
{
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::TextChanged() { static_cast<QGroupBox*>(Widget())->setTitle(qx::toQt(Caption())); }

void TGroupBox::FontChanged()
{
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(qx::argbFromColor(Font().Color)));
    Widget()->setPalette(palette);
}
