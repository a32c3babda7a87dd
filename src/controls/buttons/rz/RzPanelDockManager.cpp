#include "controls/buttons/rz/RzPanelDockManager.h"

#include "controls/buttons/rz/RzPanel.h"
#include "platform/gui/Messages.h"
#include "platform/gui/canvas/Canvas.h"

TRzPanelDockManager::TRzPanelDockManager(TRzCustomPanel* Panel) : TDockTree(Panel), panel_(Panel)
{
    font_.Name = "Verdana";
    font_.SetSize(8);
    closeFont_.Name = "Marlett";
    closeFont_.SetSize(8);
}

void TRzPanelDockManager::WindowProcHook(TMessage& Message)
{
    if (Message.Msg == WM_COMMAND || Message.Msg == WM_MOUSEACTIVATE)
        panel_->Invalidate();
}

void TRzPanelDockManager::AdjustDockRect(TControl*, TRect& ARect)
{
    if (GrabbersAtLeft())
        ARect.Left += kGrabberSize;
    else
        ARect.Top += kGrabberSize;
}

void TRzPanelDockManager::PaintDockFrame(TCanvas& Canvas, TControl* Control, const TRect& ARect)
{
    if (!panel_->ShowDockClientCaptions()) {
        TDockTree::PaintDockFrame(Canvas, Control, ARect);
        return;
    }
    Canvas.Font() = font_;
    const auto* windowed = dynamic_cast<const TWinControl*>(Control);
    const bool active = !windowed || windowed->Focused();
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = active ? clActiveCaption : clInactiveCaption;
    Canvas.Font().Color = active ? clCaptionText : clInactiveCaptionText;
    const std::string caption = Control->Caption();
    if (!GrabbersAtLeft()) {
        const TRect band{ARect.Left, ARect.Top, ARect.Right, ARect.Top + kGrabberSize};
        Canvas.TextRect(band, band.Left + 2, band.Top, caption);
        Canvas.Font() = closeFont_;
        const TRect close{ARect.Right - 15, ARect.Top + 1, ARect.Right - 2, ARect.Top + 12};
        Canvas.TextRect(close, close.Left, close.Top, "r");
        return;
    }
    const TRect band{ARect.Left, ARect.Top, ARect.Left + kGrabberSize, ARect.Bottom};
    // The caption runs upwards with its base line at the band's right edge.
    TFont upward = font_;
    upward.Orientation = 900;
    upward.Color = clCaptionText;
    Canvas.Font() = upward;
    const int ascent = Canvas.TextAscent();
    Canvas.TextRect(band, band.Right - 2 - ascent, band.Bottom - 3, caption);
    Canvas.Font() = closeFont_;
    const TRect close{ARect.Left + 1, ARect.Top + 1, ARect.Left + 12, ARect.Top + 12};
    Canvas.TextRect(close, close.Left, close.Top, "r");
}
