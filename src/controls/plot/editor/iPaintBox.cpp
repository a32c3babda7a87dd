#include "controls/plot/editor/iPaintBox.h"

#include "platform/gui/canvas/Canvas.h"

TiPaintBox::TiPaintBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
}

void TiPaintBox::Paint()
{
    if (ComponentState().Contains(csDesigning) && Canvas()) {
        TCanvas& canvas = *Canvas();
        canvas.Pen().Style = psDash;
        canvas.Brush().Style = bsClear;
        canvas.Rectangle(0, 0, Width(), Height());
    }
    qx::fire(OnPaint, this);
}
