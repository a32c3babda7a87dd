#include "platform/gui/StatusBar.h"

#include "platform/gui/PaintHelpers.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Edges.h"

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool Value) { simplePanel_ = Value; Invalidate(); }

void TStatusBar::SetSimpleText(const std::string& Value)
{
    simpleText_ = Value;
    // The text shows at once, also while a transfer keeps the loop busy.
    Repaint();
}

void TStatusBar::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    TRect r = ClientRect();
    qx::fillThenClearBrush(*canvas, r, Color());
    DrawEdge(*canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (!simplePanel_)
        return;
    canvas->Brush().Style = bsClear;
    canvas->Font() = Font();
    r.Left += 2;
    canvas->DrawText(simpleText_, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}
