#pragma once

#include "platform/gui/canvas/Geometry.h"

#include <vector>

class TCanvas;
class TControl;
class TWinControl;
struct TMessage;

/// The class library's dock tree: the controls docked in a dock site, each
/// in its own zone of the site's client area under (or, in a site aligned to
/// the top or bottom, beside) a grabber band, and the painting of the bands.
/// The zones share the site equally, stacked across the grabbers.
class TDockTree
{
public:
    explicit TDockTree(TWinControl* DockSite) : dockSite_(DockSite) {}
    virtual ~TDockTree() = default;
    TDockTree(const TDockTree&) = delete;
    TDockTree& operator=(const TDockTree&) = delete;

    TWinControl* DockSite() const { return dockSite_; }
    /// Docks the control: it goes into the site, in a zone of its own.
    void InsertControl(TControl* Control);
    /// Undocks the control (it stays where it is); the others share its room.
    void RemoveControl(TControl* Control);
    const std::vector<TControl*>& Clients() const { return clients_; }

    /// The control's zone, grabber included; empty for one not docked here.
    TRect ZoneRect(const TControl* Control) const;
    /// Places every client in its zone, less the grabber.
    void ResetBounds();
    /// Paints the grabber band of every client on the site's canvas.
    void PaintSite(TCanvas& Canvas);

    /// Takes the grabber off a zone: the client's own rectangle.
    virtual void AdjustDockRect(TControl* Control, TRect& ARect);
    /// Draws a client's grabber band in its zone ARect.
    virtual void PaintDockFrame(TCanvas& Canvas, TControl* Control, const TRect& ARect);
    /// Sees every message of the site before the site handles it.
    virtual void WindowProcHook(TMessage& Message);

protected:
    /// Whether the grabbers stand at the left of the zones (a site aligned to
    /// the top or bottom is a strip: its clients stand side by side).
    bool GrabbersAtLeft() const;

private:
    static constexpr int kGrabberSize = 12;

    TWinControl* dockSite_;
    std::vector<TControl*> clients_;
};
