#include "platform/gui/DockTree.h"

#include "platform/gui/Control.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>

void TDockTree::InsertControl(TControl* Control)
{
    if (!Control || std::find(clients_.begin(), clients_.end(), Control) != clients_.end())
        return;
    clients_.push_back(Control);
    if (Control->Parent() != dockSite_)
        Control->SetParent(dockSite_);
    ResetBounds();
}

void TDockTree::RemoveControl(TControl* Control)
{
    const auto it = std::find(clients_.begin(), clients_.end(), Control);
    if (it == clients_.end())
        return;
    clients_.erase(it);
    ResetBounds();
}

bool TDockTree::GrabbersAtLeft() const
{
    return dockSite_->Align() == alTop || dockSite_->Align() == alBottom;
}

TRect TDockTree::ZoneRect(const TControl* Control) const
{
    const auto it = std::find(clients_.begin(), clients_.end(), Control);
    if (it == clients_.end())
        return {};
    const TRect area = dockSite_->ClientRect();
    const int n = static_cast<int>(clients_.size());
    const int i = static_cast<int>(it - clients_.begin());
    if (GrabbersAtLeft()) {
        const int w = area.Width();
        return {area.Left + w * i / n, area.Top, area.Left + w * (i + 1) / n, area.Bottom};
    }
    const int h = area.Height();
    return {area.Left, area.Top + h * i / n, area.Right, area.Top + h * (i + 1) / n};
}

void TDockTree::ResetBounds()
{
    for (TControl* client : clients_) {
        TRect r = ZoneRect(client);
        AdjustDockRect(client, r);
        client->SetBounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
    }
}

void TDockTree::PaintSite(TCanvas& Canvas)
{
    for (TControl* client : clients_)
        if (client->Visible())
            PaintDockFrame(Canvas, client, ZoneRect(client));
}

void TDockTree::AdjustDockRect(TControl*, TRect& ARect)
{
    if (GrabbersAtLeft())
        ARect.Left += kGrabberSize;
    else
        ARect.Top += kGrabberSize;
}

void TDockTree::PaintDockFrame(TCanvas& Canvas, TControl*, const TRect& ARect)
{
    // Two raised lines along the band.
    const auto line = [&Canvas](int x1, int y1, int x2, int y2) {
        Canvas.Pen().Color = clBtnHighlight;
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
        Canvas.Pen().Color = clBtnShadow;
        Canvas.MoveTo(x1 + (x1 == x2 ? 1 : 0), y1 + (y1 == y2 ? 1 : 0));
        Canvas.LineTo(x2 + (x1 == x2 ? 1 : 0), y2 + (y1 == y2 ? 1 : 0));
    };
    Canvas.Pen().Width = 1;
    Canvas.Pen().Style = psSolid;
    if (GrabbersAtLeft()) {
        line(ARect.Left + 3, ARect.Top + 2, ARect.Left + 3, ARect.Bottom - 2);
        line(ARect.Left + 6, ARect.Top + 2, ARect.Left + 6, ARect.Bottom - 2);
    } else {
        line(ARect.Left + 2, ARect.Top + 3, ARect.Right - 2, ARect.Top + 3);
        line(ARect.Left + 2, ARect.Top + 6, ARect.Right - 2, ARect.Top + 6);
    }
}

void TDockTree::WindowProcHook(TMessage&) {}
