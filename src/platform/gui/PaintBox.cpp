#include "platform/gui/PaintBox.h"

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() { qx::fire(OnPaint, this); }
