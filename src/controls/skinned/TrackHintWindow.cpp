#include "controls/skinned/TrackHintWindow.h"

#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Canvas.h"

TTrackHintWindow::TTrackHintWindow(TComponent* AOwner) : THintWindow(AOwner)
{
    SetColor(clInfoBk);
}

TRect TTrackHintWindow::CalcHintRect(int, const std::string& AHint)
{
    TBitmap scratch(1, 1);
    scratch.Canvas().Font() = Font();
    const TSize size = scratch.Canvas().TextExtent(AHint);
    return {0, 0, size.cx + 16, size.cy + 4};
}

void TTrackHintWindow::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    const TRect r = ClientRect();
    canvas->Brush().Style = bsSolid;
    canvas->Brush().Color = Color();
    canvas->FillRect(r);
    canvas->Pen().Color = cl3DLight;
    canvas->MoveTo(r.Left, r.Bottom - 2);
    canvas->LineTo(r.Left, r.Top);
    canvas->LineTo(r.Right - 1, r.Top);
    canvas->Pen().Color = cl3DDkShadow;
    canvas->MoveTo(r.Left, r.Bottom - 1);
    canvas->LineTo(r.Right - 1, r.Bottom - 1);
    canvas->LineTo(r.Right - 1, r.Top - 1);
    canvas->Brush().Style = bsClear;
    canvas->Font() = Font();
    TRect text = r;
    canvas->DrawText(Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}
