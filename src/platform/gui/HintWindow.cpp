#include "platform/gui/HintWindow.h"

#include "platform/gui/Screen.h"
#include "platform/gui/canvas/Canvas.h"

#include <QImage>
#include <QWidget>

#include <algorithm>

namespace {
constexpr unsigned kHintText = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    Widget()->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    Widget()->setAttribute(Qt::WA_ShowWithoutActivating);
    SetColor(clInfoBk);
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font() = Font();
    TRect r{0, 0, MaxWidth, 0};
    canvas.DrawText(AHint, r, kHintText | DT_CALCRECT);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint)
{
    SetCaption(AHint);
    const TRect monitor = Screen()->MonitorRect(TPoint{Rect.Left, Rect.Top});
    const int w = Rect.Width(), h = Rect.Height();
    const int left = std::max(monitor.Left, std::min(Rect.Left, monitor.Right - w));
    const int top = std::max(monitor.Top, std::min(Rect.Top, monitor.Bottom - h));
    SetBounds(left, top, w, h);
    Widget()->setGeometry(left, top, w, h);
    Widget()->show();
    Invalidate();
}

void THintWindow::ReleaseHandle() { Widget()->hide(); }

void THintWindow::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    TRect r = ClientRect();
    canvas->Pen().Color = clBlack;
    canvas->Brush().Color = Color();
    canvas->Brush().Style = bsSolid;
    canvas->Rectangle(r);
    canvas->Brush().Style = bsClear;
    canvas->Font() = Font();
    canvas->Font().Color = clInfoText;
    TRect text{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom};
    canvas->DrawText(Caption(), text, kHintText);
}
